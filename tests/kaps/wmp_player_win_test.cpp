// The media player control in our own host: it plays a sound file and reports its play states,
// stops, survives a file it cannot play, and a folder gives only its own files.
#include <gtest/gtest.h>

#include <windows.h>

#include <fstream>
#include <vector>

#include "kaps/media/wmp_player_win.h"
#include "support/wav_file.h"

namespace vimo {
namespace {

class PlayerWindow {
public:
    PlayerWindow() {
        hwnd_ = CreateWindowExA(0, "STATIC", "player test", WS_POPUP | WS_VISIBLE, 10, 10, 240, 60, nullptr, nullptr,
                                GetModuleHandleA(nullptr), nullptr);
    }
    ~PlayerWindow() { DestroyWindow(hwnd_); }
    HWND Get() const { return hwnd_; }

private:
    HWND hwnd_;
};

// Runs this thread's messages until pred holds or the time is up.
template <typename Pred> bool PumpUntil(Pred pred, DWORD timeoutMs) {
    const ULONGLONG end = GetTickCount64() + timeoutMs;
    while (!pred()) {
        if (GetTickCount64() > end) return false;
        MsgWaitForMultipleObjects(0, nullptr, FALSE, 50, QS_ALLINPUT);
        MSG msg;
        while (PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) {
            TranslateMessage(&msg);
            DispatchMessageA(&msg);
        }
    }
    return true;
}

std::string ScratchFolder(const char* name) {
    char temp[MAX_PATH] = {};
    GetTempPathA(MAX_PATH, temp);
    const std::string folder = std::string(temp) + name + "\\";
    CreateDirectoryA(folder.c_str(), nullptr);
    return folder;
}

void WriteFile(const std::string& path, const std::string& bytes) { std::ofstream(path, std::ios::binary) << bytes; }

TEST(WmpPlayer, PlaysASoundFileReportsItsStatesStopsAndSurvivesAFileItCannotPlay) {
    ASSERT_TRUE(SUCCEEDED(OleInitialize(nullptr)));
    {
        const std::string folder = ScratchFolder("vimo-wmp-player");
        WriteFile(folder + "tone.wav", testsupport::WavBytes(20));
        WriteFile(folder + "notes.txt", "not a sound\n");
        PlayerWindow window;
        std::vector<long> states;
        std::unique_ptr<WmpPlayer> player =
            WmpPlayer::Create(window.Get(), RECT{0, 0, 240, 60}, [&](long state) { states.push_back(state); });
        ASSERT_NE(player, nullptr);
        ASSERT_TRUE(player->PutUrl(folder + "tone.wav"));
        ASSERT_TRUE(player->Play());
        EXPECT_TRUE(PumpUntil([&] { return !states.empty() && states.back() == WmpPlayer::kPlaying; }, 15000));
        std::string name, duration;
        EXPECT_TRUE(player->CurrentItem(name, duration));
        EXPECT_EQ(name, "tone");
        ASSERT_TRUE(player->Stop());
        EXPECT_TRUE(PumpUntil([&] { return states.back() == WmpPlayer::kStopped; }, 10000));

        // A file that is no sound: the play fails, and the player takes no second one.
        player->PutUrl(folder + "notes.txt");
        EXPECT_FALSE(player->Play());
        EXPECT_TRUE(player->PlayRefused());
        EXPECT_FALSE(player->Play());
    }
    OleUninitialize();
}

TEST(WmpPlayer, AFolderGivesOnlyItsOwnFiles) {
    const std::string folder = ScratchFolder("vimo-wmp-folder");
    WriteFile(folder + "a.wav", "x");
    WriteFile(folder + "b.mp3", "x");
    CreateDirectoryA((folder + "inner").c_str(), nullptr);
    WriteFile(folder + "inner\\c.wav", "x");
    std::vector<std::string> files = FolderFiles(folder);
    std::sort(files.begin(), files.end());
    EXPECT_EQ(files, (std::vector<std::string>{folder + "a.wav", folder + "b.mp3"}));
}

} // namespace
} // namespace vimo
