// The weather kap and its options dialog with a weather service served on 127.0.0.1: the blocks
// of a forecast, Celsius, the wheel, a message block, the options, and every list message of the
// location search.
#include <gtest/gtest.h>

#include <windows.h>

#include <functional>
#include <memory>
#include <string>
#include <thread>
#include <vector>

#include "base/profile_store_win.h"
#include "base/resource.h"
#include "e2e/driver/vimo_driver.h"
#include "kapframe/document_file_win.h"
#include "kapframe/fake_kap_host_win.h"
#include "kapframe/settings.h"
#include "kaps/net/services/connectivity_win.h"
#include "kaps/net/weather/vimo_weather_config_win.h"
#include "kaps/net/weather/vimo_weather_win.h"
#include "layer/gdiplus_raii_win.h"
#include "layer/layer_test_support_win.h"
#include "wnd/dialog_fields_win.h"
#include "support/weather_service_win.h"

namespace vimo {
namespace {

using layertest::PumpFor;
using layertest::PumpUntil;
using testsupport::ForecastPath;
using testsupport::WeatherFeed;

constexpr char kKapName[] = "20261209120000";
// The degree sign of the ANSI code page, ended before the unit's letter.
constexpr char kDegreesC[] = "\xb0"
                             "C";
constexpr char kDegreesF[] = "\xb0"
                             "F";

bool NetworkUp() { return TestConnectivity().connected; }

class WeatherKapTest : public ::testing::Test {
protected:
    void SetUp() override {
        if (!NetworkUp()) GTEST_SKIP() << "no network interface is up: the kap downloads nothing";
        dir_ = std::make_unique<e2e::ProgramDir>(std::string("weather-kap-") +
                                                 ::testing::UnitTest::GetInstance()->current_test_info()->name());
        testsupport::PointWeatherDataAt(dir_->Path(), server_);
        WinProfileStore store;
        settings_.Load(store, dir_->Path());
    }
    void TearDown() override { weather_.reset(); }

    CVimoWeather& Open(const std::string& code, bool active, bool celsius, int width, int height) {
        KapHeader header;
        header.kapName = kKapName;
        header.typeLetters = active ? "A" : "I";
        header.tail = celsius ? "C" : "F";
        DocumentWriter writer(header);
        writer.Int(60).Int(60).Int(width).Int(height).Int(kWeatherInterval).Line(code);
        const DocumentFile file(dir_->Path(), kKapName, "VIMOWEATHER");
        EXPECT_TRUE(file.Write(writer.Text()));
        weather_ = MakeWholeDialog<CVimoWeather>(host_, settings_, file.Path());
        EXPECT_TRUE(weather_->CreateKap());
        return *weather_;
    }
    bool NextRefresh(unsigned& seen) {
        const bool shown = PumpUntil([&] { return weather_->Refreshes() > seen; }, 20000);
        seen = weather_->Refreshes();
        return shown;
    }

    GdiplusSession gdiplus_;
    testsupport::HttpServer server_;
    kaptest::FakeKapHost host_;
    Settings settings_;
    std::unique_ptr<e2e::ProgramDir> dir_;
    std::unique_ptr<CVimoWeather> weather_;
};

TEST_F(WeatherKapTest, ShowsConditionsDaysAndLogoInCelsiusOnAGridOfWholeBlocks) {
    server_.Serve(ForecastPath("FRXX0076"), 200, WeatherFeed("N/A", {"72", "N/A", "50"}));
    // Two columns and two rows of the Default skin's 96 x 112 blocks, 6 apart, are 230 x 270.
    CVimoWeather& weather = Open("FRXX0076", true, true, 260, 300);
    unsigned seen = 0;
    ASSERT_TRUE(NextRefresh(seen));
    const RECT r = e2e::WindowRectOf(weather.Hwnd());
    EXPECT_EQ(r.right - r.left, 230);
    EXPECT_EQ(r.bottom - r.top, 270);

    ASSERT_EQ(weather.BlockCount(), 4u) << "the last day is not shown";
    EXPECT_EQ(e2e::WindowTextOf(weather.Hwnd()),
              std::string("-17") + kDegreesC + "\n22" + kDegreesC + "\n-17" + kDegreesC + "\nThe Weather Channel");
    const std::vector<std::string> infos = {"Test Station", "Day0", "Day1", "Powered by"};
    const std::vector<std::string> pictures = {"26.png", "30.png", "31.png", "TWCLogo.png"};
    for (std::size_t i = 0; i < 4; ++i) {
        EXPECT_EQ(weather.BlockInfo(i), infos[i]);
        EXPECT_EQ(weather.BlockPicture(i), pictures[i]);
    }
    EXPECT_EQ(weather.BlockLink(0), server_.Url("/local/FRXX0076"));
    EXPECT_EQ(weather.BlockLink(1), "");
    EXPECT_EQ(weather.BlockLink(3), server_.Url("/"));
    EXPECT_EQ(weather.BlockRect(1).x, weather.BlockRect(0).x + 102);
    EXPECT_EQ(weather.BlockRect(2).y, weather.BlockRect(0).y + 118);
    EXPECT_EQ(weather.BlockRect(3).width, 96);

    const std::string feedFile = weather.FeedFile();
    EXPECT_NE(GetFileAttributesA(feedFile.c_str()), INVALID_FILE_ATTRIBUTES);
    weather_.reset();
    EXPECT_EQ(GetFileAttributesA(feedFile.c_str()), INVALID_FILE_ATTRIBUTES) << "the feed file goes with the kap";
}

TEST_F(WeatherKapTest, AFeedWithoutCurrentConditionsShowsItsDaysAndTheWheelScrollsWithinThem) {
    server_.Serve(ForecastPath("X"), 200, WeatherFeed("", {"50", "2", "3", "4"}));
    CVimoWeather& weather = Open("X", true, false, 0, 0); // the least size: one block
    unsigned seen = 0;
    ASSERT_TRUE(NextRefresh(seen));
    ASSERT_EQ(weather.BlockCount(), 4u);
    EXPECT_EQ(weather.BlockTitle(0), std::string("50") + kDegreesF);
    EXPECT_EQ(weather.BlockInfo(0), "Day0");
    const auto wheel = [&](int notches) {
        SendMessageA(weather.Hwnd(), WM_MOUSEWHEEL, MAKEWPARAM(0, static_cast<WORD>(notches * WHEEL_DELTA)), 0);
    };
    wheel(1);
    EXPECT_EQ(weather.OriginY(), 0) << "not above the first block";
    wheel(-1);
    EXPECT_EQ(weather.OriginY(), -24);
    for (int i = 0; i < 40; ++i) wheel(-1);
    EXPECT_EQ(weather.ContentBottom(), 4 * 118 - 6);
    EXPECT_EQ(weather.OriginY(), 112 - weather.ContentBottom()) << "not beyond the last block";
}

TEST_F(WeatherKapTest, UpdateWaitsForActiveAndTheOptionsAndANonXmlAnswerShowsItsMessage) {
    const std::string path = ForecastPath("BAD");
    server_.Serve(path, 200, "<html><body>no forecast here");
    CVimoWeather& weather = Open("BAD", false, false, 0, 0);
    SendMessageA(weather.Hwnd(), WM_COMMAND, ID_WEATHER_UPDATE, 0);
    PumpFor(1500);
    EXPECT_EQ(server_.Requests(path), 0) << "an inactive kap does not update";

    std::thread user([&] {
        HWND dialog = nullptr;
        if (!e2e::WaitFor(
                [&] { return (dialog = e2e::FindDialog(GetCurrentProcessId(), "Weather Options")) != nullptr; }, 10000))
            return;
        SendDlgItemMessageA(dialog, IDC_WEATHER_ACTIVE, BM_SETCHECK, BST_CHECKED, 0);
        SendDlgItemMessageA(dialog, IDC_WEATHER_CELSIUS, BM_SETCHECK, BST_CHECKED, 0);
        PostMessageA(dialog, WM_COMMAND, IDOK, 0);
    });
    SendMessageA(weather.Hwnd(), WM_COMMAND, ID_WEATHER_OPTIONS, 0); // returns when the dialog is closed
    user.join();
    EXPECT_TRUE(weather.Values().active);
    EXPECT_TRUE(weather.Values().celsius);
    EXPECT_EQ(weather.Values().code, "BAD");
    unsigned seen = 0;
    ASSERT_TRUE(NextRefresh(seen));
    EXPECT_EQ(server_.Requests(path), 1);
    ASSERT_EQ(weather.BlockCount(), 1u);
    EXPECT_EQ(weather.BlockTitle(0), CVimoWeather::kNoXml);
}

// The options dialog run modally on this thread while a second thread works it like a user.
class WeatherConfigTest : public ::testing::Test {
protected:
    void SetUp() override {
        CoInitialize(nullptr);
        // A folder of each test's own: the tests run side by side.
        dir_ = std::make_unique<e2e::ProgramDir>(
            std::string("weather-search-") + ::testing::UnitTest::GetInstance()->current_test_info()->name(), false);
        server_.Serve("/search?where=Paris", 200,
                      "<?xml version=\"1.0\"?><search ver=\"3.0\"><loc id=\"FRXX0076\" type=\"1\">Paris, "
                      "France</loc><loc id=\"USTX1018\" type=\"1\">Paris, TX</loc></search>");
        server_.Serve("/search?where=Atlantis", 200, "<?xml version=\"1.0\"?><search ver=\"3.0\"></search>");
        server_.Serve("/search?where=Cut", 200, "<search><loc id=\"X\">Cut off");
        server_.Serve("/search?where=New%20York", 404, "<html>not here</html>");
    }
    void TearDown() override { CoUninitialize(); }

    // Runs the dialog; work gets its window on another thread. The dialog's answer.
    INT_PTR Run(CVimoWeatherConfig& dialog, const std::function<void(HWND)>& work) {
        std::thread user([&] {
            HWND window = nullptr;
            if (!e2e::WaitFor(
                    [&] { return (window = e2e::FindDialog(GetCurrentProcessId(), "Weather Options")) != nullptr; },
                    10000))
                return;
            work(window);
            if (IsWindow(window)) PostMessageA(window, WM_COMMAND, IDCANCEL, 0);
        });
        const INT_PTR result = dialog.DoModal(nullptr);
        user.join();
        return result;
    }
    std::string SearchFile() const { return dir_->File("Temp\\SEARCH.VIMOWEATHER"); }

    testsupport::HttpServer server_;
    std::unique_ptr<e2e::ProgramDir> dir_;
};

// The list's entries after searching for a name (typed, then "Go").
std::vector<std::string> Search(HWND dialog, const std::string& name) {
    SetDlgItemTextA(dialog, IDC_WEATHER_COUNTRY, name.c_str());
    SendMessageA(dialog, WM_COMMAND, MAKEWPARAM(IDC_WEATHER_GO, BN_CLICKED),
                 reinterpret_cast<LPARAM>(GetDlgItem(dialog, IDC_WEATHER_GO)));
    std::vector<std::string> entries;
    const LRESULT count = SendDlgItemMessageA(dialog, IDC_WEATHER_RESULTS, LB_GETCOUNT, 0, 0);
    for (LRESULT i = 0; i < count; ++i) {
        char text[256] = {};
        SendDlgItemMessageA(dialog, IDC_WEATHER_RESULTS, LB_GETTEXT, static_cast<WPARAM>(i),
                            reinterpret_cast<LPARAM>(text));
        entries.push_back(text);
    }
    return entries;
}

bool ListEnabled(HWND dialog) { return IsWindowEnabled(GetDlgItem(dialog, IDC_WEATHER_RESULTS)) != FALSE; }

void Choose(HWND dialog, int index, UINT notification) {
    HWND list = GetDlgItem(dialog, IDC_WEATHER_RESULTS);
    SendMessageA(list, LB_SETCURSEL, static_cast<WPARAM>(index), 0);
    SendMessageA(dialog, WM_COMMAND, MAKEWPARAM(IDC_WEATHER_RESULTS, notification), reinterpret_cast<LPARAM>(list));
}

TEST_F(WeatherConfigTest, EverySearchAnswerGivesItsListMessage) {
    if (!NetworkUp()) GTEST_SKIP() << "no network interface is up: the search says so";
    using Entries = std::vector<std::string>;
    CVimoWeatherConfig dialog(WeatherValues{}, server_.Url("/search?where="), dir_->File("Temp"));
    Run(dialog, [&](HWND window) {
        EXPECT_FALSE(ListEnabled(window));
        EXPECT_FALSE(IsWindowEnabled(GetDlgItem(window, IDC_WEATHER_GO)));
        EXPECT_EQ(Search(window, ""), (Entries{"Connecting ...", "Invalid Country."}));
        EXPECT_EQ(Search(window, "New York"), (Entries{"Connecting ...", "Invalid XML File."}))
            << "an HTTP error, the name escaped";
        EXPECT_FALSE(ListEnabled(window));
        EXPECT_EQ(Search(window, "Cut"), (Entries{"Connecting ...", "Invalid XML Document."}));
        EXPECT_EQ(Search(window, "Atlantis"), (Entries{"=> No Country Found."}));
        EXPECT_FALSE(ListEnabled(window));
        EXPECT_EQ(Search(window, "Paris"), (Entries{"Paris, France (FRXX0076)", "Paris, TX (USTX1018)"}));
        EXPECT_TRUE(ListEnabled(window));
        EXPECT_TRUE(IsWindowEnabled(GetDlgItem(window, IDC_WEATHER_GO)));
        SetDlgItemTextA(window, IDC_WEATHER_COUNTRY, "");
        EXPECT_FALSE(ListEnabled(window)) << "an empty name empties and disables the list";
        EXPECT_EQ(SendDlgItemMessageA(window, IDC_WEATHER_RESULTS, LB_GETCOUNT, 0, 0), 0);
    });
    EXPECT_EQ(GetFileAttributesA(SearchFile().c_str()), INVALID_FILE_ATTRIBUTES) << "the answer is not kept";

    server_.ServeSilent("/search?where=Silent");
    CVimoWeatherConfig silent(WeatherValues{}, server_.Url("/search?where="), dir_->File("Temp"));
    Run(silent, [&](HWND window) {
        EXPECT_EQ(Search(window, "Silent"), (Entries{"Connecting ...", "Invalid XML File."}))
            << "a server that never answers fails the search in the end";
    });
}

TEST_F(WeatherConfigTest, ChoosingALocationTakesItsCodeAndADoubleClickConfirms) {
    if (!NetworkUp()) GTEST_SKIP() << "no network interface is up: the search says so";
    WeatherValues start;
    start.code = "OLD";
    start.celsius = true;
    CVimoWeatherConfig dialog(start, server_.Url("/search?where="), dir_->File("Temp"));
    const INT_PTR answer = Run(dialog, [&](HWND window) {
        ASSERT_EQ(Search(window, "Paris").size(), 2u);
        Choose(window, 1, LBN_SELCHANGE);
        EXPECT_EQ(DialogItemText(window, IDC_WEATHER_CODE), "USTX1018");
        EXPECT_EQ(IsDlgButtonChecked(window, IDC_WEATHER_ACTIVE), BST_CHECKED);
        Choose(window, 0, LBN_DBLCLK);
    });
    EXPECT_EQ(answer, IDOK);
    EXPECT_EQ(dialog.Values().code, "FRXX0076");
    EXPECT_TRUE(dialog.Values().active);
    EXPECT_TRUE(dialog.Values().celsius);
}

} // namespace
} // namespace vimo
