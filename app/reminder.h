#pragma once
// The controller's reminder check: is a note's alarm stamp due in the current minute?
#include <string>

namespace vimo {

struct LocalMinute {
    int year, month, day, hour, minute;
};

// The stamp is "YYYYMMDDhhmm..." text; it is due when it has at least 8 characters and its date
// equals today and its hour and minute (where present) equal the current ones. Seconds are not compared.
bool AlarmIsDue(const std::string& stamp, const LocalMinute& now);

} // namespace vimo
