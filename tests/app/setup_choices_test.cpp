// The setup dialog's rules: stored delays and triggers in its lists, running programs listed once,
// and the exclusions kept as the first ten.
#include <gtest/gtest.h>

#include "app/setup_choices.h"

namespace vimo {
namespace {

TEST(SetupChoices, StoredValuesFindTheirEntries) {
    EXPECT_EQ(SetupDelayIndex(15), 1);
    EXPECT_EQ(SetupDelayIndex(10), -1) << "a delay the dialog does not offer selects nothing";
    EXPECT_EQ(SetupTriggerIndex("Bottom"), 3);
    EXPECT_EQ(SetupTriggerIndex("left"), -1);
}

TEST(SetupChoices, RunningProgramsAreListedOnceAndExclusionsKeepTheFirstTen) {
    const std::vector<std::string> programs = RunningApplications({{"Untitled - Editor", "C:\\Tools\\edit.exe"},
                                                                   {"Program Manager", "C:\\Windows\\explorer.exe"},
                                                                   {"", "C:\\Tools\\hidden.exe"},
                                                                   {"Second", "c:\\tools\\EDIT.EXE"},
                                                                   {"Mail", "C:\\Mail\\mail.exe"}});
    EXPECT_EQ(programs, (std::vector<std::string>{"C:\\TOOLS\\EDIT.EXE", "C:\\MAIL\\MAIL.EXE"}));

    std::vector<std::string> twelve;
    for (int i = 0; i < 12; ++i) twelve.push_back("P" + std::to_string(i));
    const std::array<std::string, 10> kept = ExclusionSettings(twelve);
    EXPECT_EQ(kept[9], "P9");
    EXPECT_EQ(ExclusionSettings({"A"})[1], "") << "missing ones are empty";
}

} // namespace
} // namespace vimo
