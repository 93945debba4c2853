// The calendar window under Wine, with the default skin and stand-in note kaps: the drawn month,
// today's and the reminders' marks, month stepping, day clicks that bounce notes.
#include <gtest/gtest.h>

#include <windows.h>

#include <algorithm>
#include <memory>
#include <string>
#include <vector>

#include "base/messages.h"
#include "base/profile_store_win.h"
#include "base/resource.h"
#include "kapframe/settings.h"
#include "kaps/desk/calendar/day_bounce.h"
#include "kaps/desk/calendar/month_title.h"
#include "kaps/desk/calendar/vimo_calendar_win.h"
#include "layer/controls/layer_button_win.h"
#include "layer/controls/layer_static_win.h"
#include "layer/gdiplus_raii_win.h"
#include "kapframe/fake_kap_host_win.h"

namespace vimo {
namespace {

// Every move of a stand-in note window, in the order the moves happened across all notes.
struct MoveLog {
    std::vector<std::pair<HWND, int>> tops;
};

LRESULT CALLBACK NoteProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
    if (msg == WM_WINDOWPOSCHANGED) {
        auto* log = reinterpret_cast<MoveLog*>(GetWindowLongPtrA(hwnd, GWLP_USERDATA));
        const auto* pos = reinterpret_cast<const WINDOWPOS*>(lParam);
        if (log && !(pos->flags & SWP_NOMOVE)) log->tops.emplace_back(hwnd, pos->y);
    }
    return DefWindowProcA(hwnd, msg, wParam, lParam);
}

// A note kap as the calendar sees it: a window and an alarm stamp.
class StandInNote : public Kap {
public:
    StandInNote(std::string stamp, int x, int y, MoveLog& log) : stamp_(std::move(stamp)) {
        static const ATOM kClass = [] {
            WNDCLASSA wc = {};
            wc.lpfnWndProc = NoteProc;
            wc.hInstance = GetModuleHandleA(nullptr);
            wc.lpszClassName = "VimoCalendarTestNote";
            return RegisterClassA(&wc);
        }();
        (void)kClass;
        hwnd_ = CreateWindowExA(WS_EX_TOOLWINDOW, "VimoCalendarTestNote", "note", WS_POPUP | WS_VISIBLE, x, y, 60, 40,
                                nullptr, nullptr, GetModuleHandleA(nullptr), nullptr);
        SetWindowLongPtrA(hwnd_, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(&log));
    }
    ~StandInNote() override { DestroyWindow(hwnd_); }
    StandInNote(const StandInNote&) = delete;
    StandInNote& operator=(const StandInNote&) = delete;

    KapType Type() const override { return KapType::Note; }
    HWND Hwnd() const override { return hwnd_; }
    bool SaveDocument() override { return true; }
    void SendToDesktop() override {}
    void Raise() override {}
    void SetLocked(bool) override {}
    std::string AlarmStamp() const override { return stamp_; }
    void SetStamp(const std::string& stamp) { stamp_ = stamp; }

private:
    std::string stamp_;
    HWND hwnd_ = nullptr;
};

void Pump() {
    MSG msg;
    while (PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) {
        TranslateMessage(&msg);
        DispatchMessageA(&msg);
    }
}

void CopyFolder(const std::string& from, const std::string& to) {
    WIN32_FIND_DATAA found = {};
    HANDLE search = FindFirstFileA((from + "\\*").c_str(), &found);
    ASSERT_NE(search, INVALID_HANDLE_VALUE) << from;
    do {
        if (!(found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY))
            CopyFileA((from + "\\" + found.cFileName).c_str(), (to + "\\" + found.cFileName).c_str(), FALSE);
    } while (FindNextFileA(search, &found));
    FindClose(search);
}

std::string Stamp(YearMonth month, int day) {
    char text[32];
    snprintf(text, sizeof(text), "%04d%02d%02d083000", month.year, month.month, day);
    return text;
}

class CalendarWindowTest : public ::testing::Test {
protected:
    void SetUp() override {
        char base[MAX_PATH] = {};
        GetTempPathA(MAX_PATH, base);
        dir_ = std::string(base) + "vimo-calendar-" + std::to_string(GetCurrentProcessId()) + "-" +
               ::testing::UnitTest::GetInstance()->current_test_info()->name();
        for (const char* sub : {"", "\\Skin", "\\Skin\\Default", "\\Skin\\Default\\VimoCalendar"})
            CreateDirectoryA((dir_ + sub).c_str(), nullptr);
        std::string source = VIMO_SOURCE_DIR "/skins/Default/VimoCalendar";
        for (char& c : source)
            if (c == '/') c = '\\';
        CopyFolder("Z:" + source, dir_ + "\\Skin\\Default\\VimoCalendar");
        WinProfileStore store;
        settings_.Load(store, dir_);
        SYSTEMTIME now = {};
        GetLocalTime(&now);
        today_ = CalendarDate{now.wYear, now.wMonth, now.wDay};
    }
    void TearDown() override {
        calendar_.reset();
        notes_.clear();
    }
    StandInNote& AddNote(const std::string& stamp, int x, int y) {
        notes_.push_back(std::make_unique<StandInNote>(stamp, x, y, moves_));
        return *notes_.back();
    }
    CVimoCalendar& MakeCalendar() {
        host_.kaps = [this](KapType type) {
            std::vector<Kap*> kaps;
            if (type == KapType::Note)
                for (auto& note : notes_) kaps.push_back(note.get());
            return kaps;
        };
        calendar_ = MakeWholeDialog<CVimoCalendar>(host_, settings_, "");
        EXPECT_TRUE(calendar_->CreateKap());
        ShowWindow(calendar_->Hwnd(), SW_SHOWNOACTIVATE);
        Pump();
        return *calendar_;
    }
    const SkinRecord& Skin() const { return settings_.skins.Skin(SkinType::Calendar); }
    // A day of the shown month that is not today and has no mark.
    int PlainDay() const { return today_.day == 10 ? 11 : 10; }

    GdiplusSession gdiplus_;
    std::string dir_;
    Settings settings_;
    kaptest::FakeKapHost host_;
    CalendarDate today_;
    MoveLog moves_;
    std::vector<std::unique_ptr<StandInNote>> notes_;
    std::unique_ptr<CVimoCalendar> calendar_;
};

const TextBlockProps& TextOf(CLayerButton* cell) { return cell->Elem().Block(TextBlockId::Text); }

TEST_F(CalendarWindowTest, OpensOnTodaysMonthWithTodayMarkedAndOnlyTheDaysClickable) {
    CVimoCalendar& calendar = MakeCalendar();
    const YearMonth month{today_.year, today_.month};
    ASSERT_NE(calendar.Model(), nullptr);
    EXPECT_EQ(calendar.Model()->Shown(), month);
    const RECT r = [&] {
        RECT w;
        GetWindowRect(calendar.Hwnd(), &w);
        return w;
    }();
    EXPECT_EQ(r.right - r.left, Skin().Int("IconWidth"));
    EXPECT_EQ(r.bottom - r.top, Skin().Int("IconHeight"));
    EXPECT_EQ(calendar.Title()->Elem().Block(TextBlockId::Text).text, MonthTitle(month, StrftimeText));
    EXPECT_EQ(calendar.Title()->Elem().Block(TextBlockId::Text).font, Skin().Str("TitleFont"));

    const std::string letters = Skin().Str("TextDays");
    for (int k = 1; k <= 7; ++k) {
        EXPECT_EQ(TextOf(calendar.Cell(k)).text, letters.substr(static_cast<std::size_t>(k - 1), 1));
        EXPECT_EQ(TextOf(calendar.Cell(k)).type, 2) << "day letters are bold";
        EXPECT_FALSE(IsWindowEnabled(calendar.Cell(k)->Input())) << k;
    }
    const int offset = calendar.View().offset;
    const int days = DaysInMonth(month.year, month.month);
    for (int k = 8; k <= kGridCellCount; ++k) {
        const int day = k - offset;
        const bool exists = day >= 1 && day <= days;
        EXPECT_EQ(TextOf(calendar.Cell(k)).text, exists ? std::to_string(day) : "") << k;
        EXPECT_EQ(IsWindowEnabled(calendar.Cell(k)->Input()) != FALSE, exists) << k;
    }
    const CLayerElement& today = calendar.Cell(offset + today_.day)->Elem();
    EXPECT_EQ(today.Image().file, Skin().Str("TodayFileName"));
    EXPECT_TRUE(today.Image().enabled) << "the default skin's picture is there";
    EXPECT_EQ(today.Block(TextBlockId::Text).colour,
              LayerColour::Clamped(Skin().Int("TodayAlpha"), Skin().Int("TodayRed"), Skin().Int("TodayGreen"),
                                   Skin().Int("TodayBlue")));
    EXPECT_EQ(calendar.Cell(offset + PlainDay())->Elem().Image().file, "");

    EXPECT_EQ(calendar.PreviousButton()->Elem().Block(TextBlockId::Text).text, "<");
    EXPECT_EQ(calendar.NextButton()->Elem().Block(TextBlockId::Text).text, ">");
    EXPECT_EQ(calendar.PreviousButton()->Elem().Image().file, Skin().Str("BtnPrevFileName"));
}

TEST_F(CalendarWindowTest, ButtonsAndMenuCommandsStepMonthsAcrossYears) {
    CVimoCalendar& calendar = MakeCalendar();
    const YearMonth start{today_.year, today_.month};
    PostMessageA(calendar.Hwnd(), WMU_PREVIOUS_MONTH, 0, 0);
    Pump();
    EXPECT_EQ(calendar.Model()->Shown(), PreviousMonth(start));
    SendMessageA(calendar.Hwnd(), WM_COMMAND, ID_CALENDAR_NEXT_MONTH, 0);
    EXPECT_EQ(calendar.Model()->Shown(), start);

    // On to January of next year, then back to December of this year.
    for (int m = start.month; m <= 12; ++m) SendMessageA(calendar.Hwnd(), WMU_NEXT_MONTH, 0, 0);
    EXPECT_EQ(calendar.Model()->Shown(), (YearMonth{start.year + 1, 1}));
    EXPECT_EQ(calendar.Title()->Elem().Block(TextBlockId::Text).text, MonthTitle({start.year + 1, 1}, StrftimeText));
    const int offset = GridOffset({start.year + 1, 1});
    EXPECT_EQ(calendar.View().offset, offset);
    EXPECT_EQ(TextOf(calendar.Cell(offset + 1)).text, "1");
    EXPECT_EQ(TextOf(calendar.Cell(offset + 31)).text, "31");
    for (int k = 8; k <= kGridCellCount; ++k)
        EXPECT_EQ(calendar.Cell(k)->Elem().Image().file, "") << "no today outside today's month: cell " << k;

    SendMessageA(calendar.Hwnd(), WM_COMMAND, ID_CALENDAR_PREVIOUS_MONTH, 0);
    EXPECT_EQ(calendar.Model()->Shown(), (YearMonth{start.year, 12}));
    // A click on the previous button itself.
    calendar.PreviousButton()->Click();
    Pump();
    EXPECT_EQ(calendar.Model()->Shown(), (YearMonth{start.year, 11}));
}

TEST_F(CalendarWindowTest, ReminderMarksFollowTheNotes) {
    const YearMonth month{today_.year, today_.month};
    const int day = PlainDay();
    StandInNote& note = AddNote(Stamp(month, day), 500, 300);
    AddNote("00000000000000", 560, 300);
    AddNote(Stamp(NextMonth(month), day + 1), 620, 300);
    CVimoCalendar& calendar = MakeCalendar();
    const int offset = calendar.View().offset;
    const std::string noteImage = Skin().Str("NoteFileName");
    auto marked = [&](int d) { return calendar.Cell(offset + d)->Elem().Image().file == noteImage; };

    EXPECT_TRUE(marked(day));
    EXPECT_EQ(TextOf(calendar.Cell(offset + day)).colour,
              LayerColour::Clamped(Skin().Int("NoteAlpha"), Skin().Int("NoteRed"), Skin().Int("NoteGreen"),
                                   Skin().Int("NoteBlue")));
    EXPECT_FALSE(marked(day + 1)) << "that note's reminder is next month";
    int marks = 0;
    for (int k = 8; k <= kGridCellCount; ++k) marks += calendar.Cell(k)->Elem().Image().file == noteImage;
    EXPECT_EQ(marks, 1);

    note.SetStamp(Stamp(month, today_.day));
    calendar.RefreshAlarmMarks();
    EXPECT_FALSE(marked(day)) << "the mark goes with the reminder";
    EXPECT_EQ(TextOf(calendar.Cell(offset + day)).colour,
              LayerColour::Clamped(Skin().Int("TextAlpha"), Skin().Int("TextRed"), Skin().Int("TextGreen"),
                                   Skin().Int("TextBlue")));
    EXPECT_TRUE(marked(today_.day)) << "a reminder mark wins over today's look";

    SendMessageA(calendar.Hwnd(), WMU_NEXT_MONTH, 0, 0);
    EXPECT_TRUE(calendar.Cell(GridOffset(NextMonth(month)) + day + 1)->Elem().Image().file == noteImage);
}

TEST_F(CalendarWindowTest, ClickOnADayBouncesEachOfItsNotesInTurnAndFocusesThem) {
    const YearMonth month{today_.year, today_.month};
    const int day = PlainDay();
    StandInNote& first = AddNote(Stamp(month, day), 500, 200);
    StandInNote& other = AddNote(Stamp(month, day + 1), 600, 200);
    StandInNote& second = AddNote(Stamp(month, day), 700, 260);
    CVimoCalendar& calendar = MakeCalendar();
    moves_.tops.clear();

    PostMessageA(calendar.Hwnd(), CalendarCellMessage(static_cast<unsigned>(calendar.View().offset + day)), 0, 0);
    Pump();

    std::vector<int> firstTops, secondTops;
    std::size_t lastOfFirst = 0, firstOfSecond = moves_.tops.size();
    for (std::size_t i = 0; i < moves_.tops.size(); ++i) {
        EXPECT_NE(moves_.tops[i].first, other.Hwnd()) << "a note of another day stays put";
        if (moves_.tops[i].first == first.Hwnd()) {
            firstTops.push_back(moves_.tops[i].second);
            lastOfFirst = i;
        }
        if (moves_.tops[i].first == second.Hwnd()) {
            secondTops.push_back(moves_.tops[i].second);
            firstOfSecond = std::min(firstOfSecond, i);
        }
    }
    // The path starts on the note's own place, which is no move.
    auto moved = [](int top) {
        std::vector<int> path = BouncePath(top);
        path.erase(path.begin());
        return path;
    };
    EXPECT_EQ(firstTops, moved(200));
    EXPECT_EQ(secondTops, moved(260));
    EXPECT_LT(lastOfFirst, firstOfSecond) << "one after the other, in list order";
    EXPECT_EQ(GetFocus(), second.Hwnd()) << "the last bounced note keeps the focus";
    RECT r;
    GetWindowRect(first.Hwnd(), &r);
    EXPECT_EQ(r.left, 500);
    EXPECT_EQ(r.top, 200);

    moves_.tops.clear();
    PostMessageA(calendar.Hwnd(), CalendarCellMessage(static_cast<unsigned>(calendar.View().offset + day + 2)), 0, 0);
    Pump();
    EXPECT_TRUE(moves_.tops.empty()) << "a day without reminders moves nothing";
}

} // namespace
} // namespace vimo
