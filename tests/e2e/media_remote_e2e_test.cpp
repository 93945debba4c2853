// The media player remote as a user meets it: one from the tray (a second command makes none), a
// dropped sound file plays and its stop button stops it, a dropped folder is kept with its "\" and
// plays its own files, a file that is no sound leaves the kap usable, and Exit ends a playing
// remote cleanly.
#include <gtest/gtest.h>

#include <oleidl.h>

#include <fstream>
#include <string>

#include "base/resource.h"
#include "e2e/driver/vimo_driver.h"
#include "support/wav_file.h"

namespace vimo::e2e {
namespace {

void WriteBytes(const std::string& path, const std::string& bytes) { std::ofstream(path, std::ios::binary) << bytes; }

// The default skin's stop button: 32 x 32 at (136, 66).
void ClickStop(HWND kap) {
    const RECT r = WindowRectOf(kap);
    ClickAt(r.left + 152, r.top + 82);
}

TEST(MediaRemote, PlaysDroppedFilesAndFoldersStopsSurvivesANonSoundAndExitsWhilePlaying) {
    ProgramDir dir = KapsOnlyDir("media-remote");
    const std::string media = dir.File("Media");
    CreateDirectoryA(media.c_str(), nullptr);
    CreateDirectoryA((media + "\\Album").c_str(), nullptr);
    CreateDirectoryA((media + "\\Album\\Inner").c_str(), nullptr);
    WriteBytes(media + "\\tone.wav", testsupport::WavBytes(30));
    WriteBytes(media + "\\Album\\first.wav", testsupport::WavBytes(30));
    WriteBytes(media + "\\Album\\Inner\\deeper.wav", testsupport::WavBytes(30));
    WriteBytes(media + "\\notes.txt", "not a sound\n");

    VimoProcess app;
    ASSERT_TRUE(app.Start(dir));
    ASSERT_NE(app.WaitController(), nullptr);
    app.Command(ID_NEW_REMOTEWMP);
    HWND kap = app.WaitNewKap();
    ASSERT_NE(kap, nullptr);
    app.Command(ID_NEW_REMOTEWMP);
    // The controller has handled the second command once it answers a message sent after it.
    SendMessageTimeoutA(app.Controller(), WM_NULL, 0, 0, SMTO_BLOCK, 5000, nullptr);
    EXPECT_EQ(app.Kaps().size(), 1u) << "at most one media player remote";
    EXPECT_EQ(WindowTextOf(kap), "\n00:00:00\nPlay\n");

    const RECT r = WindowRectOf(kap);
    auto drop = [&](const std::string& path) {
        EXPECT_NE(DragFileOnto(path, 700, 500, r.left + 60, r.top + 40), static_cast<DWORD>(DROPEFFECT_NONE));
    };
    drop(media + "\\tone.wav");
    EXPECT_TRUE(WaitFor(
        [&] {
            return WindowTextOf(kap).rfind("tone", 0) == 0 && WindowTextOf(kap).find("\nPause\n") != std::string::npos;
        },
        15000))
        << WindowTextOf(kap);
    // The display follows the playing position every second.
    EXPECT_TRUE(WaitFor(
        [&] {
            return WindowTextOf(kap).find("\n00:00:0") != std::string::npos &&
                   WindowTextOf(kap).find("\n00:00:00\n") == std::string::npos;
        },
        5000))
        << WindowTextOf(kap);
    Screenshot("media-remote-playing");
    ClickStop(kap);
    EXPECT_TRUE(WaitFor([&] { return WindowTextOf(kap).find("\nPlay\n") != std::string::npos; }, 10000))
        << WindowTextOf(kap);

    // A file that is no sound changes nothing the user can see, and the next file plays.
    drop(media + "\\notes.txt");
    EXPECT_TRUE(WaitFor([&] { return WindowTextOf(kap).find("\nPlay\n") != std::string::npos; }, 5000));
    drop(media + "\\Album");
    EXPECT_TRUE(WaitFor(
        [&] {
            return WindowTextOf(kap).rfind("first", 0) == 0 && WindowTextOf(kap).find("\nPause\n") != std::string::npos;
        },
        15000))
        << "a folder plays its own files: " << WindowTextOf(kap);

    ASSERT_TRUE(app.Exit()) << "a playing remote ends with the program";
    const std::string document = ReadOnlyDocument(dir, "Notes\\*.VIMOREMOTEWMP");
    EXPECT_NE(document.find("\n" + media + "\\Album\\"), std::string::npos) << document;
}

} // namespace
} // namespace vimo::e2e
