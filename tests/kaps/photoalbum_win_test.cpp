// The photo album kap under Wine: its folder, slide order, pause, interval, zoom, the folder
// browser, drops, its document and pictures that do not decode.
#include <gtest/gtest.h>

#include <windows.h>

#include <commctrl.h>
#include <shlobj.h>

#include <fstream>
#include <thread>

#include "base/profile_store_win.h"
#include "base/resource.h"
#include "kapframe/settings.h"
#include "kapframe/base64.h"
#include "kapframe/document_file_win.h"
#include "kaps/desk/photoalbum/picture_item_win.h"
#include "kaps/desk/photoalbum/vimo_photoalbum_win.h"
#include "kapframe/drop_data_win.h"
#include "layer/layer_test_support_win.h"
#include "kaps/photoalbum_pictures_win.h"
#include "layer/gdiplus_raii_win.h"
#include "layer/layer_host_win.h"
#include "kapframe/fake_kap_host_win.h"

namespace vimo {
namespace {

using layertest::PumpUntil;

using namespace droptest;

using albumtest::PictureFormat;
using albumtest::WritePicture;

// The album with its layer host in reach, to read the pixels it shows.
class TestAlbum : public CVimoPhotoAlbum {
public:
    using CKapWindow::Layer;
    using CVimoPhotoAlbum::CVimoPhotoAlbum;
};

constexpr std::uint32_t kRed = 0xE02020, kGreen = 0x20C040, kBlue = 0x2040E0, kYellow = 0xE0D020;

bool Near(std::uint32_t pixel, std::uint32_t rgb, int tolerance = 8) {
    for (int shift : {0, 8, 16}) {
        const int a = static_cast<int>((pixel >> shift) & 0xFF), b = static_cast<int>((rgb >> shift) & 0xFF);
        if (a - b > tolerance || b - a > tolerance) return false;
    }
    return (pixel >> 24) == 0xFF;
}

class PhotoAlbumTest : public ::testing::Test {
protected:
    void SetUp() override {
        OleInitialize(nullptr);
        char base[MAX_PATH] = {};
        GetTempPathA(MAX_PATH, base);
        dir_ = std::string(base) + "vimo-album-" + std::to_string(GetCurrentProcessId()) + "-" +
               ::testing::UnitTest::GetInstance()->current_test_info()->name();
        albumtest::RemoveTree(dir_);
        CreateDirectoryA(dir_.c_str(), nullptr);
        WinProfileStore store;
        settings_.Load(store, dir_);
        const SkinRecord& skin = settings_.skins.Skin(SkinType::PhotoAlbum);
        box_ = LayerRect{skin.Int("ImageMarginLeft"), skin.Int("ImageMarginTop"),
                         skin.Int("IconWidth") - skin.Int("ImageMarginLeft") - skin.Int("ImageMarginRight"),
                         skin.Int("IconHeight") - skin.Int("ImageMarginTop") - skin.Int("ImageMarginBottom")};
    }
    void TearDown() override {
        OleUninitialize();
        albumtest::RemoveTree(dir_);
    }

    std::unique_ptr<TestAlbum> Make(const std::string& path = "") {
        auto album = MakeWholeDialog<TestAlbum>(host_, settings_, path);
        EXPECT_TRUE(album->CreateKap());
        ShowWindow(album->Hwnd(), SW_SHOWNOACTIVATE);
        return album;
    }
    // A document for an album of the design size showing folder.
    std::string WriteDocument(const std::string& folder, int zoom = 100, int interval = 5, int width = 0,
                              int height = 0) {
        const std::string name = "20240301101010";
        CreateDirectoryA((dir_ + "\\Notes").c_str(), nullptr);
        const std::string path = dir_ + "\\Notes\\" + name + ".VIMOPHOTOALBUM";
        DocumentWriter writer(KapHeader{name, false, "", false, ""});
        writer.Int(40).Int(40).Int(width ? width : box_.width + 20).Int(height ? height : box_.height + 20);
        writer.Int(interval).Int(zoom).Line(folder);
        std::ofstream(path, std::ios::binary) << EncodeDocumentBase64(writer.Text());
        return path;
    }
    // A folder of pictures the size of the picture box (so that 100 % fills it exactly).
    std::string MakeFolder(const std::string& name) {
        const std::string folder = dir_ + "\\" + name;
        CreateDirectoryA(folder.c_str(), nullptr);
        return folder;
    }
    bool Picture(const std::string& path, PictureFormat format, std::uint32_t inner) {
        return WritePicture(path, format, box_.width, box_.height, inner);
    }
    std::uint32_t CentrePixel(TestAlbum& album) const {
        return album.Layer()->PixelAt(box_.x + box_.width / 2, box_.y + box_.height / 2);
    }
    // A pixel 8 pixels inside the picture box's top-left corner: the frame at 100 %.
    std::uint32_t CornerPixel(TestAlbum& album) const { return album.Layer()->PixelAt(box_.x + 8, box_.y + 8); }
    // Pictures arrive from the loader's thread: handles messages until the picture is there.
    bool ShowsColour(TestAlbum& album, std::uint32_t colour) const {
        return PumpUntil([&] { return Near(CentrePixel(album), colour); }, 10000);
    }
    static bool ShowsNothing(TestAlbum& album) {
        return PumpUntil([&] { return !album.PictureShown(); }, 10000);
    }
    static void Next(TestAlbum& album) { SendMessageA(album.Hwnd(), WM_TIMER, CVimoPhotoAlbum::kSlideTimer, 0); }
    static void Command(TestAlbum& album, UINT id) { SendMessageA(album.Hwnd(), WM_COMMAND, id, 0); }
    // Whether the slide timer runs (probing stops it).
    static bool SlideTimerWasRunning(TestAlbum& album) {
        return KillTimer(album.Hwnd(), CVimoPhotoAlbum::kSlideTimer) != FALSE;
    }

    GdiplusSession gdiplus_;
    std::string dir_;
    Settings settings_;
    kaptest::FakeKapHost host_;
    LayerRect box_;
};

TEST_F(PhotoAlbumTest, ShowsThePicturesOfTheFolderInListingOrderAndWrapsAround) {
    const std::string folder = MakeFolder("pictures");
    ASSERT_TRUE(Picture(folder + "\\a.jpg", PictureFormat::Jpeg, kRed));
    ASSERT_TRUE(Picture(folder + "\\B.GIF", PictureFormat::Gif, kGreen));
    ASSERT_TRUE(Picture(folder + "\\c.Png", PictureFormat::Png, kBlue));
    ASSERT_TRUE(Picture(folder + "\\d.bmp", PictureFormat::Bmp, kYellow));
    std::ofstream(folder + "\\notes.txt") << "not a picture";
    CreateDirectoryA((folder + "\\inside.jpg").c_str(), nullptr);
    ASSERT_TRUE(Picture(folder + "\\inside.jpg\\e.png", PictureFormat::Png, 0x000000));

    auto album = Make(WriteDocument(folder));
    EXPECT_EQ(album->Values().folder, folder + "\\");
    const std::vector<std::string> expected = {folder + "\\a.jpg", folder + "\\B.GIF", folder + "\\c.Png",
                                               folder + "\\d.bmp"};
    ASSERT_EQ(album->Show().Pictures(), expected) << "every letter case is taken, text files and sub-folders are not";
    EXPECT_TRUE(album->Show().Running()) << "a reopened album runs";
    EXPECT_EQ(album->StatusText(), "");
    EXPECT_EQ(album->StatusFontSize(), 16);
    EXPECT_TRUE(ShowsColour(*album, kRed)) << std::hex << CentrePixel(*album);
    for (std::uint32_t colour : {kGreen, kBlue, kYellow, kRed, kGreen}) {
        Next(*album);
        EXPECT_TRUE(ShowsColour(*album, colour)) << std::hex << CentrePixel(*album) << " for " << colour;
    }
    EXPECT_TRUE(SlideTimerWasRunning(*album));
}

TEST_F(PhotoAlbumTest, AFileThatDoesNotDecodeShowsNothingAndTheShowGoesOn) {
    const std::string folder = MakeFolder("broken");
    ASSERT_TRUE(Picture(folder + "\\1.png", PictureFormat::Png, kRed));
    ASSERT_TRUE(albumtest::WriteCorruptPicture(folder + "\\2.jpg"));
    ASSERT_TRUE(albumtest::WriteHugeAnnouncedPng(folder + "\\3.png"));
    ASSERT_TRUE(albumtest::WriteBytes(folder + "\\4.bmp", ""));
    ASSERT_TRUE(Picture(folder + "\\5.gif", PictureFormat::Gif, kBlue));
    auto album = Make(WriteDocument(folder));
    ASSERT_EQ(album->Show().Pictures().size(), 5u);
    EXPECT_TRUE(ShowsColour(*album, kRed));
    for (int i = 0; i < 3; ++i) {
        Next(*album);
        EXPECT_TRUE(ShowsNothing(*album)) << album->Show().Current();
        EXPECT_FALSE(Near(CentrePixel(*album), kRed)) << "the previous picture is gone";
        EXPECT_EQ(album->StatusText(), "");
    }
    Next(*album);
    EXPECT_TRUE(ShowsColour(*album, kBlue));
    EXPECT_TRUE(album->Show().Running());
}

TEST_F(PhotoAlbumTest, FolderWithoutPicturesAndMissingFolderSayWhy) {
    const std::string empty = MakeFolder("text only");
    std::ofstream(empty + "\\readme.txt") << "words";
    auto album = Make(WriteDocument(empty));
    EXPECT_EQ(album->StatusText(), "No Photo");
    EXPECT_EQ(album->StatusFontSize(), 30);
    EXPECT_FALSE(album->PictureShown());
    EXPECT_FALSE(SlideTimerWasRunning(*album));

    auto missing = Make(WriteDocument(dir_ + "\\gone away"));
    EXPECT_EQ(missing->StatusText(), "Invalid Directory");
    EXPECT_EQ(missing->StatusFontSize(), 30);
    EXPECT_EQ(missing->Values().folder, dir_ + "\\gone away\\");

    auto fresh = Make();
    EXPECT_EQ(fresh->Values().folder, "");
    EXPECT_EQ(fresh->StatusText(), "") << "no folder: neither picture nor text";
    EXPECT_EQ(fresh->Values().interval, 5);
    EXPECT_EQ(fresh->Values().zoom, 100);
}

TEST_F(PhotoAlbumTest, WithoutPicturesIntervalAndPauseChangeNothing) {
    auto album = Make(WriteDocument(dir_ + "\\nowhere"));
    Command(*album, ID_PHOTOALBUM_INTERVAL_1M);
    Command(*album, ID_PHOTOALBUM_PAUSE);
    EXPECT_EQ(album->Values().interval, 5);
    EXPECT_FALSE(album->Show().Running());
    EXPECT_FALSE(album->Dirty());
    EXPECT_FALSE(SlideTimerWasRunning(*album));
    Command(*album, ID_PHOTOALBUM_ZOOM_150);
    EXPECT_EQ(album->Values().zoom, 150) << "the zoom is taken even without pictures";
}

TEST_F(PhotoAlbumTest, PauseStopsTheShowAndResumingMovesOnAtOnce) {
    const std::string folder = MakeFolder("three");
    ASSERT_TRUE(Picture(folder + "\\1.png", PictureFormat::Png, kRed));
    ASSERT_TRUE(Picture(folder + "\\2.png", PictureFormat::Png, kGreen));
    ASSERT_TRUE(Picture(folder + "\\3.png", PictureFormat::Png, kBlue));
    auto album = Make(WriteDocument(folder));
    Command(*album, ID_PHOTOALBUM_PAUSE);
    EXPECT_FALSE(album->Show().Running());
    EXPECT_FALSE(SlideTimerWasRunning(*album));
    EXPECT_TRUE(ShowsColour(*album, kRed));

    Command(*album, ID_PHOTOALBUM_INTERVAL_30S);
    EXPECT_EQ(album->Values().interval, 30);
    EXPECT_TRUE(album->Dirty());
    EXPECT_FALSE(album->Show().Running()) << "choosing an interval leaves a paused show paused";
    EXPECT_FALSE(SlideTimerWasRunning(*album));

    Command(*album, ID_PHOTOALBUM_PAUSE);
    EXPECT_TRUE(album->Show().Running());
    EXPECT_TRUE(ShowsColour(*album, kGreen)) << "resuming shows the next picture at once";
    EXPECT_TRUE(SlideTimerWasRunning(*album));
}

TEST_F(PhotoAlbumTest, ZoomScalesThePictureAboutTheCentreOfItsBox) {
    const std::string folder = MakeFolder("zoom");
    ASSERT_TRUE(Picture(folder + "\\framed.png", PictureFormat::Png, kBlue));
    auto album = Make(WriteDocument(folder));
    ASSERT_TRUE(ShowsColour(*album, kBlue));
    const std::uint32_t backgroundCorner = album->Layer()->PixelAt(box_.x - 2, box_.y - 2);
    EXPECT_TRUE(Near(CornerPixel(*album), 0xFFFFFF)) << "100 %: the frame reaches the box's corner";
    Command(*album, ID_PHOTOALBUM_ZOOM_200);
    EXPECT_TRUE(Near(CornerPixel(*album), kBlue)) << "200 %: the frame lies outside the box";
    EXPECT_TRUE(Near(CentrePixel(*album), kBlue));
    EXPECT_EQ(album->Layer()->PixelAt(box_.x - 2, box_.y - 2), backgroundCorner) << "the picture stays in its box";
    Command(*album, ID_PHOTOALBUM_ZOOM_50);
    EXPECT_EQ(CornerPixel(*album), backgroundCorner) << "50 %: the box's corner shows the background";
    EXPECT_TRUE(Near(CentrePixel(*album), kBlue));
    EXPECT_TRUE(Near(album->Layer()->PixelAt(box_.x + box_.width / 4 + 4, box_.y + box_.height / 4 + 4), 0xFFFFFF))
        << "50 %: the frame is a quarter of the box in";
    EXPECT_EQ(album->Values().zoom, 50);
    EXPECT_TRUE(album->Dirty());
}

TEST_F(PhotoAlbumTest, APictureIsDecodedOncePerChangeNotForEveryRedraw) {
    const std::string folder = MakeFolder("once");
    const std::string file = folder + "\\only.png";
    ASSERT_TRUE(Picture(file, PictureFormat::Png, kGreen));
    auto album = Make(WriteDocument(folder));
    ASSERT_TRUE(ShowsColour(*album, kGreen));
    // Without the file, only the kept copy can show the picture from here on.
    ASSERT_TRUE(DeleteFileA(file.c_str()));
    const int rendersBefore = album->PictureItem()->RenderCount();
    album->SetLocked(true);
    album->SetLocked(false);
    album->Layer()->Refresh();
    EXPECT_EQ(album->PictureItem()->RenderCount(), rendersBefore) << "a redraw copies the rendered frame";
    EXPECT_TRUE(Near(CentrePixel(*album), kGreen));
    Command(*album, ID_PHOTOALBUM_ZOOM_150);
    EXPECT_EQ(album->PictureItem()->RenderCount(), rendersBefore + 1);
    EXPECT_TRUE(Near(CentrePixel(*album), kGreen)) << "zooming works from the kept copy";
    Next(*album);
    EXPECT_TRUE(ShowsNothing(*album)) << "the next change reads the file again, which is gone";
}

TEST_F(PhotoAlbumTest, TheDocumentKeepsSizeIntervalZoomAndFolderButNotThePause) {
    const std::string folder = MakeFolder("kept");
    ASSERT_TRUE(Picture(folder + "\\1.png", PictureFormat::Png, kRed));
    ASSERT_TRUE(Picture(folder + "\\2.png", PictureFormat::Png, kGreen));
    auto album = Make(WriteDocument(folder, 100, 5, 420, 330));
    RECT r = {};
    GetWindowRect(album->Hwnd(), &r);
    EXPECT_EQ(r.right - r.left, 420) << "the album takes its size from the document";
    EXPECT_EQ(r.bottom - r.top, 330);
    Command(*album, ID_PHOTOALBUM_ZOOM_150);
    Command(*album, ID_PHOTOALBUM_INTERVAL_5M);
    Command(*album, ID_PHOTOALBUM_PAUSE);
    album->SaveDocument();
    const std::string path = album->DocumentPath();
    album.reset();

    std::string text;
    ASSERT_EQ(ReadDocument(path, text), DocumentRead::Ok);
    DocumentReader reader(text);
    EXPECT_EQ(reader.NextString(), "A20240301101010UN");
    EXPECT_EQ(reader.NextInt(), 40);
    EXPECT_EQ(reader.NextInt(), 40);
    EXPECT_EQ(reader.NextInt(), 420);
    EXPECT_EQ(reader.NextInt(), 330);
    EXPECT_EQ(reader.NextInt(), 300);
    EXPECT_EQ(reader.NextInt(), 150);
    EXPECT_EQ(reader.NextString(), folder + "\\");
    EXPECT_TRUE(reader.AtEnd());

    auto again = Make(path);
    EXPECT_EQ(again->Values().zoom, 150);
    EXPECT_EQ(again->Values().interval, 300);
    EXPECT_TRUE(again->Show().Running()) << "the pause is not kept";
    EXPECT_TRUE(ShowsColour(*again, kRed)) << "a reopened album starts at the first picture";
}

TEST_F(PhotoAlbumTest, ADocumentCannotMakeTheAlbumSmallerThanItsDesign) {
    auto album = Make(WriteDocument("", 100, 5, 20, 10));
    RECT r = {};
    GetWindowRect(album->Hwnd(), &r);
    const SkinRecord& skin = settings_.skins.Skin(SkinType::PhotoAlbum);
    EXPECT_EQ(r.right - r.left, skin.Int("IconWidth"));
    EXPECT_EQ(r.bottom - r.top, skin.Int("IconHeight"));
}

struct DialogSearch {
    HWND kap;
    std::vector<HWND> found;
};

BOOL CALLBACK CollectDialog(HWND hwnd, LPARAM param) {
    auto* s = reinterpret_cast<DialogSearch*>(param);
    char cls[32] = {};
    GetClassNameA(hwnd, cls, sizeof(cls));
    if (hwnd != s->kap && std::string(cls) == "#32770" && IsWindowVisible(hwnd)) s->found.push_back(hwnd);
    return TRUE;
}

// The visible dialogs of a thread other than the kap.
std::vector<HWND> DialogsOf(DWORD thread, HWND kap) {
    DialogSearch search{kap, {}};
    EnumThreadWindows(thread, CollectDialog, reinterpret_cast<LPARAM>(&search));
    return search.found;
}

struct TextSearch {
    std::string text;
    bool found;
};

BOOL CALLBACK MatchChildText(HWND child, LPARAM param) {
    auto* s = reinterpret_cast<TextSearch*>(param);
    char buffer[128] = {};
    GetWindowTextA(child, buffer, sizeof(buffer));
    if (s->text == buffer) s->found = true;
    return TRUE;
}

bool HasChildText(HWND dialog, const std::string& text) {
    TextSearch search{text, false};
    EnumChildWindows(dialog, MatchChildText, reinterpret_cast<LPARAM>(&search));
    return search.found;
}

// The text of the tree item the folder browser has selected.
std::string SelectedName(HWND dialog) {
    HWND tree = FindWindowExA(dialog, nullptr, "SysTreeView32", nullptr);
    if (!tree) return {};
    auto item = reinterpret_cast<HTREEITEM>(SendMessageA(tree, TVM_GETNEXTITEM, TVGN_CARET, 0));
    if (!item) return {};
    char text[MAX_PATH] = {};
    TVITEMA data = {};
    data.mask = TVIF_TEXT;
    data.hItem = item;
    data.pszText = text;
    data.cchTextMax = sizeof(text);
    SendMessageA(tree, TVM_GETITEMA, 0, reinterpret_cast<LPARAM>(&data));
    return text;
}

// Picks a folder in the folder browser titled "Select the folder" that the kap opens on the UI
// thread; without one in 10 s, cancels whatever dialog is open so that the test does not hang.
std::thread PickInFolderBrowser(DWORD uiThread, HWND kap, std::string folder, bool* picked) {
    return std::thread([=] {
        for (int i = 0; i < 1000; ++i) {
            for (HWND dialog : DialogsOf(uiThread, kap))
                if (HasChildText(dialog, "Select the folder")) {
                    // The browser fills its tree after it shows: select until the folder is selected.
                    SendMessageA(dialog, BFFM_SETSELECTIONA, TRUE, reinterpret_cast<LPARAM>(folder.c_str()));
                    if (SelectedName(dialog) == folder.substr(folder.rfind('\\') + 1)) {
                        PostMessageA(dialog, WM_COMMAND, IDOK, 0);
                        *picked = true;
                        return;
                    }
                }
            Sleep(10);
        }
        for (HWND dialog : DialogsOf(uiThread, kap)) PostMessageA(dialog, WM_COMMAND, IDCANCEL, 0);
    });
}

TEST_F(PhotoAlbumTest, FolderBrowserChoosesTheFolder) {
    const std::string folder = MakeFolder("browsed");
    ASSERT_TRUE(Picture(folder + "\\x.bmp", PictureFormat::Bmp, kYellow));
    auto album = Make();
    bool picked = false;
    std::thread watcher = PickInFolderBrowser(GetCurrentThreadId(), album->Hwnd(), folder, &picked);
    Command(*album, ID_PHOTOALBUM_LOAD_FOLDER);
    watcher.join();
    ASSERT_TRUE(picked) << "a folder browser saying \"Select the folder\" was shown";
    EXPECT_STRCASEEQ(album->Values().folder.c_str(), (folder + "\\").c_str());
    EXPECT_TRUE(album->Dirty());
    EXPECT_TRUE(ShowsColour(*album, kYellow));
}

TEST_F(PhotoAlbumTest, ADroppedFolderIsTakenAndAFileIsRefused) {
    const std::string folder = MakeFolder("dropped");
    ASSERT_TRUE(Picture(folder + "\\first.gif", PictureFormat::Gif, kGreen));
    auto album = Make();
    OneFormatData file(CF_HDROP, FileList({folder + "\\first.gif"}));
    EXPECT_EQ(DropOn(album->Hwnd(), &file), static_cast<DWORD>(DROPEFFECT_NONE));
    OneFormatData directory(CF_HDROP, FileList({folder}));
    EXPECT_EQ(DropOn(album->Hwnd(), &directory), static_cast<DWORD>(DROPEFFECT_COPY));
    ASSERT_TRUE(PumpUntil([&] { return !album->Values().folder.empty(); }, 3000));
    EXPECT_STRCASEEQ(album->Values().folder.c_str(), (folder + "\\").c_str());
    EXPECT_TRUE(album->Dirty());
    EXPECT_TRUE(album->Show().Running());
    EXPECT_TRUE(ShowsColour(*album, kGreen));
}

} // namespace
} // namespace vimo
