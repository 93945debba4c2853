// The note's document: the common lines with the reminder stamp as the header's tail, the look of the
// note, its link and its text. Read and written back as the note does, it must read back the same; the
// reminder as the alarm dialog and the calendar read it stays within their ranges.
#include "fuzz/fuzz_check.h"
#include "kaps/desk/calendar/alarm_days.h"
#include "kaps/desk/note/note_model.h"

namespace vimo::fuzz {
namespace {

struct ReadNote {
    CommonLines common;
    NoteValues values;
};

bool Read(const std::string& text, ReadNote& note) {
    DocumentReader reader(text);
    if (!ReadCommonLines(reader, 0, note.common)) return false;
    note.values.alarm = note.common.header.tail;
    ReadNotePayload(reader, note.values);
    return true;
}

std::string Write(const ReadNote& note) {
    CommonLines common = note.common;
    common.header.typeLetters.clear();
    common.header.tail = note.values.alarm;
    DocumentWriter writer = WriteCommonLines(common);
    WriteNotePayload(writer, note.values);
    return writer.Text();
}

void CheckReminder(const std::string& stamp) {
    const AlarmChoice choice = AlarmChoiceFromStamp(stamp);
    Require(choice.on == HasAlarm(stamp), "the dialog opens with the alarm on only for a reminder");
    Require(choice.hourIndex >= 0 && choice.hourIndex <= 23, "an hour the dialog offers");
    Require(choice.minuteIndex >= 0 && choice.minuteIndex <= 11, "a minute the dialog offers");
    Require(AlarmDisplay(stamp).size() == 21, "the reminder's display text has its fixed form");

    if (!choice.on) return;
    Require(StampFromAlarmChoice(choice).size() == 14, "the dialog gives back a full stamp");
    // The calendar marks the note in the month the stamp names.
    CalendarDate date{choice.year, choice.month, 1};
    const std::vector<std::string> stamps{stamp};
    const std::vector<int> days = AlarmDaysOf(stamps, YearMonth{date.year, date.month});
    Require(days.size() <= 1, "one stamp marks at most one day");
    for (const int day : days) {
        Require(day > 0 && day < 50, "a marked day is a day field the calendar shows");
        date.day = day;
        Require(AlarmsOnDay(stamps, date).size() == 1, "a marked day brings its note to attention");
    }
}

} // namespace
} // namespace vimo::fuzz

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace vimo::fuzz;
    ReadNote note;
    if (!Read(Text(data, size), note)) return 0;
    CheckReminder(note.values.alarm);
    const std::string written = Write(note);
    ReadNote again;
    Require(Read(written, again) && Write(again) == written, "a written note reads back to the same text");
    Require(again.values.text == note.values.text, "the note's text comes back as it was read");
    return 0;
}
