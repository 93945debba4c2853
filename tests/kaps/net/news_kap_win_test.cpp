// The RSS reader with feeds served on 127.0.0.1: what it shows of a feed, when it rebuilds, its
// three messages, a drop and "Update Now" on an inactive kap, and the wheel's bounds.
#include <gtest/gtest.h>

#include <windows.h>

#include <memory>
#include <thread>
#include <string>

#include "base/profile_store_win.h"
#include "base/resource.h"
#include "wnd/menu_handle_win.h"
#include "e2e/driver/vimo_driver.h"
#include "kapframe/document_file_win.h"
#include "kapframe/fake_kap_host_win.h"
#include "kapframe/settings.h"
#include "kaps/net/news/vimo_news_win.h"
#include "kaps/net/services/connectivity_win.h"
#include "layer/gdiplus_raii_win.h"
#include "layer/layer_test_support_win.h"
#include "support/http_server_win.h"

namespace vimo {
namespace {

using layertest::PumpUntil;

constexpr char kKapName[] = "20261207120000";

class TestNews : public CVimoNews {
public:
    using CVimoNews::CVimoNews;
    using CVimoNews::OnDrop;
    using CVimoNews::PrepareContextMenu;
};

std::string Item(const std::string& title, const std::string& date, const std::string& description) {
    std::string xml = "<item><title>" + title + "</title><link>http://example.org/" + title + "</link>";
    if (!date.empty()) xml += "<pubDate>" + date + "</pubDate>";
    if (!description.empty()) xml += "<description>" + description + "</description>";
    return xml + "</item>";
}

std::string Feed(const std::string& channels) {
    return "<?xml version=\"1.0\"?><rss version=\"2.0\">" + channels + "</rss>";
}

class NewsKapTest : public ::testing::Test {
protected:
    void SetUp() override {
        if (!TestConnectivity().connected) GTEST_SKIP() << "no network interface is up: the kap downloads nothing";
        char temp[MAX_PATH] = {};
        GetTempPathA(MAX_PATH, temp);
        dir_ = std::string(temp) + "vimo-news-" + std::to_string(GetCurrentProcessId()) + "-" +
               ::testing::UnitTest::GetInstance()->current_test_info()->name();
        e2e::RemoveTree(dir_);
        CreateDirectoryA(dir_.c_str(), nullptr);
        WinProfileStore store;
        settings_.Load(store, dir_);
        settings_.skins.Load(store, e2e::WindowsPath(VIMO_PROGRAM_DIR) + "\\Skin\\Default");
    }
    void TearDown() override {
        news_.reset();
        e2e::RemoveTree(dir_);
    }

    TestNews& Open(const std::string& path, bool active) {
        KapHeader header;
        header.kapName = kKapName;
        header.typeLetters = active ? "A" : "I";
        DocumentWriter writer(header);
        writer.Int(60).Int(60).Int(300).Int(340).Int(kNewsInterval5Min).Line(path.empty() ? "" : server_.Url(path));
        const DocumentFile file(dir_, kKapName, "VIMONEWS");
        EXPECT_TRUE(file.Write(writer.Text()));
        news_ = MakeWholeDialog<TestNews>(host_, settings_, file.Path());
        EXPECT_TRUE(news_->CreateKap());
        return *news_;
    }
    // Waits until one more download's result has been shown.
    bool NextRefresh(unsigned& seen) {
        const bool shown = PumpUntil([&] { return news_->Refreshes() > seen; }, 20000);
        seen = news_->Refreshes();
        return shown;
    }

    GdiplusSession gdiplus_;
    testsupport::HttpServer server_;
    kaptest::FakeKapHost host_;
    Settings settings_;
    std::string dir_;
    std::unique_ptr<TestNews> news_;
};

TEST_F(NewsKapTest, ShowsTheLastChannelsTitleAndEveryItemAndRebuildsOnlyForAnotherSize) {
    server_.Serve("/feed.xml", 200,
                  Feed("<channel><title>First channel</title>" + Item("One", "Mon, 07 Dec 2026", "A first story") +
                       "</channel><channel><title>Second channel</title><link>http://example.org/</link>" +
                       Item("Two", "", "") + Item("Six", "Tue, 08 Dec 2026", "Another") + "</channel>"));
    TestNews& news = Open("/feed.xml", true);
    unsigned seen = 0;
    ASSERT_TRUE(NextRefresh(seen));
    EXPECT_EQ(news.TitleText(), "Second channel");
    ASSERT_EQ(news.ItemCount(), 3u);
    EXPECT_EQ(news.ItemTitle(1), "Two");
    const SkinRecord& skin = settings_.skins.Skin(SkinType::News);
    EXPECT_EQ(news.ItemRect(1, 1).height, skin.Int("NewsDateHeight")) << "an empty date keeps its row";
    EXPECT_EQ(news.ItemRect(1, 2).y, news.ItemRect(1, 1).y + skin.Int("NewsDateHeight"));
    EXPECT_EQ(news.ItemRect(2, 0).y, news.ItemRect(1, 2).y) << "an empty description takes no room";
    EXPECT_GT(news.ItemRect(0, 2).height, 5) << "a description is as high as its wrapped text";

    // The same number of bytes is taken for the same feed, even though the text changed.
    server_.Serve("/feed.xml", 200,
                  Feed("<channel><title>First channel</title>" + Item("Uno", "Mon, 07 Dec 2026", "A first story") +
                       "</channel><channel><title>Second channel</title><link>http://example.org/</link>" +
                       Item("Two", "", "") + Item("Six", "Tue, 08 Dec 2026", "Another") + "</channel>"));
    SendMessageA(news.Hwnd(), WM_COMMAND, ID_NEWS_UPDATE, 0);
    ASSERT_TRUE(NextRefresh(seen));
    EXPECT_EQ(news.ItemTitle(0), "One");
    server_.Serve("/feed.xml", 200, Feed("<channel><title>Short</title>" + Item("Only", "", "") + "</channel>"));
    SendMessageA(news.Hwnd(), WM_COMMAND, ID_NEWS_UPDATE, 0);
    ASSERT_TRUE(NextRefresh(seen));
    EXPECT_EQ(news.ItemCount(), 1u);
    EXPECT_EQ(news.TitleText(), "Short");

    const std::string feedFile = news.FeedFile();
    EXPECT_NE(GetFileAttributesA(feedFile.c_str()), INVALID_FILE_ATTRIBUTES);
    news_.reset();
    EXPECT_EQ(GetFileAttributesA(feedFile.c_str()), INVALID_FILE_ATTRIBUTES) << "the feed file goes with the kap";
}

TEST_F(NewsKapTest, AFailedDownloadAndAFileThatIsNoXmlShowTheirMessages) {
    server_.Serve("/missing.xml", 404, "<html><body>not here</body></html>");
    server_.Serve("/broken.xml", 200, "<rss><channel><title>cut off");
    TestNews& news = Open("/missing.xml", true);
    unsigned seen = 0;
    ASSERT_TRUE(NextRefresh(seen));
    EXPECT_EQ(news.TitleText(), CVimoNews::kNoXml);
    news.OnDrop(server_.Url("/broken.xml"));
    ASSERT_TRUE(NextRefresh(seen));
    EXPECT_EQ(news.TitleText(), CVimoNews::kNoRss);
    EXPECT_EQ(news.LastShownSize(), 0);
}

TEST_F(NewsKapTest, ADropOnAnInactiveKapActivatesItAndUpdateNowWorksWhileInactive) {
    server_.Serve("/a.xml", 200, Feed("<channel><title>Dropped here</title>" + Item("A", "", "") + "</channel>"));
    server_.Serve("/b.xml", 200, Feed("<channel><title>Updated</title>" + Item("B", "", "") + "</channel>"));
    TestNews& news = Open("/b.xml", false);
    unsigned seen = 0;
    SendMessageA(news.Hwnd(), WM_COMMAND, ID_NEWS_UPDATE, 0);
    ASSERT_TRUE(NextRefresh(seen));
    EXPECT_EQ(news.TitleText(), "Updated");
    EXPECT_FALSE(news.Values().active);

    news.OnDrop(server_.Url("/a.xml") + "\r\nmore text");
    EXPECT_TRUE(news.Values().active);
    EXPECT_EQ(news.Values().url, server_.Url("/a.xml"));
    ASSERT_TRUE(NextRefresh(seen));
    EXPECT_EQ(news.TitleText(), "Dropped here");

    // A dropped file is read as it stands; items outside any channel count, and the title stays.
    const std::string file = dir_ + "\\local feed.xml";
    const std::string local =
        "<rss version=\"0.91\">" + Item("Local one", "", "") + Item("Local two", "", "x") + "</rss>";
    HANDLE h = CreateFileA(file.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr);
    DWORD written = 0;
    WriteFile(h, local.data(), static_cast<DWORD>(local.size()), &written, nullptr);
    CloseHandle(h);
    news.OnDrop(file);
    ASSERT_TRUE(NextRefresh(seen));
    EXPECT_EQ(news.ItemCount(), 2u);
    EXPECT_EQ(news.ItemTitle(1), "Local two");
    EXPECT_EQ(news.TitleText(), "Dropped here");
}

TEST_F(NewsKapTest, TheSettingsDialogAndTheIntervalEntriesSetTheKap) {
    server_.Serve("/set.xml", 200,
                  Feed("<channel><title>Set in the dialog</title>" + Item("S", "", "") + "</channel>"));
    TestNews& news = Open("", false);
    std::thread user([&] {
        HWND dialog = nullptr;
        if (!e2e::WaitFor([&] { return (dialog = e2e::FindDialog(GetCurrentProcessId(), "RSS Feed")) != nullptr; },
                          10000))
            return;
        SetDlgItemTextA(dialog, IDC_URL_ADDRESS, (" " + server_.Url("/set.xml") + " ").c_str());
        SendDlgItemMessageA(dialog, IDC_URL_ACTIVE, BM_SETCHECK, BST_CHECKED, 0);
        PostMessageA(dialog, WM_COMMAND, IDOK, 0);
    });
    SendMessageA(news.Hwnd(), WM_COMMAND, ID_NEWS_SETTINGS, 0); // returns when the dialog is closed
    user.join();
    EXPECT_EQ(news.Values().url, server_.Url("/set.xml"));
    EXPECT_TRUE(news.Values().active);
    unsigned seen = 0;
    ASSERT_TRUE(NextRefresh(seen));
    EXPECT_EQ(news.TitleText(), "Set in the dialog");

    MenuHandle menu(LoadMenuA(GetModuleHandleA(nullptr), MAKEINTRESOURCEA(IDR_MENU_KAPS)));
    HMENU popup = GetSubMenu(menu.Get(), IDM_POPUP_NEWS);
    ASSERT_NE(popup, nullptr);
    SendMessageA(news.Hwnd(), WM_COMMAND, ID_NEWS_INTERVAL_30M, 0);
    EXPECT_EQ(news.Values().intervalMs, kNewsInterval30Min);
    news.PrepareContextMenu(popup);
    EXPECT_TRUE(GetMenuState(popup, ID_NEWS_INTERVAL_30M, MF_BYCOMMAND) & MF_CHECKED);
    EXPECT_FALSE(GetMenuState(popup, ID_NEWS_INTERVAL_5M, MF_BYCOMMAND) & MF_CHECKED);
}

TEST_F(NewsKapTest, AtMostAHundredItemsShowAndTheWheelAndTheBarScrollWithinThem) {
    std::string items;
    for (int i = 0; i < 150; ++i) items += Item("Item" + std::to_string(i), "Mon, 07 Dec 2026", "Text");
    server_.Serve("/long.xml", 200, Feed("<channel><title>Long</title>" + items + "</channel>"));
    TestNews& news = Open("/long.xml", true);
    unsigned seen = 0;
    ASSERT_TRUE(NextRefresh(seen));
    EXPECT_EQ(news.ItemCount(), kMaxNewsItems);
    const auto wheel = [&](int notches) {
        SendMessageA(news.Hwnd(), WM_MOUSEWHEEL, MAKEWPARAM(0, static_cast<WORD>(notches * WHEEL_DELTA)), 0);
    };
    wheel(1);
    EXPECT_EQ(news.OriginY(), 0) << "not above the first row";
    wheel(-1);
    EXPECT_EQ(news.OriginY(), -24);
    for (int i = 0; i < 400; ++i) wheel(-1);
    const SkinRecord& skin = settings_.skins.Skin(SkinType::News);
    const int viewportBottom = skin.Int("ContenerPosY") + skin.Int("ContenerHeight");
    EXPECT_EQ(news.OriginY(), viewportBottom - news.ContentBottom()) << "not beyond the last row";

    SendMessageA(news.Hwnd(), CVimoNews::kHScrollMessage, 100, 0);
    EXPECT_EQ(news.OriginX(), -(skin.Int("ContenerMaxWidth") - skin.Int("ContenerWidth")));
    SendMessageA(news.Hwnd(), CVimoNews::kHScrollMessage, 50, 0);
    EXPECT_EQ(news.OriginX(), -(skin.Int("ContenerMaxWidth") - skin.Int("ContenerWidth")) / 2);
}

} // namespace
} // namespace vimo
