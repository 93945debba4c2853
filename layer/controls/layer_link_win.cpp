#include "layer/controls/layer_link_win.h"

#include <shellapi.h>

#include "base/text_util.h"

namespace vimo {

CLayerLink::CLayerLink(CLayerHost* host, int x, int y, int width, int height)
    : CLayerButton(host, x, y, width, height), opener_(&CLayerLink::ShellOpen) {}

void CLayerLink::SetTarget(const std::string& target) { target_ = target; }

bool CLayerLink::HasTarget() const { return !target_.empty() && !IsNullWord(target_); }

void CLayerLink::SetOpener(Opener opener) { opener_ = opener ? std::move(opener) : Opener(&CLayerLink::ShellOpen); }

void CLayerLink::ShellOpen(const std::string& target) {
    ShellExecuteA(nullptr, "open", target.c_str(), nullptr, nullptr, SW_SHOWNORMAL);
}

void CLayerLink::OnClick() {
    if (HasTarget()) opener_(target_);
    CLayerButton::OnClick();
}

void CLayerLink::ApplyHoverLook(bool hovered) {
    CLayerButton::ApplyHoverLook(hovered);
    const bool underline = hovered && HasTarget();
    if (underline == underlined_) return;
    underlined_ = underline;
    Elem().SetBlockUnderline(TextBlockId::Title, underline);
    Elem().SetBlockUnderline(TextBlockId::Text, underline);
}

HCURSOR CLayerLink::Cursor() const { return HasTarget() ? CLayerButton::Cursor() : nullptr; }

} // namespace vimo
