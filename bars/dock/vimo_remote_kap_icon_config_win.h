#pragma once
// CVimoRemoteKAPIconConfig, "Icon Setup": edits one dock icon — its image, its action (a list with
// separator lines between the groups), the parameter a shortcut opens and its title. For an icon
// that creates a kap only the image and the title can change: its type decides what it does.
#include <string>

#include "wnd/dialog_win.h"
#include "bars/dock/dock_actions.h"
#include "bars/dock/dock_document.h"

namespace vimo {

class CVimoRemoteKAPIconConfig : public Dialog {
public:
    // skinFolder: the dock skin's folder (ending in a backslash), where the action pictures are.
    CVimoRemoteKAPIconConfig(DockIcon icon, std::string skinFolder);
    // The icon as confirmed with OK (the icon given before that).
    const DockIcon& Icon() const { return icon_; }

protected:
    BOOL OnInitDialog() override;
    bool OnCommand(UINT id, UINT code, HWND control) override;

private:
    std::string Field(int id) const;
    void SetField(int id, const std::string& text);
    void OnActionChanged();
    void Browse(int field, const char* filter);
    void Confirm();

    DockIcon icon_;
    std::string skinFolder_;
    bool kapIcon_ = false;
    int shownAction_ = -1; // the list entry the action list showed last (never a separator)
};

} // namespace vimo
