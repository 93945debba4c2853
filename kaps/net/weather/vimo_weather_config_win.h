#pragma once
// CVimoWeatherConfig, "Weather Options": whether the forecast is downloaded automatically, the
// location code (found with the search in the dialog, never typed) and the Celsius switch.
//
// The search runs on the dialog's thread and blocks it until the answer is in (a download that
// gives up after 15 seconds); its list shows the locations found as "name (code)", or a
// message.
#include <string>

#include "kaps/net/weather/weather_model.h"
#include "wnd/dialog_win.h"

namespace vimo {

class CVimoWeatherConfig : public Dialog {
public:
    static constexpr const char* kConnecting = "Connecting ...";
    static constexpr const char* kInvalidCountry = "Invalid Country.";
    static constexpr const char* kNoConnection = "No Internet Connection.";
    static constexpr const char* kInvalidFile = "Invalid XML File.";
    static constexpr const char* kInvalidDocument = "Invalid XML Document.";
    static constexpr const char* kInternalError = "Internal Error.";
    static constexpr const char* kNothingFound = "=> No Country Found.";

    // searchUrl: the address the escaped country name is appended to; tempDir: where the answer is
    // kept while it is read (as SEARCH.VIMOWEATHER).
    CVimoWeatherConfig(WeatherValues values, std::string searchUrl, std::string tempDir);
    // As confirmed with OK (the values given before that).
    const WeatherValues& Values() const { return values_; }

protected:
    BOOL OnInitDialog() override;
    bool OnCommand(UINT id, UINT code, HWND control) override;

private:
    void Search();
    void Message(const char* text);
    void TakeEntry();
    void Confirm();

    WeatherValues values_;
    std::string searchUrl_;
    std::string tempDir_;
};

} // namespace vimo
