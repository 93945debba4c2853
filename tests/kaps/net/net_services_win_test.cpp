// The download and XML services against an HTTP server on 127.0.0.1: a feed is downloaded, an HTTP
// error or an oversized answer is a failure that leaves the earlier feed, a server that never answers
// does not hold up a forced update, and a feed is read with XPath.
#include <gtest/gtest.h>

#include <windows.h>

#include <fstream>
#include <sstream>
#include <string>

#include "e2e/driver/vimo_driver.h"
#include "kaps/net/services/connectivity_win.h"
#include "kaps/net/services/feed_download_win.h"
#include "kaps/net/services/xml_document_win.h"
#include "support/http_server_win.h"

namespace vimo {
namespace {

using e2e::WaitFor;

const char kFeed[] = "<?xml version=\"1.0\" encoding=\"ISO-8859-1\"?>\n"
                     "<rss version=\"2.0\"><channel><title>Caf\xe9 news</title><link>http://example.org/</link>"
                     "<item><title>First</title><pubDate>Mon, 07 Dec 2026</pubDate>"
                     "<description><![CDATA[<b>bold</b> &amp; more]]></description></item>"
                     "<item><title>Second &amp; last</title></item></channel></rss>";

std::string ReadFile(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    std::ostringstream text;
    text << in.rdbuf();
    return text.str();
}

class DownloadTest : public ::testing::Test {
protected:
    void SetUp() override {
        if (!TestConnectivity().connected) GTEST_SKIP() << "no network interface is up: downloads are not tried";
        ASSERT_TRUE(server_.Running());
        char temp[MAX_PATH] = {};
        GetTempPathA(MAX_PATH, temp);
        tempDir_ = std::string(temp) + "vimo-download-" + std::to_string(GetCurrentProcessId());
        file_ = tempDir_ + "\\20261207120000.XML";
    }
    void TearDown() override { e2e::RemoveTree(tempDir_); }

    DownloadStatus Run(FeedDownload& download, const std::string& path) {
        download.Start(server_.Url(path), tempDir_, file_);
        WaitFor([&] { return download.Status() >= DownloadStatus::Downloaded; }, 20000);
        const DownloadStatus result = download.Status();
        download.Shown();
        return result;
    }

    testsupport::HttpServer server_;
    std::string tempDir_, file_;
};

TEST_F(DownloadTest, AFeedIsDownloadedAndAnHttpErrorOrAnOversizedAnswerFailsAndLeavesIt) {
    server_.Serve("/feed.xml", 200, kFeed);
    server_.Serve("/missing.xml", 404, "<html>not here</html>");
    server_.Serve("/broken.xml", 500, "<html>broken</html>");
    server_.ServeEndless("/endless.xml");
    FeedDownload download;
    ASSERT_EQ(Run(download, "/feed.xml"), DownloadStatus::Downloaded);
    EXPECT_EQ(ReadFile(file_), kFeed);
    for (const char* path : {"/missing.xml", "/broken.xml", "/endless.xml"}) {
        EXPECT_EQ(Run(download, path), DownloadStatus::Failed) << path;
        EXPECT_EQ(ReadFile(file_), kFeed) << path;
    }
    EXPECT_EQ(download.Status(), DownloadStatus::Idle);
}

TEST_F(DownloadTest, AForcedUpdateIsNotHeldUpByAServerThatNeverAnswers) {
    server_.ServeSilent("/silent.xml");
    server_.Serve("/feed.xml", 200, kFeed);
    FeedDownload download;
    download.Start(server_.Url("/silent.xml"), tempDir_, file_);
    ASSERT_TRUE(WaitFor([&] { return server_.Requests("/silent.xml") == 1; }, 10000));
    EXPECT_EQ(download.Status(), DownloadStatus::Downloading);
    download.Start(server_.Url("/feed.xml"), tempDir_, file_); // a timer's start waits for the running one
    download.ForceIdle();                                      // update now
    EXPECT_EQ(Run(download, "/feed.xml"), DownloadStatus::Downloaded);
    EXPECT_EQ(server_.Requests("/feed.xml"), 1);
    EXPECT_EQ(ReadFile(file_), kFeed);
}

TEST(XmlDocument, ReadsAFeedWithXPathAndRefusesAMalformedFile) {
    char temp[MAX_PATH] = {};
    GetTempPathA(MAX_PATH, temp);
    const std::string path = std::string(temp) + "vimo-xml-" + std::to_string(GetCurrentProcessId()) + ".xml";
    std::ofstream(path, std::ios::binary) << kFeed;
    CoInitialize(nullptr);
    {
        XmlDocument document;
        ASSERT_TRUE(document.Load(path));
        ASSERT_NE(document.Root(), nullptr);
        const auto channels = SelectNodes(document.Root(), "//channel");
        ASSERT_EQ(channels.size(), 1u);
        EXPECT_EQ(SelectText(channels[0].Get(), "title"), "Caf\xe9 news");
        const auto items = SelectNodes(document.Root(), "//item");
        ASSERT_EQ(items.size(), 2u);
        EXPECT_EQ(SelectText(items[0].Get(), "description"), "<b>bold</b> &amp; more");
        EXPECT_EQ(SelectText(items[1].Get(), "title"), "Second & last");
        EXPECT_EQ(SelectText(items[1].Get(), "pubDate"), "");

        std::ofstream(path, std::ios::binary) << "<rss><channel><title>cut";
        EXPECT_FALSE(document.Load(path));
        EXPECT_EQ(document.Root(), nullptr);
    }
    CoUninitialize();
    DeleteFileA(path.c_str());
}

} // namespace
} // namespace vimo
