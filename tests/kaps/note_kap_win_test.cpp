// The note kap's window under Wine: what its lock allows.
#include <gtest/gtest.h>

#include <windows.h>

#include <memory>
#include <string>

#include "base/profile_store_win.h"
#include "base/resource.h"
#include "kapframe/fake_kap_host_win.h"
#include "kapframe/settings.h"
#include "kaps/desk/note/vimo_note_win.h"
#include "layer/gdiplus_raii_win.h"
#include "layer/layer_test_support_win.h"
#include "wnd/menu_handle_win.h"

namespace vimo {
namespace {

class TestNote : public CVimoNote {
public:
    using CVimoNote::CVimoNote;
    using CVimoNote::PrepareContextMenu;
};

std::string EditText(const CVimoNote& note) {
    HWND edit = FindWindowExA(note.Hwnd(), nullptr, "Edit", nullptr);
    char text[256] = {};
    if (edit) GetWindowTextA(edit, text, sizeof(text));
    return text;
}

TEST(NoteKap, ALockedNotesTextCannotBeCleared) {
    GdiplusSession gdiplus;
    char base[MAX_PATH] = {};
    GetTempPathA(MAX_PATH, base);
    const std::string dir = std::string(base) + "vimo-note-lock-" + std::to_string(GetCurrentProcessId());
    CreateDirectoryA(dir.c_str(), nullptr);
    Settings settings;
    WinProfileStore store;
    settings.Load(store, dir);
    kaptest::FakeKapHost host;
    TestNote note(host, settings, "");
    ASSERT_TRUE(note.CreateKap());
    HWND edit = FindWindowExA(note.Hwnd(), nullptr, "Edit", nullptr);
    ASSERT_NE(edit, nullptr);
    SetWindowTextA(edit, "Keep me");
    note.SetLocked(true);

    MenuHandle menu(LoadMenuA(GetModuleHandleA(nullptr), MAKEINTRESOURCEA(IDR_MENU_KAPS)));
    HMENU popup = GetSubMenu(menu.Get(), IDM_POPUP_NOTE);
    ASSERT_NE(popup, nullptr);
    note.PrepareContextMenu(popup);
    EXPECT_TRUE(GetMenuState(popup, ID_NOTE_CLEAR, MF_BYCOMMAND) & MF_GRAYED);
    SendMessageA(note.Hwnd(), WM_COMMAND, ID_NOTE_CLEAR, 0);
    EXPECT_EQ(EditText(note), "Keep me");

    note.SetLocked(false);
    note.PrepareContextMenu(popup);
    EXPECT_FALSE(GetMenuState(popup, ID_NOTE_CLEAR, MF_BYCOMMAND) & MF_GRAYED);
    SendMessageA(note.Hwnd(), WM_COMMAND, ID_NOTE_CLEAR, 0);
    EXPECT_EQ(EditText(note), "");
}

} // namespace
} // namespace vimo
