#pragma once
// Window message numbers that parts of VimoKap post to one another, and the numbers of the
// notifications the hook library, the layer controls and the POP3 client deliver. Portable: it
// needs no platform header, so WM_USER is restated here.
namespace vimo {

constexpr unsigned kWmUser = 0x0400; // the platform's first private message number (WM_USER)

// ---------------------------------------------------------------------------------------------
// Kap to controller window. A kap posts its type's deleted message (WPARAM the kap object,
// LPARAM 0) after moving its document to the deleted store; the controller then frees it.
// ---------------------------------------------------------------------------------------------
constexpr unsigned WMU_NOTE_DELETED = kWmUser + 1110;
constexpr unsigned WMU_PHOTOALBUM_DELETED = kWmUser + 1111;
constexpr unsigned WMU_CALC_DELETED = kWmUser + 1112;
constexpr unsigned WMU_CLOCK_DELETED = kWmUser + 1113;
constexpr unsigned WMU_CALENDAR_DELETED = kWmUser + 1114;
constexpr unsigned WMU_NEWS_DELETED = kWmUser + 1115;
constexpr unsigned WMU_REMOTEWMP_DELETED = kWmUser + 1116;
constexpr unsigned WMU_MAIL_DELETED = kWmUser + 1117;
constexpr unsigned WMU_GOOGLE_DELETED = kWmUser + 1118;
constexpr unsigned WMU_LINK_DELETED = kWmUser + 1119;
constexpr unsigned WMU_WEATHER_DELETED = kWmUser + 1120;
constexpr unsigned WMU_ACCOUNT_DELETED = kWmUser + 1121;
constexpr unsigned WMU_TRASH_DELETED = kWmUser + 1122;

// A note's reminder changed: the controller makes every calendar refresh its marks (0, 0).
constexpr unsigned WMU_ALARMS_CHANGED = kWmUser + 1214;

// Name of the tray icon's callback message, registered once at start-up.
constexpr const char* kTaskbarIconMessageName = "WMU_NOTIFY_TASKBAR_ICON";
// Name of the message that asks the controller window how many drawing objects the program holds
// (WPARAM 0 GDI handles, 1 the drawing library's objects); the count is the result.
constexpr const char* kLiveObjectsMessageName = "VimoKap.LiveObjects";

// ---------------------------------------------------------------------------------------------
// Shared by every kap
// ---------------------------------------------------------------------------------------------
// Drop target to its kap: something was dropped; the string is read from the drop target (0, 0).
constexpr unsigned WMU_KAP_DROP = kWmUser + 300;
// Layer edit or edit line to its kap: the text changed (0, 0).
constexpr unsigned WMU_EDIT_CHANGED = kWmUser + 2213;

// ---------------------------------------------------------------------------------------------
// Kap-local messages: posted by a kap's own layer controls to the kap
// ---------------------------------------------------------------------------------------------
// Calculator keys, posted by its buttons and by the keypad mapping.
constexpr unsigned WMU_CALC_DIGIT_0 = 2524; // digit d is WMU_CALC_DIGIT_0 + d, d = 0 ... 9
constexpr unsigned WMU_CALC_POINT = 2534;
constexpr unsigned WMU_CALC_SIGN = 2535;
constexpr unsigned WMU_CALC_CLEAR = 2536;
constexpr unsigned WMU_CALC_CLEAR_ENTRY = 2537;
constexpr unsigned WMU_CALC_RESULT = 2538;
constexpr unsigned WMU_CALC_ADD = 2539;
constexpr unsigned WMU_CALC_SUBTRACT = 2540;
constexpr unsigned WMU_CALC_MULTIPLY = 2541;
constexpr unsigned WMU_CALC_DIVIDE = 2542;
constexpr unsigned WMU_CALC_PERCENT = 2543;
constexpr unsigned CalcDigitMessage(unsigned digit) { return WMU_CALC_DIGIT_0 + digit; }

// Previous and next month buttons of the calendar and of the account book.
constexpr unsigned WMU_PREVIOUS_MONTH = 5346;
constexpr unsigned WMU_NEXT_MONTH = 5347;

// Calendar grid: a click on cell k (1 ... 49, row by row) posts 1257 + k.
constexpr unsigned WMU_CALENDAR_CELL_BASE = 1257;
constexpr unsigned kCalendarCellCount = 49;
constexpr unsigned CalendarCellMessage(unsigned cell) { return WMU_CALENDAR_CELL_BASE + cell; }

// Account book: a click on listed block i posts 2024 + i, the right button over it 3024 + i.
constexpr unsigned WMU_ACCOUNT_BLOCK_CLICK_BASE = 2024;
constexpr unsigned WMU_ACCOUNT_BLOCK_MENU_BASE = 3024;
constexpr unsigned AccountBlockClickMessage(unsigned block) { return WMU_ACCOUNT_BLOCK_CLICK_BASE + block; }
constexpr unsigned AccountBlockMenuMessage(unsigned block) { return WMU_ACCOUNT_BLOCK_MENU_BASE + block; }

// Trash: a click on item i restores it (WM_USER + 200 + i).
constexpr unsigned WMU_TRASH_ITEM_BASE = kWmUser + 200;
constexpr unsigned TrashItemMessage(unsigned item) { return WMU_TRASH_ITEM_BASE + item; }

// RSS reader: value message of its horizontal scroll bar (WPARAM the percent 0 ... 100).
constexpr unsigned WMU_NEWS_HSCROLL = kWmUser + 750;

// Mail alert: a click on the count text asks for a check soon.
constexpr unsigned WMU_MAIL_RECHECK = kWmUser + 546;

// Web search: value message of the edit line, posted whenever its text changes.
constexpr unsigned WMU_EDIT_TEXT = kWmUser + 2214;

// Link folder: the right button over row i posts 1224 + i.
constexpr unsigned WMU_LINK_ROW_MENU_BASE = 1224;
constexpr unsigned LinkRowMenuMessage(unsigned row) { return WMU_LINK_ROW_MENU_BASE + row; }

// Media player remote: its six buttons.
constexpr unsigned WMU_WMP_PLAY = kWmUser + 433;
constexpr unsigned WMU_WMP_STOP = kWmUser + 434;
constexpr unsigned WMU_WMP_PREVIOUS = kWmUser + 435;
constexpr unsigned WMU_WMP_NEXT = kWmUser + 436;
constexpr unsigned WMU_WMP_REVERSE = kWmUser + 437;
constexpr unsigned WMU_WMP_FORWARD = kWmUser + 438;

// Window bar: value message of its vertical scroll bar (WPARAM the percent 0 ... 100).
constexpr unsigned WMU_REMOTEWIN_VSCROLL = 1775;

// ---------------------------------------------------------------------------------------------
// Hook library (VimoDetect) to the window bar. The numbers are fixed by the library.
// ---------------------------------------------------------------------------------------------
// WPARAM the window; LPARAM the message it is about to receive (move, size, scroll, parent
// notification, sizing or moving).
constexpr unsigned WMU_HOOK_WINDOW_CHANGED = 1779;
// WPARAM the window; LPARAM kHookWindowCreated or kHookWindowDestroyed.
constexpr unsigned WMU_HOOK_WINDOW_BORN_OR_GONE = 1780;
constexpr long kHookWindowCreated = 1;
constexpr long kHookWindowDestroyed = 2;

// ---------------------------------------------------------------------------------------------
// POP3 client to its owner (the mail alert kap): notification codes
// ---------------------------------------------------------------------------------------------
constexpr int kPop3Accepted = 0;    // incoming connection (never happens for a client)
constexpr int kPop3Closed = 1;      // the connection was closed, or a read failed
constexpr int kPop3Connected = 2;   // the connection to the server was made
constexpr int kPop3Progress = 3;    // USER, PASS or STAT sent, or a reply without action
constexpr int kPop3StatParsed = 5;  // message count and mailbox size are valid
constexpr int kPop3AfterStat = 6;   // sent right after kPop3StatParsed
constexpr int kPop3SessionDone = 7; // every message retrieved, or every deletion done

} // namespace vimo
