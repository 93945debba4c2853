#pragma once
// CVimoLink: the link folder kap — a resizable panel of named links (programs, documents, folders,
// web addresses), each a row with an icon chosen from its target; a click on a row opens the target
// through the shell. Links are added, edited, deleted and reordered from the context menu, or added
// by dropping a file, folder or shortcut on the kap.
//
// WM_GETTEXT and WM_GETTEXTLENGTH on the kap window answer the rows' titles, one a line (read-only;
// used by tests and accessibility tools).
#include <windows.h>

#include <string>
#include <vector>

#include "kapframe/kap_window_win.h"
#include "kaps/net/link/link_list.h"

namespace vimo {

class CLayerLink;
class CLayerScrollH;
class CLayerStatic;

class CVimoLink : public CKapWindow {
public:
    static constexpr const char* kTitle = "Link Folder";
    // The horizontal bar's value message (WPARAM the percent).
    static constexpr UINT kHScrollMessage = WM_USER + 751;

    CVimoLink(KapHost& host, Settings& settings, const std::string& documentPath);
    ~CVimoLink() override;

protected:
    void ReadPayload(DocumentReader& reader) override;
    void WritePayload(DocumentWriter& writer) const override { WriteLinkPayload(writer, links_.Items()); }
    bool Resizable() const override { return true; }
    void BuildItems() override;
    void LayoutItems() override;
    void PrepareContextMenu(HMENU popup) override;
    bool OnKapCommand(UINT id) override;
    bool OnKapMessage(UINT msg, WPARAM wParam, LPARAM lParam, LRESULT& result) override;
    unsigned DropAccept() const override;
    void OnDrop(const std::string& dropped) override;

private:
    std::string RowsText() const;
    void RebuildRows();
    void StyleRow(CLayerLink& row, const LinkItem& item, std::size_t index, LinkIcon icon);
    void PlaceRows();
    void Changed();
    void AddLink();
    void EditLink();
    void ShowMenuOverRowAtCursor();
    void Wheel(int delta);
    void OnHorizontalScroll(int percent);

    LinkList links_;
    std::vector<CLayerLink*> rows_; // items are owned by the layer host
    CLayerStatic* background_ = nullptr;
    CLayerStatic* title_ = nullptr;
    CLayerScrollH* scroll_ = nullptr;
    int originX_ = 0, originY_ = 0;
};

} // namespace vimo
