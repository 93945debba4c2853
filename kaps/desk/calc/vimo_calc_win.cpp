#include "kaps/desk/calc/vimo_calc_win.h"

#include <commctrl.h>

#include "wnd/text_reply_win.h"
#include "kapframe/settings.h"
#include "kaps/desk/calc/calc_keypad.h"
#include "layer/controls/layer_button_win.h"
#include "layer/controls/layer_static_win.h"
#include "layer/layer_host_win.h"
#include "layer/skin/skin_background_win.h"
#include "layer/skin/skin_layout.h"

namespace vimo {

namespace {

// Skin key part and label of every key, in key order (0-9, P, PM, C, CE, R, A, M, X, D, PC).
struct ButtonFace {
    const char* skinName;
    const char* label;
};
constexpr ButtonFace kFaces[kCalcKeyCount] = {
    {"0", "0"}, {"1", "1"}, {"2", "2"}, {"3", "3"}, {"4", "4"},    {"5", "5"},  {"6", "6"},
    {"7", "7"}, {"8", "8"}, {"9", "9"}, {"P", "."}, {"PM", "+/-"}, {"C", "C"},  {"CE", "CE"},
    {"R", "="}, {"A", "+"}, {"M", "-"}, {"X", "X"}, {"D", "/"},    {"PC", "%"},
};

constexpr UINT_PTR kKeyWatchId = 0x4B43; // "KC": the calculator's key watch on its controls

} // namespace

CVimoCalc::CVimoCalc(KapHost& host, Settings& settings, const std::string& documentPath)
    : CKapWindow(host, KapType::Calc, settings, documentPath) {}

CVimoCalc::~CVimoCalc() { StopWatchingKeys(); }

void CVimoCalc::BuildItems() {
    CLayerHost* host = Layer();
    const SkinRecord& skin = Skin();
    const KapRect& r = Rect();

    background_ = new CLayerStatic(host, 0, 0, r.width, r.height);
    SetSkinBackground(background_->Elem(), skin);
    WatchKeysOf(background_->Input());

    BuildScreen();
    for (int k = 0; k < kCalcKeyCount; ++k) BuildButton(static_cast<CalcKey>(k));

    WatchKeysOf(MakeLockImage(ElementRect(skin, "Lock", SkinSize{r.width, r.height}))->Input());

    ShowDisplay();
}

void CVimoCalc::BuildScreen() {
    const SkinRecord& skin = Skin();
    const KapRect& r = Rect();
    const LayerRect box = ElementRect(skin, "Screen", SkinSize{r.width, r.height});
    screen_ = new CLayerStatic(Layer(), box.x, box.y, box.width, box.height);
    CLayerElement& screen = screen_->Elem();
    screen.SetBackgroundColour(skin.Colour("ScreenBackground"));
    screen.SetBackgroundImage(skin.Str("ScreenBackgroundImageFileName"), skin.Int("ScreenBackgroundCutLeft"),
                              skin.Int("ScreenBackgroundCutTop"), skin.Int("ScreenBackgroundCutRight"),
                              skin.Int("ScreenBackgroundCutBottom"));
    screen.SetBackgroundAlphaPercent(skin.Int("ScreenBackgroundImageAlphaPercent"));
    WatchKeysOf(screen_->Input());
}

void CVimoCalc::BuildButton(CalcKey key) {
    const SkinRecord& skin = Skin();
    const KapRect& r = Rect();
    const ButtonFace& face = kFaces[static_cast<std::size_t>(key)];
    const std::string prefix = std::string("Button") + face.skinName;
    const LayerRect box = ElementRect(skin, prefix, SkinSize{r.width, r.height});

    auto* button = new CLayerButton(Layer(), box.x, box.y, box.width, box.height);
    button->SetDoubleClickIsPress(true); // quick presses on a key are all counted
    buttons_[static_cast<std::size_t>(key)] = button;
    CLayerElement& element = button->Elem();
    element.SetImage(skin.Str(prefix + "FileName"));
    if (skin.Int("ButtonShowBackground") != 0) element.SetBackgroundColour(skin.Colour("ButtonBackground"));
    const LayerTextStyle label = skin.TextStyle("ButtonLabel");
    if (skin.Int("ButtonShowLabel") != 0) {
        element.SetBlockStyle(TextBlockId::Text, label);
        element.SetBlockPosition(TextBlockId::Text, 0, 0);
        element.SetBlockText(TextBlockId::Text, face.label);
    }
    // A focusable button takes the focus under the pointer and shows it as a dashed frame in the
    // label's colour; it then acts on the release of the button instead of the press.
    const bool showFocus = skin.Int("ButtonShowFocus") != 0;
    button->SetFocusable(showFocus);
    if (showFocus) element.SetFrame(1, label.colour);
    LayerNotifications& notify = button->Notifications();
    notify.target = Hwnd();
    notify.clickMessage = CalcKeyMessage(key);
    WatchKeysOf(button->Input());
}

void CVimoCalc::ShowDisplay() {
    if (!screen_) return;
    const SkinRecord& skin = Skin();
    // The engine keeps its display within the screen's width already.
    screenText_ = engine_.Display();
    CLayerElement& screen = screen_->Elem();
    screen.SetBlockStyle(TextBlockId::Text, skin.TextStyle("ScreenText"));
    screen.SetBlockPosition(TextBlockId::Text, 2, 0); // right-aligned, vertically centred
    screen.SetTextMargins(skin.Int("ScreenTextMarginLeft"), skin.Int("ScreenTextMarginTop"),
                          skin.Int("ScreenTextMarginRight"), skin.Int("ScreenTextMarginBottom"));
    screen.SetBlockText(TextBlockId::Text, screenText_);
    screen_->Repaint();
}

void CVimoCalc::OnKeyDown(WPARAM virtualKey) {
    if (const std::optional<CalcKey> key = CalcKeyFromVirtualKey(static_cast<unsigned>(virtualKey)))
        PostMessageA(Hwnd(), CalcKeyMessage(*key), 0, 0);
}

bool CVimoCalc::OnKapMessage(UINT msg, WPARAM wParam, LPARAM lParam, LRESULT& result) {
    if (const std::optional<CalcKey> key = CalcKeyFromMessage(msg)) {
        engine_.Press(*key);
        ShowDisplay();
        return false; // the message goes on to the normal dispatch
    }
    switch (msg) {
    case WM_KEYDOWN: OnKeyDown(wParam); return false;
    case WM_GETTEXTLENGTH: result = static_cast<LRESULT>(screenText_.size()); return true;
    case WM_GETTEXT: result = ReplyGetText(screenText_, wParam, lParam); return true;
    default: return false;
    }
}

void CVimoCalc::OnDestroy() {
    StopWatchingKeys();
    CKapWindow::OnDestroy();
    background_ = screen_ = nullptr;
    buttons_.fill(nullptr);
}

// The controls' input windows can hold the keyboard focus (a focusable button under the pointer, or
// the dialog handing its focus to a child): their key-downs are looked at too before they are handled.
void CVimoCalc::WatchKeysOf(HWND input) {
    if (input) SetWindowSubclass(input, ControlKeyProc, kKeyWatchId, reinterpret_cast<DWORD_PTR>(this));
}

void CVimoCalc::StopWatchingKeys() {
    auto stop = [](CLayerControl* control) {
        if (control && IsWindow(control->Input())) RemoveWindowSubclass(control->Input(), ControlKeyProc, kKeyWatchId);
    };
    stop(background_);
    stop(screen_);
    stop(LockImage());
    for (CLayerButton* button : buttons_) stop(button);
}

LRESULT CALLBACK CVimoCalc::ControlKeyProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam, UINT_PTR,
                                           DWORD_PTR selfParam) {
    if (msg == WM_KEYDOWN) reinterpret_cast<CVimoCalc*>(selfParam)->OnKeyDown(wParam);
    if (msg == WM_NCDESTROY) RemoveWindowSubclass(hwnd, ControlKeyProc, kKeyWatchId);
    return DefSubclassProc(hwnd, msg, wParam, lParam);
}

} // namespace vimo
