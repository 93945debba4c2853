// The dock's window under Wine: a new dock and its picture, icons added and refused, the lock,
// the document written and read back, a damaged document set aside, and its context menu.
#include <gtest/gtest.h>

#include <windows.h>

#include <memory>
#include <string>

#include "app/kap_factories_win.h"
#include "kapframe/kap_types.h"
#include "kapframe/kap_win.h"
#include "base/profile_store_win.h"
#include "base/resource.h"
#include "kapframe/settings.h"
#include "bars/dock/dock_layout.h"
#include "bars/dock/dock_menu_win.h"
#include "bars/dock/vimo_remote_kap_win.h"
#include "e2e/driver/vimo_driver.h"
#include "kapframe/document_file_win.h"
#include "layer/gdiplus_raii_win.h"
#include "layer/layer_host_win.h"
#include "kapframe/fake_kap_host_win.h"

namespace vimo {
namespace {

using e2e::RemoveTree;

// A new dock holds one icon per kap type the program can make.
std::size_t KapIconCount() {
    std::size_t count = 0;
    for (const KapTypeInfo& info : AllKapTypes()) count += FactoryOf(info.type) ? 1 : 0;
    return count;
}

void CopyFolder(const std::string& from, const std::string& to) {
    CreateDirectoryA(to.c_str(), nullptr);
    WIN32_FIND_DATAA found = {};
    HANDLE search = FindFirstFileA((from + "\\*").c_str(), &found);
    ASSERT_NE(search, INVALID_HANDLE_VALUE) << from;
    do {
        if (!(found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY))
            CopyFileA((from + "\\" + found.cFileName).c_str(), (to + "\\" + found.cFileName).c_str(), FALSE);
    } while (FindNextFileA(search, &found));
    FindClose(search);
}

void Pump() {
    MSG msg;
    while (PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) {
        TranslateMessage(&msg);
        DispatchMessageA(&msg);
    }
}

class DockWindowTest : public ::testing::Test {
protected:
    void SetUp() override {
        char base[MAX_PATH] = {};
        GetTempPathA(MAX_PATH, base);
        dir_ = std::string(base) + "vimo-dock-" + std::to_string(GetCurrentProcessId()) + "-" +
               ::testing::UnitTest::GetInstance()->current_test_info()->name();
        RemoveTree(dir_);
        for (const char* sub : {"", "\\Skin", "\\Skin\\Default"}) CreateDirectoryA((dir_ + sub).c_str(), nullptr);
        std::string source = VIMO_SOURCE_DIR "/skins/Default";
        for (char& c : source)
            if (c == '/') c = '\\';
        CopyFolder("Z:" + source, dir_ + "\\Skin\\Default");
        CopyFolder("Z:" + source + "\\VimoRemoteKap", dir_ + "\\Skin\\Default\\VimoRemoteKap");
        WinProfileStore store;
        settings_.Load(store, dir_);
        settings_.remoteKapAlwaysOnTop = 0;
    }
    void TearDown() override {
        dock_.reset();
        RemoveTree(dir_);
    }
    CVimoRemoteKap& Make() {
        dock_ = MakeRemoteKap(host_, settings_);
        EXPECT_NE(dock_, nullptr);
        Pump();
        return *dock_;
    }
    void Command(UINT id) {
        SendMessageA(dock_->Hwnd(), WM_COMMAND, id, 0);
        Pump();
    }
    std::string DocumentFilePath() const { return DocumentFile(dir_, "MAIN0000000000", "VIMOREMOTEKAP").Path(); }
    std::optional<DockDocument> Saved() const {
        std::string text;
        if (ReadDocument(DocumentFilePath(), text) != DocumentRead::Ok) return std::nullopt;
        return ParseDockText(text, KapRect{});
    }
    const SkinRecord& Skin() const { return settings_.skins.Skin(SkinType::RemoteKap); }

    GdiplusSession gdiplus_;
    std::string dir_;
    Settings settings_;
    kaptest::FakeKapHost host_;
    std::unique_ptr<CVimoRemoteKap> dock_;
};

TEST_F(DockWindowTest, ANewDockShowsEveryIconSnappedToTheSkinGrid) {
    CVimoRemoteKap& dock = Make();
    ASSERT_EQ(dock.Icons().size(), KapIconCount() + 5);
    EXPECT_FALSE(dock.Locked());
    EXPECT_TRUE(IsWindowVisible(dock.Hwnd()));
    char text[32] = {};
    GetWindowTextA(dock.Hwnd(), text, sizeof(text));
    EXPECT_STREQ(text, CVimoRemoteKap::kWindowText);

    const DockMetrics metrics = DockMetricsFromSkin(Skin());
    const DockLayout layout = LayoutDock(metrics, Skin().Int("Width"), dock.Icons().size());
    RECT r = {};
    GetWindowRect(dock.Hwnd(), &r);
    EXPECT_EQ(r.right - r.left, layout.width);
    EXPECT_EQ(r.bottom - r.top, layout.height);

    // Every icon's picture is on the surface from the first show: the frame is light grey, the
    // pictures are dark or blue.
    const CLayerHost* host = dock.Layer();
    ASSERT_NE(host, nullptr);
    auto inked = [&](const LayerRect& r) {
        int dark = 0;
        for (int y = r.y; y < r.y + r.height; ++y)
            for (int x = r.x; x < r.x + r.width; ++x)
                if (((host->PixelAt(x, y) >> 16) & 0xFF) < 0xA0) ++dark;
        return dark;
    };
    for (std::size_t i = 0; i < dock.Icons().size(); ++i)
        EXPECT_GT(inked(DockIconRect(metrics, layout, i)), 200) << "icon " << i << " is drawn";
    // The slot after the last icon is empty (when the last row has one: a full row ends the dock).
    const LayerRect next = DockIconRect(metrics, layout, dock.Icons().size());
    if (next.x + next.width <= layout.width && next.y + next.height <= layout.height) {
        EXPECT_EQ(inked(next), 0) << "no picture where no icon is";
    }
}

TEST_F(DockWindowTest, AddEntriesAppendIconsAndTheDocumentKeepsThem) {
    CVimoRemoteKap& dock = Make();
    RECT before = {};
    GetWindowRect(dock.Hwnd(), &before);
    Command(ID_NEW_CALC);
    Command(ID_NEW_TRASH);
    Command(ID_NEW_NOTE);
    ASSERT_EQ(dock.Icons().size(), KapIconCount() + 8);
    EXPECT_EQ(dock.Icons()[KapIconCount() + 5].type, "KAP_CALC");
    EXPECT_EQ(dock.Icons()[KapIconCount() + 6].title, "New Trash");
    RECT after = {};
    GetWindowRect(dock.Hwnd(), &after);
    EXPECT_EQ(after.right - after.left, before.right - before.left);
    EXPECT_GT(after.bottom - after.top, before.bottom - before.top) << "one more row";

    Command(ID_DOCK_LOCK);
    EXPECT_TRUE(dock.Locked());
    Command(ID_NEW_CLOCK);
    EXPECT_EQ(dock.Icons().size(), KapIconCount() + 8) << "a locked dock takes no icon";
    Command(ID_DOCK_ICON_REMOVE);
    EXPECT_EQ(dock.Icons().size(), KapIconCount() + 8) << "removing names an icon: only from the menu";

    SetWindowPos(dock.Hwnd(), nullptr, 320, 240, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
    dock.SaveDocument();
    const std::optional<DockDocument> saved = Saved();
    ASSERT_TRUE(saved);
    EXPECT_TRUE(saved->locked);
    EXPECT_EQ(saved->icons, dock.Icons());
    EXPECT_EQ(saved->rect.x, 320);
    EXPECT_EQ(saved->rect.y, 240);

    dock_.reset();
    CVimoRemoteKap& again = Make();
    EXPECT_TRUE(again.Locked());
    EXPECT_EQ(again.Icons(), saved->icons);
    RECT r = {};
    GetWindowRect(again.Hwnd(), &r);
    EXPECT_EQ(r.left, 320);
    EXPECT_EQ(r.top, 240);
}

TEST_F(DockWindowTest, ADamagedDocumentIsSetAsideAndANewDockStarts) {
    CreateDirectoryA((dir_ + "\\Notes").c_str(), nullptr);
    HANDLE file = CreateFileA(DocumentFilePath().c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr);
    ASSERT_NE(file, INVALID_HANDLE_VALUE);
    const char garbage[] = "this is no dock\r\n";
    DWORD written = 0;
    WriteFile(file, garbage, sizeof(garbage) - 1, &written, nullptr);
    CloseHandle(file);
    CVimoRemoteKap& dock = Make();
    EXPECT_EQ(dock.Icons().size(), KapIconCount() + 5);
    EXPECT_NE(GetFileAttributesA((DocumentFilePath() + ".bad").c_str()), INVALID_FILE_ATTRIBUTES);
}

TEST_F(DockWindowTest, DestroyingTheDockWritesItsDocument) {
    Make();
    Command(ID_NEW_LINK);
    EXPECT_FALSE(Saved()) << "nothing is written before the save timer or the end";
    dock_.reset();
    const std::optional<DockDocument> saved = Saved();
    ASSERT_TRUE(saved);
    EXPECT_EQ(saved->icons.back().type, "KAP_LINK");
}

// --- the context menu ------------------------------------------------------------------------

struct LoadedMenu {
    HMENU menu = LoadMenuA(GetModuleHandleA(nullptr), MAKEINTRESOURCEA(IDR_MENU_KAPS));
    ~LoadedMenu() { DestroyMenu(menu); }
};

std::string EntryText(HMENU menu, UINT position) {
    char text[64] = {};
    GetMenuStringA(menu, position, text, sizeof(text), MF_BYPOSITION);
    return text;
}

bool Greyed(HMENU menu, UINT id, UINT by = MF_BYCOMMAND) { return (GetMenuState(menu, id, by) & MF_GRAYED) != 0; }

TEST_F(DockWindowTest, ContextMenuIsTheTrayMenuWithAddAndTheDocksOwnEntries) {
    LoadedMenu loaded;
    HMENU popup = PrepareDockMenu(loaded.menu, DockMenuStateFor(false, true), false, settings_);
    ASSERT_NE(popup, nullptr);
    EXPECT_EQ(EntryText(popup, IDM_TRAY_NEW), "Add");
    HMENU add = GetSubMenu(popup, IDM_TRAY_NEW);
    ASSERT_NE(add, nullptr) << "Add keeps its sub-menu";
    EXPECT_FALSE(Greyed(popup, IDM_TRAY_NEW, MF_BYPOSITION));
    EXPECT_FALSE(Greyed(add, ID_NEW_SHORTCUT)) << "the dock offers the shortcut icon";
    EXPECT_FALSE(Greyed(add, ID_NEW_NOTE));
    EXPECT_EQ(GetMenuItemID(popup, 1), static_cast<UINT>(ID_DOCK_ICON_EDIT));
    EXPECT_EQ(EntryText(popup, 1), "Edit Icon...");
    EXPECT_EQ(GetMenuItemID(popup, 2), static_cast<UINT>(ID_DOCK_ICON_REMOVE));
    EXPECT_EQ(GetMenuItemID(popup, 4), static_cast<UINT>(ID_DOCK_LOCK));
    EXPECT_TRUE(GetMenuState(popup, 5, MF_BYPOSITION) & MF_SEPARATOR);
    EXPECT_EQ(GetMenuItemID(popup, 6), static_cast<UINT>(ID_OPEN_TRASH)) << "then the tray menu";
    EXPECT_FALSE(Greyed(popup, ID_DOCK_ICON_EDIT));
    EXPECT_FALSE(Greyed(popup, ID_DOCK_ICON_REMOVE));
    EXPECT_FALSE(GetMenuState(popup, ID_DOCK_LOCK, MF_BYCOMMAND) & MF_CHECKED);
    EXPECT_TRUE(Greyed(popup, ID_WINDOWS_CLOSE)) << "no window bar";
    EXPECT_FALSE(Greyed(popup, ID_APP_EXIT));
}

TEST_F(DockWindowTest, ContextMenuOfALockedDockOrWithoutAnIconChangesNoIcon) {
    {
        LoadedMenu loaded;
        HMENU popup = PrepareDockMenu(loaded.menu, DockMenuStateFor(false, false), false, settings_);
        ASSERT_NE(popup, nullptr);
        EXPECT_TRUE(Greyed(popup, ID_DOCK_ICON_EDIT));
        EXPECT_TRUE(Greyed(popup, ID_DOCK_ICON_REMOVE));
        EXPECT_FALSE(Greyed(popup, IDM_TRAY_NEW, MF_BYPOSITION));
    }
    LoadedMenu loaded;
    HMENU popup = PrepareDockMenu(loaded.menu, DockMenuStateFor(true, true), false, settings_);
    ASSERT_NE(popup, nullptr);
    EXPECT_TRUE(Greyed(popup, IDM_TRAY_NEW, MF_BYPOSITION)) << "Add";
    EXPECT_TRUE(Greyed(GetSubMenu(popup, IDM_TRAY_NEW), ID_NEW_SHORTCUT));
    EXPECT_TRUE(Greyed(popup, ID_DOCK_ICON_EDIT));
    EXPECT_TRUE(Greyed(popup, ID_DOCK_ICON_REMOVE));
    EXPECT_TRUE(GetMenuState(popup, ID_DOCK_LOCK, MF_BYCOMMAND) & MF_CHECKED);
    EXPECT_FALSE(Greyed(popup, ID_DOCK_LOCK)) << "the lock can always be undone";
}

} // namespace
} // namespace vimo
