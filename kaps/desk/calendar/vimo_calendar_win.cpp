#include "kaps/desk/calendar/vimo_calendar_win.h"

#include "base/messages.h"
#include "base/resource.h"
#include "kapframe/settings.h"
#include "kaps/desk/calendar/cell_style.h"
#include "kaps/desk/calendar/day_bounce.h"
#include "kaps/desk/calendar/grid_geometry.h"
#include "layer/controls/layer_button_win.h"
#include "layer/controls/layer_static_win.h"
#include "layer/layer_host_win.h"
#include "layer/skin/skin_background_win.h"
#include "layer/skin/skin_layout.h"

namespace vimo {

namespace {

constexpr int kCentre = 0;

GridGeometry GridOf(const SkinRecord& skin) {
    return GridGeometry{skin.Int("TextBaseXPos"),   skin.Int("TextBaseYPos"),   skin.Int("TextBaseWidth"),
                        skin.Int("TextBaseHeight"), skin.Int("TextBaseSpaceX"), skin.Int("TextBaseSpaceY")};
}

CalendarDate LocalToday() {
    SYSTEMTIME now = {};
    GetLocalTime(&now);
    return CalendarDate{now.wYear, now.wMonth, now.wDay};
}

// The window's top-left corner in the coordinates its position is set in (its parent's client
// area; the screen for a top-level window).
POINT PlaceOf(HWND window) {
    RECT r = {};
    GetWindowRect(window, &r);
    POINT place = {r.left, r.top};
    MapWindowPoints(HWND_DESKTOP, GetAncestor(window, GA_PARENT), &place, 1);
    return place;
}

// Moves a note down and back up onto its place, so that the eye finds it.
void Bounce(HWND window) {
    const POINT place = PlaceOf(window);
    const std::vector<int> path = BouncePath(place.y);
    for (std::size_t i = 0; i < path.size(); ++i) {
        SetWindowPos(window, nullptr, place.x, path[i], 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
        if (i + 1 < path.size()) Sleep(kBounceWaitMs);
    }
}

} // namespace

CVimoCalendar::CVimoCalendar(KapHost& host, Settings& settings, const std::string& documentPath)
    : CKapWindow(host, KapType::Calendar, settings, documentPath) {}

CVimoCalendar::~CVimoCalendar() = default;

CLayerButton* CVimoCalendar::MakeMonthButton(const std::string& prefix, const char* label, UINT clickMessage) {
    const SkinRecord& skin = Skin();
    const LayerRect r = ElementRect(skin, prefix, SkinSize{Rect().width, Rect().height});
    auto* button = new CLayerButton(Layer(), r.x, r.y, r.width, r.height);
    CLayerElement& element = button->Elem();
    element.SetImage(skin.Str(prefix + "FileName"));
    element.SetBlockText(TextBlockId::Text, label);
    element.SetBlockPosition(TextBlockId::Text, kCentre, kCentre);
    element.SetBlockStyle(TextBlockId::Text, skin.TextStyle(prefix));
    element.SetFrame(1, 255, 0, 0, 0);
    button->Notifications().target = Hwnd();
    button->Notifications().clickMessage = clickMessage;
    button->SetDoubleClickIsPress(true); // quick presses step a month each
    return button;
}

void CVimoCalendar::BuildItems() {
    CLayerHost* host = Layer();
    const SkinRecord& skin = Skin();
    const KapRect& r = Rect();
    const SkinSize kap{r.width, r.height};

    background_ = new CLayerStatic(host, 0, 0, r.width, r.height);
    SetSkinBackground(background_->Elem(), skin);

    MakeLockImage(ElementRect(skin, "Lock", kap));

    previous_ = MakeMonthButton("BtnPrev", "<", WMU_PREVIOUS_MONTH);
    next_ = MakeMonthButton("BtnNext", ">", WMU_NEXT_MONTH);

    const LayerRect title = ElementRect(skin, "Title", kap);
    title_ = new CLayerStatic(host, title.x, title.y, title.width, title.height);
    title_->Elem().SetBlockPosition(TextBlockId::Text, kCentre, kCentre);
    title_->Elem().SetBlockStyle(TextBlockId::Text, skin.TextStyle("Title"));

    const GridGeometry grid = GridOf(skin);
    for (int k = 1; k <= kGridCellCount; ++k) {
        const LayerRect cell = CellRect(grid, k);
        auto* button = new CLayerButton(host, cell.x, cell.y, cell.width, cell.height);
        button->Elem().SetBlockPosition(TextBlockId::Text, kCentre, kCentre);
        LayerNotifications& notify = button->Notifications();
        notify.target = Hwnd();
        notify.clickMessage = CalendarCellMessage(static_cast<unsigned>(k));
        notify.doubleClickMessage = WM_LBUTTONDBLCLK;
        // The grid covers most of the kap: the context menu opens over it too.
        notify.rightButtonMessage = WM_RBUTTONDOWN;
        EnableWindow(button->Input(), FALSE);
        cells_[static_cast<std::size_t>(k - 1)] = button;
    }

    model_.emplace(LocalToday());
    DrawShownMonth();
}

void CVimoCalendar::LayoutItems() {
    const SkinRecord& skin = Skin();
    const KapRect& r = Rect();
    const SkinSize kap{r.width, r.height};
    background_->SetBounds(LayerRect{0, 0, r.width, r.height});
    LockImage()->SetBounds(ElementRect(skin, "Lock", kap));
    previous_->SetBounds(ElementRect(skin, "BtnPrev", kap));
    next_->SetBounds(ElementRect(skin, "BtnNext", kap));
    title_->SetBounds(ElementRect(skin, "Title", kap));
    const GridGeometry grid = GridOf(skin);
    for (int k = 1; k <= kGridCellCount; ++k) Cell(k)->SetBounds(CellRect(grid, k));
}

std::vector<Kap*> CVimoCalendar::Notes() const {
    // The note kaps whose reminders the calendar marks (read at every drawing and day click).
    return Host().KapsOf(KapType::Note);
}

std::vector<std::string> CVimoCalendar::AlarmStamps(const std::vector<Kap*>& notes) const {
    std::vector<std::string> stamps;
    stamps.reserve(notes.size());
    for (const Kap* note : notes) stamps.push_back(note ? note->AlarmStamp() : std::string());
    return stamps;
}

void CVimoCalendar::DrawShownMonth() {
    if (!model_) return;
    CLayerElement& title = title_->Elem();
    title.SetBlockText(TextBlockId::Text, model_->Title(StrftimeText));
    view_ = model_->Draw(Skin().Str("TextDays"), AlarmStamps(Notes()));
    for (int k = 1; k <= kGridCellCount; ++k) ApplyCell(k, view_.Cell(k));
}

void CVimoCalendar::ApplyCell(int k, const GridCell& cell) {
    if (cell.look == CellLook::Keep) return;
    CLayerButton* button = Cell(k);
    const CellStyle style = CellStyleOf(cell.look, Skin());
    CLayerElement& element = button->Elem();
    element.SetBlockText(TextBlockId::Text, cell.text);
    element.SetBlockStyle(TextBlockId::Text, style.text);
    element.SetBackgroundColour(style.background);
    element.SetBackgroundFrame(style.frameSize, style.frame);
    element.SetImage(style.image);
    EnableWindow(button->Input(), cell.enabled ? TRUE : FALSE);
}

void CVimoCalendar::Present() {
    DrawShownMonth();
    if (Layer()) Layer()->Refresh();
}

void CVimoCalendar::RefreshAlarmMarks() {
    if (model_) Present();
}

void CVimoCalendar::ShowPreviousMonth() {
    if (!model_) return;
    model_->StepBack();
    Present();
}

void CVimoCalendar::ShowNextMonth() {
    if (!model_) return;
    model_->StepOn();
    Present();
}

void CVimoCalendar::ClickDay(int day) {
    if (!model_) return;
    const std::vector<Kap*> notes = Notes();
    for (std::size_t i : model_->NotesOnDay(AlarmStamps(notes), day)) {
        const HWND note = notes[i]->Hwnd();
        if (!IsWindow(note)) continue;
        SetFocus(note);
        Bounce(note);
    }
}

bool CVimoCalendar::OnKapCommand(UINT id) {
    switch (id) {
    case ID_CALENDAR_PREVIOUS_MONTH: ShowPreviousMonth(); return true;
    case ID_CALENDAR_NEXT_MONTH: ShowNextMonth(); return true;
    default: return false;
    }
}

bool CVimoCalendar::OnKapMessage(UINT msg, WPARAM, LPARAM, LRESULT& result) {
    if (msg == WMU_PREVIOUS_MONTH) {
        ShowPreviousMonth();
    } else if (msg == WMU_NEXT_MONTH) {
        ShowNextMonth();
    } else if (const std::optional<int> cell = CellOfMessage(msg)) {
        if (model_) ClickDay(model_->DayOfCell(*cell));
    } else {
        return false;
    }
    result = 0;
    return true;
}

} // namespace vimo
