#pragma once
// CKapWindow: the behaviour every kap window shares on top of CKapChrome — its document's header
// and rectangle, desktop parenting, moving, hover and focus, the top-most switch, the context menu
// with the common entries, deletion into the deleted store and, for a resizable kap, the corner
// grip. A kap type derives from it and supplies its skin-built items, its document lines and its
// commands.
#include <windows.h>

#include <climits>
#include <memory>
#include <string>

#include "kapframe/kap_chrome_win.h"
#include "kapframe/kap_document.h"
#include "kapframe/kap_host_win.h"
#include "kapframe/kap_win.h"
#include "kapframe/resize_grip_win.h"

namespace vimo {

class CLayerHost;
class Settings;
class SkinRecord;

class CKapWindow : public CKapChrome, public Kap {
public:
    enum Timer : UINT_PTR { kResizeTimer = 8 };

    // documentPath: the document to load, or empty for a new kap.
    CKapWindow(KapHost& host, KapType type, Settings& settings, const std::string& documentPath);
    ~CKapWindow() override;

    // Reads the document (or makes a new kap) and creates the hidden window. False on failure, also
    // when the document is there but cannot be read now (locked): it is then left as it is.
    bool CreateKap();

    // Kap
    KapType Type() const override { return type_; }
    HWND Hwnd() const override { return Dialog::Hwnd(); }
    bool SaveDocument() override { return CKapChrome::SaveDocument(); }
    void SendToDesktop() override;
    void Raise() override;
    void SetLocked(bool locked) override;
    void LeaveWindowToSystem() override { Dialog::LeaveWindowToSystem(); }

    void SwitchTopMost();
    const std::string& KapName() const { return header_.kapName; }
    bool TopMost() const { return header_.topMost; }
    bool IsRaised() const { return raised_; }

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
    // True for a kap the corner grip resizes (the note, the photo album): its size is kept in its
    // document. Any other kap has the skin's size.
    virtual bool Resizable() const { return false; }
    // The widest the grip may make the kap.
    virtual int MaximumWidth() const { return INT_MAX; }
    // Builds the layer items from the skin record, then lays them out (before the first refresh
    // and after every step of the grip).
    virtual void BuildItems() {}
    virtual void LayoutItems() {}
    // Check marks and greyed entries of the type's own context-menu entries.
    virtual void PrepareContextMenu(HMENU /*popup*/) {}
    // The type's own commands and messages (handled ahead of the common ones).
    virtual bool OnKapCommand(UINT /*id*/) { return false; }
    virtual bool OnKapMessage(UINT /*msg*/, WPARAM /*wParam*/, LPARAM /*lParam*/, LRESULT& /*result*/) { return false; }
    // Where the keyboard focus goes when the kap is raised or made top-most (the note: its edit).
    virtual void TakeFocus() { SetFocus(Hwnd()); }
    // Whether hovering gives the kap the focus (the note decides by its lock and resizing).
    virtual bool FocusOnHover() const { return true; }
    // Called just before the kap takes a new parent or top-most state, with what they become (a
    // null parent: a plain top-level window), so windows that keep to the kap follow it first.
    virtual void OnPlacementChanging(HWND /*parent*/, bool /*topMost*/) {}

    // --- shared services for the kap types ---
    // Starts a drag of the corner grip of a resizable, unlocked kap when the client point lies in
    // the corner square; false otherwise.
    bool BeginResize(POINT client);
    // Pops up the kap's context menu at the cursor.
    void ShowContextMenu();
    // The first items of most kaps: the window-filling background of the skin's Background* keys
    // and the lock picture at the skin's Lock* place. Returns the background.
    CLayerStatic* MakeBackgroundAndLock();
    // A resizable kap read from its document is never smaller than the skin's IconWidth x IconHeight.
    void KeepAtLeastSkinSize();

    // CKapChrome
    DocumentFile File() const override;
    bool TakeDocument(const std::string& text) override;
    void StartNewDocument() override;
    std::string DocumentText() const override;
    void OnPositionChanging(WINDOWPOS& position) override;

    BOOL OnInitDialog() override;
    bool OnCommand(UINT id, UINT code, HWND control) override;
    void OnTimer(UINT_PTR id) override;
    bool HandleMessage(UINT msg, WPARAM wParam, LPARAM lParam, LRESULT& result) override;

private:
    void Delete();
    void KeepOnScreen();
    void ToggleDesktop();
    void ResizeStep();
    // Gives the kap the parent unless it has it already.
    void MoveUnder(HWND parent);

    KapType type_;
    std::string loadPath_;
    KapHeader header_; // its lock letter is CKapChrome's Locked()
    bool topMostEstablished_ = false;
    bool raised_ = true;
    bool hoverTracking_ = false;
    bool madeNew_ = false;
    ResizeGrip grip_;
};

// The factory of a kap type: a window of class K; null when the window could not be made.
template <class K>
std::unique_ptr<Kap> MakeKapWindow(KapHost& host, Settings& settings, const std::string& documentPath) {
    std::unique_ptr<K> kap = MakeWholeDialog<K>(host, settings, documentPath);
    if (!kap->CreateKap()) return nullptr;
    return kap;
}

} // namespace vimo
