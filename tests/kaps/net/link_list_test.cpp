// The link folder's links: icons, the insertion rule, reordering at the ends, document lines.
#include <gtest/gtest.h>

#include "kaps/net/link/link_list.h"

namespace vimo {
namespace {

std::string Titles(const LinkList& links) {
    std::string titles;
    for (const LinkItem& item : links.Items()) titles += item.title;
    return titles;
}

TEST(LinkList, IconsFollowTheTarget) {
    EXPECT_EQ(IconOfTarget("C:\\Tools\\edit.exe", false), LinkIcon::File);
    EXPECT_EQ(IconOfTarget("https://example.org/", false), LinkIcon::Web);
    EXPECT_EQ(IconOfTarget("C:\\shttpd", false), LinkIcon::Web) << "\"http\" anywhere, as written";
    EXPECT_EQ(IconOfTarget("HTTP://EXAMPLE.ORG/", false), LinkIcon::File) << "the letter case counts";
    EXPECT_EQ(IconOfTarget("C:\\http", true), LinkIcon::Folder) << "a directory wins";
}

TEST(LinkList, InsertsBeforeTheSelectedLinkAndReordersWithinTheEnds) {
    LinkList links;
    links.Insert({"a", ""});
    links.Insert({"c", ""});
    links.Select(1);
    EXPECT_EQ(links.Insert({"b", ""}), 1u);
    EXPECT_EQ(Titles(links), "abc");
    EXPECT_EQ(links.Selected(), 2) << "the selection stays on its link";

    links.Select(0);
    EXPECT_FALSE(links.MoveUp()) << "the first link cannot move up";
    links.Select(2);
    EXPECT_FALSE(links.MoveDown()) << "the last link cannot move down";
    EXPECT_EQ(Titles(links), "abc");
    EXPECT_TRUE(links.MoveUp());
    EXPECT_EQ(Titles(links), "acb");
    links.Select(-1);
    EXPECT_FALSE(links.MoveDown());
    EXPECT_FALSE(links.RemoveSelected());
    links.Select(7);
    EXPECT_EQ(links.Selected(), -1);
    links.Select(0);
    EXPECT_TRUE(links.RemoveSelected());
    EXPECT_EQ(Titles(links), "cb");
}

TEST(LinkList, PayloadKeepsEveryLinkOnTwoLines) {
    KapHeader header;
    header.kapName = "20261209120000";
    DocumentWriter writer(header);
    WriteLinkPayload(writer, {{"Site", "http://example.org/"}, {"Two\r\nlines", ""}, {"", "C:\\Data"}});
    const std::string text = writer.Text();
    const std::string payload = text.substr(text.find('\n') + 1);
    EXPECT_EQ(payload, "Site\nhttp://example.org/\nTwo  lines\n\n\nC:\\Data");
    DocumentReader reader(payload);
    std::vector<LinkItem> items;
    ReadLinkPayload(reader, items);
    ASSERT_EQ(items.size(), 3u);
    EXPECT_EQ(items[1].title, "Two  lines");
    EXPECT_EQ(items[2].title, "");
    EXPECT_EQ(items[2].target, "C:\\Data");
}

} // namespace
} // namespace vimo
