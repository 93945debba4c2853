#pragma once
// CVimoTrash: the trash kap — the documents of the deleted store as one scrolling row of items. A
// click on an item brings its kap back; "Empty Trash" deletes the store's files after a question. A
// directory watcher on the store keeps the row up to date while the trash is open.
//
// WM_GETTEXT and WM_GETTEXTLENGTH on the kap window answer the items' labels, one a line (read-only;
// used by tests and accessibility tools).
#include <windows.h>

#include <string>
#include <vector>

#include "kapframe/kap_window_win.h"
#include "kaps/desk/trash/directory_watcher_win.h"
#include "kaps/desk/trash/trash_entry.h"

namespace vimo {

class CLayerLink;
class CLayerScrollH;
class CLayerStatic;

class CVimoTrash : public CKapWindow {
public:
    enum TrashTimer : UINT_PTR { kRefillTimer = 3, kRedrawTimer = 5 };
    static constexpr UINT kRefillDelay = 100, kRedrawPeriod = 100;
    // The watcher's report, posted to the trash window; and the horizontal bar's value (WPARAM the percent).
    static constexpr UINT kStoreChanged = WM_APP + 1, kHScrollMessage = WM_APP + 2;

    CVimoTrash(KapHost& host, Settings& settings, const std::string& documentPath);
    ~CVimoTrash() override;

protected:
    bool Resizable() const override { return true; }
    void ReadPayload(DocumentReader& reader) override;
    void BuildItems() override;
    void LayoutItems() override;
    bool OnKapCommand(UINT id) override;
    bool OnKapMessage(UINT msg, WPARAM wParam, LPARAM lParam, LRESULT& result) override;
    BOOL OnInitDialog() override;
    void OnTimer(UINT_PTR id) override;
    void OnDestroy() override;

private:
    static int OnStoreChanged(DirectoryChange code, const SnapshotEntry& entry, void* context);
    std::string StoreFolder() const;
    std::string LabelsText() const;
    void Fill();
    void Restore(std::size_t index);
    void Empty();
    int ContentWidth() const;
    void PlaceItems();
    void Wheel(int delta);

    DirectoryWatcher watcher_;
    std::vector<TrashEntry> entries_;
    std::vector<CLayerLink*> items_; // owned by the layer host
    CLayerStatic* background_ = nullptr;
    CLayerStatic* title_ = nullptr;
    CLayerScrollH* scroll_ = nullptr;
    int originX_ = 0;
    bool scrolled_ = false;
};

} // namespace vimo
