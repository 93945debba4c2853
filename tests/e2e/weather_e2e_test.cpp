// The weather kap as a user meets it, with the weather service served on 127.0.0.1: a five-day
// forecast, a failed download in its place, the kap kept across a restart, and a new kap from the
// tray menu.
#include <gtest/gtest.h>

#include <string>

#include "base/resource.h"
#include "e2e/driver/vimo_driver.h"
#include "kapframe/base64.h"
#include "kapframe/kap_document.h"
#include "kaps/net/weather/vimo_weather_win.h"
#include "support/weather_service_win.h"

namespace vimo::e2e {
namespace {

// Three columns and two rows of the Default skin's blocks.
constexpr int kWidth = 332, kHeight = 270;
constexpr char kKapName[] = "20261209120000";

void WriteWeather(const ProgramDir& dir, const std::string& code) {
    KapHeader header;
    header.kapName = kKapName;
    header.typeLetters = "A";
    header.tail = "F";
    DocumentWriter writer(header);
    writer.Int(60).Int(40).Int(kWidth).Int(kHeight).Int(kWeatherInterval).Line(code);
    CreateDirectoryA(dir.File("Notes").c_str(), nullptr);
    dir.Write(std::string("Notes\\") + kKapName + ".VIMOWEATHER", EncodeDocumentBase64(writer.Text()));
}

TEST(Weather, ShowsFourOfFiveForecastDaysAFailedDownloadInTheirPlaceAndComesBackAfterARestart) {
    testsupport::HttpServer server;
    const std::string path = testsupport::ForecastPath("FRXX0076");
    server.Serve(path, 200, testsupport::WeatherFeed("68", {"72", "65", "N/A", "58", "61"}));
    const std::string forecast = "68\xb0"
                                 "F\n72\xb0"
                                 "F\n65\xb0"
                                 "F\nN/A\xb0"
                                 "F\n58\xb0"
                                 "F\nThe Weather Channel";
    ProgramDir dir = KapsOnlyDir("weather-feed");
    testsupport::PointWeatherDataAt(dir.Path(), server);
    WriteWeather(dir, "FRXX0076");
    {
        VimoProcess app;
        ASSERT_TRUE(app.Start(dir));
        ASSERT_NE(app.WaitController(), nullptr);
        const std::vector<HWND> kaps = app.WaitKaps(1);
        ASSERT_EQ(kaps.size(), 1u);
        HWND weather = kaps[0];
        if (WaitFor([&] { return WindowTextOf(weather) == CVimoWeather::kNoConnection; }, 3000))
            GTEST_SKIP() << "no network interface is up";
        ASSERT_TRUE(WaitFor([&] { return WindowTextOf(weather) == forecast; }, 20000)) << WindowTextOf(weather);
        const RECT r = WindowRectOf(weather);
        EXPECT_EQ(r.right - r.left, kWidth);
        EXPECT_EQ(r.bottom - r.top, kHeight);
        Screenshot("weather-feed");

        // The corner drag follows the pointer and snaps to whole blocks: 108 pixels more are one
        // more column of 102.
        Drag(r.right - 8, r.bottom - 8, r.right + 100, r.bottom - 8);
        EXPECT_TRUE(
            WaitFor([&] { return WindowRectOf(weather).right - WindowRectOf(weather).left == kWidth + 102; }, 3000))
            << WindowRectOf(weather).right - WindowRectOf(weather).left;
        EXPECT_EQ(WindowRectOf(weather).bottom - WindowRectOf(weather).top, kHeight);

        server.Serve(path, 404, "<html><body>gone</body></html>");
        PostMessageA(weather, WM_COMMAND, ID_WEATHER_UPDATE, 0);
        EXPECT_TRUE(WaitFor([&] { return WindowTextOf(weather) == CVimoWeather::kFailed; }, 20000))
            << "a failed download never shows the old forecast: " << WindowTextOf(weather);
        Screenshot("weather-failed");
        ASSERT_TRUE(app.Exit());
    }
    const std::string document = ReadOnlyDocument(dir, "Notes\\*.VIMOWEATHER");
    EXPECT_EQ(document.substr(0, 20), std::string("A") + kKapName + "UANF\n") << document;
    EXPECT_NE(document.find("\n" + std::to_string(kWeatherInterval) + "\nFRXX0076"), std::string::npos) << document;

    server.Serve(path, 200, testsupport::WeatherFeed("68", {"72", "65", "N/A", "58", "61"}));
    VimoProcess again;
    ASSERT_TRUE(again.Start(dir));
    ASSERT_NE(again.WaitController(), nullptr);
    const std::vector<HWND> kaps = again.WaitKaps(1);
    ASSERT_EQ(kaps.size(), 1u);
    EXPECT_TRUE(WaitFor([&] { return WindowTextOf(kaps[0]) == forecast; }, 20000)) << WindowTextOf(kaps[0]);

    again.Command(ID_NEW_WEATHER);
    HWND made = again.WaitNewKap(kaps);
    ASSERT_NE(made, nullptr);
    const RECT r = WindowRectOf(made);
    EXPECT_EQ(r.right - r.left, 128) << "a new kap is one block";
    EXPECT_EQ(r.bottom - r.top, 152);
    EXPECT_TRUE(again.Exit());
}

} // namespace
} // namespace vimo::e2e
