#include "app/skin_check_win.h"

#include <windows.h>

#include <algorithm>
#include <set>

#include "base/path_kind_win.h"
#include "base/profile_store_win.h"
#include "base/text_util.h"
#include "layer/element_messages.h"
#include "layer/layer_element_win.h"
#include "layer/skin/skin_layout.h"
#include "layer/skin/skin_lint.h"
#include "layer/skin/skin_set.h"

namespace vimo {

namespace {

constexpr const char kSwitch[] = "/checkskin";

// The pictures of a record, each decoded once, and its nine-slices cut as the kaps cut them.
void CheckPictures(const SkinRecord& record, std::vector<SkinProblem>& problems) {
    const SkinFileSchema& schema = record.Schema();
    std::set<std::string> decoded;
    for (const SkinKey& key : schema.Keys()) {
        if (key.kind != SkinKeyKind::FileName) continue;
        const std::string& path = record.Str(key.name);
        if (path.empty() || !decoded.insert(ToUpperAscii(path)).second) continue;
        CLayerElement element(1, 1, false);
        element.SetImage(path);
        if (!element.LastError().empty()) problems.push_back({key.name, element.LastError() + " (" + path + ")"});
    }
    for (const std::string& prefix : NineSlicePrefixes(schema)) {
        const std::string& path = record.Str(prefix + "FileName");
        if (path.empty()) continue;
        // Cut as the element it backs: the kap for the background, else the element of its name.
        SkinSize size = DesignSize(record);
        const std::string owner = EndsWith(prefix, "Bk") ? prefix.substr(0, prefix.size() - 2) : std::string();
        if (!owner.empty() && record.Has(owner + "Width") && record.Has(owner + "Height"))
            size = SkinSize{record.Int(owner + "Width"), record.Int(owner + "Height")};
        CLayerElement element(std::max(1, size.width), std::max(1, size.height), false);
        element.SetBackgroundImage(path, record.Int(prefix + "CutLeft"), record.Int(prefix + "CutTop"),
                                   record.Int(prefix + "CutRight"), record.Int(prefix + "CutBottom"));
        // A picture that does not decode is reported once, above.
        if (element.LastError() == kMsgBackgroundCut)
            problems.push_back({prefix, element.LastError() + " (" + path + ")"});
    }
}

} // namespace

std::vector<std::string> CheckSkin(const std::string& programDir, const std::string& skinName) {
    const std::string skinDir = programDir + "\\Skin\\" + skinName;
    if (skinName.empty() || !IsFolder(skinDir)) return {"skin " + skinName + ": there is no folder " + skinDir};
    WinProfileStore store;
    SkinSet skins;
    skins.Load(store, skinDir);
    std::vector<std::string> lines;
    for (const SkinRecord& record : skins.Records()) {
        std::vector<SkinProblem> problems = LintSkinRecord(record, store);
        if (store.FileExists(record.FilePath())) CheckPictures(record, problems);
        for (const SkinProblem& problem : problems)
            lines.push_back(record.Schema().FileName() + (problem.where.empty() ? "" : " " + problem.where) + ": " +
                            problem.message);
    }
    return lines;
}

bool RunSkinCheckCommand(const std::string& commandLine, const std::string& programDir, int& exitCode) {
    const std::size_t at = commandLine.find_first_not_of(" \t");
    if (at == std::string::npos || commandLine.compare(at, sizeof(kSwitch) - 1, kSwitch) != 0) return false;
    std::string name = commandLine.substr(at + sizeof(kSwitch) - 1);
    name.erase(0, name.find_first_not_of(" \t\""));
    name.erase(name.find_last_not_of(" \t\"") + 1);
    const std::vector<std::string> problems = CheckSkin(programDir, name);

    AttachConsole(ATTACH_PARENT_PROCESS);
    HANDLE out = GetStdHandle(STD_OUTPUT_HANDLE);
    std::string text;
    for (const std::string& line : problems) text += line + "\r\n";
    if (problems.empty()) text = "skin " + name + ": no problem found\r\n";
    DWORD written = 0;
    if (out && out != INVALID_HANDLE_VALUE)
        WriteFile(out, text.data(), static_cast<DWORD>(text.size()), &written, nullptr);
    const bool folderMissing = problems.size() == 1 && problems[0].rfind("skin ", 0) == 0;
    exitCode = problems.empty() ? 0 : folderMissing ? 2 : 1;
    return true;
}

} // namespace vimo
