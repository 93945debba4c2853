#pragma once
// CVimoCalc: the calculator kap — a one-line screen and twenty skinned buttons driving CalcEngine,
// usable with the mouse or the numeric keypad (its digits, point and operators, Enter for the
// result, Backspace for clear entry, Delete for clear all; the main digit row is not mapped).
// Buttons and keys post the key messages WMU_CALC_DIGIT_0 ... WMU_CALC_PERCENT to the kap; nothing of
// the calculation is saved.
//
// WM_GETTEXT and WM_GETTEXTLENGTH on the kap window answer the display text (read-only; used by
// tests and accessibility tools).
#include <windows.h>

#include <array>
#include <memory>
#include <string>

#include "kapframe/kap_win.h"
#include "kapframe/kap_window_win.h"
#include "kaps/desk/calc/calc_engine.h"

namespace vimo {

class CLayerButton;
class CLayerStatic;

class CVimoCalc : public CKapWindow {
public:
    CVimoCalc(KapHost& host, Settings& settings, const std::string& documentPath);
    ~CVimoCalc() override;

    const CalcEngine& Engine() const { return engine_; }
    // The text last set on the screen.
    const std::string& ScreenText() const { return screenText_; }
    // The button of a key (null before the window exists).
    CLayerButton* Button(CalcKey key) const { return buttons_[static_cast<std::size_t>(key)]; }

protected:
    void BuildItems() override;
    bool OnKapMessage(UINT msg, WPARAM wParam, LPARAM lParam, LRESULT& result) override;
    void OnDestroy() override;

private:
    void BuildScreen();
    void BuildButton(CalcKey key);
    void ShowDisplay();
    // A key-down seen by the kap or one of its controls: a mapped key posts its key message.
    void OnKeyDown(WPARAM virtualKey);
    static LRESULT CALLBACK ControlKeyProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam, UINT_PTR id,
                                           DWORD_PTR self);
    void WatchKeysOf(HWND input);
    void StopWatchingKeys();

    CalcEngine engine_;
    std::string screenText_;
    CLayerStatic* background_ = nullptr;
    CLayerStatic* screen_ = nullptr;
    std::array<CLayerButton*, kCalcKeyCount> buttons_ = {};
};

} // namespace vimo
