#pragma once
// CVimoRemoteWin: the window bar. One tile per top-level window of the other running programs, a
// live picture with the window's title and program, in a scrollable column. A click on a tile
// brings its window forward or minimizes it, the tile's menu shows it normal, minimized, maximized
// or closes it, and the bar's commands act on every listed window. The hook library tells the bar
// of windows born, gone, moved and sized; it hides at a screen edge like the dock (CLaunchBar) and
// keeps its place and size in the settings. The controller window owns it.
#include <windows.h>

#include <cstddef>
#include <memory>
#include <string>
#include <vector>

#include "bars/launch_bar_win.h"
#include "bars/window_bar/window_bar_layout.h"
#include "bars/window_bar/window_scan.h"

namespace vimo {

class CLayerScreen;
class CLayerScrollV;
class CLayerStatic;

class CVimoRemoteWin : public CLaunchBar {
public:
    // The window's text, by which it can be told from the other windows of the program.
    static constexpr const char* kWindowText = "VimoRemoteWin";
    // Its scroll bar's value message (WPARAM the percent), and the tiles' click and right button
    // (WPARAM the tile's window).
    static constexpr UINT kScrollValueMessage = 1775;
    static constexpr UINT kTileClickMessage = WM_APP + 0x51;
    static constexpr UINT kTileMenuMessage = WM_APP + 0x52;

    enum BarTimer : UINT_PTR {
        kRescanTimer = 3,  // 500 ms after the last window born or gone
        kFreshenTimer = 9, // one tile's picture is taken again per period, in turn
    };
    static constexpr UINT kRescanDelay = 500;
    static constexpr UINT kFreshenPeriod = 1000;

    CVimoRemoteWin(KapHost& host, Settings& settings);
    ~CVimoRemoteWin() override;

    // Creates the window at the settings' place, installs the hooks and lists the windows.
    bool CreateBar();
    // The closing steps when the program ends: timers stop, the place goes into the settings.
    void Close();

    // The bar's commands over every listed window.
    void ShowAllNormal();
    void RestoreAll();
    void MinimizeAll();
    void MaximizeAll();
    void CloseAll();
    // The setting has changed: clicks bring one window forward and minimize the others, or toggle.
    void FollowOneWindowMode();

    std::size_t TileCount() const { return tiles_.size(); }
    HWND TileWindow(std::size_t index) const;
    CLayerScreen* TileOf(HWND window) const;
    // How many scans ran (the first one included), and when the last one ran (GetTickCount).
    unsigned ScanCount() const { return scanCount_; }
    DWORD LastScanTick() const { return lastScanTick_; }

protected:
    // CLaunchBar
    bool AlwaysOnTop() const override;
    int MinimumWidth() const override;
    int MinimumHeight() const override;
    void OnResizeTo(int width, int height) override;

    // CKapChrome: the bar keeps no document; its place and size go into the settings.
    DocumentFile File() const override;
    bool TakeDocument(const std::string&) override { return false; }
    void StartNewDocument() override {}
    std::string DocumentText() const override { return {}; }
    bool WriteDocument() override;

    BOOL OnInitDialog() override;
    void OnTimer(UINT_PTR id) override;
    void OnDestroy() override;
    bool HandleMessage(UINT msg, WPARAM wParam, LPARAM lParam, LRESULT& result) override;

private:
    void BuildItems();
    void Layout();
    void PlaceTiles();
    void Scan(bool rescan);
    void RemoveGoneTiles();
    void MakeTile(const ScanEntry& entry);
    void MinimizeOthers(HWND keep);
    std::vector<WindowShowState> ShowStates() const;

    void OnWindowBornOrGone();
    void OnWindowChanged(HWND window, UINT message);
    void OnTileClick(HWND window);
    void ShowTileMenu(HWND window);
    void OnScroll();
    void Freshen();

    WindowBarMetrics metrics_;
    WindowBarLayout layout_;
    CLayerStatic* background_ = nullptr; // items are owned by the layer host
    CLayerScrollV* scroll_ = nullptr;
    std::vector<CLayerScreen*> tiles_; // in list order
    std::vector<HWND> zList_;          // one-window mode: the window brought forward last first
    bool rescanPending_ = false;
    bool hooked_ = false;
    unsigned scanCount_ = 0;
    DWORD lastScanTick_ = 0;
    std::size_t nextFreshen_ = 0;
};

// Makes the window bar of the program's settings: null when its window cannot be made.
std::unique_ptr<CVimoRemoteWin> MakeRemoteWin(KapHost& host, Settings& settings);

} // namespace vimo
