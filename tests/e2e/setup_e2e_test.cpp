// The setup dialog as a user meets it: its dependent lists follow their boxes, Cancel changes
// nothing, and another skin rebuilds every kap and the dock from their documents — text, place, lock
// and reminder kept — and is still chosen after a restart.
#include <gtest/gtest.h>

#include <string>

#include "base/resource.h"
#include "e2e/driver/vimo_driver.h"
#include "kapframe/base64.h"
#include "kapframe/kap_document.h"

namespace vimo::e2e {
namespace {

constexpr char kCaption[] = "VimoKap Options";
constexpr char kStamp[] = "20351231235900"; // a reminder far ahead

void WriteLockedNote(const ProgramDir& dir) {
    KapHeader header{"20261209170000", true, "", false, kStamp};
    DocumentWriter writer(header);
    writer.Int(420).Int(140).Int(220).Int(240).Int(0).Line("Arial").Int(12).Line("TXT_REGULAR").Line("BLACK").Line("");
    writer.Line("keep me");
    CreateDirectoryA(dir.File("Notes").c_str(), nullptr);
    dir.Write("Notes\\20261209170000.VIMONOTE", EncodeDocumentBase64(writer.Text()));
    // A link folder, whose panel the dark skin darkens (a note keeps its light paper).
    DocumentWriter folder(KapHeader{"20261209170001", false, "", false, ""});
    folder.Int(60).Int(140).Int(240).Int(260);
    dir.Write("Notes\\20261209170001.VIMOLINK", EncodeDocumentBase64(folder.Text()));
}

// The kap of a list that stands at x.
HWND KapAt(const std::vector<HWND>& kaps, int x) {
    for (HWND kap : kaps)
        if (WindowRectOf(kap).left == x) return kap;
    return nullptr;
}

// The mean brightness (0..255) of the middle of a window.
int Brightness(HWND window) {
    RECT r = WindowRectOf(window);
    const RECT middle = {r.left + 30, r.top + 60, r.right - 30, r.bottom - 30};
    const std::vector<DWORD> pixels = ScreenPixels(middle);
    long long sum = 0;
    for (DWORD p : pixels) sum += ((p >> 16) & 0xFF) + ((p >> 8) & 0xFF) + (p & 0xFF);
    return pixels.empty() ? 0 : static_cast<int>(sum / (3 * static_cast<long long>(pixels.size())));
}

void Click(HWND control) {
    const RECT r = WindowRectOf(control);
    ClickAt((r.left + r.right) / 2, (r.top + r.bottom) / 2);
}

HWND OpenSetup(const VimoProcess& app) {
    app.Command(ID_APP_OPTIONS);
    HWND dialog = nullptr;
    WaitFor([&] { return (dialog = FindDialog(app.ProcessId(), kCaption)) != nullptr; }, 10000);
    return dialog;
}

TEST(Setup, AnotherSkinRebuildsEveryKapFromItsDocumentAndCancelChangesNothing) {
    ProgramDir dir("setup");
    dir.Write("VimoKap.ini", "[VimoKap]\r\nLoadRemoteKAP=1\r\nLoadRemoteWIN=0\r\n");
    WriteLockedNote(dir);
    VimoProcess app;
    ASSERT_TRUE(app.Start(dir));
    ASSERT_NE(app.WaitController(), nullptr);
    std::vector<HWND> kaps = app.WaitKaps(2);
    ASSERT_EQ(kaps.size(), 2u);
    HWND note = KapAt(kaps, 420), folder = KapAt(kaps, 60);
    ASSERT_TRUE(note && folder);
    // The default skin's panel is light, the dark skin's dark (the desktop lies between the two).
    ASSERT_TRUE(WaitFor([&] { return Brightness(folder) > 150; }, 5000)) << Brightness(folder);
    Screenshot("setup-before");

    HWND dialog = OpenSetup(app);
    ASSERT_NE(dialog, nullptr);
    EXPECT_EQ(WindowTextOf(GetDlgItem(dialog, IDC_SETUP_SKIN)), "Default");
    HWND autoHide = GetDlgItem(dialog, IDC_SETUP_DOCK_AUTOHIDE);
    EXPECT_FALSE(IsWindowEnabled(GetDlgItem(dialog, IDC_SETUP_DOCK_DELAY)));
    Click(autoHide);
    EXPECT_TRUE(WaitFor([&] { return IsWindowEnabled(GetDlgItem(dialog, IDC_SETUP_DOCK_TRIGGER)) != FALSE; }, 3000));
    Click(autoHide);
    EXPECT_TRUE(WaitFor([&] { return !IsWindowEnabled(GetDlgItem(dialog, IDC_SETUP_DOCK_DELAY)); }, 3000))
        << "unchecking auto-hide greys the delay";
    EXPECT_FALSE(IsWindowEnabled(GetDlgItem(dialog, IDC_SETUP_DOCK_TRIGGER)));
    SendDlgItemMessageA(dialog, IDC_SETUP_SKIN, CB_SELECTSTRING, static_cast<WPARAM>(-1),
                        reinterpret_cast<LPARAM>("Dark"));
    Click(GetDlgItem(dialog, IDCANCEL));
    ASSERT_TRUE(WaitFor([&] { return !IsWindow(dialog); }, 5000));
    EXPECT_TRUE(IsWindow(note)) << "Cancel rebuilds nothing";
    EXPECT_EQ(dir.Read("VimoKap.ini").find("SkinName=Dark"), std::string::npos);

    dialog = OpenSetup(app);
    ASSERT_NE(dialog, nullptr);
    ASSERT_NE(SendDlgItemMessageA(dialog, IDC_SETUP_SKIN, CB_SELECTSTRING, static_cast<WPARAM>(-1),
                                  reinterpret_cast<LPARAM>("Dark")),
              CB_ERR)
        << "the second skin is listed";
    Click(GetDlgItem(dialog, IDOK));
    ASSERT_TRUE(WaitFor([&] { return !IsWindow(note) && !IsWindow(folder); }, 10000)) << "the kaps are made again";
    kaps = app.WaitKaps(2);
    HWND again = KapAt(kaps, 420);
    folder = KapAt(kaps, 60);
    ASSERT_TRUE(again && folder);
    EXPECT_EQ(WindowRectOf(again).left, 420);
    EXPECT_EQ(WindowRectOf(again).top, 140);
    EXPECT_EQ(WindowTextOf(ChildOfClass(again, "Edit")), "keep me");
    EXPECT_TRUE(WaitFor([&] { return Brightness(folder) < 80; }, 5000))
        << "the dark skin shows: " << Brightness(folder);
    Screenshot("setup-after");
    ASSERT_TRUE(app.Exit());

    EXPECT_NE(dir.Read("VimoKap.ini").find("SkinName=Dark"), std::string::npos);
    const std::string header = DocumentReader(ReadOnlyDocument(dir, "Notes\\*.VIMONOTE")).NextString();
    EXPECT_EQ(header, std::string("A20261209170000LN") + kStamp) << "lock and reminder kept";

    VimoProcess restarted;
    ASSERT_TRUE(restarted.Start(dir));
    ASSERT_NE(restarted.WaitController(), nullptr);
    HWND kap = KapAt(restarted.WaitKaps(2), 60);
    ASSERT_NE(kap, nullptr);
    EXPECT_TRUE(WaitFor([&] { return Brightness(kap) < 80; }, 5000)) << "the choice survives a restart";
    EXPECT_TRUE(restarted.Exit());
}

} // namespace
} // namespace vimo::e2e
