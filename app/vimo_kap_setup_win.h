#pragma once
// CVimoKapSetup, "VimoKap Options": the global settings — skin, what loads at start-up, where new
// kaps appear, the dock's and the window bar's behaviour and the window bar's exclusions. OK writes
// the dialog's values into the settings; the controller then saves them and rebuilds every kap.
#include "wnd/dialog_win.h"

namespace vimo {

class Settings;

class CVimoKapSetup : public Dialog {
public:
    explicit CVimoKapSetup(Settings& settings);

protected:
    BOOL OnInitDialog() override;
    bool OnCommand(UINT id, UINT code, HWND control) override;

private:
    void FollowChecks();
    void MoveBetweenLists(int from, int to);
    void Confirm();

    Settings& settings_;
};

} // namespace vimo
