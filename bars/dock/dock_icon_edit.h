#pragma once
// What the icon dialog does with an icon: which entry of its action list shows the icon's action,
// which action an entry stands for, the picture that follows a change of action, and the icon that
// the dialog's fields make when it is confirmed.
#include <cstddef>
#include <optional>
#include <string>

#include "bars/dock/dock_actions.h"
#include "bars/dock/dock_document.h"

namespace vimo {

// The position of an action text in the dialog's list (letter case ignored); none for a text that
// names no action.
std::optional<std::size_t> ActionListIndex(const std::string& action);

// The action an entry of the list stands for; none for a separator line or a position past the end.
std::optional<DockAction> ActionAtListIndex(std::size_t index);

// The fields of the dialog as the user left them.
struct IconEditFields {
    std::string image;
    std::optional<DockAction> action; // none: the list shows no action (or a separator)
    std::string parameter;
    std::string title;
};

// The icon after the dialog: blanks around the image and the parameter are dropped; an empty
// parameter is stored as "NULL"; without a chosen action the icon keeps its own. A kap icon keeps
// its type, action and parameter whatever the fields say: its type decides what it does.
DockIcon ApplyIconEdit(const DockIcon& before, const IconEditFields& fields);

// When the dialog's action changes from `from` to `to` while the image field still shows the
// dock skin's picture of the old action (or of a new shortcut), the picture of the new action
// below skinFolder; none when the user chose a picture of his own (it stays).
std::optional<std::string> ImageAfterActionChange(const std::string& image, DockAction from, DockAction to,
                                                  const std::string& skinFolder);

// The shortcut icon a dropped file, folder or text makes: it opens what was dropped, titled with
// the last part of the path without its extension (a text is its own title). None for an empty
// drop.
std::optional<DockIcon> IconForDrop(const std::string& dropped, const std::string& skinFolder);

} // namespace vimo
