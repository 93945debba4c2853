// The web search kap as a user meets it: typed words make the search address, the icon and the
// "Google" command open it through the shell (seen by the suite's logging opener), an empty field
// opens the navigate address, and a dragged text replaces the search text.
#include <gtest/gtest.h>

#include <string>

#include "base/resource.h"
#include "e2e/driver/vimo_driver.h"
#include "kapframe/base64.h"
#include "kapframe/kap_document.h"
#include "support/open_log_win.h"

namespace vimo::e2e {
namespace {

constexpr char kHome[] = "vimotest:home";

std::string SearchFor(const std::string& words) { return "vimotest:search?q=" + words + "&hl=en"; }

bool WasOpened(const testsupport::OpenLog& log, const std::string& address) {
    return WaitFor(
        [&] {
            const std::vector<std::string> opened = log.Opened();
            return !opened.empty() && opened.back() == address;
        },
        10000);
}

TEST(WebSearch, TypedWordsAreSearchedAnEmptyFieldNavigatesAndADraggedTextIsTaken) {
    testsupport::OpenLog log;
    ProgramDir dir = KapsOnlyDir("web-search");
    dir.Write("Skin\\Default\\VimoGoogle\\Data.VimoGoogle",
              "[VimoGoogleData]\r\nSearchBeginURL=vimotest:search?q=\r\nSearchEndURL=&hl=en\r\nNavigateURL=vimotest:"
              "home\r\n");
    KapHeader header;
    header.kapName = "20261209120000";
    DocumentWriter writer(header);
    writer.Int(80).Int(60).Int(280).Int(64);
    CreateDirectoryA(dir.File("Notes").c_str(), nullptr);
    dir.Write("Notes\\20261209120000.VIMOGOOGLE", EncodeDocumentBase64(writer.Text()));
    VimoProcess app;
    HWND kap = app.StartWithOneKap(dir);
    ASSERT_NE(kap, nullptr);
    EXPECT_EQ(WindowTextOf(kap), kHome) << "before any typing the icon opens the home page";

    HWND edit = ChildOfClass(kap, "Edit");
    ASSERT_NE(edit, nullptr);
    TypeInto(edit, "blue  whale");
    ASSERT_TRUE(WaitFor([&] { return WindowTextOf(kap) == SearchFor("blue  whale"); }, 5000)) << WindowTextOf(kap);
    Screenshot("web-search");
    const RECT r = WindowRectOf(kap);
    ClickAt(r.left + 32, r.top + 32); // the title icon
    EXPECT_TRUE(WasOpened(log, SearchFor("blue  whale")));

    for (int i = 0; i < 11; ++i) PressKey(VK_BACK);
    ASSERT_TRUE(WaitFor([&] { return WindowTextOf(kap) == kHome; }, 5000)) << WindowTextOf(kap);
    PostMessageA(kap, WM_COMMAND, ID_GOOGLE_OPEN, 0);
    EXPECT_TRUE(WasOpened(log, kHome));

    EXPECT_NE(DragTextOnto("orca pods\r\nsecond line", 600, 500, r.left + 150, r.top + 32),
              static_cast<DWORD>(DROPEFFECT_NONE));
    EXPECT_TRUE(WaitFor([&] { return WindowTextOf(kap) == SearchFor("orca pods"); }, 5000)) << WindowTextOf(kap);
    EXPECT_EQ(WindowTextOf(edit), "orca pods");
    EXPECT_TRUE(app.Exit());
}

} // namespace
} // namespace vimo::e2e
