#include "kaps/net/weather/weather_model.h"

#include <algorithm>
#include <cctype>

#include "layer/layer_geometry.h"

namespace vimo {

void ReadWeatherPayload(DocumentReader& reader, WeatherValues& values) {
    const int interval = reader.NextInt();
    values.intervalMs = interval > 0 ? interval : kWeatherInterval;
    values.code = reader.NextString();
}

void WriteWeatherPayload(DocumentWriter& writer, const WeatherValues& values) {
    writer.Int(values.intervalMs).Line(values.code);
}

char WeatherTypeLetter(bool active) { return active ? 'A' : 'I'; }

bool WeatherActiveFromLetter(const std::string& letters) { return !letters.empty() && letters[0] == 'A'; }

std::string WeatherTail(bool celsius) { return celsius ? "C" : "F"; }

bool WeatherCelsiusFromTail(const std::string& tail) { return !tail.empty() && tail[0] == 'C'; }

std::string TemperatureText(const std::string& fahrenheit, bool celsius) {
    if (!celsius)
        return fahrenheit + "\xb0"
                            "F";
    const long long t = ParseLeadingInt(fahrenheit);
    return std::to_string((t - 32) * 5 / 9) + "\xb0"
                                              "C";
}

std::string SearchEntry(const std::string& name, const std::string& id) { return name + " (" + id + ")"; }

bool CodeFromSearchEntry(const std::string& entry, std::string& code) {
    const std::size_t open = entry.find('(');
    if (open == std::string::npos) return false;
    std::string rest = entry.substr(open);
    rest.erase(std::remove_if(rest.begin(), rest.end(), [](char c) { return c == '(' || c == ')'; }), rest.end());
    code = rest;
    return true;
}

std::string EscapeQueryText(const std::string& text) {
    static const char kHex[] = "0123456789ABCDEF";
    std::string escaped;
    for (const char c : text) {
        const auto byte = static_cast<unsigned char>(c);
        if (std::isalnum(byte) || c == '-' || c == '.' || c == '_' || c == '~') {
            escaped += c;
        } else {
            escaped += '%';
            escaped += kHex[byte >> 4];
            escaped += kHex[byte & 15];
        }
    }
    return escaped;
}

std::string WeatherIconFile(const std::string& icon) {
    if (icon.empty() || icon.size() > 16) return {};
    for (const char c : icon)
        if (!std::isalnum(static_cast<unsigned char>(c))) return {};
    return icon + ".png";
}

WeatherGridMetrics WeatherGridMetricsFromSkin(const SkinRecord& skin) {
    WeatherGridMetrics m;
    m.blockWidth = skin.Int("ContenerWidth");
    m.blockHeight = skin.Int("ContenerHeight");
    m.spacing = skin.Int("BlockSpacing");
    m.iconWidth = skin.Int("IconWidth");
    m.iconHeight = skin.Int("IconHeight");
    m.posX = skin.Int("ContenerPosX");
    m.posY = skin.Int("ContenerPosY");
    return m;
}

WeatherGrid LayOutWeatherGrid(const WeatherGridMetrics& m, int width, int height, std::size_t blocks) {
    // Skin numbers may be anything: the arithmetic is done in long long and held to int at the end.
    const long long bw = m.blockWidth, bh = m.blockHeight, sp = m.spacing, iw = m.iconWidth, ih = m.iconHeight;
    const long long stepX = bw + sp, stepY = bh + sp;
    long long w = width, h = height, columns = 1, rows = 1;
    if (stepX > 0) {
        columns = std::max(1LL, (w - iw + sp + bw) / stepX);
        w = stepX * columns - sp - bw + iw;
    }
    if (stepY > 0) {
        rows = std::max(1LL, (bh - ih + h + sp) / stepY);
        h = stepY * rows - sp - bh + ih;
    }
    const long long filledRows = (LayoutCount(blocks) + columns - 1) / columns;
    WeatherGrid g;
    g.width = ClampToInt(w);
    g.height = ClampToInt(h);
    g.columns = ClampToInt(columns);
    g.rows = ClampToInt(rows);
    g.contentBottom = ClampToInt(stepY * filledRows - sp);
    g.viewX = m.posX;
    g.viewY = m.posY;
    g.viewWidth = ClampToInt(w - iw + bw);
    g.viewHeight = ClampToInt(bh - ih + h);
    return g;
}

void WeatherBlockPosition(const WeatherGridMetrics& m, const WeatherGrid& grid, std::size_t k, int& x, int& y) {
    const long long columns = std::max(grid.columns, 1);
    const long long index = LayoutCount(k);
    x = ClampToInt(m.posX + (static_cast<long long>(m.blockWidth) + m.spacing) * (index % columns));
    y = ClampToInt(m.posY + (static_cast<long long>(m.blockHeight) + m.spacing) * (index / columns));
}

} // namespace vimo
