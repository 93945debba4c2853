// The link folder as a user meets it: rows open their targets through the shell, the row menu's
// selection decides which link moves and where a new one goes, a dropped shortcut adds its target,
// and everything comes back after a restart.
#include <gtest/gtest.h>

#include <objbase.h>

#include <string>

#include "base/resource.h"
#include "e2e/driver/vimo_driver.h"
#include "kapframe/base64.h"
#include "kapframe/kap_document.h"
#include "kaps/net/link/link_list.h"
#include "support/open_log_win.h"
#include "support/shortcut_file_win.h"

namespace vimo::e2e {
namespace {

// The default skin's list: rows 26 high, 3 apart, from (16, 44).
POINT RowPoint(HWND kap, int row) {
    const RECT r = WindowRectOf(kap);
    return POINT{r.left + 90, r.top + 44 + row * 29 + 13};
}

TEST(LinkFolder, RowsOpenMoveAndTakeADroppedShortcutAndComeBackAfterARestart) {
    CoInitialize(nullptr);
    testsupport::OpenLog log;
    ProgramDir dir = KapsOnlyDir("link-folder");
    const std::string folder = dir.File("Projects");
    CreateDirectoryA(folder.c_str(), nullptr);
    ASSERT_TRUE(testsupport::WriteShortcut(dir.File("Projects.lnk"), folder));
    KapHeader header;
    header.kapName = "20261209120000";
    DocumentWriter writer(header);
    writer.Int(60).Int(40).Int(240).Int(260);
    WriteLinkPayload(writer, {{"Site", "vimotest:http-site"}, {"Program", dir.Exe()}, {"Skins", dir.File("Skin")}});
    CreateDirectoryA(dir.File("Notes").c_str(), nullptr);
    dir.Write("Notes\\20261209120000.VIMOLINK", EncodeDocumentBase64(writer.Text()));

    std::string expected;
    {
        VimoProcess app;
        HWND kap = app.StartWithOneKap(dir);
        ASSERT_NE(kap, nullptr);
        EXPECT_EQ(WindowTextOf(kap), "Site\nProgram\nSkins\n");
        Screenshot("link-folder");

        POINT p = RowPoint(kap, 0);
        ClickAt(p.x, p.y);
        EXPECT_TRUE(WaitFor(
            [&] {
                const std::vector<std::string> opened = log.Opened();
                return opened.size() == 1 && opened[0] == "vimotest:http-site";
            },
            10000))
            << "a click on a row opens its target through the shell";

        // A right click on a row selects it for the menu's commands.
        auto selectRow = [&](int row) {
            const POINT at = RowPoint(kap, row);
            RightClickAt(at.x, at.y);
            ASSERT_TRUE(WaitFor([&] { return ShownPopupMenu(app.ProcessId()) != nullptr; }, 5000));
            PressKey(VK_ESCAPE);
            ASSERT_TRUE(WaitFor([&] { return ShownPopupMenu(app.ProcessId()) == nullptr; }, 5000));
        };
        auto command = [&](UINT id) { PostMessageA(kap, WM_COMMAND, id, 0); };
        selectRow(0);
        command(ID_LINK_MOVE_UP); // the first cannot move up
        selectRow(2);
        command(ID_LINK_MOVE_DOWN); // nor the last down
        selectRow(0);
        command(ID_LINK_MOVE_DOWN);
        EXPECT_TRUE(WaitFor([&] { return WindowTextOf(kap) == "Program\nSite\nSkins\n"; }, 5000)) << WindowTextOf(kap);

        const RECT r = WindowRectOf(kap);
        EXPECT_NE(DragFileOnto(dir.File("Projects.lnk"), 700, 500, r.left + 120, r.top + 200),
                  static_cast<DWORD>(DROPEFFECT_NONE));
        expected = "Program\nSite\nSkins\n" + folder + "\n";
        EXPECT_TRUE(WaitFor([&] { return WindowTextOf(kap) == expected; }, 5000)) << WindowTextOf(kap);

        selectRow(1);
        command(ID_LINK_ADD);
        HWND dialog = nullptr;
        ASSERT_TRUE(WaitFor([&] { return (dialog = FindDialog(app.ProcessId(), "Link")) != nullptr; }, 10000));
        TypeInto(GetDlgItem(dialog, IDC_LINK_TITLE), "Mail");
        TypeInto(GetDlgItem(dialog, IDC_LINK_URL), "vimotest:mail");
        const RECT ok = WindowRectOf(GetDlgItem(dialog, IDOK));
        ClickAt((ok.left + ok.right) / 2, (ok.top + ok.bottom) / 2);
        expected = "Program\nMail\nSite\nSkins\n" + folder + "\n";
        EXPECT_TRUE(WaitFor([&] { return WindowTextOf(kap) == expected; }, 5000))
            << "a new link goes before the selected one: " << WindowTextOf(kap);
        Screenshot("link-folder-changed");
        ASSERT_TRUE(app.Exit());
    }
    VimoProcess again;
    HWND kap = again.StartWithOneKap(dir);
    ASSERT_NE(kap, nullptr);
    EXPECT_EQ(WindowTextOf(kap), expected);
    EXPECT_TRUE(again.Exit());
    CoUninitialize();
}

} // namespace
} // namespace vimo::e2e
