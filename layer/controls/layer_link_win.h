#pragma once
// CLayerLink: a layered button with a target (a path, a program or a web address). A click opens
// the target through the shell ("open", normal window) and then posts the click notifications;
// a target that is empty or "NULL" opens nothing, but the click is still posted. While the
// pointer is over a link with a target, its title and text are underlined, and the pointer shows
// the hand cursor (the default cursor for a link without a target).
#include <functional>
#include <string>

#include "layer/controls/layer_button_win.h"

namespace vimo {

class CLayerLink : public CLayerButton {
public:
    // What opens a target; the shell by default.
    using Opener = std::function<void(const std::string& target)>;

    CLayerLink(CLayerHost* host, int x, int y, int width, int height);

    void SetTarget(const std::string& target);
    const std::string& Target() const { return target_; }
    // True when the target is neither empty nor "NULL" (in any letter case).
    bool HasTarget() const;
    void SetOpener(Opener opener);

    // Opens a target with the shell's "open" verb in a normal window; the result is not examined.
    static void ShellOpen(const std::string& target);

protected:
    void OnClick() override;
    void ApplyHoverLook(bool hovered) override;
    HCURSOR Cursor() const override;

private:
    std::string target_;
    Opener opener_;
    bool underlined_ = false;
};

} // namespace vimo
