#pragma once
// CVimoCalendar: one month as a 7 x 7 grid (day letters, then the days, Monday first) under a
// title and previous / next buttons; today's date and every day on which a note's reminder falls
// are marked, and a click on such a day bounces those notes.
#include <windows.h>

#include <array>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "kapframe/kap_win.h"
#include "kapframe/kap_window_win.h"
#include "kaps/desk/calendar/calendar_model.h"

namespace vimo {

class CLayerButton;
class CLayerStatic;

class CVimoCalendar : public CKapWindow {
public:
    CVimoCalendar(KapHost& host, Settings& settings, const std::string& documentPath);
    ~CVimoCalendar() override;

    // Draws the shown month again with the notes' current reminders and presents the window.
    void RefreshAlarmMarks() override;

    void ShowPreviousMonth();
    void ShowNextMonth();
    // Gives every note whose reminder falls on day d of the shown month the focus and bounces it,
    // one after the other.
    void ClickDay(int day);

    // Null before the window is built.
    const CalendarModel* Model() const { return model_ ? &*model_ : nullptr; }
    // The month as last drawn.
    const MonthView& View() const { return view_; }
    // Grid cell k (1 ... 49), the title, the two buttons (null before the window is built).
    CLayerButton* Cell(int k) const { return cells_[static_cast<std::size_t>(k - 1)]; }
    CLayerStatic* Title() const { return title_; }
    CLayerButton* PreviousButton() const { return previous_; }
    CLayerButton* NextButton() const { return next_; }

protected:
    void BuildItems() override;
    void LayoutItems() override;
    bool OnKapCommand(UINT id) override;
    bool OnKapMessage(UINT msg, WPARAM wParam, LPARAM lParam, LRESULT& result) override;

private:
    CLayerButton* MakeMonthButton(const std::string& prefix, const char* label, UINT clickMessage);
    std::vector<Kap*> Notes() const;
    std::vector<std::string> AlarmStamps(const std::vector<Kap*>& notes) const;
    // Sets the title and every cell for the shown month (no repaint).
    void DrawShownMonth();
    void ApplyCell(int k, const GridCell& cell);
    // Draws the month and shows the window's new picture.
    void Present();

    std::optional<CalendarModel> model_;
    MonthView view_;
    CLayerStatic* background_ = nullptr;
    CLayerButton* previous_ = nullptr;
    CLayerButton* next_ = nullptr;
    CLayerStatic* title_ = nullptr;
    std::array<CLayerButton*, kGridCellCount> cells_ = {};
};

} // namespace vimo
