// The layout arithmetic over skin numbers and kap sizes: the first byte of the fuzz input picks the skin
// file, every following four bytes are one of its whole-number keys (in the order of its table), then the
// kap's width and height, a count of items, a scroll percent and a wheel turn. Whatever the numbers, no
// arithmetic overflows (the sanitizer sees it), grids have at least one column and row, and scrolling
// stays within its range.
#include <algorithm>
#include <climits>
#include <cstring>

#include "bars/dock/dock_layout.h"
#include "base/text_util.h"
#include "bars/window_bar/window_bar_layout.h"
#include "fuzz/fuzz_check.h"
#include "fuzz/fuzz_skin.h"
#include "kaps/net/weather/weather_model.h"
#include "layer/skin/skin_layout.h"

namespace vimo::fuzz {
namespace {

// Whole numbers taken four bytes at a time; 0 once the input is used up.
class Numbers {
public:
    Numbers(const std::uint8_t* data, std::size_t size) : data_(data), size_(size) {}
    int Next() {
        std::uint32_t n = 0;
        const std::size_t take = std::min<std::size_t>(4, size_);
        std::memcpy(&n, data_, take);
        data_ += take;
        size_ -= take;
        return static_cast<int>(n);
    }

private:
    const std::uint8_t* data_;
    std::size_t size_;
};

void CheckElements(const SkinRecord& skin, SkinSize kap) {
    for (const SkinKey& key : skin.Schema().Keys()) {
        if (!EndsWith(key.name, "PosX") && !EndsWith(key.name, "XPos")) continue;
        const std::string prefix = key.name.substr(0, key.name.size() - 4);
        if (skin.Has(prefix + "Width") && skin.Has(prefix + "Height")) ElementRect(skin, prefix, kap);
    }
}

void CheckContener(const SkinRecord& skin, SkinSize kap, int percent) {
    if (!skin.Has("ContenerWidth") || !skin.Has("ContenerPosX")) return;
    ContenerRect(skin, kap);
    const SkinSize clamped = ClampContenerKapSize(skin, kap);
    Require(clamped.height >= DesignSize(skin).height, "a list kap is at least as tall as its design");
    if (skin.Has("ContenerMaxWidth")) {
        ContenerMaxKapWidth(skin);
        const long long area = static_cast<long long>(skin.Int("ContenerWidth")) + kap.width - DesignSize(skin).width;
        Require(ContenerScrollOriginX(skin, kap.width, percent) <= 0 || area > skin.Int("ContenerMaxWidth"),
                "a list no wider than its content scrolls sideways to the left");
    }
}

void CheckWheel(int origin, int delta, int contentBottom, int viewportBottom) {
    const int moved = ContenerWheelOrigin(origin, delta, contentBottom, viewportBottom);
    if (contentBottom <= viewportBottom) {
        Require(moved == origin, "a list that fits does not move");
        return;
    }
    const long long lowest = static_cast<long long>(viewportBottom) - contentBottom;
    Require(moved <= 0 && moved >= std::max<long long>(lowest, INT_MIN), "the wheel keeps the list in view");
}

void CheckDock(const SkinRecord& skin, int width, std::size_t icons) {
    const DockMetrics m = DockMetricsFromSkin(skin);
    const DockLayout layout = LayoutDock(m, width, icons);
    Require(layout.columns >= 1 && layout.rows >= 1, "a dock has a column and a row");
    Require(static_cast<std::size_t>(layout.columns) * static_cast<std::size_t>(layout.rows) >= icons,
            "every icon has a place");
    for (std::size_t i = 0; i < std::min<std::size_t>(icons, 64); ++i) DockIconRect(m, layout, i);
    DockIconRect(m, layout, icons);
}

void CheckWeather(const SkinRecord& skin, SkinSize kap, std::size_t blocks) {
    const WeatherGridMetrics m = WeatherGridMetricsFromSkin(skin);
    const WeatherGrid grid = LayOutWeatherGrid(m, kap.width, kap.height, blocks);
    Require(grid.columns >= 1 && grid.rows >= 1, "a weather grid has a column and a row");
    int x = 0, y = 0;
    for (std::size_t k = 0; k < blocks; ++k) WeatherBlockPosition(m, grid, k, x, y);
}

void CheckWindowBar(const SkinRecord& skin, SkinSize bar, std::size_t tiles, int percent) {
    const WindowBarMetrics m = WindowBarMetricsFromSkin(skin);
    const WindowBarLayout layout = LayoutWindowBar(m, bar.width, bar.height, tiles);
    Require(layout.listArea.width >= 0 && layout.listArea.height >= 0, "the tiles' area is not negative");
    for (std::size_t i = 0; i < std::min<std::size_t>(tiles, 64); ++i) WindowTileRect(m, layout, i);
    const int offset = WindowBarScrollOffset(layout.listLength, layout.listArea.height, percent);
    Require(offset >= 0, "the tiles scroll up, never down");
    Require(offset == 0 || offset <= static_cast<long long>(layout.listLength) - layout.listArea.height,
            "the tiles scroll no further than the list is longer than the view");
}

} // namespace
} // namespace vimo::fuzz

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace vimo;
    using namespace vimo::fuzz;
    if (size == 0) return 0;
    const std::shared_ptr<const SkinFileSchema>& schema = PickedSkinSchema(data[0]);
    Numbers numbers(data + 1, size - 1);
    std::string text = "[" + schema->Section() + "]\r\n";
    for (const SkinKey& key : schema->Keys())
        if (key.kind == SkinKeyKind::Integer) text += key.name + "=" + std::to_string(numbers.Next()) + "\r\n";
    MemoryProfileStore store;
    const SkinRecord skin = LoadSkinText(schema, store, text);

    const SkinSize kap{numbers.Next(), numbers.Next()};
    const std::size_t count = static_cast<std::uint16_t>(numbers.Next());
    const int percent = numbers.Next();
    const int delta = numbers.Next();

    CheckElements(skin, kap);
    CheckContener(skin, kap, percent);
    CheckWheel(numbers.Next(), delta, numbers.Next(), numbers.Next());
    if (schema->Role() != SkinFileRole::Skin) return 0;
    if (schema->Type() == SkinType::RemoteKap) CheckDock(skin, kap.width, count);
    if (schema->Type() == SkinType::Weather) CheckWeather(skin, kap, count % 64);
    if (schema->Type() == SkinType::RemoteWin) CheckWindowBar(skin, kap, count, percent);
    return 0;
}
