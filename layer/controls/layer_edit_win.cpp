#include "layer/controls/layer_edit_win.h"

#include <commctrl.h>
#include <windowsx.h>

#include <algorithm>
#include <cstdlib>

#include "base/messages.h"
#include "layer/wide_text_win.h"

namespace vimo {

namespace {
constexpr UINT_PTR kRefreshTimer = 1; // every 50 ms: copy text and caret, watch the pointer
constexpr UINT_PTR kRepaintTimer = 2; // every 100 ms: a pending repaint
constexpr UINT kRefreshMs = 50;
constexpr UINT kRepaintMs = 100;

constexpr DWORD kMultiLineStyle = ES_MULTILINE | ES_AUTOVSCROLL | ES_AUTOHSCROLL | ES_WANTRETURN;

// Messages after which the edit window's text may differ: the selection before them is put back
// when the change is refused.
bool MayChangeText(UINT msg) {
    switch (msg) {
    case WM_CHAR:
    case WM_IME_CHAR:
    case WM_KEYDOWN:
    case WM_PASTE:
    case WM_CUT:
    case WM_CLEAR:
    case WM_UNDO:
    case EM_UNDO:
    case EM_REPLACESEL: return true;
    default: return false;
    }
}
} // namespace

bool CLayerEdit::NeedsInputText(UINT msg) {
    if (MayChangeText(msg) || msg == WM_COPY) return true;
    switch (msg) {
    // Settings of the window that leave its text alone, and the selection, kept here meanwhile.
    case EM_GETSEL:
    case EM_SETSEL:
    case EM_SCROLLCARET:
    case EM_SETREADONLY:
    case EM_SETLIMITTEXT:
    case EM_GETLIMITTEXT:
    case EM_SETMARGINS:
    case EM_GETMARGINS: return false;
    default: return msg >= EM_GETSEL && msg <= EM_CHARFROMPOS;
    }
}

CLayerEdit::CLayerEdit(CLayerHost* host, int x, int y, int width, int height)
    : CLayerEdit(host, x, y, width, height, kMultiLineStyle, true) {}

CLayerEdit::CLayerEdit(CLayerHost* host, int x, int y, int width, int height, DWORD editStyle, bool multiLine)
    : CLayerControl(host, x, y, width, height, "EDIT", "", WS_VISIBLE | editStyle), multiLine_(multiLine) {
    Setup();
}

CLayerEdit::~CLayerEdit() {
    StopTimers();
    if (Input() && GetCapture() == Input()) ReleaseCapture();
    Elem().SetEditPainter(nullptr);
    // The input window outlives this object for a moment: it must not keep the font. Its text goes
    // first, or the new font would make it measure every line of a long text once more.
    if (Input()) {
        settingText_ = true;
        deferred_ = false;
        SetWindowTextA(Input(), "");
        SendMessageA(Input(), WM_SETFONT, 0, FALSE);
    }
}

void CLayerEdit::Setup() {
    Elem().SetEditPainter(&painter_);
    Elem().SetBackgroundColour(background_.alpha, background_.red, background_.green, background_.blue);
    SyncBox();
    // The whole text must fit whatever its length: limits are the box's own business.
    if (Input()) SendMessageA(Input(), EM_SETLIMITTEXT, 0, 0);
    ApplyInputFont("Arial", 12, 0);
    painter_.SetFont("Arial", 12, 0);
    ShowContent(std::string(), -1, -1);
}

// ---------------------------------------------------------------------------------------------
// Setters
// ---------------------------------------------------------------------------------------------

void CLayerEdit::SetText(const std::string& text) {
    deferred_ = false;
    const bool defer = Input() && multiLine_ && text.size() > kDeferredTextBytes && !HasKeyboardFocus();
    settingText_ = true;
    if (Input()) SetWindowTextA(Input(), defer ? "" : text.c_str());
    settingText_ = false;
    if (defer) {
        accepted_ = text;
        deferred_ = true;
        selection_ = Selection{};
    } else {
        accepted_ = Text();
        selection_ = ReadSelection();
    }
    beforeChange_ = selection_;
    storedCaret_ = selection_.caret;
    const bool showCaret = focused_ && HasKeyboardFocus();
    ShowContent(accepted_, showCaret ? selection_.caret : -1, selection_.anchor);
    if (showCaret) painter_.RevealCaret();
    Changed();
}

std::string CLayerEdit::Text() const {
    if (!Input()) return painter_.Text();
    if (deferred_) return accepted_;
    // Read in the input window's own wide characters and converted once: the narrow calls would
    // fetch a long text twice (once only to count it).
    const int length = GetWindowTextLengthW(Input());
    std::wstring wide(static_cast<std::size_t>(std::max(length, 0)) + 1, L'\0');
    const int got = GetWindowTextW(Input(), wide.data(), length + 1);
    wide.resize(static_cast<std::size_t>(std::max(got, 0)));
    return NarrowToAnsi(wide);
}

void CLayerEdit::SetMaxLength(int characters) { maxLength_ = std::max(characters, 0); }

void CLayerEdit::SetBackgroundColour(int a, int r, int g, int b) {
    background_ = LayerColour::Clamped(a, r, g, b);
    if (!focused_) Elem().SetBackgroundColour(a, r, g, b);
    Changed();
}

void CLayerEdit::SetFocusedBackgroundColour(int a, int r, int g, int b) {
    focusedBackground_ = LayerColour::Clamped(a, r, g, b);
    if (focused_) Elem().SetBackgroundColour(a, r, g, b);
    Changed();
}

void CLayerEdit::SetScrollSizes(int vertical, int horizontal) {
    painter_.SetScrollSizes(vertical, horizontal);
    Changed();
}

void CLayerEdit::SetScrollColour(int a, int r, int g, int b) {
    painter_.SetScrollColour(LayerColour::Clamped(a, r, g, b));
    Changed();
}

int CLayerEdit::SetEditMargins(int left, int top, int right, int bottom) {
    const int status = Elem().SetEditMargins(left, top, right, bottom);
    Changed();
    return status;
}

void CLayerEdit::SetTextFont(const std::string& family, int sizePx, int type) {
    painter_.SetFont(family, sizePx, type);
    ApplyInputFont(family, sizePx, type);
    if (painter_.Caret() >= 0) painter_.RevealCaret();
    Changed();
}

void CLayerEdit::SetTextColour(int a, int r, int g, int b) {
    painter_.SetTextColour(LayerColour::Clamped(a, r, g, b));
    Changed();
}

void CLayerEdit::SetTextShadowed(bool shadowed) {
    painter_.SetShadowed(shadowed);
    Changed();
}

void CLayerEdit::SetTextDoubledColour(int a, int r, int g, int b) {
    painter_.SetDoubledColour(LayerColour::Clamped(a, r, g, b));
    Changed();
}

void CLayerEdit::SetFocusFrame(int width, int a, int r, int g, int b) {
    Elem().SetFrame(width, a, r, g, b);
    Changed();
}

void CLayerEdit::SetSelectionColour(int a, int r, int g, int b) {
    painter_.SetSelectionColour(LayerColour::Clamped(a, r, g, b));
    Changed();
}

void CLayerEdit::SetCaretColour(int a, int r, int g, int b) {
    painter_.SetCaretColour(LayerColour::Clamped(a, r, g, b));
    Changed();
}

void CLayerEdit::SetCurrentLineColour(int a, int r, int g, int b) {
    painter_.SetCurrentLineColour(LayerColour::Clamped(a, r, g, b));
    Changed();
}

void CLayerEdit::SetCaretShown(bool shown) {
    painter_.SetCaretShown(shown);
    Changed();
}

void CLayerEdit::ApplyInputFont(const std::string& family, int sizePx, int type) {
    // A new font makes the edit window measure all of its text again: only for a font that differs.
    const std::string key = family + '\n' + std::to_string(sizePx) + '\n' + std::to_string(type);
    if (!Input() || key == inputFontKey_) return;
    // The edit window measures with a font like the one drawn, so its own line and caret
    // movements (Up, Down, Page Up, Page Down) keep close to what the user sees.
    const bool italic = type == 1 || type == 3;
    const bool bold = type == 2 || type == 3;
    GdiObject<HFONT> font(CreateFontA(-std::max(sizePx, 1), 0, 0, 0, bold ? FW_BOLD : FW_NORMAL, italic, type == 4,
                                      type == 5, DEFAULT_CHARSET, OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS,
                                      DEFAULT_QUALITY, DEFAULT_PITCH | FF_DONTCARE, family.c_str()));
    if (!font.Get()) return;
    SendMessageA(Input(), WM_SETFONT, reinterpret_cast<WPARAM>(font.Get()), FALSE);
    inputFont_ = std::move(font);
    inputFontKey_ = key;
}

// ---------------------------------------------------------------------------------------------
// The input window
// ---------------------------------------------------------------------------------------------

void CLayerEdit::LoadDeferredText() {
    if (!deferred_) return;
    deferred_ = false;
    settingText_ = true;
    SetWindowTextA(Input(), accepted_.c_str());
    settingText_ = false;
    PutSelection(selection_, false);
}

LRESULT CLayerEdit::AnswerDeferredText(UINT msg, WPARAM wParam, LPARAM lParam) {
    const int length = static_cast<int>(accepted_.size());
    if (msg == EM_SETSEL) {
        // As the edit window takes it: start -1 drops the selection, an end below 0 means the end.
        int anchor = static_cast<int>(static_cast<INT_PTR>(wParam)), caret = static_cast<int>(lParam);
        if (anchor == -1) {
            selection_ = Selection{selection_.caret, selection_.caret};
        } else {
            if (caret < 0) caret = length;
            selection_ = Selection{std::min(std::max(anchor, 0), length), std::min(caret, length)};
        }
        return 0;
    }
    if (msg == EM_GETSEL) {
        const auto start = static_cast<DWORD>(std::min(selection_.anchor, selection_.caret));
        const auto end = static_cast<DWORD>(std::max(selection_.anchor, selection_.caret));
        if (wParam) *reinterpret_cast<DWORD*>(wParam) = start;
        if (lParam) *reinterpret_cast<DWORD*>(lParam) = end;
        return MAKELRESULT(start, end);
    }
    // The input window's procedure is a Unicode one: lengths and buffers are in wide characters.
    const std::wstring wide = WidenAnsi(accepted_);
    if (msg == WM_GETTEXTLENGTH) return static_cast<LRESULT>(wide.size());
    auto* buffer = reinterpret_cast<wchar_t*>(lParam);
    if (!buffer || wParam == 0) return 0;
    const std::size_t count = std::min(wide.size(), static_cast<std::size_t>(wParam) - 1);
    wide.copy(buffer, count);
    buffer[count] = L'\0';
    return static_cast<LRESULT>(count);
}

std::vector<EditLineSpan> CLayerEdit::ReadLines(const std::string& text) const {
    if (deferred_) return SplitEditLines(text);
    if (!multiLine_ || !Input()) return std::vector<EditLineSpan>{EditLineSpan{0, static_cast<int>(text.size())}};
    // Split the text as the edit window does, and make sure it agrees (its line count and where
    // its last line starts); otherwise ask it for every line, which costs more on long texts.
    std::vector<EditLineSpan> lines = SplitEditLines(text);
    const int count = static_cast<int>(SendMessageA(Input(), EM_GETLINECOUNT, 0, 0));
    if (count == static_cast<int>(lines.size()) &&
        SendMessageA(Input(), EM_LINEINDEX, static_cast<WPARAM>(count - 1), 0) == lines.back().start)
        return lines;
    lines.clear();
    for (int i = 0; i < count; ++i) {
        const int start = static_cast<int>(SendMessageA(Input(), EM_LINEINDEX, static_cast<WPARAM>(i), 0));
        if (start < 0) break;
        const int length = static_cast<int>(SendMessageA(Input(), EM_LINELENGTH, static_cast<WPARAM>(start), 0));
        lines.push_back(EditLineSpan{start, std::max(length, 0)});
    }
    return lines;
}

CLayerEdit::Selection CLayerEdit::ReadSelection() const {
    if (!Input() || deferred_) return selection_;
    DWORD start = 0, end = 0;
    SendMessageA(Input(), EM_GETSEL, reinterpret_cast<WPARAM>(&start), reinterpret_cast<LPARAM>(&end));
    const int s = static_cast<int>(start), e = static_cast<int>(end);
    if (s == e) return Selection{s, s};
    // The edit window tells the selection in order; the caret is the end where its caret stands.
    if (HasKeyboardFocus()) {
        POINT caret{};
        if (GetCaretPos(&caret)) {
            auto distance = [&](int index) {
                const LRESULT at = SendMessageA(Input(), EM_POSFROMCHAR, static_cast<WPARAM>(index), 0);
                if (at == -1) return -1L; // past the end of the text: no position
                return std::labs(static_cast<short>(LOWORD(at)) - caret.x) +
                       std::labs(static_cast<short>(HIWORD(at)) - caret.y);
            };
            const long toStart = distance(s), toEnd = distance(e);
            if (toStart >= 0 && (toEnd < 0 ? toStart == 0 : toStart < toEnd)) return Selection{e, s};
            return Selection{s, e};
        }
    }
    // Without the caret to look at, the last known direction of the same range.
    if (std::min(selection_.anchor, selection_.caret) == s && std::max(selection_.anchor, selection_.caret) == e)
        return selection_;
    return Selection{s, e};
}

void CLayerEdit::PutSelection(const Selection& s, bool scroll) {
    selection_ = s;
    if (!Input() || deferred_) return;
    SendMessageA(Input(), EM_SETSEL, static_cast<WPARAM>(s.anchor), static_cast<LPARAM>(s.caret));
    if (scroll) SendMessageA(Input(), EM_SCROLLCARET, 0, 0);
}

void CLayerEdit::SyncBox() {
    const LayerMargins& m = Elem().Edit().margins;
    painter_.SetBox(LayerRect{m.left, m.top, Elem().Width() - m.left - m.right, Elem().Height() - m.top - m.bottom});
}

bool CLayerEdit::NeedsHScroll() {
    SyncBox();
    return painter_.NeedsHScroll();
}

bool CLayerEdit::NeedsVScroll() {
    SyncBox();
    return painter_.NeedsVScroll();
}

int CLayerEdit::HScrollPercent() {
    SyncBox();
    return painter_.HScrollPercent();
}

int CLayerEdit::VScrollPercent() {
    SyncBox();
    return painter_.VScrollPercent();
}

void CLayerEdit::TakeContent(const std::string& text, int caret, int anchor) {
    SyncBox();
    painter_.SetContent(text, ReadLines(text), caret, anchor);
}

void CLayerEdit::ShowContent(const std::string& text, int caret, int anchor) {
    TakeContent(text, caret, anchor);
    Elem().Invalidate();
}

void CLayerEdit::Changed() {
    SyncBox();
    Elem().Invalidate();
    Repaint();
}

void CLayerEdit::ChangedPart(const LayerRect& part) {
    if (part.Empty()) {
        Changed();
        return;
    }
    Elem().InvalidatePart(part);
    if (Elem().IsValid()) return;
    if (Elem().StalePart().Empty())
        Repaint();
    else
        RepaintPart(Elem().StalePart());
}

void CLayerEdit::StartTimers() {
    if (timersOn_) return;
    StartInputTimer(kRefreshTimer, kRefreshMs);
    StartInputTimer(kRepaintTimer, kRepaintMs);
    timersOn_ = true;
}

void CLayerEdit::StopTimers() {
    if (!timersOn_) return;
    StopInputTimer(kRefreshTimer);
    StopInputTimer(kRepaintTimer);
    timersOn_ = false;
}

bool CLayerEdit::OnInputMessage(UINT msg, WPARAM wParam, LPARAM lParam, LRESULT& result) {
    if (deferred_) {
        if (msg == WM_GETTEXT || msg == WM_GETTEXTLENGTH || msg == EM_GETSEL || msg == EM_SETSEL) {
            result = AnswerDeferredText(msg, wParam, lParam);
            return true;
        }
        if (msg == WM_SETTEXT)
            deferred_ = false; // someone else's text replaces it
        else if (NeedsInputText(msg))
            LoadDeferredText();
    }
    if (!settingText_ && MayChangeText(msg)) beforeChange_ = ReadSelection();
    // Whatever reaches the window may change its text, with or without a word: the timer reads it
    // again after such a message only.
    if (!settingText_ && (msg == WM_SETTEXT || MayChangeText(msg))) inputUnread_ = true;
    switch (msg) {
    case WM_SETFOCUS:
        result = CallInputDefault(msg, wParam, lParam);
        OnFocusGained();
        return true;
    case WM_KILLFOCUS:
        if (focused_) storedCaret_ = ReadSelection().caret;
        result = CallInputDefault(msg, wParam, lParam);
        OnFocusLost();
        return true;
    case WM_TIMER:
        if (wParam == kRefreshTimer) {
            OnTimer1();
            return true;
        }
        if (wParam == kRepaintTimer) {
            OnTimer2();
            return true;
        }
        return false;
    case WM_MOUSEMOVE: OnMouseMove(GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam), wParam); return true;
    case WM_LBUTTONDOWN: OnLeftDown(GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam), wParam); return true;
    case WM_LBUTTONUP:
        if (dragging_) {
            dragging_ = false;
            ReleaseCapture();
        }
        return true;
    case WM_CAPTURECHANGED: dragging_ = false; return false;
    case WM_LBUTTONDBLCLK: OnDoubleClick(GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)); return true;
    case WM_RBUTTONDOWN: Notify(Notifications().rightButtonMessage); return false;
    case WM_CONTEXTMENU:
        // The kap shows its own menu on the right-button message.
        return Notifications().rightButtonMessage != 0;
    case WM_MOUSEWHEEL:
        SyncBox();
        painter_.Wheel(GET_WHEEL_DELTA_WPARAM(wParam));
        Changed();
        return false;
    default: return false;
    }
}

bool CLayerEdit::OnReflectedCommand(UINT code) {
    if (code != EN_CHANGE) return false;
    OnTextChange();
    return true;
}

// ---------------------------------------------------------------------------------------------
// Behaviour
// ---------------------------------------------------------------------------------------------

void CLayerEdit::OnFocusGained() {
    if (focused_) return;
    focused_ = true;
    hovered_ = true;
    StartTimers();
    if (IsFocusable() && HasKeyboardFocus()) Elem().SetFrameOn(true);
    Elem().SetBackgroundColour(focusedBackground_.alpha, focusedBackground_.red, focusedBackground_.green,
                               focusedBackground_.blue);
    const std::string text = Text();
    if (HasKeyboardFocus()) {
        const int caret = std::min(std::max(storedCaret_, 0), static_cast<int>(text.size()));
        PutSelection(Selection{caret, caret}, true);
        ShowContent(text, caret, caret);
        painter_.RevealCaret();
    } else {
        ShowContent(text, -1, -1);
    }
    BringToFront();
    Changed();
}

void CLayerEdit::OnFocusLost() {
    if (!focused_) return;
    focused_ = false;
    hovered_ = false;
    repaintPending_ = false;
    if (dragging_) {
        dragging_ = false;
        if (GetCapture() == Input()) ReleaseCapture();
    }
    Elem().SetFrameOn(false);
    ShowContent(Text(), -1, -1);
    Elem().SetBackgroundColour(background_.alpha, background_.red, background_.green, background_.blue);
    Changed();
    StopTimers();
}

// Takes the input window's text and selection into the drawing when they differ from what it shows.
void CLayerEdit::CopyFromInput(const std::string* knownText) {
    std::string read;
    if (!knownText) {
        inputUnread_ = false;
        read = Text();
        knownText = &read;
    }
    const Selection s = ReadSelection();
    selection_ = s;
    const bool sameText = knownText == &painter_.Text() || *knownText == painter_.Text();
    if (sameText && s.caret == painter_.Caret() && s.anchor == painter_.Anchor()) return;
    Notify(Notifications().valueMessage, static_cast<WPARAM>(s.caret));
    // A key typed or a caret moved mostly changes a line: only that line is drawn and shown again.
    const EditPainter::PaintState before = painter_.State();
    TakeContent(*knownText, s.caret, s.anchor);
    painter_.RevealCaret();
    textChanged_ = false;
    ChangedPart(painter_.ChangedPart(before));
}

void CLayerEdit::OnTimer1() {
    if (focused_) CopyFromInput(inputUnread_ ? nullptr : &painter_.Text());
    if (repaintPending_) {
        repaintPending_ = false;
        Changed();
    }
    // The pointer has left, or another item lies on top: the stay is over.
    if (PointerOnInput() && IsTopmost()) return;
    hovered_ = false;
    EndStay();
    if (focused_ && !HasKeyboardFocus())
        OnFocusLost();
    else if (!focused_ && !dragging_)
        StopTimers();
}

void CLayerEdit::OnTimer2() {
    if (!repaintPending_) return;
    repaintPending_ = false;
    Changed();
}

void CLayerEdit::EndStay() {
    if (stay_.TakeLeave(Notifications().leaveMessage != 0)) Notify(Notifications().leaveMessage);
    stay_ = PointerStay();
}

void CLayerEdit::OnMouseMove(int x, int y, WPARAM) {
    if (dragging_) {
        // Dragging with the left button: the caret follows the pointer, the anchor stays.
        const int index = painter_.IndexAt(x, y);
        if (index != selection_.caret) PutSelection(Selection{selection_.anchor, index}, false);
    }
    if (!stay_.Accept(x, y, Elem().Width(), Elem().Height())) return;
    if (stay_.TakeEnter(Notifications().enterMessage != 0)) Notify(Notifications().enterMessage);
    Notify(Notifications().moveMessage, static_cast<WPARAM>(x), static_cast<LPARAM>(y));
    if (!hovered_) {
        hovered_ = true;
        StartTimers();
    }
}

void CLayerEdit::OnLeftDown(int x, int y, WPARAM keys) {
    NotifyClick();
    if (!HasKeyboardFocus()) SetFocus(Input());
    if (!HasKeyboardFocus()) return;
    // Lay out what the edit window holds now, so the hit falls on the text as it is.
    const std::string text = Text();
    const Selection current = ReadSelection();
    ShowContent(text, current.caret, current.anchor);
    const int index = painter_.IndexAt(x, y);
    PutSelection((keys & MK_SHIFT) ? Selection{current.anchor, index} : Selection{index, index}, false);
    SetCapture(Input());
    dragging_ = true;
}

void CLayerEdit::OnDoubleClick(int x, int y) {
    Notify(Notifications().doubleClickMessage);
    if (!HasKeyboardFocus()) return;
    const std::string text = Text();
    const Selection current = ReadSelection();
    ShowContent(text, current.caret, current.anchor);
    const std::pair<int, int> word = EditWordAt(text, painter_.IndexAt(x, y));
    PutSelection(Selection{word.first, word.second}, false);
}

void CLayerEdit::OnTextChange() {
    if (settingText_) return;
    inputUnread_ = false;
    const std::string text = Text();
    if (maxLength_ > 0 && static_cast<int>(text.size()) > maxLength_) {
        // Refused: the accepted text and the selection it had come back.
        settingText_ = true;
        SetWindowTextA(Input(), accepted_.c_str());
        settingText_ = false;
        PutSelection(beforeChange_, true);
        return;
    }
    accepted_ = text;
    textChanged_ = true;
    // Typed text shows at once; the timer still follows the caret and what changes without a word.
    if (focused_) CopyFromInput(&accepted_);
    Notify(WMU_EDIT_CHANGED);
}

} // namespace vimo
