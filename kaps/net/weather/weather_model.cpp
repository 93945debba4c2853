#include "kaps/net/weather/weather_model.h"

#include <algorithm>
#include <cctype>

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

WeatherGrid LayOutWeatherGrid(const WeatherGridMetrics& m, int width, int height, std::size_t blocks) {
    WeatherGrid g;
    const int stepX = m.blockWidth + m.spacing, stepY = m.blockHeight + m.spacing;
    g.width = width;
    g.height = height;
    if (stepX > 0) {
        g.columns = std::max(1, (width - m.iconWidth + m.spacing + m.blockWidth) / stepX);
        g.width = stepX * g.columns - m.spacing - m.blockWidth + m.iconWidth;
    }
    if (stepY > 0) {
        g.rows = std::max(1, (m.blockHeight - m.iconHeight + height + m.spacing) / stepY);
        g.height = stepY * g.rows - m.spacing - m.blockHeight + m.iconHeight;
    }
    const int filledRows =
        static_cast<int>((blocks + static_cast<std::size_t>(g.columns) - 1) / static_cast<std::size_t>(g.columns));
    g.contentBottom = stepY * filledRows - m.spacing;
    g.viewX = m.posX;
    g.viewY = m.posY;
    g.viewWidth = g.width - m.iconWidth + m.blockWidth;
    g.viewHeight = m.blockHeight - m.iconHeight + g.height;
    return g;
}

void WeatherBlockPosition(const WeatherGridMetrics& m, const WeatherGrid& grid, std::size_t k, int& x, int& y) {
    const auto columns = static_cast<std::size_t>(grid.columns);
    x = m.posX + (m.blockWidth + m.spacing) * static_cast<int>(k % columns);
    y = m.posY + (m.blockHeight + m.spacing) * static_cast<int>(k / columns);
}

} // namespace vimo
