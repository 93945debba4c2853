#pragma once
// The chronometer's elapsed-time text.
#include <chrono>
#include <string>

namespace vimo {

// Splits the elapsed time into days, hours (0-23), minutes, seconds and hundredths. From one hour
// on it reads "HH:MM:SS"; below one hour "MM:SS:hh" with hundredths. Days are never shown, so after
// 24 hours the hours start again at 00 and the text returns to the form with hundredths.
// A negative time (the system clock was set back) reads as zero.
std::string FormatElapsed(std::chrono::milliseconds elapsed);

} // namespace vimo
