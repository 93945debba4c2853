// The behaviour every kap window shares, on a minimal kap type under Wine.
#include <gtest/gtest.h>

#include <windows.h>
#include <shlobj.h>

#include <fstream>
#include <thread>

#include "base/messages.h"
#include "base/profile_store_win.h"
#include "support/shortcut_file_win.h"
#include "kapframe/settings.h"
#include "kapframe/base64.h"
#include "kapframe/document_file_win.h"
#include "kapframe/drop_data_win.h"
#include "layer/layer_test_support_win.h"
#include "kapframe/kap_window_win.h"
#include "kapframe/fake_kap_host_win.h"

namespace vimo {
namespace {

using layertest::PumpUntil;

using namespace droptest;

// A kap with nothing of its own but a payload line and a lock counter.
class TestKap : public CKapWindow {
public:
    using CKapWindow::CKapWindow;
    std::string payload = "payload";
    int lockChanges = 0;
    std::string dropped;
    unsigned accept = KapDropTarget::kFiles | KapDropTarget::kText;

protected:
    void ReadPayload(DocumentReader& reader) override { payload = reader.NextString(); }
    void WritePayload(DocumentWriter& writer) const override { writer.Line(payload); }
    void OnLockChanged() override { ++lockChanges; }
    unsigned DropAccept() const override { return accept; }
    void OnDrop(const std::string& text) override { dropped = text; }
};

// The same kap with the corner grip.
class ResizableKap : public TestKap {
public:
    using TestKap::TestKap;

protected:
    bool Resizable() const override { return true; }
};

class KapWindowTest : public ::testing::Test {
protected:
    void SetUp() override {
        OleInitialize(nullptr);
        char base[MAX_PATH] = {};
        GetTempPathA(MAX_PATH, base);
        dir_ = std::string(base) + "vimo-kap-" + std::to_string(GetCurrentProcessId()) + "-" +
               ::testing::UnitTest::GetInstance()->current_test_info()->name();
        CreateDirectoryA(dir_.c_str(), nullptr);
        WinProfileStore store;
        settings_.Load(store, dir_);
    }
    void TearDown() override { OleUninitialize(); }
    std::unique_ptr<TestKap> Make(const std::string& path = "") {
        auto kap = MakeWholeDialog<TestKap>(host_, KapType::Calc, settings_, path);
        EXPECT_TRUE(kap->CreateKap());
        ShowWindow(kap->Hwnd(), SW_SHOWNOACTIVATE);
        return kap;
    }
    std::string dir_;
    Settings settings_;
    kaptest::FakeKapHost host_;
};

RECT WindowRect(HWND hwnd) {
    RECT r = {};
    GetWindowRect(hwnd, &r);
    return r;
}

TEST_F(KapWindowTest, ADocumentIsWrittenOnlyWhenItsTextChangedOrItsFileIsGone) {
    auto kap = Make();
    ASSERT_TRUE(kap->SaveDocument());
    const std::string path = kap->DocumentPath();
    auto stamp = [&] {
        WIN32_FILE_ATTRIBUTE_DATA data = {};
        GetFileAttributesExA(path.c_str(), GetFileExInfoStandard, &data);
        return std::string(reinterpret_cast<const char*>(&data.ftLastWriteTime), sizeof(FILETIME)) +
               std::to_string(data.nFileSizeLow);
    };
    // A marker no write of the kap would leave: the file's time set far back.
    {
        HANDLE file =
            CreateFileA(path.c_str(), FILE_WRITE_ATTRIBUTES, FILE_SHARE_READ, nullptr, OPEN_EXISTING, 0, nullptr);
        FILETIME old = {1, 0};
        SetFileTime(file, nullptr, nullptr, &old);
        CloseHandle(file);
    }
    const std::string untouched = stamp();
    ASSERT_TRUE(kap->SaveDocument());
    EXPECT_EQ(stamp(), untouched) << "nothing changed: nothing written";
    kap->payload = "changed";
    ASSERT_TRUE(kap->SaveDocument());
    EXPECT_NE(stamp(), untouched);
    ASSERT_TRUE(DeleteFileA(path.c_str()));
    ASSERT_TRUE(kap->SaveDocument());
    EXPECT_NE(GetFileAttributesA(path.c_str()), INVALID_FILE_ATTRIBUTES) << "a document gone is written again";
}

TEST_F(KapWindowTest, NewKapTakesTheCreatePositionAndSkinSizeAndRoundTripsItsDocument) {
    auto kap = Make();
    EXPECT_TRUE(IsValidKapName(kap->KapName()));
    const RECT r = WindowRect(kap->Hwnd());
    EXPECT_EQ(r.left, 30);
    EXPECT_EQ(r.top, 30);
    EXPECT_EQ(r.right - r.left, settings_.skins.Skin(SkinType::Calc).Int("IconWidth"));
    EXPECT_TRUE(GetWindowLongA(kap->Hwnd(), GWL_EXSTYLE) & WS_EX_LAYERED);
    EXPECT_TRUE(GetWindowLongA(kap->Hwnd(), GWL_EXSTYLE) & WS_EX_TOOLWINDOW);

    SetWindowPos(kap->Hwnd(), nullptr, 200, 150, 0, 0, SWP_NOSIZE | SWP_NOZORDER);
    kap->payload = "line six";
    kap->SetLocked(true);
    kap->SaveDocument();
    const std::string path = kap->DocumentPath();
    const std::string name = kap->KapName();
    kap.reset();

    std::string text;
    ASSERT_EQ(ReadDocument(path, text), DocumentRead::Ok);
    EXPECT_EQ(text.substr(0, 17), "A" + name + "LN");
    auto again = Make(path);
    EXPECT_EQ(again->KapName(), name);
    EXPECT_TRUE(again->Locked());
    EXPECT_EQ(again->payload, "line six");
    EXPECT_EQ(WindowRect(again->Hwnd()).left, 200);
    EXPECT_EQ(WindowRect(again->Hwnd()).top, 150);
}

TEST_F(KapWindowTest, UnusableDocumentBecomesANewKapAndIsKeptAside) {
    CreateDirectoryA((dir_ + "\\Notes").c_str(), nullptr);
    const std::string path = dir_ + "\\Notes\\20200101000000.VIMOCALC";
    std::ofstream(path, std::ios::binary) << EncodeDocumentBase64("garbage\n1\n2");
    auto kap = Make(path);
    EXPECT_NE(kap->KapName(), "20200101000000");
    EXPECT_EQ(kap->payload, "payload");
    EXPECT_NE(GetFileAttributesA((path + ".bad").c_str()), INVALID_FILE_ATTRIBUTES);
}

TEST_F(KapWindowTest, LockAndTopMostCommandsFollowTheirTransitions) {
    auto kap = Make();
    const KapTypeInfo& info = InfoOf(KapType::Calc);
    const int changesBefore = kap->lockChanges;
    SendMessageA(kap->Hwnd(), WM_COMMAND, info.lockCommand, 0);
    EXPECT_TRUE(kap->Locked());
    EXPECT_TRUE(kap->Dirty());
    EXPECT_EQ(kap->lockChanges, changesBefore + 1);

    kap->SendToDesktop();
    EXPECT_FALSE(kap->IsRaised());
    SendMessageA(kap->Hwnd(), WM_COMMAND, info.topMostCommand, 0);
    EXPECT_TRUE(kap->TopMost());
    EXPECT_TRUE(kap->IsRaised()) << "top-most implies raised";
    EXPECT_TRUE(GetWindowLongA(kap->Hwnd(), GWL_EXSTYLE) & WS_EX_TOPMOST);
    kap->SendToDesktop();
    EXPECT_TRUE(kap->IsRaised()) << "a top-most kap is not sent to the desktop";
    SendMessageA(kap->Hwnd(), WM_COMMAND, info.topMostCommand, 0);
    EXPECT_FALSE(kap->TopMost());
    EXPECT_FALSE(GetWindowLongA(kap->Hwnd(), GWL_EXSTYLE) & WS_EX_TOPMOST);
    EXPECT_TRUE(kap->IsRaised());
    SendMessageA(kap->Hwnd(), WM_LBUTTONDBLCLK, 0, MAKELPARAM(5, 5));
    EXPECT_FALSE(kap->IsRaised()) << "a double click afterwards sends it to the desktop";
    SendMessageA(kap->Hwnd(), WM_LBUTTONDBLCLK, 0, MAKELPARAM(5, 5));
    EXPECT_TRUE(kap->IsRaised());
}

TEST_F(KapWindowTest, MovesSnapToTheScreenEdges) {
    auto kap = Make();
    const RECT before = WindowRect(kap->Hwnd());
    const int w = before.right - before.left, h = before.bottom - before.top;
    SetWindowPos(kap->Hwnd(), nullptr, 12, -9, 0, 0, SWP_NOSIZE | SWP_NOZORDER);
    EXPECT_EQ(WindowRect(kap->Hwnd()).left, 0);
    EXPECT_EQ(WindowRect(kap->Hwnd()).top, 0);
    const int screenW = GetSystemMetrics(SM_CXSCREEN);
    SetWindowPos(kap->Hwnd(), nullptr, screenW - w + 14, 300, 0, 0, SWP_NOSIZE | SWP_NOZORDER);
    EXPECT_EQ(WindowRect(kap->Hwnd()).right, screenW);
    SetWindowPos(kap->Hwnd(), nullptr, 300, 300, 0, 0, SWP_NOSIZE | SWP_NOZORDER);
    EXPECT_EQ(WindowRect(kap->Hwnd()).left, 300);
    HWND taskbar = FindWindowA("Shell_TrayWnd", nullptr);
    if (taskbar && IsWindowVisible(taskbar)) {
        const RECT bar = WindowRect(taskbar);
        SetWindowPos(kap->Hwnd(), nullptr, 300, bar.top - h + 10, 0, 0, SWP_NOSIZE | SWP_NOZORDER);
        EXPECT_EQ(WindowRect(kap->Hwnd()).bottom, bar.top) << "the bottom edge is the task bar's top";
    }
}

TEST_F(KapWindowTest, ACornerPressOfAResizableKapHoldsTheGripUntilTheButtonIsUp) {
    std::unique_ptr<ResizableKap> kap = MakeWholeDialog<ResizableKap>(host_, KapType::Calc, settings_, "");
    ASSERT_TRUE(kap->CreateKap());
    const KapRect before = kap->Rect();
    const LPARAM corner = MAKELPARAM(before.width - 5, before.height - 5);
    kap->SetLocked(true);
    SendMessageA(kap->Hwnd(), WM_LBUTTONDOWN, MK_LBUTTON, corner);
    EXPECT_FALSE(host_.resizing) << "a locked kap has no grip";

    kap->SetLocked(false);
    SendMessageA(kap->Hwnd(), WM_LBUTTONDOWN, MK_LBUTTON, corner);
    EXPECT_TRUE(host_.resizing);
    EXPECT_EQ(GetCapture(), kap->Hwnd());
    // No button is held down: the release's step ends the drag.
    SendMessageA(kap->Hwnd(), WM_LBUTTONUP, 0, corner);
    EXPECT_FALSE(host_.resizing);
    EXPECT_NE(GetCapture(), kap->Hwnd());
    EXPECT_EQ(kap->Rect().width, before.width);
}

// Answers the next message box of this process with that caption.
std::thread AnswerBox(const char* caption, int answer) {
    return std::thread([caption, answer] {
        HWND box = nullptr;
        for (int i = 0; i < 500 && !box; ++i) {
            box = FindWindowA("#32770", caption);
            if (!box) Sleep(10);
        }
        if (box) PostMessageA(box, WM_COMMAND, answer, 0);
    });
}
std::thread AnswerDeleteBox(int answer) { return AnswerBox("Delete KAP", answer); }

TEST_F(KapWindowTest, DeleteAsksThenMovesTheDocumentAndTellsTheOwner) {
    auto kap = Make();
    kap->SaveDocument();
    const std::string path = kap->DocumentPath();
    const KapTypeInfo& info = InfoOf(KapType::Calc);

    std::thread no = AnswerDeleteBox(IDNO);
    SendMessageA(kap->Hwnd(), WM_COMMAND, info.deleteCommand, 0);
    no.join();
    EXPECT_NE(GetFileAttributesA(path.c_str()), INVALID_FILE_ATTRIBUTES) << "No leaves the document";
    MSG msg;
    EXPECT_FALSE(PeekMessageA(&msg, host_.HostWindow(), info.deletedMessage, info.deletedMessage, PM_NOREMOVE));

    std::thread yes = AnswerDeleteBox(IDYES);
    SendMessageA(kap->Hwnd(), WM_COMMAND, info.deleteCommand, 0);
    yes.join();
    EXPECT_EQ(GetFileAttributesA(path.c_str()), INVALID_FILE_ATTRIBUTES);
    EXPECT_NE(GetFileAttributesA((dir_ + "\\Deleted\\" + kap->KapName() + ".VIMOCALC").c_str()),
              INVALID_FILE_ATTRIBUTES);
    ASSERT_TRUE(PeekMessageA(&msg, host_.HostWindow(), info.deletedMessage, info.deletedMessage, PM_REMOVE));
    EXPECT_EQ(msg.wParam, reinterpret_cast<WPARAM>(static_cast<Kap*>(kap.get())));
}

TEST_F(KapWindowTest, AKapStoredOffEveryScreenComesBackOntoOneAndTheNewPlaceIsSaved) {
    CreateDirectoryA((dir_ + "\\NOTES").c_str(), nullptr);
    const std::string path = dir_ + "\\NOTES\\20200101000001.VIMOCALC";
    DocumentWriter writer(KapHeader{"20200101000001", false, "", false, ""});
    writer.Int(50000).Int(-40000).Int(2147483647).Int(-5).Line("payload");
    std::ofstream(path, std::ios::binary) << EncodeDocumentBase64(writer.Text());
    auto kap = Make(path);
    const RECT r = WindowRect(kap->Hwnd());
    RECT work = {};
    SystemParametersInfoA(SPI_GETWORKAREA, 0, &work, 0);
    EXPECT_GE(r.left, work.left);
    EXPECT_LE(r.right, work.right);
    EXPECT_GE(r.top, work.top);
    EXPECT_LE(r.bottom, work.bottom);
    EXPECT_TRUE(kap->Dirty()) << "the corrected place is saved";
    SendMessageA(kap->Hwnd(), WM_TIMER, CKapWindow::kSaveTimer, 0);
    std::string text;
    ASSERT_EQ(ReadDocument(path, text), DocumentRead::Ok);
    EXPECT_EQ(text.find("50000"), std::string::npos) << text;
}

TEST_F(KapWindowTest, AKapWhoseDocumentCannotGoToTheDeletedStoreStays) {
    auto kap = Make();
    std::ofstream(dir_ + "\\Deleted") << "a file where the folder would be";
    const KapTypeInfo& info = InfoOf(KapType::Calc);
    std::thread yes = AnswerDeleteBox(IDYES);
    std::thread told = AnswerBox("KAP not deleted", IDOK);
    SendMessageA(kap->Hwnd(), WM_COMMAND, info.deleteCommand, 0);
    yes.join();
    told.join();
    EXPECT_NE(GetFileAttributesA(kap->DocumentPath().c_str()), INVALID_FILE_ATTRIBUTES);
    MSG msg;
    EXPECT_FALSE(PeekMessageA(&msg, host_.HostWindow(), info.deletedMessage, info.deletedMessage, PM_NOREMOVE))
        << "the program must not free a kap whose document is still where it was";
}

TEST_F(KapWindowTest, AFailedSaveLeavesTheKapUnsavedAndTheNextTickWritesIt) {
    auto kap = Make();
    // Documents are written through the TEMP folder: a file in its place makes every write fail.
    RemoveDirectoryA((dir_ + "\\TEMP").c_str());
    std::ofstream(dir_ + "\\TEMP") << "in the way";
    kap->payload = "changed";
    SendMessageA(kap->Hwnd(), WM_COMMAND, InfoOf(KapType::Calc).lockCommand, 0); // a change: dirty
    SendMessageA(kap->Hwnd(), WM_TIMER, CKapWindow::kSaveTimer, 0);
    EXPECT_TRUE(kap->Dirty()) << "nothing reached the disk";
    EXPECT_FALSE(kap->SaveDocument());
    DeleteFileA((dir_ + "\\TEMP").c_str());
    SendMessageA(kap->Hwnd(), WM_TIMER, CKapWindow::kSaveTimer, 0);
    EXPECT_FALSE(kap->Dirty());
    std::string text;
    ASSERT_EQ(ReadDocument(kap->DocumentPath(), text), DocumentRead::Ok);
    EXPECT_NE(text.find("changed"), std::string::npos) << text;
}

TEST_F(KapWindowTest, DropTargetTakesOneFileOrTextAsAllowed) {
    auto kap = Make();
    const std::string file = dir_ + "\\dropped.txt";
    std::ofstream(file) << "x";

    OneFormatData two(CF_HDROP, FileList({file, file}));
    EXPECT_EQ(DropOn(kap->Hwnd(), &two), static_cast<DWORD>(DROPEFFECT_NONE)) << "two files are refused";
    OneFormatData directory(CF_HDROP, FileList({dir_}));
    EXPECT_EQ(DropOn(kap->Hwnd(), &directory), static_cast<DWORD>(DROPEFFECT_NONE));
    PumpUntil([] { return false; }, 100);
    EXPECT_EQ(kap->dropped, "");

    OneFormatData one(CF_HDROP, FileList({file}));
    EXPECT_EQ(DropOn(kap->Hwnd(), &one), static_cast<DWORD>(DROPEFFECT_COPY));
    EXPECT_TRUE(PumpUntil([&] { return !kap->dropped.empty(); }, 2000));
    EXPECT_EQ(kap->dropped, file);

    OneFormatData text(CF_TEXT, Text("hello drop"));
    EXPECT_EQ(DropOn(kap->Hwnd(), &text), static_cast<DWORD>(DROPEFFECT_COPY));
    EXPECT_TRUE(PumpUntil([&] { return kap->dropped == "hello drop"; }, 2000));
}

TEST_F(KapWindowTest, DroppedShortcutGivesItsTarget) {
    auto kap = Make();
    const std::string link = dir_ + "\\Editor.lnk";
    ASSERT_TRUE(testsupport::WriteShortcut(link, "C:\\windows\\notepad.exe"));
    OneFormatData one(CF_HDROP, FileList({link}));
    DropOn(kap->Hwnd(), &one);
    EXPECT_TRUE(PumpUntil([&] { return !kap->dropped.empty(); }, 2000));
    EXPECT_STRCASEEQ(kap->dropped.c_str(), "C:\\windows\\notepad.exe");
}

} // namespace
} // namespace vimo
