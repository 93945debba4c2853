#include "layer/nine_slice.h"

namespace vimo {

std::array<SlicePiece, 9> NineSlicePieces(int W, int H, int w, int h, const SliceCuts& c) {
    const int L = c.left, T = c.top, R = c.right, B = c.bottom;
    // Column and row bands: (dest start, dest size, source start, source size).
    struct Band {
        int dest, destSize, src, srcSize;
    };
    const Band cols[3] = {{0, L, 0, L}, {L, W - L - R, L, w - L - R}, {W - R, R, w - R, R}};
    const Band rows[3] = {{0, T, 0, T}, {T, H - T - B, T, h - T - B}, {H - B, B, h - B, B}};
    std::array<SlicePiece, 9> pieces{};
    for (int row = 0; row < 3; ++row) {
        for (int col = 0; col < 3; ++col) {
            const Band& cx = cols[col];
            const Band& cy = rows[row];
            pieces[row * 3 + col] = SlicePiece{LayerRect{cx.dest, cy.dest, cx.destSize, cy.destSize},
                                               LayerRect{cx.src, cy.src, cx.srcSize, cy.srcSize}};
        }
    }
    return pieces;
}

bool SliceCutsFit(int W, int H, int w, int h, const SliceCuts& c) {
    return w > c.left + c.right && h > c.top + c.bottom && W > c.left + c.right && H > c.top + c.bottom;
}

} // namespace vimo
