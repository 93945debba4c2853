#include "kaps/desk/note/vimo_note_win.h"

#include <windowsx.h>

#include "base/path_kind_win.h"
#include "wnd/menu_handle_win.h"
#include "base/messages.h"
#include "base/resource.h"
#include "base/text_util.h"
#include "kapframe/settings.h"
#include "kaps/desk/note/vimo_alarm_win.h"
#include "layer/controls/layer_edit_win.h"
#include "layer/controls/layer_link_win.h"
#include "layer/controls/layer_static_win.h"
#include "layer/layer_host_win.h"
#include "layer/skin/skin_background_win.h"
#include "layer/skin/skin_layout.h"

namespace vimo {

namespace {

constexpr UINT kCirclePeriod = 20;
constexpr int kLinkNormalZoom = 60;

struct SizeCommand {
    UINT id;
    int size;
};
constexpr SizeCommand kSizeCommands[] = {{ID_NOTE_SIZE_8, 8},   {ID_NOTE_SIZE_10, 10}, {ID_NOTE_SIZE_12, 12},
                                         {ID_NOTE_SIZE_14, 14}, {ID_NOTE_SIZE_16, 16}, {ID_NOTE_SIZE_20, 20}};
struct NameCommand {
    UINT id;
    const char* name;
};
constexpr NameCommand kColourCommands[] = {{ID_NOTE_COLOR_BLACK, "BLACK"},
                                           {ID_NOTE_COLOR_RED, "RED"},
                                           {ID_NOTE_COLOR_BLUE, "BLUE"},
                                           {ID_NOTE_COLOR_WHITE, "WHITE"}};
constexpr NameCommand kStyleCommands[] = {
    {ID_NOTE_STYLE_REGULAR, "TXT_REGULAR"}, {ID_NOTE_STYLE_BOLD, "TXT_BOLD"}, {ID_NOTE_STYLE_ITALIC, "TXT_ITALIC"}};
constexpr NameCommand kFontCommands[] = {{ID_NOTE_FONT_ARIAL, "Arial"}, {ID_NOTE_FONT_COURIER, "Courier New"}};

const char* kBackgroundKeys[] = {"BackgroundDefault", "Background1", "Background2", "Background3", "Background4"};

} // namespace

CVimoNote::CVimoNote(KapHost& host, Settings& settings, const std::string& documentPath)
    : CKapWindow(host, KapType::Note, settings, documentPath) {}

CVimoNote::~CVimoNote() = default;

std::string CVimoNote::HeaderTail() const { return values_.alarm; }

void CVimoNote::WritePayload(DocumentWriter& writer) const {
    NoteValues values = values_;
    if (edit_) values.text = edit_->Text();
    WriteNotePayload(writer, values);
}

std::string CVimoNote::BackgroundFile(int index) const {
    return Skin().ImagePath(kBackgroundKeys[index < 0 || index > 4 ? 0 : index]);
}

void CVimoNote::BuildItems() {
    CLayerHost* host = Layer();
    const SkinRecord& skin = Skin();
    const KapRect& r = Rect();

    background_ = new CLayerStatic(host, 0, 0, r.width, r.height);
    SetSkinBackgroundColour(background_->Elem(), skin);
    ApplyBackground();

    MakeLockImage(LayerRect{skin.Int("LockPosX"), skin.Int("LockPosY"), skin.Int("LockWidth"), skin.Int("LockHeight")});

    date_ = new CLayerStatic(host, skin.Int("DatePosX"), skin.Int("DatePosY"), skin.Int("DateWidth"),
                             skin.Int("DateHeight"));
    CLayerElement& date = date_->Elem();
    date.SetCompositionOrder("T");
    date.SetBlockStyle(TextBlockId::Text, skin.TextStyle("Date"));
    date.SetBlockPosition(TextBlockId::Text, skin.Int("DateHPos"), skin.Int("DateVPos"));

    alarm_ = new CLayerStatic(host, skin.Int("AlarmPosX"), skin.Int("AlarmPosY"), skin.Int("AlarmWidth"),
                              skin.Int("AlarmHeight"));
    alarm_->Elem().SetImage(skin.Str("AlarmFileName"));

    link_ =
        new CLayerLink(host, skin.Int("LinkPosX"), skin.Int("LinkPosY"), skin.Int("LinkWidth"), skin.Int("LinkHeight"));
    CLayerElement& link = link_->Elem();
    link.SetBlockStyle(TextBlockId::Title, skin.TextStyle("Link"));
    link.SetBlockPosition(TextBlockId::Title, skin.Int("LinkHPos"), skin.Int("LinkVPos"));
    link_->Notifications().target = Hwnd();

    edit_ =
        new CLayerEdit(host, skin.Int("EditPosX"), skin.Int("EditPosY"), skin.Int("EditWidth"), skin.Int("EditHeight"));
    edit_->SetEditMargins(skin.Int("EditMarginLeft"), skin.Int("EditMarginTop"), skin.Int("EditMarginRight"),
                          skin.Int("EditMarginBottom"));
    edit_->SetBackgroundColour(skin.Colour("EditBackground"));
    edit_->SetFocusedBackgroundColour(skin.Colour("EditBackgroundFocused"));
    edit_->SetScrollSizes(skin.Int("EditVScrollSize"), skin.Int("EditHScrollSize"));
    edit_->SetScrollColour(skin.Colour("EditScroll"));
    edit_->SetFocusFrame(skin.Int("EditFocusFrameSize"), skin.Colour("EditFocusFrame"));
    edit_->SetTextShadowed(skin.Int("EditTextShadowed") != 0);
    edit_->SetFocusable(true); // the focus frame shows while the text has the keyboard focus
    LayerNotifications& forward = edit_->Notifications();
    forward.target = Hwnd();
    forward.clickMessage = WM_LBUTTONDOWN;
    forward.rightButtonMessage = WM_RBUTTONDOWN;
    forward.doubleClickMessage = WM_LBUTTONDBLCLK;
    edit_->SetText(values_.text);
    ApplyFont();
    ApplyLink();
    ApplyAlarmLook();
}

void CVimoNote::LayoutItems() {
    const SkinRecord& skin = Skin();
    const KapRect& r = Rect();
    const SkinSize kap{r.width, r.height};
    const int growX = r.width - skin.Int("IconWidth"), growY = r.height - skin.Int("IconHeight");
    background_->SetBounds(LayerRect{0, 0, r.width, r.height});
    edit_->SetBounds(LayerRect{skin.Int("EditPosX"), skin.Int("EditPosY"), growX + skin.Int("EditWidth"),
                               growY + skin.Int("EditHeight")});
    LayerRect link = ElementRect(skin, "Link", kap);
    link.width = growX + skin.Int("LinkWidth");
    link_->SetBounds(link);
    LockImage()->SetBounds(ElementRect(skin, "Lock", kap));
    alarm_->SetBounds(ElementRect(skin, "Alarm", kap));
    date_->SetBounds(ElementRect(skin, "Date", kap));
}

void CVimoNote::ApplyBackground() {
    const SkinRecord& skin = Skin();
    background_->Elem().SetBackgroundImage(BackgroundFile(values_.background), skin.Int("BackgroundCutLeft"),
                                           skin.Int("BackgroundCutTop"), skin.Int("BackgroundCutRight"),
                                           skin.Int("BackgroundCutBottom"));
    background_->Repaint();
}

void CVimoNote::ApplyFont() {
    const Argb colour = NoteColour(values_.fontColour);
    edit_->SetTextFont(values_.fontName, values_.fontSize, NoteStyleType(values_.fontStyle));
    edit_->SetTextColour(colour.a, colour.r, colour.g, colour.b);
    edit_->Repaint();
}

void CVimoNote::ApplyLink() {
    CLayerElement& element = link_->Elem();
    if (values_.link.empty()) {
        link_->SetTarget("");
        element.SetBlockText(TextBlockId::Title, "");
        element.SetImage("");
        link_->Hide();
        return;
    }
    link_->SetTarget(values_.link);
    element.SetBlockText(TextBlockId::Title, LinkTitle(values_.link));
    const std::string image = Skin().Str("LinkFileName");
    if (IsFile(image)) {
        element.SetImage(image);
        link_->SetNormalZoom(kLinkNormalZoom);
    } else {
        element.SetImage("");
    }
    link_->Show();
}

void CVimoNote::ApplyAlarmLook() {
    alarm_->Elem().SetImageAlphaPercent(HasAlarm(values_.alarm) ? 100 : 0);
    date_->Elem().SetBlockText(TextBlockId::Text, AlarmDisplay(values_.alarm));
    alarm_->Repaint();
    date_->Repaint();
}

void CVimoNote::OnLockChanged() {
    if (edit_) SendMessageA(edit_->Input(), EM_SETREADONLY, Locked() ? TRUE : FALSE, 0);
}

void CVimoNote::PrepareContextMenu(HMENU popup) {
    EnableCommand(popup, ID_NOTE_PASTE, !Locked());
    EnableCommand(popup, ID_NOTE_CLEAR, !Locked()); // a locked note's text is read-only
    for (int i = 0; i < 5; ++i) {
        EnableCommand(popup, ID_NOTE_BACKGROUND_DEFAULT + i, IsFile(BackgroundFile(i)));
        CheckCommand(popup, ID_NOTE_BACKGROUND_DEFAULT + i, values_.background == i);
    }
    for (const NameCommand& c : kFontCommands) CheckCommand(popup, c.id, values_.fontName == c.name);
    for (const NameCommand& c : kColourCommands) CheckCommand(popup, c.id, values_.fontColour == c.name);
    for (const NameCommand& c : kStyleCommands) CheckCommand(popup, c.id, values_.fontStyle == c.name);
    for (const SizeCommand& c : kSizeCommands) CheckCommand(popup, c.id, values_.fontSize == c.size);
    CheckCommand(popup, ID_NOTE_REMINDER, HasAlarm(values_.alarm));
}

bool CVimoNote::OnKapCommand(UINT id) {
    for (const NameCommand& c : kFontCommands)
        if (id == c.id) {
            values_.fontName = c.name;
            ApplyFont();
            SetDirty();
            return true;
        }
    for (const NameCommand& c : kColourCommands)
        if (id == c.id) {
            values_.fontColour = c.name;
            ApplyFont();
            SetDirty();
            return true;
        }
    for (const NameCommand& c : kStyleCommands)
        if (id == c.id) {
            values_.fontStyle = c.name;
            ApplyFont();
            SetDirty();
            return true;
        }
    for (const SizeCommand& c : kSizeCommands)
        if (id == c.id) {
            values_.fontSize = c.size;
            ApplyFont();
            SetDirty();
            return true;
        }
    if (id >= ID_NOTE_BACKGROUND_DEFAULT && id <= ID_NOTE_BACKGROUND_USER4) {
        values_.background = static_cast<int>(id - ID_NOTE_BACKGROUND_DEFAULT);
        ApplyBackground();
        SetDirty();
        return true;
    }
    switch (id) {
    case ID_NOTE_COPY: CopyAll(); return true;
    case ID_NOTE_PASTE:
        if (!Locked()) SendMessageA(edit_->Input(), WM_PASTE, 0, 0);
        return true;
    case ID_NOTE_CLEAR:
        if (Locked()) return true;
        edit_->SetText("");
        ChangedNow();
        return true;
    case ID_NOTE_REMINDER: OpenAlarmDialog(); return true;
    case ID_NOTE_REMOVE_LINK:
        values_.link.clear();
        ApplyLink();
        LayoutItems();
        Layer()->Refresh();
        SetDirty();
        return true;
    default: return false;
    }
}

void CVimoNote::CopyAll() {
    HWND input = edit_->Input();
    DWORD start = 0, end = 0;
    SendMessageA(input, EM_GETSEL, reinterpret_cast<WPARAM>(&start), reinterpret_cast<LPARAM>(&end));
    SendMessageA(input, EM_SETSEL, 0, -1);
    SendMessageA(input, WM_COPY, 0, 0);
    SendMessageA(input, EM_SETSEL, start, end);
}

void CVimoNote::OpenAlarmDialog() {
    CVimoAlarm dialog(values_.alarm);
    if (dialog.DoModal(Hwnd()) != IDOK) return;
    values_.alarm = dialog.Stamp();
    PostMessageA(Owner(), WMU_ALARMS_CHANGED, 0, 0);
    ApplyAlarmLook();
    Layer()->Refresh();
    SetDirty();
}

unsigned CVimoNote::DropAccept() const {
    return KapDropTarget::kFiles | KapDropTarget::kText | KapDropTarget::kDirectories;
}

void CVimoNote::OnDrop(const std::string& dropped) {
    values_.link = OneLine(dropped);
    ApplyLink();
    LayoutItems();
    Layer()->Refresh();
    SetDirty();
}

void CVimoNote::TakeFocus() {
    if (edit_) SetFocus(edit_->Input());
}

bool CVimoNote::FocusOnHover() const { return Locked() && !Host().Resizing(); }

bool CVimoNote::OnKapMessage(UINT msg, WPARAM, LPARAM, LRESULT& result) {
    switch (msg) {
    case WM_LBUTTONDOWN:
        OnLeftButtonDown();
        result = 0;
        return true;
    default: return false;
    }
}

void CVimoNote::OnLeftButtonDown() {
    if (ringing_) {
        StopRinging();
        return;
    }
    if (Locked()) return;
    SetDirty();
    TakeFocus();
    const DWORD pressed = GetMessagePos(); // where the button went down, in screen coordinates
    POINT p = {GET_X_LPARAM(pressed), GET_Y_LPARAM(pressed)};
    ScreenToClient(Hwnd(), &p);
    if (BeginResize(p)) return;
    StartMove();
}

void CVimoNote::OnTimer(UINT_PTR id) {
    if (id == kCircleTimer) {
        if (ringing_) glide_.CircleStep(Hwnd());
        return;
    }
    CKapWindow::OnTimer(id);
}

void CVimoNote::Ring() {
    if (ringing_) return;
    topMostBeforeRinging_ = TopMost();
    Raise();
    if (!TopMost()) SwitchTopMost();
    ringing_ = true; // snapping stays out of the glide
    glide_.GlideToCentre(Hwnd());
    // The reminder is spent: written at the next save, so a restart does not ring it again.
    values_.alarm = kNoAlarm;
    ApplyAlarmLook();
    SetDirty();
    PostMessageA(Owner(), WMU_ALARMS_CHANGED, 0, 0);
    SetTimer(Hwnd(), kCircleTimer, kCirclePeriod, nullptr);
}

void CVimoNote::StopRinging() {
    ringing_ = false;
    KillTimer(Hwnd(), kCircleTimer);
    glide_.GlideBack(Hwnd());
    if (!topMostBeforeRinging_) {
        if (TopMost()) SwitchTopMost();
        SendToDesktop();
    }
    SetForegroundWindow(Hwnd());
    TakeFocus();
}

} // namespace vimo
