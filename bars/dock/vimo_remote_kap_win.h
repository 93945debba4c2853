#pragma once
// CVimoRemoteKap: the remote kap dock, a skinned layered window holding a grid of icons that create
// kaps, open shell places, run shortcuts and run the program's window commands. It can hide itself
// and come back when the pointer touches a screen edge, fading in and out. The controller window
// owns it; it is not one of the controller's kaps.
#include <windows.h>

#include <cstddef>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "kapframe/kap_host_win.h"
#include "wnd/dialog_win.h"
#include "bars/dock/dock_autohide.h"
#include "bars/dock/dock_document.h"
#include "bars/dock/dock_launcher_win.h"
#include "bars/dock/dock_layout.h"
#include "bars/dock/dock_resize.h"
#include "kapframe/drop_target_win.h"

namespace vimo {

class CLayerButton;
class CLayerHost;
class CLayerStatic;
class Settings;
class SkinRecord;
struct DockIconCommand;

class CVimoRemoteKap : public Dialog {
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
    // Writes the document; false when it could not be written (the dock stays modified).
    bool SaveDocument();

    bool Locked() const { return document_.locked; }
    void SetLocked(bool locked);
    const std::vector<DockIcon>& Icons() const { return document_.icons; }
    // The document's file.
    std::string DocumentPath() const;
    // The dock's layer surface (null before its window exists).
    const CLayerHost* Layer() const { return layer_.get(); }

protected:
    BOOL OnInitDialog() override;
    bool OnCommand(UINT id, UINT code, HWND control) override;
    void OnTimer(UINT_PTR id) override;
    void OnDestroy() override;
    bool HandleMessage(UINT msg, WPARAM wParam, LPARAM lParam, LRESULT& result) override;

private:
    const SkinRecord& Skin() const;
    void LoadDocument();
    void BuildItems();
    void BuildIcons();
    void ClearIcons();
    void StyleIcon(CLayerButton& button, std::size_t index);
    std::string ImageToShow(const DockIcon& icon) const;
    void ApplyLockLook();
    // Snaps the size to whole icons, places the icons, the background and the lock, and shows it.
    void Layout();
    void Changed();

    void RunIcon(std::size_t index);
    void Run(const DockIconCommand& command);
    void ShowContextMenu(std::optional<std::size_t> icon);
    void RunMenuCommand(UINT command, std::optional<std::size_t> icon);
    void AddIcon(UINT command);
    void EditIcon(std::size_t index);
    void RemoveIcon(std::size_t index);
    std::optional<std::size_t> IconUnderCursor() const;

    void OnLeftButtonDown();
    void StartResize();
    void ResizeStep();
    void EndResize();
    void ReassertTopMost() const;
    void OnPositionChanging(WINDOWPOS& position) const;

    void Apply(const DockStep& step);
    void ApplyTimer(UINT_PTR id, const DockTimerOrder& order);
    bool PointerInside() const;

    KapHost& host_;
    Settings& settings_;
    DockDocument document_;
    DockMetrics metrics_;
    DockLayout layout_;
    std::unique_ptr<CLayerHost> layer_;
    CLayerStatic* background_ = nullptr;
    CLayerStatic* lock_ = nullptr;
    std::vector<CLayerButton*> icons_; // owned by the layer host; in document order
    DockAutoHide autoHide_;
    std::optional<DockResizeDrag> resize_;
    bool modified_ = false;
    bool modalOpen_ = false; // a menu or the icon dialog: the dock stays while it is open
    DockLauncher launcher_;
    KapDropTarget dropTarget_;
};

// Makes the dock of the program's settings: null when its window cannot be made.
std::unique_ptr<CVimoRemoteKap> MakeRemoteKap(KapHost& host, Settings& settings);

} // namespace vimo
