#include "kaps/desk/account/vimo_account_win.h"

#include <windowsx.h>

#include <algorithm>

#include "base/messages.h"
#include "base/resource.h"
#include "base/text_util.h"
#include "base/whole_file_win.h"
#include "kapframe/settings.h"
#include "kaps/desk/account/account_document.h"
#include "kaps/desk/account/vimo_account_config_win.h"
#include "kaps/desk/account/vimo_account_edit_win.h"
#include "kaps/desk/calendar/month_title.h"
#include "layer/controls/layer_button_win.h"
#include "layer/controls/layer_link_win.h"
#include "layer/controls/layer_static_win.h"
#include "layer/layer_host_win.h"
#include "layer/skin/skin_layout.h"
#include "wnd/dialog_fields_win.h"
#include "wnd/menu_handle_win.h"
#include "wnd/text_reply_win.h"

namespace vimo {

namespace {

// Blocks below this number post their own click and right-button messages; the right-button
// message of a further block would be the kap's text-changed message, so those blocks post
// kBlockClickAtPointer and the plain right-button message and the kap finds the block under the
// pointer.
constexpr unsigned kBlockMessages = WMU_EDIT_CHANGED - WMU_ACCOUNT_BLOCK_MENU_BASE;
constexpr int kCentre = 0, kLeft = 1;
constexpr int kBlockGap = 4;  // between a line's text block and its check block
constexpr int kTextInset = 6; // of the texts from the block's sides
constexpr std::size_t kMaxImportBytes = 64u << 20;
constexpr const char kFileFilter[] = "Account files (*.txt)\0*.txt\0All files (*.*)\0*.*\0";

CalendarDate LocalToday() {
    SYSTEMTIME now = {};
    GetLocalTime(&now);
    return CalendarDate{now.wYear, now.wMonth, now.wDay};
}

// Room the amount of a line takes at the right of its block, so the label is cut before it.
int AmountRoom(const std::string& amount, int fontSize) {
    return amount.empty() ? 0 : static_cast<int>(amount.size()) * std::max(1, fontSize) * 3 / 5 + kTextInset * 2;
}

} // namespace

CVimoAccount::CVimoAccount(KapHost& host, Settings& settings, const std::string& documentPath)
    : CKapWindow(host, KapType::Account, settings, documentPath), shown_(LocalToday()) {}

CVimoAccount::~CVimoAccount() = default;

void CVimoAccount::ReadPayload(DocumentReader& reader) {
    AccountPayload payload;
    ReadAccountPayload(reader, payload);
    name_ = std::move(payload.name);
    currency_ = std::move(payload.currency);
    book_.Assign(std::move(payload.lines));
    KeepAtLeastSkinSize();
}

void CVimoAccount::WritePayload(DocumentWriter& writer) const {
    WriteAccountPayload(writer, AccountPayload{name_, currency_, book_.Lines()});
}

// --- items -----------------------------------------------------------------------------------------

void CVimoAccount::BuildItems() {
    CLayerHost* host = Layer();
    const SkinRecord& skin = Skin();
    const SkinSize kap{Rect().width, Rect().height};
    background_ = MakeBackgroundAndLock();

    auto button = [&](const char* prefix, UINT message) {
        const LayerRect r = ElementRect(skin, prefix, kap);
        auto* made = new CLayerButton(host, r.x, r.y, r.width, r.height);
        made->Elem().SetImage(skin.Str(std::string(prefix) + "FileName"));
        made->Notifications().target = Hwnd();
        made->Notifications().clickMessage = message;
        made->SetDoubleClickIsPress(true); // quick presses step a month each
        return made;
    };
    previous_ = button("BtnPrev", WMU_PREVIOUS_MONTH);
    next_ = button("BtnNext", WMU_NEXT_MONTH);

    const LayerRect month = ElementRect(skin, "Month", kap);
    month_ = new CLayerStatic(host, month.x, month.y, month.width, month.height);
    month_->Elem().SetBlockStyle(TextBlockId::Text, skin.TextStyle("Month"));
    month_->Elem().SetBlockPosition(TextBlockId::Text, kCentre, kCentre);

    const LayerRect name = ElementRect(skin, "Name", kap);
    nameLabel_ = new CLayerStatic(host, name.x, name.y, name.width, name.height);
    nameLabel_->Elem().SetBlockStyle(TextBlockId::Text, skin.TextStyle("Name"));
    nameLabel_->Elem().SetBlockPosition(TextBlockId::Text, kLeft, kCentre);
    nameLabel_->Elem().SetBlockSingleLine(TextBlockId::Text, true);

    RebuildMonth();
}

CLayerLink* CVimoAccount::MakeBlock(unsigned number) {
    const SkinRecord& skin = Skin();
    auto* block = new CLayerLink(Layer(), 0, 0, 1, std::max(1, skin.Int("BlockHeight")));
    block->SetInViewport(true);
    block->Elem().SetBackgroundColour(skin.Colour("BlockBackground"));
    LayerNotifications& forward = block->Notifications();
    forward.target = Hwnd();
    const bool numbered = number < kBlockMessages;
    forward.clickMessage = numbered ? AccountBlockClickMessage(number) : kBlockClickAtPointer;
    forward.rightButtonMessage = numbered ? AccountBlockMenuMessage(number) : static_cast<UINT>(WM_RBUTTONDOWN);
    forward.moveMessage = WM_MOUSEMOVE;
    if (number % 2 == 0) {
        forward.doubleClickMessage = WM_LBUTTONDBLCLK; // as over the background
    } else {
        block->SetDoubleClickIsPress(true); // a quick second click on a check mark takes it away again
    }
    return block;
}

void CVimoAccount::StyleLineBlocks(const Listed& listed) {
    const SkinRecord& skin = Skin();
    const AccountLine& line = book_.Lines()[listed.line];
    const std::string amount = LineAmountText(line);
    const char* amountStyle = line.out > 0 ? "AmountOut" : "AmountIn";

    CLayerElement& text = listed.text->Elem();
    text.SetBlockStyle(TextBlockId::Title, skin.TextStyle("DateComment"));
    text.SetBlockPosition(TextBlockId::Title, skin.Int("DateCommentHPos"), skin.Int("DateCommentVPos"));
    text.SetBlockSingleLine(TextBlockId::Title, true);
    text.SetBlockMargins(TextBlockId::Title, kTextInset, 0,
                         kTextInset + AmountRoom(amount, skin.Int("DateCommentSize")), 0);
    text.SetBlockText(TextBlockId::Title, LineDayLabel(line));
    text.SetBlockStyle(TextBlockId::Text, skin.TextStyle(amountStyle));
    text.SetBlockPosition(TextBlockId::Text, skin.Int(std::string(amountStyle) + "HPos"),
                          skin.Int(std::string(amountStyle) + "VPos"));
    text.SetBlockSingleLine(TextBlockId::Text, true);
    text.SetBlockMargins(TextBlockId::Text, kTextInset, 0, kTextInset, 0);
    text.SetBlockText(TextBlockId::Text, amount);

    CLayerElement& check = listed.check->Elem();
    check.SetImage(line.checked ? skin.Str("CheckedFileName") : std::string());
    check.SetImagePosition(skin.Int("CheckedHPos"), skin.Int("CheckedVPos"));
}

CLayerStatic* CVimoAccount::MakeSummary() {
    const SkinRecord& skin = Skin();
    auto* made = new CLayerStatic(Layer(), 0, 0, 1, std::max(1, skin.Int("BlockHeight")));
    made->SetInViewport(true);
    CLayerElement& element = made->Elem();
    element.SetBackgroundColour(skin.Colour("BlockBackground"));
    element.SetBlockSingleLine(TextBlockId::Text, true);
    element.SetBlockMargins(TextBlockId::Text, kTextInset, 0, kTextInset, 0);
    return made;
}

void CVimoAccount::StyleSummary(CLayerStatic& summary, const std::string& text, const std::string& style) {
    const SkinRecord& skin = Skin();
    CLayerElement& element = summary.Elem();
    element.SetBlockStyle(TextBlockId::Text, skin.TextStyle(style));
    element.SetBlockPosition(TextBlockId::Text, skin.Int(style + "HPos"), skin.Int(style + "VPos"));
    element.SetBlockText(TextBlockId::Text, text);
}

void CVimoAccount::RebuildMonth() {
    view_ = BuildAccountMonth(book_.Lines(), YearMonth{shown_.year, shown_.month}, showChecked_);
    // The blocks made for the slots that remain show their new lines; the others go.
    for (std::size_t n = view_.listed.size(); n < listed_.size(); ++n) DropBlocks(listed_[n]);
    listed_.resize(view_.listed.size());
    for (std::size_t n = 0; n < listed_.size(); ++n) {
        listed_[n].line = view_.listed[n];
        if (listed_[n].text) StyleLineBlocks(listed_[n]);
    }
    if (!totals_) totals_ = MakeSummary();
    if (!balance_) balance_ = MakeSummary();
    StyleSummary(*totals_, TotalsText(view_, currency_), view_.balance >= 0 ? "AmountIn" : "AmountOut");
    StyleSummary(*balance_, BalanceText(view_, currency_), "FinalAmount");

    month_->Elem().SetBlockText(TextBlockId::Text, MonthTitle(YearMonth{shown_.year, shown_.month}, StrftimeText));
    nameLabel_->Elem().SetBlockText(TextBlockId::Text, name_);
    if (Hwnd()) LayoutItems();
}

void CVimoAccount::DropBlocks(Listed& listed) {
    delete listed.text;
    delete listed.check;
    listed.text = listed.check = nullptr;
}

void CVimoAccount::LayoutItems() {
    const SkinRecord& skin = Skin();
    const KapRect& r = Rect();
    const SkinSize kap{r.width, r.height};
    background_->SetBounds(LayerRect{0, 0, r.width, r.height});
    LockImage()->SetBounds(ElementRect(skin, "Lock", kap));
    const LayerRect view = ContenerRect(skin, kap);
    Layer()->SetViewport(view.x, view.y, view.width, view.height);
    PlaceBlocks();
}

int CVimoAccount::BlockStep() const { return std::max(1, Skin().Int("BlockHeight")) + Skin().Int("BlockSpacing"); }

void CVimoAccount::PlaceBlocks() {
    const SkinRecord& skin = Skin();
    const KapRect& r = Rect();
    const LayerRect view = ContenerRect(skin, SkinSize{r.width, r.height});
    const int height = std::max(1, skin.Int("BlockHeight"));
    const int step = BlockStep();
    const int textWidth = std::max(1, skin.Int("BlockWidth") + r.width - skin.Int("IconWidth"));
    const int spare = skin.Int("ContenerWidth") - skin.Int("BlockWidth") - kBlockGap;
    const int checkWidth = spare > 0 ? spare : height;
    // A smaller kap or a shorter month may leave the list scrolled past its end.
    const int total = static_cast<int>(listed_.size() + 2) * step;
    originY_ = total > view.height ? std::max(originY_, view.height - total) : 0;
    Layer()->SetOrigin(0, originY_);

    // Only the lines in view have blocks, so a long month costs no more than a short one.
    const std::size_t first = static_cast<std::size_t>(std::max(0, -originY_ / std::max(1, step)));
    const std::size_t end =
        std::min(listed_.size(), first + static_cast<std::size_t>(view.height / std::max(1, step) + 2));
    for (std::size_t n = 0; n < listed_.size(); ++n) {
        Listed& listed = listed_[n];
        if (n < first || n >= end) {
            DropBlocks(listed);
            continue;
        }
        if (!listed.text) {
            listed.text = MakeBlock(static_cast<unsigned>(2 * n));
            listed.check = MakeBlock(static_cast<unsigned>(2 * n + 1));
            StyleLineBlocks(listed);
        }
        const int y = view.y + static_cast<int>(n) * step;
        listed.text->SetBounds(LayerRect{view.x, y, textWidth, height});
        listed.check->SetBounds(LayerRect{view.x + textWidth + kBlockGap, y, checkWidth, height});
    }
    int y = view.y + static_cast<int>(listed_.size()) * step;
    for (CLayerStatic* summary : {totals_, balance_}) {
        summary->SetBounds(LayerRect{view.x, y, textWidth, height});
        y += step;
    }
}

void CVimoAccount::Changed() {
    RebuildMonth();
    Layer()->Refresh();
    SetDirty();
}

std::string CVimoAccount::ShownText() const {
    std::string text = MonthTitle(YearMonth{shown_.year, shown_.month}, StrftimeText) + "\n" + name_ + "\n";
    for (const Listed& listed : listed_) {
        const AccountLine& line = book_.Lines()[listed.line];
        text += LineDayLabel(line) + "\t" + LineAmountText(line) + (line.checked ? "\t[x]" : "") + "\n";
    }
    return text + TotalsText(view_, currency_) + "\n" + BalanceText(view_, currency_) + "\n";
}

// --- blocks, wheel and months ----------------------------------------------------------------------

void CVimoAccount::OnBlockClick(unsigned block) {
    const std::size_t n = block / 2;
    if (n >= listed_.size()) return;
    selected_ = static_cast<int>(listed_[n].line);
    if (block % 2 == 0) {
        EditLine(book_.Lines()[listed_[n].line], selected_);
        return;
    }
    book_.ToggleChecked(listed_[n].line);
    Changed();
}

void CVimoAccount::OnBlockMenu(unsigned block, bool overLine) {
    const std::size_t n = block / 2;
    menuOverLine_ = overLine && n < listed_.size();
    if (menuOverLine_) selected_ = static_cast<int>(listed_[n].line);
    ShowContextMenu();
    menuOverLine_ = false;
}

int CVimoAccount::BlockAtPointer() const {
    const DWORD at = GetMessagePos();
    POINT p = {GET_X_LPARAM(at), GET_Y_LPARAM(at)};
    ScreenToClient(Hwnd(), &p);
    const CLayerItem* under = Layer()->ItemAt(p.x, p.y);
    for (std::size_t n = 0; n < listed_.size(); ++n) {
        if (under && under == listed_[n].text) return static_cast<int>(2 * n);
        if (under && under == listed_[n].check) return static_cast<int>(2 * n + 1);
    }
    return -1;
}

void CVimoAccount::Wheel(int delta) {
    const int total = static_cast<int>(listed_.size() + 2) * BlockStep();
    const int visible = ContenerRect(Skin(), SkinSize{Rect().width, Rect().height}).height;
    const int moved = ContenerWheelOrigin(originY_, delta, total, visible);
    if (moved == originY_) return;
    originY_ = moved;
    PlaceBlocks();
    Layer()->Refresh();
}

void CVimoAccount::StepMonth(bool forward) {
    const YearMonth month =
        forward ? NextMonth(YearMonth{shown_.year, shown_.month}) : PreviousMonth(YearMonth{shown_.year, shown_.month});
    shown_ = CalendarDate{month.year, month.month, std::min(shown_.day, DaysInMonth(month.year, month.month))};
    selected_ = -1;
    originY_ = 0;
    RebuildMonth();
    Layer()->Refresh();
}

// --- commands --------------------------------------------------------------------------------------

void CVimoAccount::EditLine(AccountLine line, int index) {
    CVimoAccountEdit dialog(std::move(line), shown_);
    if (dialog.DoModal(Hwnd()) != IDOK || !Hwnd()) return;
    if (index < 0)
        book_.Add(dialog.Line());
    else if (!book_.Replace(static_cast<std::size_t>(index), dialog.Line()))
        return;
    selected_ = -1;
    Changed();
}

void CVimoAccount::Setup() {
    CVimoAccountConfig dialog(name_, currency_);
    if (dialog.DoModal(Hwnd()) != IDOK || !Hwnd()) return;
    name_ = dialog.Name();
    currency_ = dialog.Currency();
    Changed();
}

void CVimoAccount::SaveAccount() {
    const std::string path = BrowseForSaveFile(Hwnd(), kFileFilter, "txt");
    if (path.empty()) return;
    if (!ReplaceWholeFile(path, AccountRecordsText(book_.Lines()))) {
        const std::string text = "The account could not be written to\n" + path;
        MessageBoxA(Hwnd(), text.c_str(), "Save Account", MB_OK | MB_ICONERROR);
    }
}

void CVimoAccount::LoadAccount() {
    const std::string path = BrowseForExistingFile(Hwnd(), "", kFileFilter);
    if (path.empty()) return;
    std::string text;
    if (!ReadWholeFile(path, text, kMaxImportBytes)) {
        const std::string message = "The file could not be read, or is too large to be an account:\n" + path;
        MessageBoxA(Hwnd(), message.c_str(), "Load Account", MB_OK | MB_ICONERROR);
        return;
    }
    const AccountImport imported = ParseAccountRecords(text);
    // A file that is not empty but holds no account line is not an account: the book stays.
    if (imported.lines.empty() && imported.skippedLines > 0) {
        const std::string message = "The file holds no account line; nothing was loaded:\n" + path;
        MessageBoxA(Hwnd(), message.c_str(), "Load Account", MB_OK | MB_ICONEXCLAMATION);
        return;
    }
    if (MessageBoxA(Hwnd(), "Do you really want to load new account data\nand erase actual account ?", "Load Account",
                    MB_YESNO | MB_ICONEXCLAMATION) != IDYES ||
        !Hwnd())
        return;
    book_.Assign(imported.lines);
    selected_ = -1;
    originY_ = 0;
    Changed();
    if (imported.skippedLines > 0) {
        const std::string message = std::to_string(imported.lines.size()) + " lines were loaded. " +
                                    std::to_string(imported.skippedLines) +
                                    " lines of the file were not part of an account line and were skipped.";
        MessageBoxA(Hwnd(), message.c_str(), "Load Account", MB_OK | MB_ICONINFORMATION);
    }
}

void CVimoAccount::PrepareContextMenu(HMENU popup) {
    for (UINT id : {ID_ACCOUNT_EDIT_LINE, ID_ACCOUNT_DELETE_LINE, ID_ACCOUNT_CHECK_LINE})
        EnableCommand(popup, id, menuOverLine_);
    EnableCommand(popup, ID_ACCOUNT_DELETE, !menuOverLine_);
    CheckCommand(popup, ID_ACCOUNT_SHOW_CHECKED, showChecked_);
}

bool CVimoAccount::OnKapCommand(UINT id) {
    const bool haveLine = selected_ >= 0 && static_cast<std::size_t>(selected_) < book_.Size();
    switch (id) {
    case ID_ACCOUNT_ADD_LINE: EditLine(AccountLine{AccountDateText(shown_), "", false, 0, 0}, -1); return true;
    case ID_ACCOUNT_EDIT_LINE:
        if (haveLine) EditLine(book_.Lines()[static_cast<std::size_t>(selected_)], selected_);
        return true;
    case ID_ACCOUNT_CHECK_LINE:
        if (haveLine && book_.ToggleChecked(static_cast<std::size_t>(selected_))) Changed();
        return true;
    case ID_ACCOUNT_DELETE_LINE:
        if (haveLine && book_.Remove(static_cast<std::size_t>(selected_))) {
            selected_ = -1;
            Changed();
        }
        return true;
    case ID_ACCOUNT_SHOW_CHECKED:
        showChecked_ = !showChecked_;
        Changed();
        return true;
    case ID_ACCOUNT_PREVIOUS_MONTH: StepMonth(false); return true;
    case ID_ACCOUNT_NEXT_MONTH: StepMonth(true); return true;
    case ID_ACCOUNT_SAVE: SaveAccount(); return true;
    case ID_ACCOUNT_LOAD: LoadAccount(); return true;
    case ID_ACCOUNT_SETUP: Setup(); return true;
    default: return false;
    }
}

bool CVimoAccount::OnKapMessage(UINT msg, WPARAM wParam, LPARAM lParam, LRESULT& result) {
    const unsigned blocks = static_cast<unsigned>(std::min<std::size_t>(listed_.size() * 2, kBlockMessages));
    if (msg >= WMU_ACCOUNT_BLOCK_CLICK_BASE && msg < WMU_ACCOUNT_BLOCK_CLICK_BASE + blocks) {
        OnBlockClick(msg - WMU_ACCOUNT_BLOCK_CLICK_BASE);
        result = 0;
        return true;
    }
    if (msg >= WMU_ACCOUNT_BLOCK_MENU_BASE && msg < WMU_ACCOUNT_BLOCK_MENU_BASE + blocks) {
        OnBlockMenu(msg - WMU_ACCOUNT_BLOCK_MENU_BASE, true);
        result = 0;
        return true;
    }
    switch (msg) {
    case kBlockClickAtPointer: {
        const int block = BlockAtPointer();
        if (block >= 0) OnBlockClick(static_cast<unsigned>(block));
        result = 0;
        return true;
    }
    case WM_RBUTTONDOWN: {
        const int block = BlockAtPointer();
        OnBlockMenu(block < 0 ? 0 : static_cast<unsigned>(block), block >= 0);
        result = 0;
        return true;
    }
    case WMU_PREVIOUS_MONTH: StepMonth(false); return true;
    case WMU_NEXT_MONTH: StepMonth(true); return true;
    case WM_MOUSEWHEEL:
        Wheel(GET_WHEEL_DELTA_WPARAM(wParam));
        result = 0;
        return true;
    case WM_GETTEXTLENGTH: result = static_cast<LRESULT>(ShownText().size()); return true;
    case WM_GETTEXT: result = ReplyGetText(ShownText(), wParam, lParam); return true;
    default: return false;
    }
}

unsigned CVimoAccount::DropAccept() const { return KapDropTarget::kText; }

void CVimoAccount::OnDrop(const std::string& dropped) {
    std::string label = OneLine(dropped);
    if (label.size() > static_cast<std::size_t>(CVimoAccountEdit::kLabelLimit))
        label.resize(static_cast<std::size_t>(CVimoAccountEdit::kLabelLimit));
    EditLine(AccountLine{AccountDateText(shown_), label, false, 0, 0}, -1);
}

} // namespace vimo
