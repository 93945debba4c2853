#pragma once
// CKapWindow: the behaviour every kap window shares — its document, desktop parenting, moving
// with edge snapping, hover and focus, locking, the top-most switch, the context menu with the
// common entries, deletion into the deleted store, the save timer and the drop target. A kap
// type derives from it and supplies its skin-built items, its document lines and its commands.
#include <windows.h>

#include <memory>
#include <string>

#include "kapframe/kap_win.h"
#include "wnd/dialog_win.h"
#include "kapframe/drop_target_win.h"
#include "kapframe/kap_host_win.h"
#include "kapframe/kap_document.h"

namespace vimo {

class CLayerHost;
class Settings;
class SkinRecord;

class CKapWindow : public Dialog, public Kap {
public:
    enum Timer : UINT_PTR { kSaveTimer = 1 };
    static constexpr UINT kSavePeriod = 10000;

    // documentPath: the document to load, or empty for a new kap.
    CKapWindow(KapHost& host, KapType type, Settings& settings, const std::string& documentPath);
    ~CKapWindow() override;

    // Reads the document (or makes a new kap) and creates the hidden window. False on failure, also
    // when the document is there but cannot be read now (locked): it is then left as it is.
    bool CreateKap();

    // Kap
    KapType Type() const override { return type_; }
    HWND Hwnd() const override { return Dialog::Hwnd(); }
    bool SaveDocument() override;
    void SendToDesktop() override;
    void Raise() override;
    void SetLocked(bool locked) override;

    void SwitchTopMost();
    const std::string& KapName() const { return header_.kapName; }
    bool Locked() const { return header_.locked; }
    bool TopMost() const { return header_.topMost; }
    bool IsRaised() const { return raised_; }
    bool Dirty() const { return dirty_; }
    const KapRect& Rect() const { return rect_; }
    // The document's file name in \Notes\.
    std::string DocumentPath() const;

protected:
    // --- what each kap type supplies ---
    // How many type letters the header carries, and their current value.
    virtual std::size_t TypeLetterCount() const { return 0; }
    virtual std::string TypeLetters() const { return {}; }
    virtual void SetTypeLetters(const std::string& /*letters*/) {}
    // The text after the top-most letter (the note's alarm stamp).
    virtual std::string HeaderTail() const { return {}; }
    virtual void SetHeaderTail(const std::string& /*tail*/) {}
    // Lines 6 and further.
    virtual void ReadPayload(DocumentReader& /*reader*/) {}
    virtual void WritePayload(DocumentWriter& /*writer*/) const {}
    // True when the document's width and height are applied (the note); otherwise the skin's.
    virtual bool TakesSizeFromDocument() const { return false; }
    // Builds the layer items from the skin record, then lays them out (before the first refresh).
    virtual void BuildItems() {}
    virtual void LayoutItems() {}
    // After a lock change: the lock image and the editing controls follow Locked().
    virtual void OnLockChanged() {}
    // Check marks and greyed entries of the type's own context-menu entries.
    virtual void PrepareContextMenu(HMENU /*popup*/) {}
    // The type's own commands and messages (handled ahead of the common ones).
    virtual bool OnKapCommand(UINT /*id*/) { return false; }
    virtual bool OnKapMessage(UINT /*msg*/, WPARAM /*wParam*/, LPARAM /*lParam*/, LRESULT& /*result*/) { return false; }
    // Drops the kap accepts (KapDropTarget::Accept flags), and what it does with a dropped string.
    virtual unsigned DropAccept() const { return 0; }
    virtual void OnDrop(const std::string& /*dropped*/) {}
    // Left button on the kap's own surface, after the common handling (the note: resize grip).
    virtual void AfterLeftButtonDown(POINT /*client*/) {}
    // Where the keyboard focus goes when the kap is raised or made top-most (the note: its edit).
    virtual void TakeFocus() { SetFocus(Hwnd()); }
    // While true (the note's ringing), edge snapping leaves the position alone.
    virtual bool SnappingSuspended() const { return false; }
    // Whether hovering gives the kap the focus (the note decides by its lock and resizing).
    virtual bool FocusOnHover() const { return true; }

    // --- shared services for the kap types ---
    CLayerHost* Layer() const { return layer_.get(); }
    Settings& AppSettings() const { return settings_; }
    const SkinRecord& Skin() const;
    HWND Owner() const { return host_.HostWindow(); }
    KapHost& Host() const { return host_; }
    void SetDirty() { dirty_ = true; }
    // Sets dirty and restarts the save timer: the document is written 10 s after the last change.
    void ChangedNow();
    KapRect& MutableRect() { return rect_; }
    const std::string& DroppedString() const { return dropTarget_.Dropped(); }
    // Moves the kap with the pointer until the button goes up (called on the press of the left button).
    void StartMove();
    // Pops up the kap's context menu at the cursor.
    void ShowContextMenu();

    BOOL OnInitDialog() override;
    bool OnCommand(UINT id, UINT code, HWND control) override;
    void OnTimer(UINT_PTR id) override;
    void OnDestroy() override;
    bool HandleMessage(UINT msg, WPARAM wParam, LPARAM lParam, LRESULT& result) override;

private:
    // False when the document exists but cannot be read now.
    bool LoadDocument();
    void KeepOnScreen();
    void StartNew();
    void Delete();
    void OnPositionChanging(WINDOWPOS& position);
    void ToggleDesktop();

    KapHost& host_;
    KapType type_;
    Settings& settings_;
    std::string loadPath_;
    KapHeader header_;
    KapRect rect_;
    bool topMostEstablished_ = false;
    bool raised_ = true;
    bool hoverTracking_ = false;
    bool dirty_ = false;
    bool madeNew_ = false;
    std::unique_ptr<CLayerHost> layer_;
    KapDropTarget dropTarget_;
};

// The factory of a kap type: a window of class K; null when the window could not be made.
template <class K>
std::unique_ptr<Kap> MakeKapWindow(KapHost& host, Settings& settings, const std::string& documentPath) {
    auto kap = std::make_unique<K>(host, settings, documentPath);
    if (!kap->CreateKap()) return nullptr;
    return kap;
}

} // namespace vimo
