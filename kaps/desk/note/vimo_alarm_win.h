#pragma once
// CVimoAlarm, "Alarm Setup": switches a note's reminder on or off and picks its date, hour and
// minute (in steps of five minutes).
#include <string>

#include "wnd/dialog_win.h"

namespace vimo {

class CVimoAlarm : public Dialog {
public:
    explicit CVimoAlarm(std::string stamp);
    // The stamp chosen with OK ("00000000000000" for no reminder).
    const std::string& Stamp() const { return stamp_; }

protected:
    BOOL OnInitDialog() override;
    bool OnCommand(UINT id, UINT code, HWND control) override;

private:
    void EnableInputs(bool on);
    std::string stamp_;
};

} // namespace vimo
