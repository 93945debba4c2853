#pragma once
// What the note kap keeps and computes apart from its window: its saved values, the lines of its
// document, the reminder's stamp and display text, and the arithmetic of resizing and ringing.
#include <string>

#include "kapframe/kap_document.h"

namespace vimo {

constexpr const char* kNoAlarm = "00000000000000";

struct NoteValues {
    int background = 0; // 0 ... 4
    std::string fontName = "Arial";
    int fontSize = 12;
    std::string fontStyle = "TXT_REGULAR";
    std::string fontColour = "BLACK";
    std::string link;
    std::string text;
    std::string alarm = kNoAlarm;
};

// Lines 6 to 11, then the text to the end of the document.
void WriteNotePayload(DocumentWriter& writer, const NoteValues& values);
void ReadNotePayload(DocumentReader& reader, NoteValues& values);

// The text as stored: bare CR characters at either end are dropped; CR LF line breaks stay, so a
// text that ends in line breaks comes back as it was typed.
std::string TrimBareCr(std::string text);

// "BLACK", "RED", "BLUE", "WHITE" as alpha, red, green, blue; unknown names give black.
struct Argb {
    int a, r, g, b;
};
Argb NoteColour(const std::string& name);
// "TXT_REGULAR" 0, "TXT_ITALIC" 1, "TXT_BOLD" 2; unknown names give 0.
int NoteStyleType(const std::string& name);
bool IsNoteFontSize(int size);

bool HasAlarm(const std::string& stamp);
// "dd/mm/yyyy - hh:mm:ss" from a 14-character stamp.
std::string AlarmDisplay(const std::string& stamp);
// The last part of a link after its last "\" (the link's title).
std::string LinkTitle(const std::string& link);

// The alarm dialog's starting state for a stamp, and the stamp it gives back.
struct AlarmChoice {
    bool on = false;
    int year = 0, month = 0, day = 0;
    int hourIndex = 0;   // 0 ... 23
    int minuteIndex = 0; // 0 ... 11, five minutes each
};
AlarmChoice AlarmChoiceFromStamp(const std::string& stamp);
std::string StampFromAlarmChoice(const AlarmChoice& choice);

} // namespace vimo
