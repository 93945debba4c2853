// The account book as a user meets it: months stepped with its buttons, a line checked with its
// check block, a line added through "Edit Line" typed with real keys, the book exported and
// replaced from a file through the file dialogs, and everything there again after a restart.
#include <gtest/gtest.h>

#include <dlgs.h>
#include <oleidl.h>

#include <cstdio>
#include <string>

#include "base/resource.h"
#include "e2e/driver/vimo_driver.h"
#include "kapframe/base64.h"
#include "kapframe/kap_document.h"
#include "kaps/desk/account/account_document.h"

namespace vimo::e2e {
namespace {

// The default skin: list from (16, 66), blocks 24 high and 3 apart, a line's text block 200 wide
// and its check block at x 220.
POINT TextBlock(HWND kap, int row) {
    const RECT r = WindowRectOf(kap);
    return POINT{r.left + 100, r.top + 66 + row * 27 + 12};
}
POINT CheckBlock(HWND kap, int row) {
    const RECT r = WindowRectOf(kap);
    return POINT{r.left + 232, r.top + 66 + row * 27 + 12};
}
POINT Button(HWND kap, int x) {
    const RECT r = WindowRectOf(kap);
    return POINT{r.left + x + 12, r.top + 14 + 12};
}

std::string Date(YearMonth month, int day) { return AccountDateText(CalendarDate{month.year, month.month, day}); }

// What the kap shows below its month title.
std::string Shown(HWND kap) {
    const std::string text = WindowTextOf(kap);
    return text.substr(text.find('\n') + 1);
}

// Picks a file in the open or save dialog of the process with the caption.
bool ChooseFile(DWORD processId, const char* caption, const std::string& path) {
    HWND dialog = nullptr;
    if (!WaitFor([&] { return (dialog = FindDialog(processId, caption)) != nullptr; }, 10000)) return false;
    HWND name = GetDlgItem(dialog, cmb13);
    if (HWND edit = name ? ChildOfClass(name, "Edit") : nullptr) name = edit;
    if (!name) name = GetDlgItem(dialog, edt1);
    SetWindowTextA(name, path.c_str());
    PostMessageA(dialog, WM_COMMAND, IDOK, 0);
    return WaitFor([&] { return !IsWindow(dialog); }, 10000);
}

void Click(POINT p) { ClickAt(p.x, p.y); }

TEST(AccountBook, StepsChecksAddsThroughTheDialogExportsImportsAndKeepsItAllAfterARestart) {
    SYSTEMTIME now = {};
    GetLocalTime(&now);
    const YearMonth month{now.wYear, now.wMonth};
    const std::string today = Date(month, now.wDay);
    ProgramDir dir = KapsOnlyDir("account-book");
    KapHeader header{"20261209150000", false, "", false, ""};
    DocumentWriter writer(header);
    writer.Int(80).Int(60).Int(260).Int(300);
    WriteAccountPayload(writer, AccountPayload{"Household",
                                               "$",
                                               {{Date(month, 2), "Salary", true, 0, 245000},
                                                {Date(month, 5), "Rent", false, 82000, 0},
                                                {Date(NextMonth(month), 1), "Later", false, 100, 0},
                                                {Date(PreviousMonth(month), 20), "Earlier", false, 5, 0}}});
    CreateDirectoryA(dir.File("Notes").c_str(), nullptr);
    dir.Write("Notes\\20261209150000.VIMOACCOUNT", EncodeDocumentBase64(writer.Text()));

    std::string expected;
    {
        VimoProcess app;
        HWND kap = app.StartWithOneKap(dir);
        ASSERT_NE(kap, nullptr);
        // The checked salary counts but is not listed; next month's line is not in the balance.
        EXPECT_EQ(Shown(kap), "Household\n05 : Rent\t- 820.00\n(+):2450.00$ (-):820.00$\n1629.95$\n");
        Screenshot("account-book");

        Click(Button(kap, 18));
        EXPECT_TRUE(WaitFor(
            [&] { return Shown(kap) == "Household\n20 : Earlier\t- 0.05\n(+):0.00$ (-):0.05$\n-0.05$\n"; }, 5000))
            << Shown(kap);
        Click(Button(kap, 188));
        Click(Button(kap, 188));
        EXPECT_TRUE(WaitFor(
            [&] { return Shown(kap) == "Household\n01 : Later\t- 1.00\n(+):0.00$ (-):1.00$\n1628.95$\n"; }, 5000))
            << Shown(kap);
        Click(Button(kap, 18));
        ASSERT_TRUE(WaitFor([&] { return Shown(kap).find("05 : Rent") != std::string::npos; }, 5000)) << Shown(kap);

        Click(CheckBlock(kap, 0));
        EXPECT_TRUE(WaitFor([&] { return Shown(kap) == "Household\n(+):2450.00$ (-):820.00$\n1629.95$\n"; }, 5000))
            << "a checked line leaves the list but not the totals: " << Shown(kap);
        PostMessageA(kap, WM_COMMAND, ID_ACCOUNT_SHOW_CHECKED, 0);
        EXPECT_TRUE(WaitFor(
            [&] {
                return Shown(kap) == "Household\n02 : Salary\t+ 2450.00\t[x]\n05 : Rent\t- 820.00\t[x]\n"
                                     "(+):2450.00$ (-):820.00$\n1629.95$\n";
            },
            5000))
            << Shown(kap);

        // A click on a line's text opens it for editing.
        Click(TextBlock(kap, 1));
        HWND dialog = nullptr;
        ASSERT_TRUE(WaitFor([&] { return (dialog = FindDialog(app.ProcessId(), "Edit Line")) != nullptr; }, 10000));
        EXPECT_EQ(WindowTextOf(GetDlgItem(dialog, IDC_ACCOUNT_LABEL)), "Rent");
        EXPECT_EQ(WindowTextOf(GetDlgItem(dialog, IDC_ACCOUNT_OUT)), "820.00");
        ASSERT_TRUE(AnswerDialog(app.ProcessId(), "Edit Line", IDCANCEL));

        // A new line through the dialog, typed with real keys.
        PostMessageA(kap, WM_COMMAND, ID_ACCOUNT_ADD_LINE, 0);
        ASSERT_TRUE(WaitFor([&] { return (dialog = FindDialog(app.ProcessId(), "Edit Line")) != nullptr; }, 10000));
        HWND in = GetDlgItem(dialog, IDC_ACCOUNT_IN), out = GetDlgItem(dialog, IDC_ACCOUNT_OUT);
        EXPECT_EQ(WindowTextOf(in), "0.00");
        TypeInto(GetDlgItem(dialog, IDC_ACCOUNT_LABEL), "Coffee");
        SetWindowTextA(out, "");
        TypeInto(out, "1.2.3x");
        EXPECT_TRUE(WaitFor([&] { return WindowTextOf(out) == "1.23"; }, 5000))
            << "a second point and a letter are removed";
        SetWindowTextA(in, "");
        TypeInto(in, "0");
        EXPECT_TRUE(WaitFor([&] { return WindowTextOf(out) == "0.00"; }, 10000)) << "typing in In resets Out";
        const RECT ok = WindowRectOf(GetDlgItem(dialog, IDOK));
        ClickAt((ok.left + ok.right) / 2, (ok.top + ok.bottom) / 2);
        EXPECT_FALSE(WaitFor([&] { return !IsWindow(dialog); }, 1500)) << "OK with both amounts 0 keeps the dialog";
        TypeInto(out, "4.5");
        EXPECT_TRUE(WaitFor([&] { return WindowTextOf(in) == "0.00"; }, 10000)) << "typing in Out resets In";
        Screenshot("account-edit-line");
        ClickAt((ok.left + ok.right) / 2, (ok.top + ok.bottom) / 2);
        ASSERT_TRUE(WaitFor([&] { return !IsWindow(dialog); }, 5000));
        const std::string coffee = today.substr(6) + " : Coffee\t- 4.50\n";
        EXPECT_TRUE(WaitFor([&] { return Shown(kap).find(coffee) != std::string::npos; }, 5000)) << Shown(kap);
        EXPECT_NE(Shown(kap).find("(+):2450.00$ (-):824.50$\n1625.45$\n"), std::string::npos) << Shown(kap);

        // Export: the file holds every line's record, in date order.
        PostMessageA(kap, WM_COMMAND, ID_ACCOUNT_SAVE, 0);
        ASSERT_TRUE(ChooseFile(app.ProcessId(), "Save As", dir.File("export.txt")));
        ASSERT_TRUE(WaitFor([&] { return dir.Exists("export.txt"); }, 5000));
        const AccountImport exported = ParseAccountRecords(dir.Read("export.txt"));
        EXPECT_EQ(exported.skippedLines, 0u);
        ASSERT_EQ(exported.lines.size(), 5u);
        EXPECT_EQ(exported.lines[0].label, "Earlier");
        EXPECT_EQ(exported.lines[4].label, "Later");

        // Import: declining keeps every line; yes replaces them and tells of the lines skipped.
        dir.Write("import.txt",
                  Date(month, 7) + "\nGift\n0\n0\n1999\nnot a record\n" + Date(month, 9) + "\nBus\n0\n250\n0\n");
        PostMessageA(kap, WM_COMMAND, ID_ACCOUNT_LOAD, 0);
        ASSERT_TRUE(ChooseFile(app.ProcessId(), "Open", dir.File("import.txt")));
        ASSERT_TRUE(AnswerDialog(app.ProcessId(), "Load Account", IDNO));
        EXPECT_NE(Shown(kap).find(coffee), std::string::npos) << Shown(kap);
        PostMessageA(kap, WM_COMMAND, ID_ACCOUNT_LOAD, 0);
        ASSERT_TRUE(ChooseFile(app.ProcessId(), "Open", dir.File("import.txt")));
        ASSERT_TRUE(AnswerDialog(app.ProcessId(), "Load Account", IDYES));
        ASSERT_TRUE(AnswerDialog(app.ProcessId(), "Load Account", IDOK)) << "the skipped line is reported";
        expected = "Household\n07 : Gift\t+ 19.99\n09 : Bus\t- 2.50\n(+):19.99$ (-):2.50$\n17.49$\n";
        EXPECT_TRUE(WaitFor([&] { return Shown(kap) == expected; }, 5000)) << Shown(kap);
        Screenshot("account-book-imported");
        ASSERT_TRUE(app.Exit());
    }
    VimoProcess again;
    HWND kap = again.StartWithOneKap(dir);
    ASSERT_NE(kap, nullptr);
    EXPECT_EQ(Shown(kap), expected);
    EXPECT_TRUE(again.Exit());
}

TEST(AccountBook, ALongMonthScrollsAndAnswersClicksADroppedTextStartsALineAndTheTrayMakesANewBook) {
    SYSTEMTIME now = {};
    GetLocalTime(&now);
    const YearMonth month{now.wYear, now.wMonth};
    ProgramDir dir = KapsOnlyDir("account-long-month");
    std::vector<AccountLine> lines;
    for (int i = 0; i < 30; ++i) {
        char label[8];
        std::snprintf(label, sizeof(label), "L%02d", i + 1);
        lines.push_back(AccountLine{Date(month, 1 + i * 27 / 30), label, false, 100 + i, 0});
    }
    DocumentWriter writer(KapHeader{"20261209151000", false, "", false, ""});
    writer.Int(80).Int(60).Int(260).Int(300);
    WriteAccountPayload(writer, AccountPayload{"", "", lines});
    CreateDirectoryA(dir.File("Notes").c_str(), nullptr);
    dir.Write("Notes\\20261209151000.VIMOACCOUNT", EncodeDocumentBase64(writer.Text()));

    VimoProcess app;
    HWND kap = app.StartWithOneKap(dir);
    ASSERT_NE(kap, nullptr);
    // The label of the line whose text block lies y pixels below the kap's top.
    auto labelOfLineAt = [&](int y) {
        const RECT r = WindowRectOf(kap);
        ClickAt(r.left + 100, r.top + y);
        HWND dialog = nullptr;
        if (!WaitFor([&] { return (dialog = FindDialog(app.ProcessId(), "Edit Line")) != nullptr; }, 10000))
            return std::string("(no dialog)");
        const std::string label = WindowTextOf(GetDlgItem(dialog, IDC_ACCOUNT_LABEL));
        EXPECT_TRUE(AnswerDialog(app.ProcessId(), "Edit Line", IDCANCEL));
        return label;
    };
    // Far past the end, the list stops with its balance row at the bottom of the list area: 30
    // lines and 2 summary rows, 27 pixels each, in 206 pixels from y 66, so the last line's block
    // spans y 191 to 215.
    for (int i = 0; i < 40; ++i) PostMessageA(kap, WM_MOUSEWHEEL, MAKEWPARAM(0, -WHEEL_DELTA), 0);
    EXPECT_EQ(labelOfLineAt(203), "L30");
    Screenshot("account-long-month");
    for (int i = 0; i < 60; ++i) PostMessageA(kap, WM_MOUSEWHEEL, MAKEWPARAM(0, WHEEL_DELTA), 0);
    EXPECT_EQ(labelOfLineAt(78), "L01") << "back at the top";

    // A dropped text starts a new line with it as the label.
    const RECT r = WindowRectOf(kap);
    EXPECT_NE(DragTextOnto("Lunch with Ann\r\nat noon", 700, 500, r.left + 120, r.top + 150),
              static_cast<DWORD>(DROPEFFECT_NONE));
    HWND dialog = nullptr;
    ASSERT_TRUE(WaitFor([&] { return (dialog = FindDialog(app.ProcessId(), "Edit Line")) != nullptr; }, 10000));
    EXPECT_EQ(WindowTextOf(GetDlgItem(dialog, IDC_ACCOUNT_LABEL)), "Lunch with Ann  at noon");
    ASSERT_TRUE(AnswerDialog(app.ProcessId(), "Edit Line", IDCANCEL));

    // The options from the tray wait while a kap has a dialog open: the rebuild would take the kap
    // from under its dialog.
    PostMessageA(kap, WM_COMMAND, ID_ACCOUNT_SETUP, 0);
    ASSERT_TRUE(WaitFor([&] { return FindDialog(app.ProcessId(), "Account") != nullptr; }, 10000));
    app.Command(ID_APP_OPTIONS);
    SendMessageTimeoutA(app.Controller(), WM_NULL, 0, 0, SMTO_BLOCK, 5000, nullptr);
    EXPECT_EQ(FindDialog(app.ProcessId(), "VimoKap Options"), nullptr);
    ASSERT_TRUE(AnswerDialog(app.ProcessId(), "Account", IDCANCEL));
    EXPECT_TRUE(IsWindow(kap));

    // The tray makes a new, empty book; its delete command moves its document to the deleted store.
    app.Command(ID_NEW_ACCOUNT);
    HWND fresh = app.WaitNewKap({kap});
    ASSERT_NE(fresh, nullptr);
    EXPECT_EQ(Shown(fresh), "\n(+):0.00 (-):0.00\n0.00\n");
    PostMessageA(fresh, WM_COMMAND, ID_ACCOUNT_DELETE, 0);
    ASSERT_TRUE(AnswerDialog(app.ProcessId(), "Delete KAP", IDYES));
    EXPECT_TRUE(WaitFor([&] { return !ReadOnlyDocument(dir, "Deleted\\*.VIMOACCOUNT").empty(); }, 5000));
    EXPECT_TRUE(app.Exit());
}

} // namespace
} // namespace vimo::e2e
