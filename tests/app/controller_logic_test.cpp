// The controller's portable rules: kap type lookups and the reminder check.
#include <gtest/gtest.h>

#include <set>

#include "kapframe/kap_types.h"
#include "app/reminder.h"
#include "base/messages.h"
#include "base/resource.h"

namespace vimo {
namespace {

TEST(KapTypes, CommandsMessagesAndTagsAreDistinctAndRoundTrip) {
    std::set<unsigned> commands, messages;
    std::set<std::string> tags;
    for (const KapTypeInfo& info : AllKapTypes()) {
        EXPECT_EQ(InfoOf(info.type).tag, info.tag);
        EXPECT_EQ(KapTypeFromCommand(info.createCommand), info.type);
        EXPECT_EQ(KapTypeFromDeletedMessage(info.deletedMessage), info.type);
        EXPECT_TRUE(commands.insert(info.createCommand).second);
        EXPECT_TRUE(messages.insert(info.deletedMessage).second);
        EXPECT_TRUE(tags.insert(info.tag).second);
        EXPECT_GE(info.deletedMessage, WMU_NOTE_DELETED);
        EXPECT_LE(info.deletedMessage, WMU_TRASH_DELETED);
    }
    EXPECT_EQ(KapTypeFromCommand(ID_NEW_NOTE), KapType::Note);
    EXPECT_EQ(KapTypeFromCommand(ID_NEW_SHORTCUT), std::nullopt) << "new shortcut creates nothing";
    EXPECT_EQ(KapTypeFromDeletedMessage(WMU_NOTE_DELETED), KapType::Note);
    EXPECT_EQ(KapTypeFromDeletedMessage(WMU_ALARMS_CHANGED), std::nullopt);
}

TEST(KapTypes, FileExtensionMatchesInAnyCaseAfterTheLastDot) {
    EXPECT_EQ(KapTypeFromFileName("20240101120000.VIMONOTE"), KapType::Note);
    EXPECT_EQ(KapTypeFromFileName("20240101120000.VimoNote"), KapType::Note);
    EXPECT_EQ(KapTypeFromFileName("a.b.vimocalc"), KapType::Calc);
    EXPECT_EQ(KapTypeFromFileName("20240101120000.VIMONOTE.bak"), std::nullopt);
    EXPECT_EQ(KapTypeFromFileName("VIMONOTE"), std::nullopt);
    EXPECT_EQ(KapTypeFromFileName("x.VIMONOTES"), std::nullopt);
    EXPECT_EQ(KapTypeFromFileName("MAIN0000000000.VIMOREMOTEKAP"), std::nullopt) << "the dock is not a kap list";
}

TEST(Reminder, DueOnlyInItsOwnMinute) {
    const LocalMinute now = {2026, 12, 7, 9, 5};
    EXPECT_TRUE(AlarmIsDue("202612070905", now));
    EXPECT_TRUE(AlarmIsDue("20261207090559", now)) << "seconds are not compared";
    EXPECT_FALSE(AlarmIsDue("202612070904", now)) << "a past minute never rings";
    EXPECT_FALSE(AlarmIsDue("202612070906", now));
    EXPECT_FALSE(AlarmIsDue("202612080905", now));
    EXPECT_FALSE(AlarmIsDue("202611070905", now));
    EXPECT_FALSE(AlarmIsDue("202512070905", now));
}

TEST(Reminder, ShortOrDamagedStampsNeverRing) {
    const LocalMinute now = {2026, 12, 7, 0, 0};
    EXPECT_FALSE(AlarmIsDue("", now));
    EXPECT_FALSE(AlarmIsDue("2026120", now));
    EXPECT_FALSE(AlarmIsDue("20261207", now)) << "no hour and minute to compare";
    EXPECT_FALSE(AlarmIsDue("2026120700", now));
    EXPECT_FALSE(AlarmIsDue("2026-2-07 0000", now));
    EXPECT_FALSE(AlarmIsDue("20261207-1-1", now));
}

} // namespace
} // namespace vimo
