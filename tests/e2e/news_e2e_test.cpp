// The RSS reader as a user meets it, with feeds served on 127.0.0.1: a feed with its pictureless
// items, the corner drag's bounds, the kap kept across a restart, and a kap that stays answering
// while one server sends without end and another never answers.
#include <gtest/gtest.h>

#include <string>

#include "e2e/driver/vimo_driver.h"
#include "e2e/news_document_win.h"
#include "kapframe/base64.h"
#include "kapframe/kap_document.h"
#include "kaps/net/news/news_model.h"
#include "kaps/net/news/vimo_news_win.h"
#include "support/http_server_win.h"
#include "support/process_watch_win.h"

namespace vimo::e2e {
namespace {

constexpr int kIconWidth = kNewsIconWidth, kIconHeight = kNewsIconHeight, kMaxKapWidth = 300 + 348 - 268;

const char kFeed[] = "<?xml version=\"1.0\" encoding=\"ISO-8859-1\"?>\n<rss version=\"2.0\"><channel>"
                     "<title>Caf\xe9 news</title><link>http://example.org/</link>"
                     "<item><title>Markets open higher</title><link>http://example.org/1</link>"
                     "<pubDate>Mon, 07 Dec 2026 08:00:00 GMT</pubDate><description>Shares rose in early trading "
                     "as investors welcomed the news &amp; the figures.</description></item>"
                     "<item><title>Snow expected tonight</title><link>http://example.org/2</link>"
                     "<pubDate>Mon, 07 Dec 2026 09:30:00 GMT</pubDate>"
                     "<description><![CDATA[Up to <b>10 cm</b> in the hills.]]></description></item>"
                     "<item><title>Library opens late</title></item></channel></rss>";

int Width(HWND w) { return WindowRectOf(w).right - WindowRectOf(w).left; }

TEST(News, ShowsAFeedStaysWithinItsWidthBoundsAndComesBackAfterARestart) {
    testsupport::HttpServer server;
    server.Serve("/feed.xml", 200, kFeed);
    ProgramDir dir = KapsOnlyDir("news-feed");
    WriteNews(dir, "20261207120000", server.Url("/feed.xml"), 60);
    {
        VimoProcess app;
        ASSERT_TRUE(app.Start(dir));
        ASSERT_NE(app.WaitController(), nullptr);
        const std::vector<HWND> kaps = app.WaitKaps(1);
        ASSERT_EQ(kaps.size(), 1u);
        HWND news = kaps[0];
        if (WaitFor([&] { return WindowTextOf(news) == CVimoNews::kNoConnection; }, 3000))
            GTEST_SKIP() << "no network interface is up";
        ASSERT_TRUE(WaitFor([&] { return WindowTextOf(news) == "Caf\xe9 news"; }, 20000)) << WindowTextOf(news);
        Screenshot("news-feed");

        RECT r = WindowRectOf(news);
        Drag(r.right - 8, r.bottom - 8, r.right + 200, r.bottom + 60);
        EXPECT_TRUE(WaitFor([&] { return Width(news) == kMaxKapWidth; }, 3000)) << Width(news);
        r = WindowRectOf(news);
        EXPECT_GT(r.bottom - r.top, kIconHeight + 30) << "no highest height";
        Screenshot("news-widened");
        Drag(r.right - 8, r.bottom - 8, r.right - 300, r.bottom - 300);
        EXPECT_TRUE(WaitFor([&] { return Width(news) == kIconWidth; }, 3000)) << Width(news);
        r = WindowRectOf(news);
        EXPECT_EQ(r.bottom - r.top, kIconHeight);
        ASSERT_TRUE(app.Exit());
    }
    const std::string document = ReadOnlyDocument(dir, "Notes\\*.VIMONEWS");
    EXPECT_EQ(document.substr(0, 16), "A20261207120000U") << document;
    EXPECT_NE(document.find("\n1800000\n" + server.Url("/feed.xml")), std::string::npos) << document;

    VimoProcess again;
    ASSERT_TRUE(again.Start(dir));
    ASSERT_NE(again.WaitController(), nullptr);
    const std::vector<HWND> kaps = again.WaitKaps(1);
    ASSERT_EQ(kaps.size(), 1u);
    EXPECT_TRUE(WaitFor([&] { return WindowTextOf(kaps[0]) == "Caf\xe9 news"; }, 20000));
    EXPECT_TRUE(again.Exit());
}

TEST(News, AnEndlessAnswerAndASilentServerLeaveTheKapsAnsweringAndTheMemoryBounded) {
    testsupport::HttpServer server;
    server.ServeEndless("/endless.xml");
    server.ServeSilent("/silent.xml");
    ProgramDir dir = KapsOnlyDir("news-endless");
    WriteNews(dir, "20261207120000", server.Url("/endless.xml"), 40);
    WriteNews(dir, "20261207120001", server.Url("/silent.xml"), 400);
    VimoProcess app;
    ASSERT_TRUE(app.Start(dir));
    ASSERT_NE(app.WaitController(), nullptr);
    const std::vector<HWND> kaps = app.WaitKaps(2);
    ASSERT_EQ(kaps.size(), 2u);
    if (WaitFor([&] { return WindowTextOf(kaps[0]) == CVimoNews::kNoConnection; }, 3000))
        GTEST_SKIP() << "no network interface is up";
    ASSERT_TRUE(
        WaitFor([&] { return server.Requests("/endless.xml") == 1 && server.Requests("/silent.xml") == 1; }, 20000));

    testsupport::ProcessWatch watch(app.ProcessId());
    bool failedShown = false;
    WaitFor(
        [&] {
            watch.Sample(kaps, 1000);
            failedShown = failedShown || WindowTextOf(kaps[0]) == CVimoNews::kNoXml;
            return false; // watched for the whole time
        },
        6000, 50);
    EXPECT_TRUE(watch.AllAnswered());
    // A kap waiting on the network would not answer for seconds; the bound leaves room for a loaded machine
    // (the slowest answer seen beside a long kill run: 103 ms).
    EXPECT_LT(watch.SlowestAnswerMs(), 500u) << "the kaps answer throughout";
    EXPECT_LT(watch.PeakBytes(), static_cast<SIZE_T>(150) << 20) << "bytes of memory";
    EXPECT_TRUE(failedShown || WaitFor([&] { return WindowTextOf(kaps[0]) == CVimoNews::kNoXml; }, 20000))
        << "an answer beyond the download limit is a failed download";
    EXPECT_TRUE(app.Exit());
}

} // namespace
} // namespace vimo::e2e
