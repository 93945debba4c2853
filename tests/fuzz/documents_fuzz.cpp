// The documents of the kaps whose payload is a few lines: clock, calendar, photo album, link folder,
// RSS reader, weather and mail alert. The first byte picks the type, the rest is the document's plain
// text. A document is read as its kap reads it and written back as its kap writes it; what is written
// then must read back to the same text (one pass makes any document what the kap would have written).
#include <optional>

#include "fuzz/fuzz_check.h"
#include "kaps/desk/calendar/calendar_document.h"
#include "kaps/desk/clock/clock_document.h"
#include "kaps/desk/photoalbum/album_document.h"
#include "kaps/net/link/link_list.h"
#include "kaps/net/mail/mail_model.h"
#include "kaps/net/news/news_model.h"
#include "kaps/net/weather/weather_model.h"

namespace vimo::fuzz {
namespace {

enum class Kap { Clock, Calendar, Album, Link, News, Weather, Mail, Count };

std::optional<std::string> ResaveClock(const std::string& text) {
    ClockDocument document;
    if (!ParseClockDocument(text, document)) return std::nullopt;
    KeepUsableName(document.header);
    return ComposeClockDocument(document.header, document.rect, document.chronometerMode);
}

std::optional<std::string> ResaveCalendar(const std::string& text) {
    CalendarDocument document;
    if (!ParseCalendarDocument(text, document)) return std::nullopt;
    KeepUsableName(document.header);
    return ComposeCalendarDocument(document.header, document.rect);
}

std::optional<std::string> ResaveAlbum(DocumentReader& reader, CommonLines& common) {
    AlbumValues values;
    ReadAlbumPayload(reader, values);
    Require(UsableInterval(values.interval) == values.interval, "the album's interval is one of the choices");
    Require(values.zoom >= kAlbumMinZoom && values.zoom <= kAlbumMaxZoom, "the album's zoom within 50 ... 200");
    Require(values.folder.empty() || values.folder.back() == '\\', "the album's folder ends with a backslash");
    DocumentWriter writer = WriteCommonLines(common);
    WriteAlbumPayload(writer, values);
    return writer.Text();
}

std::optional<std::string> ResaveLink(DocumentReader& reader, CommonLines& common) {
    std::vector<LinkItem> items;
    ReadLinkPayload(reader, items);
    DocumentWriter writer = WriteCommonLines(common);
    WriteLinkPayload(writer, items);
    return writer.Text();
}

std::optional<std::string> ResaveNews(DocumentReader& reader, CommonLines& common) {
    NewsValues values;
    values.active = NewsActiveFromLetter(common.header.typeLetters);
    ReadNewsPayload(reader, values);
    Require(values.intervalMs > 0, "the news interval is a usable timer period");
    common.header.typeLetters = std::string(1, NewsTypeLetter(values.active));
    DocumentWriter writer = WriteCommonLines(common);
    WriteNewsPayload(writer, values);
    return writer.Text();
}

std::optional<std::string> ResaveWeather(DocumentReader& reader, CommonLines& common) {
    WeatherValues values;
    values.active = WeatherActiveFromLetter(common.header.typeLetters);
    values.celsius = WeatherCelsiusFromTail(common.header.tail);
    ReadWeatherPayload(reader, values);
    Require(values.intervalMs > 0, "the weather interval is a usable timer period");
    common.header.typeLetters = std::string(1, WeatherTypeLetter(values.active));
    common.header.tail = WeatherTail(values.celsius);
    DocumentWriter writer = WriteCommonLines(common);
    WriteWeatherPayload(writer, values);
    return writer.Text();
}

std::optional<std::string> ResaveMail(DocumentReader& reader, CommonLines& common) {
    MailValues values;
    std::string passwordLine;
    ReadMailPayload(reader, values, passwordLine);
    const int minutes = UsableMailInterval(values.intervalMinutes);
    Require(minutes >= 1 && minutes <= 0x7fffffff / 60000, "the mail interval fits a timer");
    std::string bytes;
    if (ProtectedPasswordBytes(passwordLine, bytes) && !bytes.empty()) {
        std::string again;
        Require(ProtectedPasswordBytes(ProtectedPasswordLine(bytes), again) && again == bytes,
                "protected password bytes read back as written");
    }
    DocumentWriter writer = WriteCommonLines(common);
    WriteMailPayload(writer, values, passwordLine);
    return writer.Text();
}

std::optional<std::string> Resave(Kap kap, const std::string& text) {
    if (kap == Kap::Clock) return ResaveClock(text);
    if (kap == Kap::Calendar) return ResaveCalendar(text);
    DocumentReader reader(text);
    CommonLines common;
    const std::size_t typeLetters = kap == Kap::News || kap == Kap::Weather ? 1 : 0;
    if (!ReadCommonLines(reader, typeLetters, common)) return std::nullopt;
    if (kap == Kap::News) return ResaveNews(reader, common);
    if (kap == Kap::Weather) return ResaveWeather(reader, common);
    common.header.typeLetters.clear(); // what the kaps without type letters or tail write
    common.header.tail.clear();
    if (kap == Kap::Album) return ResaveAlbum(reader, common);
    if (kap == Kap::Link) return ResaveLink(reader, common);
    return ResaveMail(reader, common);
}

} // namespace
} // namespace vimo::fuzz

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace vimo::fuzz;
    if (size == 0) return 0;
    const auto kap = static_cast<Kap>(data[0] % static_cast<unsigned>(Kap::Count));
    const std::optional<std::string> written = Resave(kap, Text(data + 1, size - 1));
    if (!written) return 0;
    const std::optional<std::string> again = Resave(kap, *written);
    Require(again && *again == *written, "a written document reads back to the same text");
    return 0;
}
