#pragma once
// The controller window: a tiny invisible dialog at the bottom of the z-order that owns the tray
// icon and its menu, every kap, the program-wide timers, and the exit.
#include <windows.h>

#include <array>
#include <memory>
#include <string>
#include <utility>
#include <vector>

#include "base/desktop_toggle_win.h"
#include "kapframe/kap_host_win.h"
#include "kapframe/kap_win.h"
#include "app/shell_watch_win.h"
#include "app/tray_icon_win.h"
#include "layer/shared_pictures_win.h"
#include "wnd/dialog_win.h"

namespace vimo {

class Settings;
class CLayerHost;
class CVimoRemoteKap;
class CVimoRemoteWin;

class ControllerWindow : public Dialog, public KapHost {
public:
    enum Timer : UINT_PTR { kClickTimer = 1, kReminderTimer = 2, kSaveTimer = 3, kTrayTimer = 4 };
    static constexpr UINT kClickDelay = 300, kReminderPeriod = 5000, kSavePeriod = 60000;
    // While the shell does not take the tray icon (not started yet), it is offered again this often.
    static constexpr UINT kTrayRetryPeriod = 2000;

    explicit ControllerWindow(Settings& settings);
    ~ControllerWindow() override;

    // The registered tray callback message "WMU_NOTIFY_TASKBAR_ICON".
    static UINT TrayMessage();

    // True when every kap's document is on disk.
    bool SaveAllKaps();
    void SaveSettings();
    // A kap, the dock or the window bar that has a dialog of its own open (its window disabled), or null.
    HWND WindowWithOpenDialog() const;
    // Everything the user has: the settings, every kap and the dock (the end of the session).
    void SaveEverything();
    std::size_t KapCount(KapType type) const { return kaps_[Index(type)].size(); }

    // KapHost
    HWND HostWindow() const override { return Hwnd(); }
    bool CanCreate(KapType type) const override;
    Kap* CreateKap(KapType type) override;
    bool RestoreKap(KapType type, const std::string& documentPath) override;
    std::vector<Kap*> KapsOf(KapType type) const override;
    void SetResizing(bool resizing) override { resizing_ = resizing; }
    bool Resizing() const override { return resizing_; }
    bool HasWindowBar() const override { return bar_ != nullptr; }
    std::vector<ScreenRect> BarRects() const override;
    SharedPictures& Pictures() override { return pictures_; }
    CVimoRemoteWin* WindowBar() const { return bar_.get(); }

protected:
    BOOL OnInitDialog() override;
    bool OnCommand(UINT id, UINT code, HWND control) override;
    void OnTimer(UINT_PTR id) override;
    void OnDestroy() override;
    bool HandleMessage(UINT msg, WPARAM wParam, LPARAM lParam, LRESULT& result) override;

private:
    static std::size_t Index(KapType type) { return static_cast<std::size_t>(type); }
    template <typename F> void ForEachKap(F f);

    void OnTrayEvent(UINT event);
    void ShowTrayMenu();
    void LoadKaps(KapType type);
    // Makes the kap of a document; false when the document is there but cannot be read now.
    bool LoadKap(KapType type, const std::string& path);
    void RetryUnreadDocuments();
    void LoadAllKaps();
    void RemoveKap(KapType type, WPARAM kap);
    void DestroyAllKaps();
    // The setup dialog; on OK the settings are saved and every kap, the dock and the window bar are
    // made again with the chosen skin.
    void OpenSetup();
    void CheckReminders();
    void RefreshCalendars();
    void ShowDesktop();
    void ShowWindows();
    void Exit();
    void CreateDock();
    void CreateWindowBar();
    // A window bar command from the menu or the dock; nothing without a window bar.
    void RunWindowBarCommand(UINT id);
    void RestoreTrayIcon();

    Settings& settings_;
    SharedPictures pictures_; // outlives the kaps, the dock and the window bar that show them
    std::array<std::vector<std::unique_ptr<Kap>>, kKapTypeCount> kaps_;
    std::vector<std::pair<KapType, std::string>> unread_; // documents to try again (locked at start)
    std::unique_ptr<CLayerHost> layer_;                   // the controller's own 10 x 10 layer surface
    std::unique_ptr<CVimoRemoteKap> dock_;
    std::unique_ptr<CVimoRemoteWin> bar_;
    TrayIcon tray_;
    std::unique_ptr<ShellWatch> shellWatch_;
    DesktopToggle desktop_;
    HICON icon_ = nullptr;
    bool clickPending_ = false;
    bool exiting_ = false; // Exit has saved everything: the kaps' windows go with the process
    bool desktopShown_ = false;
    bool resizing_ = false;
    bool setupOpen_ = false;
};

} // namespace vimo
