#pragma once
// CLaunchBar: what the remote kap dock and the window bar share beyond every kap's chrome — the
// press that moves the window or, at the bottom-right corner, resizes it (timer 8), the hiding at
// a screen edge with its trigger, hide check and fade (timers 6, 4 and 7), and staying top-most.
#include <windows.h>

#include <optional>

#include "bars/dock/dock_autohide.h"
#include "bars/dock/dock_resize.h"
#include "kapframe/kap_chrome_win.h"

namespace vimo {

class CLaunchBar : public CKapChrome {
protected:
    CLaunchBar(KapHost& host, Settings& settings, SkinType skin, DockAutoHideOptions autoHide);

    // --- what the bar supplies ---
    // Whether the bar is kept above other windows (its always-on-top setting).
    virtual bool AlwaysOnTop() const = 0;
    // The smallest width and height a corner drag may give the bar.
    virtual int MinimumWidth() const = 0;
    virtual int MinimumHeight() const = 0;
    // A corner drag asks for this size (unsnapped): the bar takes it and lays itself out.
    virtual void OnResizeTo(int width, int height) = 0;

    // --- shared services ---
    // The auto-hide's first step: the alpha the layer starts at is AutoHide().Alpha(); Apply it
    // once the window shows.
    DockAutoHide& AutoHide() { return autoHide_; }
    void Apply(const DockStep& step);
    void ReassertTopMost() const;
    // While a menu or a dialog of the bar is open, the bar does not hide.
    void SetModalOpen(bool open) { modalOpen_ = open; }
    bool Resizing() const { return resize_.has_value(); }
    // The closing steps: a resize drag ends, every timer stops, the document is stored.
    void CloseBar();

    void OnTimer(UINT_PTR id) override;
    bool HandleMessage(UINT msg, WPARAM wParam, LPARAM lParam, LRESULT& result) override;

private:
    void OnLeftButtonDown();
    void StartResize();
    void ResizeStep();
    void EndResize();
    void ApplyTimer(UINT_PTR id, const DockTimerOrder& order);
    bool PointerInside() const;

    DockAutoHide autoHide_;
    std::optional<DockResizeDrag> resize_;
    bool modalOpen_ = false;
};

} // namespace vimo
