#pragma once
// The weather kap's values, its document lines, its temperatures, the location search's list
// entries and the grid of blocks, free of the platform.
#include <string>

#include "kapframe/kap_document.h"
#include "layer/skin/skin_record.h"

namespace vimo {

constexpr int kWeatherInterval = 7200000; // two hours

// At most this many locations are listed by one search, and blocks built from one feed.
constexpr std::size_t kMaxWeatherEntries = 500;

struct WeatherValues {
    bool active = false;               // automatic download on: type letter 'A', otherwise 'I'
    bool celsius = false;              // header tail 'C', otherwise 'F'
    int intervalMs = kWeatherInterval; // line 6
    std::string code;                  // line 7: the location code of the feed
};

// Lines 6 and 7. An interval that is no usable timer period (0 or less) gives two hours.
void ReadWeatherPayload(DocumentReader& reader, WeatherValues& values);
void WriteWeatherPayload(DocumentWriter& writer, const WeatherValues& values);
char WeatherTypeLetter(bool active);
bool WeatherActiveFromLetter(const std::string& letters);
std::string WeatherTail(bool celsius);
bool WeatherCelsiusFromTail(const std::string& tail);

// A temperature of the feed as shown: its text followed by "°F"; in Celsius the whole number
// ((t - 32) * 5) / 9, truncated toward zero, where t is the text's leading number (0 for a text
// that is no number), followed by "°C". The degree sign is the ANSI code page's character 176.
std::string TemperatureText(const std::string& fahrenheit, bool celsius);

// A search result as listed: "name (id)".
std::string SearchEntry(const std::string& name, const std::string& id);
// The location code an entry of the search list stands for: the text from its first "(" to its
// end without any "(" or ")"; false for an entry without "(" (a message), which changes nothing.
bool CodeFromSearchEntry(const std::string& entry, std::string& code);
// A name as it goes into the search address: letters, digits and "-._~" as they are, every other
// byte as %XX.
std::string EscapeQueryText(const std::string& text);

// A picture name of the feed ("32") as a file of the skin folder ("32.png"); empty (no picture)
// for a name that is empty or holds anything but letters and digits.
std::string WeatherIconFile(const std::string& icon);

// The grid of equal blocks. CW x CH is one block, S the gap between blocks, IW x IH the kap's
// design (and least) size, (posX, posY) the grid's top-left corner.
struct WeatherGridMetrics {
    int blockWidth = 0, blockHeight = 0, spacing = 0;
    int iconWidth = 0, iconHeight = 0;
    int posX = 0, posY = 0;
};

struct WeatherGrid {
    int width = 0, height = 0; // the kap's size snapped to whole blocks
    int columns = 1, rows = 1;
    int contentBottom = 0;                                   // below the last row, from the grid's top
    int viewX = 0, viewY = 0, viewWidth = 0, viewHeight = 0; // the viewport
};

// ContenerWidth x ContenerHeight, BlockSpacing, IconWidth x IconHeight and ContenerPosX/Y of the skin.
WeatherGridMetrics WeatherGridMetricsFromSkin(const SkinRecord& skin);

// Snaps a kap size to whole blocks: as many columns (rows) as fit, at least one, and the size
// that holds exactly those; the content holds `blocks` blocks in rows of `columns`.
WeatherGrid LayOutWeatherGrid(const WeatherGridMetrics& m, int width, int height, std::size_t blocks);
// The top-left corner of block k (from 0, row by row).
void WeatherBlockPosition(const WeatherGridMetrics& m, const WeatherGrid& grid, std::size_t k, int& x, int& y);

} // namespace vimo
