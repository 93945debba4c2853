// The weather kap's temperatures, search entries, picture names and grid of blocks.
#include <gtest/gtest.h>

#include "kaps/net/weather/weather_model.h"

namespace vimo {
namespace {

TEST(WeatherModel, TemperaturesAreShownAsGivenOrConvertedByTheIntegerRule) {
    EXPECT_EQ(TemperatureText("72", false), "72\xb0"
                                            "F");
    EXPECT_EQ(TemperatureText("N/A", false), "N/A\xb0"
                                             "F");
    EXPECT_EQ(TemperatureText("N/A", true), "-17\xb0"
                                            "C")
        << "no number counts as 0 F";
    EXPECT_EQ(TemperatureText("", true), "-17\xb0"
                                         "C");
    EXPECT_EQ(TemperatureText("72", true), "22\xb0"
                                           "C")
        << "200 / 9 truncated";
    EXPECT_EQ(TemperatureText("33", true), "0\xb0"
                                           "C")
        << "5 / 9 truncated toward zero";
    EXPECT_EQ(TemperatureText("-40", true), "-40\xb0"
                                            "C");
    EXPECT_EQ(TemperatureText("20", true), "-6\xb0"
                                           "C")
        << "-60 / 9 truncated toward zero, not down";
    EXPECT_EQ(TemperatureText("99999999999", true), "1193046452\xb0"
                                                    "C")
        << "clamped, no overflow";
}

TEST(WeatherModel, ASearchEntryGivesItsCodeOnlyWhenItHasAParenthesis) {
    const std::string entry = SearchEntry("Paris, France", "FRXX0076");
    EXPECT_EQ(entry, "Paris, France (FRXX0076)");
    std::string code = "kept";
    ASSERT_TRUE(CodeFromSearchEntry(entry, code));
    EXPECT_EQ(code, "FRXX0076");
    ASSERT_TRUE(CodeFromSearchEntry("Odd (name) (X1)", code));
    EXPECT_EQ(code, "name X1") << "from the first parenthesis on, without any parentheses";
    code = "kept";
    EXPECT_FALSE(CodeFromSearchEntry("=> No Country Found.", code));
    EXPECT_EQ(code, "kept");
    EXPECT_EQ(EscapeQueryText("New York&x=1"), "New%20York%26x%3D1");
}

TEST(WeatherModel, OnlyPlainIconNamesBecomePictures) {
    EXPECT_EQ(WeatherIconFile("32"), "32.png");
    EXPECT_EQ(WeatherIconFile("na"), "na.png");
    EXPECT_EQ(WeatherIconFile(""), "");
    EXPECT_EQ(WeatherIconFile("..\\..\\x"), "");
}

TEST(WeatherModel, TheGridSnapsToWholeBlocksAtBothEndsOfAStep) {
    WeatherGridMetrics m;
    m.blockWidth = 100;
    m.blockHeight = 50;
    m.spacing = 10;
    m.iconWidth = 200;
    m.iconHeight = 100;
    m.posX = 20;
    m.posY = 30;
    for (const auto& [width, snapped, columns] :
         {std::tuple{200, 200, 1}, {309, 200, 1}, {310, 310, 2}, {419, 310, 2}, {420, 420, 3}, {50, 200, 1}}) {
        const WeatherGrid g = LayOutWeatherGrid(m, width, 100, 1);
        EXPECT_EQ(g.width, snapped) << width;
        EXPECT_EQ(g.columns, columns) << width;
    }
    for (const auto& [height, snapped] : {std::pair{100, 100}, {159, 100}, {160, 160}, {10, 100}})
        EXPECT_EQ(LayOutWeatherGrid(m, 200, height, 1).height, snapped) << height;

    // Six blocks in two columns: three rows below the grid's corner, the viewport one block and
    // the room the kap grew by.
    const WeatherGrid g = LayOutWeatherGrid(m, 315, 165, 6);
    EXPECT_EQ(g.contentBottom, 3 * 60 - 10);
    EXPECT_EQ(g.viewX, 20);
    EXPECT_EQ(g.viewY, 30);
    EXPECT_EQ(g.viewWidth, 310 - 200 + 100);
    EXPECT_EQ(g.viewHeight, 50 - 100 + 160);
    int x = 0, y = 0;
    WeatherBlockPosition(m, g, 5, x, y);
    EXPECT_EQ(x, 20 + 110);
    EXPECT_EQ(y, 30 + 2 * 60);

    m.blockWidth = m.spacing = 0;
    EXPECT_EQ(LayOutWeatherGrid(m, 333, 100, 3).columns, 1) << "no block width: one column, the width kept";
    EXPECT_EQ(LayOutWeatherGrid(m, 333, 100, 3).width, 333);
}

} // namespace
} // namespace vimo
