#include "bars/dock/vimo_remote_kap_icon_config_win.h"

#include "base/resource.h"
#include "bars/dock/dock_icon_edit.h"
#include "bars/dock/dock_icon_types.h"
#include "wnd/dialog_fields_win.h"

namespace vimo {

namespace {

constexpr char kImageFilter[] = "Images (*.png;*.jpg;*.gif;*.bmp)\0*.png;*.jpg;*.jpeg;*.gif;*.bmp\0"
                                "All Files (*.*)\0*.*\0";
constexpr char kAnyFileFilter[] = "All Files (*.*)\0*.*\0";

} // namespace

CVimoRemoteKAPIconConfig::CVimoRemoteKAPIconConfig(DockIcon icon, std::string skinFolder)
    : Dialog(IDD_DOCK_ICON_CONFIG), icon_(std::move(icon)), skinFolder_(std::move(skinFolder)) {}

std::string CVimoRemoteKAPIconConfig::Field(int id) const { return DialogItemText(Hwnd(), id); }

void CVimoRemoteKAPIconConfig::SetField(int id, const std::string& text) { SetDlgItemTextA(Hwnd(), id, text.c_str()); }

BOOL CVimoRemoteKAPIconConfig::OnInitDialog() {
    HWND hwnd = Hwnd();
    kapIcon_ = KapTypeFromIconType(icon_.type).has_value();
    HWND actions = GetDlgItem(hwnd, IDC_ICON_ACTION);
    for (const std::string& entry : DockActionListEntries())
        SendMessageA(actions, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(entry.c_str()));
    const std::optional<std::size_t> index = ActionListIndex(icon_.action);
    shownAction_ = index ? static_cast<int>(*index) : -1;
    SendMessageA(actions, CB_SETCURSEL, static_cast<WPARAM>(shownAction_), 0);
    SetField(IDC_ICON_IMAGE, icon_.image);
    SetField(IDC_ICON_PARAMETER, HasDockParameter(icon_.parameter) ? icon_.parameter : std::string());
    SetField(IDC_ICON_TITLE, icon_.title);
    // A kap icon's type decides what it does: only its picture and title are its own.
    for (int id : {IDC_ICON_ACTION, IDC_ICON_PARAMETER, IDC_ICON_PARAMETER_BROWSE})
        EnableWindow(GetDlgItem(hwnd, id), !kapIcon_);
    return TRUE;
}

void CVimoRemoteKAPIconConfig::OnActionChanged() {
    HWND actions = GetDlgItem(Hwnd(), IDC_ICON_ACTION);
    const LRESULT chosen = SendMessageA(actions, CB_GETCURSEL, 0, 0);
    const std::optional<DockAction> to =
        chosen < 0 ? std::nullopt : ActionAtListIndex(static_cast<std::size_t>(chosen));
    if (!to) {
        // A separator line is no choice: the list goes back to the action it showed.
        SendMessageA(actions, CB_SETCURSEL, static_cast<WPARAM>(shownAction_), 0);
        return;
    }
    const std::optional<DockAction> from =
        shownAction_ < 0 ? std::nullopt : ActionAtListIndex(static_cast<std::size_t>(shownAction_));
    shownAction_ = static_cast<int>(chosen);
    if (!from) return;
    if (const std::optional<std::string> image = ImageAfterActionChange(Field(IDC_ICON_IMAGE), *from, *to, skinFolder_))
        SetField(IDC_ICON_IMAGE, *image);
}

void CVimoRemoteKAPIconConfig::Browse(int field, const char* filter) {
    const std::string chosen = BrowseForExistingFile(Hwnd(), Field(field), filter);
    if (!chosen.empty()) SetField(field, chosen);
}

void CVimoRemoteKAPIconConfig::Confirm() {
    IconEditFields fields;
    fields.image = Field(IDC_ICON_IMAGE);
    const LRESULT chosen = SendDlgItemMessageA(Hwnd(), IDC_ICON_ACTION, CB_GETCURSEL, 0, 0);
    if (chosen >= 0) fields.action = ActionAtListIndex(static_cast<std::size_t>(chosen));
    fields.parameter = Field(IDC_ICON_PARAMETER);
    fields.title = Field(IDC_ICON_TITLE);
    icon_ = ApplyIconEdit(icon_, fields);
    EndModal(IDOK);
}

bool CVimoRemoteKAPIconConfig::OnCommand(UINT id, UINT code, HWND) {
    switch (id) {
    case IDC_ICON_ACTION:
        if (code == CBN_SELCHANGE) OnActionChanged();
        return true;
    case IDC_ICON_IMAGE_BROWSE: Browse(IDC_ICON_IMAGE, kImageFilter); return true;
    case IDC_ICON_PARAMETER_BROWSE: Browse(IDC_ICON_PARAMETER, kAnyFileFilter); return true;
    case IDOK: Confirm(); return true;
    case IDCANCEL: EndModal(IDCANCEL); return true;
    default: return false;
    }
}

} // namespace vimo
