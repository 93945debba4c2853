#pragma once
// CVimoGoogle: the web search kap — a one-line search field and a title icon. Whatever is typed
// becomes the search address at once (the data file's begin, the text as typed, its end); the icon
// and the "Google" command open it with the shell. With an empty field they open the data file's
// navigate address.
//
// WM_GETTEXT and WM_GETTEXTLENGTH on the kap window answer the address the icon opens (read-only;
// used by tests and accessibility tools).
#include <windows.h>

#include <string>

#include "kapframe/kap_window_win.h"

namespace vimo {

class CLayerEditLine;
class CLayerLink;

class CVimoGoogle : public CKapWindow {
public:
    CVimoGoogle(KapHost& host, Settings& settings, const std::string& documentPath);
    ~CVimoGoogle() override;

    std::string LinkTarget() const;

protected:
    void BuildItems() override;
    bool OnKapCommand(UINT id) override;
    bool OnKapMessage(UINT msg, WPARAM wParam, LPARAM lParam, LRESULT& result) override;
    unsigned DropAccept() const override;
    void OnDrop(const std::string& dropped) override;
    void TakeFocus() override;
    // Hovering leaves the keyboard with the search field while the user types in it.
    bool FocusOnHover() const override;

private:
    void UpdateTarget();

    CLayerLink* icon_ = nullptr; // items are owned by the layer host
    CLayerEditLine* edit_ = nullptr;
};

} // namespace vimo
