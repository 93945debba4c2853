#include "kaps/desk/photoalbum/picture_file_win.h"

#include <fstream>

#include "kaps/desk/photoalbum/picture_header.h"
#include "layer/gdip_graphics_win.h"
#include "layer/wide_text_win.h"

namespace vimo {

namespace {

using namespace Gdiplus;
using namespace Gdiplus::DllExports;

std::string ReadHead(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    std::string head(kPictureHeadBytes, '\0');
    in.read(head.data(), static_cast<std::streamsize>(head.size()));
    head.resize(in ? head.size() : static_cast<std::size_t>(in.gcount()));
    return head;
}

GdipBitmap NewPremultipliedBitmap(int width, int height) {
    GpBitmap* bitmap = nullptr;
    if (GdipCreateBitmapFromScan0(width, height, 0, PixelFormat32bppPARGB, nullptr, &bitmap) != Ok) return {};
    return GdipBitmap(bitmap);
}

} // namespace

GdipBitmap DecodePicture(const std::string& path, int screenWidth, int screenHeight) {
    const std::string head = ReadHead(path);
    if (head.empty()) return {};
    // A header that announces an enormous picture is refused before the decoder allocates for it.
    if (const auto announced = PictureSizeFromHead(head); announced && !DecodableSize(*announced)) return {};
    GdipImage image = LoadImageFile(WidenAnsi(path));
    if (!image) return {};
    int width = 0, height = 0;
    ImagePixelSize(image.get(), width, height);
    if (!DecodableSize(PictureSize{width, height})) return {};
    const PictureSize working = WorkingSize(PictureSize{width, height}, screenWidth, screenHeight);
    GdipBitmap copy = NewPremultipliedBitmap(static_cast<int>(working.width), static_cast<int>(working.height));
    if (!copy) return {};
    GdipGraphics g = GdipGraphics::OnImage(copy.get());
    if (!g) return {};
    g.SetElementQuality();
    g.Clear(0);
    GdipImageAttributes attributes = NewColourAttributes(100, 100); // repeats the edges: no faded border
    g.DrawImage(image.get(),
                LayerRectF{0.0f, 0.0f, static_cast<float>(working.width), static_cast<float>(working.height)},
                LayerRect{0, 0, width, height}, attributes.get());
    if (g.LastStatus() != Ok) return {}; // a picture whose data breaks off midway
    return copy;
}

} // namespace vimo
