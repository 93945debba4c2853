#pragma once
// CKapChrome: what a kap window and the remote kap dock have in common — the layer surface of the
// window, the document on disk (read back, set aside when unusable, written 10 s after a change
// and when asked), the lock and its picture, edge snapping while the window is moved, and the drop
// target. A kap (CKapWindow) or the dock derives from it and supplies its document's text, its
// items and what a drop does.
#include <windows.h>

#include <memory>
#include <string>

#include "kapframe/document_file_win.h"
#include "kapframe/drop_target_win.h"
#include "kapframe/kap_document.h"
#include "kapframe/kap_host_win.h"
#include "layer/layer_geometry.h"
#include "layer/skin/skin_type.h"
#include "wnd/dialog_win.h"

namespace vimo {

class CLayerHost;
class CLayerStatic;
class Settings;
class SkinRecord;

class CKapChrome : public Dialog {
public:
    enum ChromeTimer : UINT_PTR { kSaveTimer = 1 };
    static constexpr UINT kSavePeriod = 10000;

    // skin: the skin record of the window's items.
    CKapChrome(KapHost& host, Settings& settings, SkinType skin);
    // The window must be gone by now (see WholeDialog): only this class's part of it is left.
    ~CKapChrome() override;

    // Writes the document now, with the window's current place; false when it could not be written
    // (the change then stays waiting for the next try).
    bool SaveDocument();
    std::string DocumentPath() const { return File().Path(); }

    bool Locked() const { return locked_; }
    // A change shows or hides the lock picture, marks the document changed and calls OnLockChanged.
    virtual void SetLocked(bool locked);
    // True while a change waits for the save timer.
    bool Dirty() const { return dirty_; }
    // The window's rectangle as the document keeps it.
    const KapRect& Rect() const { return rect_; }
    // The window's layer surface (null while there is no window).
    CLayerHost* Layer() const { return layer_.get(); }

protected:
    // --- what the window supplies ---
    // The document's file.
    virtual DocumentFile File() const = 0;
    // Takes the text of a document read from disk; false when it is not usable.
    virtual bool TakeDocument(const std::string& text) = 0;
    // Starts a new document: there was none, or it was not usable.
    virtual void StartNewDocument() = 0;
    // The document's text as it is written; Rect() holds the window's place.
    virtual std::string DocumentText() const = 0;
    // Stores the document (SaveDocument has put the window's place into Rect()): the text into the
    // file, unless the window keeps its place elsewhere. False when it could not be stored. A text
    // that is what this window last read or wrote, with the file still there, is not written again.
    virtual bool WriteDocument();
    // After the lock picture has followed Locked() (the note makes its text read-only).
    virtual void OnLockChanged() {}
    // Drops the window accepts (KapDropTarget::Accept flags), and what it does with a dropped string.
    virtual unsigned DropAccept() const { return 0; }
    virtual void OnDrop(const std::string& /*dropped*/) {}
    // While true, edge snapping leaves the position alone.
    virtual bool SnappingSuspended() const { return false; }
    // A move or resize of the window about to happen: snaps the place to the screen edges.
    virtual void OnPositionChanging(WINDOWPOS& position);

    // --- shared services ---
    KapHost& Host() const { return host_; }
    Settings& AppSettings() const { return settings_; }
    const SkinRecord& Skin() const;
    // The window that owns the kaps and receives what they post.
    HWND Owner() const { return host_.HostWindow(); }

    // Reads the document at path: a usable one goes to TakeDocument; an unusable one is kept aside
    // as "<file>.bad" and, like a missing one, gives StartNewDocument. False, with nothing done, when
    // the document is there but cannot be read now (another program holds it).
    bool LoadDocument(const std::string& path);
    KapRect& MutableRect() { return rect_; }
    // The lock state read from a document (no change is marked).
    void TakeLocked(bool locked) { locked_ = locked; }

    // Makes the window's layer surface of width x height at the constant alpha, and takes the
    // caption off the window.
    void CreateLayer(int width, int height, int alpha);
    // The lock picture (the skin's LockFileName) at r; it shows while the window is locked.
    CLayerStatic* MakeLockImage(const LayerRect& r);
    CLayerStatic* LockImage() const { return lock_; }
    // The lock picture follows Locked(), then OnLockChanged runs.
    void FollowLock();
    // Registers the drop target (when DropAccept is not 0) and starts the save timer.
    void StartChrome();

    // Moves the window with the pointer until the button goes up (called on the press of the left
    // button), from where the button went down.
    void StartMove();

    // A change to save at the next tick of the save timer.
    void SetDirty() { dirty_ = true; }
    // A change to save 10 s from now: the save timer starts again.
    void ChangedNow();
    // Stops the save timer and forgets a waiting change (the closing steps save on their own).
    void StopSaveTimer();

    void OnTimer(UINT_PTR id) override;
    void OnDestroy() override;
    // WM_WINDOWPOSCHANGING and the drop target's message; a derived window calls this for the
    // messages it does not handle itself.
    bool HandleMessage(UINT msg, WPARAM wParam, LPARAM lParam, LRESULT& result) override;

private:
    KapHost& host_;
    Settings& settings_;
    SkinType skin_;
    KapRect rect_;
    bool locked_ = false;
    bool dirty_ = false;
    std::string onDisk_; // the document's text as last read or written
    std::unique_ptr<CLayerHost> layer_;
    CLayerStatic* lock_ = nullptr; // owned by the layer host
    KapDropTarget dropTarget_;
};

} // namespace vimo
