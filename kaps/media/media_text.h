#pragma once
// The texts of the media player remote: the playing position as hh:mm:ss and the item's title.
#include <string>

namespace vimo {

// The position text padded to the form hh:mm:ss by the first (8 - length) characters of
// "00:00:00": "12:34" gives "00:12:34", "1:02:03" gives "01:02:03", "" gives "00:00:00"; eight or
// more characters stay as they are.
std::string PaddedPosition(const std::string& position);
// A position in seconds as the player writes it: "m:ss" below an hour, "h:mm:ss" from there
// (negative or not a number: "0:00").
std::string PositionFromSeconds(double seconds);
// "name (duration)", or the name alone when the duration is unknown.
std::string MediaTitle(const std::string& name, const std::string& duration);

} // namespace vimo
