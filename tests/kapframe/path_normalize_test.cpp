// Normalising dropped file paths.
#include <gtest/gtest.h>

#include <map>

#include "kapframe/path_normalize.h"

namespace vimo {
namespace {

std::string Env(const std::string& name) {
    static const std::map<std::string, std::string> env = {
        {"WINDIR", "C:\\windows"}, {"HOME", "C:\\users\\me"}, {"LOOP", "a%LOOP%b"}, {"EMPTY", ""}};
    auto found = env.find(name);
    return found == env.end() ? std::string() : found->second;
}

bool NoShortcut(const std::string&, std::string&) { return false; }

TEST(DroppedPath, VariablesExpandFromTheFirstPair) {
    EXPECT_EQ(ExpandVariables("%WINDIR%\\notepad.exe", Env), "C:\\windows\\notepad.exe");
    EXPECT_EQ(ExpandVariables("%WINDIR%\\a;%WINDIR%\\b", Env), "C:\\windows\\a;C:\\windows\\b");
    EXPECT_EQ(ExpandVariables("%HOME%\\%WINDIR%", Env), "C:\\users\\me\\C:\\windows");
    EXPECT_EQ(ExpandVariables("%UNSET%\\%WINDIR%", Env), "%UNSET%\\%WINDIR%") << "stops at the first pair";
    EXPECT_EQ(ExpandVariables("%EMPTY%x", Env), "%EMPTY%x");
    EXPECT_EQ(ExpandVariables("100%", Env), "100%");
    EXPECT_EQ(ExpandVariables("%WINDIR", Env), "%WINDIR");
    EXPECT_EQ(ExpandVariables("plain", Env), "plain");
}

TEST(DroppedPath, SelfReferencingVariableStopsAfterTheBound) {
    const std::string result = ExpandVariables("%LOOP%", Env);
    EXPECT_EQ(result.size(), 2u * kMaxExpansions + 6u);
}

TEST(DroppedPath, ShortcutsResolvedOnlyWhenTheyLookLikeOne) {
    EXPECT_TRUE(LooksLikeShortcut("C:\\a\\b.lnk"));
    EXPECT_TRUE(LooksLikeShortcut("C:\\a\\b.LNK"));
    EXPECT_TRUE(LooksLikeShortcut("C:\\a\\b.lnk.txt"));
    EXPECT_FALSE(LooksLikeShortcut("C:\\a\\b.lNk"));
    EXPECT_FALSE(LooksLikeShortcut("C:\\a\\blnk"));
    auto resolve = [](const std::string&, std::string& target) {
        target = "%WINDIR%\\notepad.exe";
        return true;
    };
    EXPECT_EQ(NormalizeDroppedPath("C:\\x\\Editor.lnk", resolve, Env), "C:\\windows\\notepad.exe");
    EXPECT_EQ(NormalizeDroppedPath("C:\\x\\notes.lnk.txt", NoShortcut, Env), "C:\\x\\notes.lnk.txt");
    EXPECT_EQ(NormalizeDroppedPath("C:\\x\\file.txt", resolve, Env), "C:\\x\\file.txt");
}

} // namespace
} // namespace vimo
