#include "kaps/net/weather/vimo_weather_config_win.h"

#include <vector>

#include "base/resource.h"
#include "kaps/net/services/connectivity_win.h"
#include "kaps/net/services/feed_download_win.h"
#include "kaps/net/services/xml_document_win.h"
#include "wnd/dialog_fields_win.h"

namespace vimo {

namespace {

void AddEntry(HWND list, const std::string& text) {
    SendMessageA(list, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(text.c_str()));
}

} // namespace

CVimoWeatherConfig::CVimoWeatherConfig(WeatherValues values, std::string searchUrl, std::string tempDir)
    : Dialog(IDD_WEATHER_CONFIG), values_(std::move(values)), searchUrl_(std::move(searchUrl)),
      tempDir_(std::move(tempDir)) {}

BOOL CVimoWeatherConfig::OnInitDialog() {
    HWND hwnd = Hwnd();
    CheckDlgButton(hwnd, IDC_WEATHER_ACTIVE, values_.active ? BST_CHECKED : BST_UNCHECKED);
    CheckDlgButton(hwnd, IDC_WEATHER_CELSIUS, values_.celsius ? BST_CHECKED : BST_UNCHECKED);
    SetDlgItemTextA(hwnd, IDC_WEATHER_CODE, values_.code.c_str());
    EnableWindow(GetDlgItem(hwnd, IDC_WEATHER_RESULTS), FALSE);
    EnableWindow(GetDlgItem(hwnd, IDC_WEATHER_GO), FALSE);
    return TRUE;
}

// A message below what the list holds; the list then takes no choice.
void CVimoWeatherConfig::Message(const char* text) {
    HWND list = GetDlgItem(Hwnd(), IDC_WEATHER_RESULTS);
    AddEntry(list, text);
    EnableWindow(list, FALSE);
}

void CVimoWeatherConfig::Search() {
    HWND list = GetDlgItem(Hwnd(), IDC_WEATHER_RESULTS);
    const std::string country = DialogItemText(Hwnd(), IDC_WEATHER_COUNTRY);
    SendMessageA(list, LB_RESETCONTENT, 0, 0);
    AddEntry(list, kConnecting);
    UpdateWindow(list); // shown while the search blocks the dialog
    if (country.empty()) return Message(kInvalidCountry);
    if (!TestConnectivity().connected) return Message(kNoConnection);
    CreateDirectoryA(tempDir_.c_str(), nullptr);
    const std::string file = tempDir_ + "\\SEARCH.VIMOWEATHER";
    if (!DownloadNow(searchUrl_ + EscapeQueryText(country), file)) {
        DeleteFileA(file.c_str());
        return Message(kInvalidFile);
    }
    XmlDocument xml;
    std::vector<ComPtr<IXMLDOMNode>> found;
    if (!xml.Load(file)) {
        Message(kInvalidDocument);
    } else if (!SelectNodes(xml.Root(), "//loc", found)) {
        Message(kInternalError);
    } else {
        SendMessageA(list, LB_RESETCONTENT, 0, 0);
        if (found.empty()) Message(kNothingFound);
        if (found.size() > kMaxWeatherEntries) found.resize(kMaxWeatherEntries);
        for (const ComPtr<IXMLDOMNode>& location : found)
            AddEntry(list, SearchEntry(SelectText(location.Get(), "."), AttributeText(location.Get(), "id")));
    }
    xml.Release();
    DeleteFileA(file.c_str());
}

// The entry chosen in the list, when it names a location, becomes the location code.
void CVimoWeatherConfig::TakeEntry() {
    HWND list = GetDlgItem(Hwnd(), IDC_WEATHER_RESULTS);
    const LRESULT index = SendMessageA(list, LB_GETCURSEL, 0, 0);
    if (index == LB_ERR) return;
    const LRESULT length = SendMessageA(list, LB_GETTEXTLEN, static_cast<WPARAM>(index), 0);
    if (length == LB_ERR) return;
    std::string entry(static_cast<std::size_t>(length) + 1, '\0');
    SendMessageA(list, LB_GETTEXT, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(entry.data()));
    entry.resize(static_cast<std::size_t>(length));
    std::string code;
    if (!CodeFromSearchEntry(entry, code)) return;
    SetDlgItemTextA(Hwnd(), IDC_WEATHER_CODE, code.c_str());
    CheckDlgButton(Hwnd(), IDC_WEATHER_ACTIVE, BST_CHECKED);
}

void CVimoWeatherConfig::Confirm() {
    values_.code = DialogItemText(Hwnd(), IDC_WEATHER_CODE);
    values_.active = IsDlgButtonChecked(Hwnd(), IDC_WEATHER_ACTIVE) == BST_CHECKED;
    values_.celsius = IsDlgButtonChecked(Hwnd(), IDC_WEATHER_CELSIUS) == BST_CHECKED;
    EndModal(IDOK);
}

bool CVimoWeatherConfig::OnCommand(UINT id, UINT code, HWND) {
    switch (id) {
    case IDC_WEATHER_COUNTRY:
        if (code == EN_CHANGE) {
            const BOOL named = !DialogItemText(Hwnd(), IDC_WEATHER_COUNTRY).empty();
            SendDlgItemMessageA(Hwnd(), IDC_WEATHER_RESULTS, LB_RESETCONTENT, 0, 0);
            EnableWindow(GetDlgItem(Hwnd(), IDC_WEATHER_RESULTS), named);
            EnableWindow(GetDlgItem(Hwnd(), IDC_WEATHER_GO), named);
        }
        return true;
    case IDC_WEATHER_GO:
        if (code == BN_CLICKED) Search();
        return true;
    case IDC_WEATHER_RESULTS:
        if (code == LBN_SELCHANGE) TakeEntry();
        if (code == LBN_DBLCLK) {
            TakeEntry();
            Confirm();
        }
        return true;
    case IDOK: Confirm(); return true;
    case IDCANCEL: EndModal(IDCANCEL); return true;
    default: return false;
    }
}

} // namespace vimo
