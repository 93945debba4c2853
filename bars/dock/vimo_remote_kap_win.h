#pragma once
// CVimoRemoteKap: the remote kap dock, a skinned layered window holding a grid of icons that create
// kaps, open shell places, run shortcuts and run the program's window commands. It can hide itself
// and come back when the pointer touches a screen edge, fading in and out. Its document, lock,
// snapping and drop target are those of every kap (CKapChrome). The controller window owns it; it is
// not one of the controller's kaps.
#include <windows.h>

#include <cstddef>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "bars/dock/dock_document.h"
#include "bars/dock/dock_launcher_win.h"
#include "bars/dock/dock_layout.h"
#include "bars/launch_bar_win.h"
#include "kapframe/kap_host_win.h"

namespace vimo {

class CLayerButton;
class CLayerStatic;
class Settings;
struct DockIconCommand;

class CVimoRemoteKap : public CLaunchBar {
public:
    // The window's text, by which it can be told from the kap windows.
    static constexpr const char* kWindowText = "VimoRemoteKap";
    // An icon's click arrives as this command plus the icon's position.
    static constexpr UINT kIconCommandFirst = 0x7000;
    // An icon's right button arrives as this message.
    static constexpr UINT kIconMenuMessage = WM_APP + 0x41;

    CVimoRemoteKap(KapHost& host, Settings& settings);
    ~CVimoRemoteKap() override;

    // Reads the document (or starts with a new dock), creates the window and shows it without
    // activating it. False when the window could not be made.
    bool CreateDock();
    // The closing steps when the program ends: every timer stops, a resize drag ends, the
    // document is written.
    void Close();

    const std::vector<DockIcon>& Icons() const { return icons_; }

protected:
    // CLaunchBar
    bool AlwaysOnTop() const override;
    int MinimumWidth() const override { return metrics_.iconWidth; }
    int MinimumHeight() const override { return metrics_.iconHeight; }
    void OnResizeTo(int width, int height) override;

    // CKapChrome
    DocumentFile File() const override;
    bool TakeDocument(const std::string& text) override;
    void StartNewDocument() override;
    std::string DocumentText() const override;
    unsigned DropAccept() const override;
    void OnDrop(const std::string& dropped) override;

    BOOL OnInitDialog() override;
    bool OnCommand(UINT id, UINT code, HWND control) override;
    void OnDestroy() override;
    bool HandleMessage(UINT msg, WPARAM wParam, LPARAM lParam, LRESULT& result) override;

private:
    // The icons, rectangle and lock of a read or new document.
    void Adopt(DockDocument document);
    void BuildItems();
    void BuildIcons();
    void ClearIcons();
    void StyleIcon(CLayerButton& button, std::size_t index);
    std::string ImageToShow(const DockIcon& icon) const;
    // Snaps the size to whole icons, places the icons, the background and the lock, and shows it.
    void Layout();

    void RunIcon(std::size_t index);
    void Run(const DockIconCommand& command);
    void ShowContextMenu(std::optional<std::size_t> icon);
    void RunMenuCommand(UINT command, std::optional<std::size_t> icon);
    void AddIcon(UINT command);
    void EditIcon(std::size_t index);
    void RemoveIcon(std::size_t index);
    // The icon whose button has this input window (none once the icons were made anew).
    std::optional<std::size_t> IconOfInput(HWND input) const;

    std::vector<DockIcon> icons_; // the document's icons; its rectangle and lock are CKapChrome's
    DockMetrics metrics_;
    DockLayout layout_;
    CLayerStatic* background_ = nullptr;
    std::vector<CLayerButton*> buttons_; // owned by the layer host; one per icon, in document order
    DockLauncher launcher_;
};

// Makes the dock of the program's settings: null when its window cannot be made.
std::unique_ptr<CVimoRemoteKap> MakeRemoteKap(KapHost& host, Settings& settings);

} // namespace vimo
