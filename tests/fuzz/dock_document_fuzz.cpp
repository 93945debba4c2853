// The dock's document: a damaged or hand-made file gives at most kMaxDockIcons icons, a click on any of
// them opens something or does nothing, and what the dock writes of what it read reads back the same.
#include "bars/dock/dock_document.h"
#include "bars/dock/dock_icon_command.h"
#include "base/text_util.h"
#include "fuzz/fuzz_check.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace vimo;
    using fuzz::Require;
    const KapRect design{7, 8, 244, 144};
    const std::optional<DockDocument> read = ParseDockText(fuzz::Text(data, size), design);
    if (!read) return 0;
    Require(read->icons.size() <= kMaxDockIcons, "no more icons than the dock builds");
    for (const DockIcon& icon : read->icons) {
        Require(!icon.type.empty(), "every icon has a type");
        const DockIconCommand click = ResolveIconClick(icon);
        if (click.kind != DockIconCommand::Kind::OpenShell) continue;
        Require(!click.target.empty() && !IsNullWord(click.target), "a click opens something or nothing");
        const std::optional<ShellLaunch> retry = ShellPlaceFallback(click.target);
        Require(!retry || !retry->file.empty(), "a second try names its program");
    }

    const std::string written = ComposeDockText(*read);
    const std::optional<DockDocument> again = ParseDockText(written, KapRect{});
    Require(again.has_value(), "a written dock document is usable");
    Require(again->locked == read->locked && fuzz::SameRect(again->rect, read->rect), "the header and place read back");
    Require(again->icons.size() == read->icons.size(), "every icon reads back");
    Require(ComposeDockText(*again) == written, "a written dock document reads back to the same text");
    return 0;
}
