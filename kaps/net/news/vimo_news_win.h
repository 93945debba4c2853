#pragma once
// CVimoNews: the RSS reader kap. The channel's title at the top as a link, and for every item of the
// feed its title (a link to the item), its date and its description, in a viewport that the wheel
// scrolls and a horizontal bar pans. The feed is downloaded by a worker (now, on a drop, and every
// 5, 30 or 60 minutes while active) into the kap's own file in \Temp\, which goes with the kap.
//
// WM_GETTEXT and WM_GETTEXTLENGTH on the kap window answer what its title shows: the channel's title
// or a message.
#include <windows.h>

#include <string>
#include <vector>

#include "kaps/net/news/news_model.h"
#include "kaps/net/services/feed_kap_win.h"

namespace vimo {

class CLayerLink;
class CLayerScrollH;
class CLayerStatic;

class CVimoNews : public CFeedKap {
public:
    // The horizontal bar's value message (WPARAM the percent).
    static constexpr UINT kHScrollMessage = WM_USER + 750;

    static constexpr const char* kNoConnection = "No Internet Connection ...";
    static constexpr const char* kNoRss = "No RSS Document ...";
    static constexpr const char* kNoXml = "No XML Document ...";

    CVimoNews(KapHost& host, Settings& settings, const std::string& documentPath);
    ~CVimoNews() override;

    const NewsValues& Values() const { return values_; }
    // What the title shows (the channel's title or a message), and the items' rows.
    std::string TitleText() const;
    std::size_t ItemCount() const { return items_.size() / 3; }
    std::string ItemTitle(std::size_t index) const;
    LayerRect ItemRect(std::size_t index, int row) const; // row 0 title, 1 date, 2 description
    int ContentBottom() const { return contentBottom_; }
    int OriginX() const { return originX_; }
    int OriginY() const { return originY_; }
    // The feed file's byte size the list was built from; 0 while nothing is shown.
    long long LastShownSize() const { return lastShownSize_; }

protected:
    std::size_t TypeLetterCount() const override { return 1; }
    std::string TypeLetters() const override { return std::string(1, NewsTypeLetter(values_.active)); }
    void SetTypeLetters(const std::string& letters) override { values_.active = NewsActiveFromLetter(letters); }
    void ReadPayload(DocumentReader& reader) override;
    void WritePayload(DocumentWriter& writer) const override { WriteNewsPayload(writer, values_); }
    bool Resizable() const override { return true; }
    int MaximumWidth() const override;
    void BuildItems() override;
    void LayoutItems() override;
    void PrepareContextMenu(HMENU popup) override;
    bool OnKapCommand(UINT id) override;
    bool OnKapMessage(UINT msg, WPARAM wParam, LPARAM lParam, LRESULT& result) override;
    unsigned DropAccept() const override;
    void OnDrop(const std::string& dropped) override;
    // CFeedKap
    bool AutoDownload() const override { return values_.active; }
    int IntervalMs() const override { return values_.intervalMs; }
    void StartDownload() override;
    void ShowResult(DownloadStatus status) override;
    std::string ShownText() const override { return TitleText(); }
    void Wheel(int delta) override;
    void ClearContent() override;

private:
    void UpdateNow();
    void SetInterval(int milliseconds);
    void OpenSettings();
    void ShowMessage(const std::string& text);
    void ClearList();
    void BuildList();
    // A row of the list at the content bottom, its text placed vertically by vPos.
    CLayerLink* AddRow(const std::string& prefix, const std::string& text, int height, int vPos = 0);
    void ApplyOrigins();
    void OnHorizontalScroll(int percent);
    int ViewportBottom() const;

    NewsValues values_;
    long long lastShownSize_ = 0;
    int contentBottom_ = 0;
    int originX_ = 0, originY_ = 0;
    int laidOutWidth_ = 0, laidOutHeight_ = 0;
    CLayerStatic* background_ = nullptr; // items are owned by the layer host
    CLayerLink* title_ = nullptr;
    CLayerScrollH* scroll_ = nullptr;
    std::vector<CLayerLink*> items_; // three per feed item: title, date, description
};

} // namespace vimo
