#include "kaps/desk/note/note_model.h"

#include <cstdio>

#include "base/text_util.h"

namespace vimo {

namespace {
constexpr int kFontSizes[] = {8, 10, 12, 14, 16, 20};

int Digits(const std::string& text, std::size_t from, std::size_t count) {
    int value = 0;
    for (std::size_t i = from; i < from + count; ++i) {
        if (i >= text.size() || text[i] < '0' || text[i] > '9') return -1;
        value = value * 10 + (text[i] - '0');
    }
    return value;
}
} // namespace

std::string TrimBareCr(std::string text) {
    while (!text.empty() && text.back() == '\r') text.pop_back();
    std::size_t start = 0;
    while (start < text.size() && text[start] == '\r' && !(start + 1 < text.size() && text[start + 1] == '\n')) ++start;
    return text.substr(start);
}

void WriteNotePayload(DocumentWriter& writer, const NoteValues& values) {
    writer.Int(values.background)
        .Line(values.fontName)
        .Int(values.fontSize)
        .Line(values.fontStyle)
        .Line(values.fontColour)
        .Line(OneLine(values.link))
        .Line(TrimBareCr(values.text));
}

void ReadNotePayload(DocumentReader& reader, NoteValues& values) {
    values.background = reader.NextInt();
    if (values.background < 0 || values.background > 4) values.background = 0;
    values.fontName = reader.NextString();
    if (values.fontName != "Arial" && values.fontName != "Courier New") values.fontName = "Arial";
    values.fontSize = reader.NextInt();
    if (!IsNoteFontSize(values.fontSize)) values.fontSize = 12;
    values.fontStyle = reader.NextString();
    if (values.fontStyle != "TXT_BOLD" && values.fontStyle != "TXT_ITALIC") values.fontStyle = "TXT_REGULAR";
    values.fontColour = reader.NextString();
    if (values.fontColour != "RED" && values.fontColour != "BLUE" && values.fontColour != "WHITE")
        values.fontColour = "BLACK";
    values.link = reader.NextString();
    values.text = TrimBareCr(reader.Rest());
}

Argb NoteColour(const std::string& name) {
    if (name == "RED") return {255, 255, 0, 0};
    if (name == "BLUE") return {255, 0, 0, 255};
    if (name == "WHITE") return {255, 255, 255, 255};
    return {255, 0, 0, 0};
}

int NoteStyleType(const std::string& name) {
    if (name == "TXT_ITALIC") return 1;
    if (name == "TXT_BOLD") return 2;
    return 0;
}

bool IsNoteFontSize(int size) {
    for (int s : kFontSizes)
        if (s == size) return true;
    return false;
}

bool HasAlarm(const std::string& stamp) { return stamp.size() == 14 && stamp != kNoAlarm; }

std::string AlarmDisplay(const std::string& stamp) {
    std::string s = stamp;
    s.resize(14, '0');
    return s.substr(6, 2) + "/" + s.substr(4, 2) + "/" + s.substr(0, 4) + " - " + s.substr(8, 2) + ":" +
           s.substr(10, 2) + ":" + s.substr(12, 2);
}

std::string LinkTitle(const std::string& link) {
    const std::size_t slash = link.rfind('\\');
    return slash == std::string::npos ? link : link.substr(slash + 1);
}

AlarmChoice AlarmChoiceFromStamp(const std::string& stamp) {
    AlarmChoice choice;
    if (!HasAlarm(stamp)) return choice;
    choice.on = true;
    choice.year = Digits(stamp, 0, 4);
    choice.month = Digits(stamp, 4, 2);
    choice.day = Digits(stamp, 6, 2);
    const int hour = Digits(stamp, 8, 2), minute = Digits(stamp, 10, 2);
    choice.hourIndex = (hour >= 0 && hour <= 23) ? hour : 0;
    choice.minuteIndex = (minute >= 0 && minute <= 59) ? minute / 5 : 0;
    return choice;
}

std::string StampFromAlarmChoice(const AlarmChoice& choice) {
    if (!choice.on) return kNoAlarm;
    char stamp[32];
    std::snprintf(stamp, sizeof(stamp), "%04d%02d%02d%02d%02d00", choice.year % 10000, choice.month % 100,
                  choice.day % 100, choice.hourIndex % 100, (choice.minuteIndex * 5) % 100);
    return stamp;
}

} // namespace vimo
