#pragma once
// CVimoAccount: the account book — dated lines with an incoming or outgoing amount and a check
// mark, shown a month at a time with the month's totals and the running balance. Lines are added
// and edited in "Edit Line", the name and currency set in "Account"; the lines can be exported to a
// text file and replaced from one. Resizable; a dropped text starts a new line with it as label.
//
// WM_GETTEXT and WM_GETTEXTLENGTH on the kap window answer what it shows, one line each: the month,
// the name, every listed line ("05 : Rent\t- 820.00", a checked one ending in "\t[x]"), the totals
// and the balance (read-only; used by tests and accessibility tools).
#include <windows.h>

#include <string>
#include <vector>

#include "kapframe/kap_window_win.h"
#include "kaps/desk/account/account_book.h"

namespace vimo {

class CLayerButton;
class CLayerLink;
class CLayerStatic;

class CVimoAccount : public CKapWindow {
public:
    // Kap-local: a click on a block whose number has no message of its own.
    static constexpr UINT kBlockClickAtPointer = WM_APP + 1;

    CVimoAccount(KapHost& host, Settings& settings, const std::string& documentPath);
    ~CVimoAccount() override;

protected:
    void ReadPayload(DocumentReader& reader) override;
    void WritePayload(DocumentWriter& writer) const override;
    bool Resizable() const override { return true; }
    void BuildItems() override;
    void LayoutItems() override;
    void PrepareContextMenu(HMENU popup) override;
    bool OnKapCommand(UINT id) override;
    bool OnKapMessage(UINT msg, WPARAM wParam, LPARAM lParam, LRESULT& result) override;
    unsigned DropAccept() const override;
    void OnDrop(const std::string& dropped) override;

private:
    // The n-th listed line; its blocks exist while it is in view.
    struct Listed {
        std::size_t line = 0;        // index into the book
        CLayerLink* text = nullptr;  // block 2n
        CLayerLink* check = nullptr; // block 2n + 1
    };

    CLayerLink* MakeBlock(unsigned number);
    void RebuildMonth();
    void StyleLineBlocks(const Listed& listed);
    void DropBlocks(Listed& listed);
    CLayerStatic* MakeSummary();
    void StyleSummary(CLayerStatic& summary, const std::string& text, const std::string& style);
    void PlaceBlocks();
    int BlockStep() const;
    void Changed();
    std::string ShownText() const;

    void OnBlockClick(unsigned block);
    void OnBlockMenu(unsigned block, bool overLine);
    int BlockAtPointer() const;
    void Wheel(int delta);
    void StepMonth(bool forward);
    void EditLine(AccountLine line, int index);
    void SaveAccount();
    void LoadAccount();
    void Setup();

    AccountBook book_;
    std::string name_, currency_;
    CalendarDate shown_;
    bool showChecked_ = false;
    int selected_ = -1;         // a line of the book
    bool menuOverLine_ = false; // the context menu was opened over a line
    AccountMonth view_;
    int originY_ = 0;

    CLayerStatic* background_ = nullptr;
    CLayerStatic* month_ = nullptr;
    CLayerStatic* nameLabel_ = nullptr;
    CLayerButton* previous_ = nullptr;
    CLayerButton* next_ = nullptr;
    std::vector<Listed> listed_; // items are owned by the layer host
    CLayerStatic* totals_ = nullptr;
    CLayerStatic* balance_ = nullptr;
};

} // namespace vimo
