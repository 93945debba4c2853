#pragma once
// CVimoWeather: the weather of one location as a grid of equal blocks: the current conditions,
// one block per forecast day and the service's "Powered by" block, or a message block when the
// forecast cannot be shown. The forecast is downloaded by a worker every two hours while active;
// resizing snaps the kap to whole blocks, and the wheel scrolls blocks that do not fit.
//
// The service's addresses come from the skin's weather data file: the forecast of a location is
// BeginRSSURL + location code + EndRSSURL, its web page NavigateURL + location code, and the
// location search SearchRSSURL + country name.
//
// WM_GETTEXT and WM_GETTEXTLENGTH on the kap window answer the blocks' title texts, one a line.
#include <windows.h>

#include <string>
#include <vector>

#include "kaps/net/services/feed_kap_win.h"
#include "kaps/net/weather/weather_model.h"

namespace vimo {

class CLayerLink;
class CLayerStatic;

class CVimoWeather : public CFeedKap {
public:
    static constexpr const char* kNoConnection = "No Internet Connection";
    static constexpr const char* kNoXml = "No XML Document";
    static constexpr const char* kFailed = "RSS Reader Error";

    CVimoWeather(KapHost& host, Settings& settings, const std::string& documentPath);
    ~CVimoWeather() override;

    const WeatherValues& Values() const { return values_; }
    // The blocks in grid order: their title text, second text, picture file, link and place.
    std::size_t BlockCount() const { return blocks_.size(); }
    std::string BlockTitle(std::size_t index) const;
    std::string BlockInfo(std::size_t index) const;
    std::string BlockPicture(std::size_t index) const;
    std::string BlockLink(std::size_t index) const;
    LayerRect BlockRect(std::size_t index) const;
    // The titles, one a line (what WM_GETTEXT answers).
    std::string BlockTitles() const;
    int OriginY() const { return originY_; }
    int ContentBottom() const { return grid_.contentBottom; }
    // BeginRSSURL + location code + EndRSSURL.
    std::string FeedAddress() const;

protected:
    std::size_t TypeLetterCount() const override { return 1; }
    std::string TypeLetters() const override { return std::string(1, WeatherTypeLetter(values_.active)); }
    void SetTypeLetters(const std::string& letters) override { values_.active = WeatherActiveFromLetter(letters); }
    std::string HeaderTail() const override { return WeatherTail(values_.celsius); }
    void SetHeaderTail(const std::string& tail) override { values_.celsius = WeatherCelsiusFromTail(tail); }
    void ReadPayload(DocumentReader& reader) override;
    void WritePayload(DocumentWriter& writer) const override { WriteWeatherPayload(writer, values_); }
    bool Resizable() const override { return true; }
    void BuildItems() override;
    void LayoutItems() override;
    bool OnKapCommand(UINT id) override;
    // CFeedKap
    bool AutoDownload() const override { return values_.active; }
    int IntervalMs() const override { return values_.intervalMs; }
    void StartDownload() override;
    void ShowResult(DownloadStatus status) override;
    std::string ShownText() const override { return BlockTitles(); }
    void Wheel(int delta) override;
    void ClearContent() override;

private:
    WeatherGridMetrics Metrics() const;
    const SkinRecord& Data() const;
    void Update();
    void OpenOptions();
    void BuildBlocks();
    CLayerLink* AddBlock();
    void AddConditionsBlock(const std::string& icon, const std::string& temperature, const std::string& station);
    void AddDayBlock(const std::string& icon, const std::string& high, const std::string& day);
    void AddLogoBlock();
    void AddMessageBlock(const std::string& text);
    void ApplyOrigin();

    WeatherValues values_;
    WeatherGrid grid_;
    int originY_ = 0;
    CLayerStatic* background_ = nullptr; // items are owned by the layer host
    std::vector<CLayerLink*> blocks_;
};

} // namespace vimo
