// The account book with 10,000 lines: how long the program takes to show it, and how long a month
// step takes (the message sent to the kap returns once the month is rebuilt and drawn), for a book
// of about 80 lines a month and for a month of 2,000 lines.
// Run through scripts/bench.sh, which provides the Wine environment.
#include <windows.h>

#include <algorithm>
#include <cstdio>
#include <string>
#include <vector>

#include "base/messages.h"
#include "e2e/driver/vimo_driver.h"
#include "kapframe/base64.h"
#include "kapframe/kap_document.h"
#include "kaps/desk/account/account_document.h"

namespace {

using namespace vimo;
using namespace vimo::e2e;

double NowMs() {
    LARGE_INTEGER frequency, now;
    QueryPerformanceFrequency(&frequency);
    QueryPerformanceCounter(&now);
    return 1000.0 * static_cast<double>(now.QuadPart) / static_cast<double>(frequency.QuadPart);
}

// count lines spread evenly over `months` months ending with the current one.
std::vector<AccountLine> Lines(int count, int months) {
    SYSTEMTIME now = {};
    GetLocalTime(&now);
    YearMonth month{now.wYear, now.wMonth};
    for (int i = 1; i < months; ++i) month = PreviousMonth(month);
    std::vector<AccountLine> lines;
    for (int i = 0; i < count; ++i) {
        YearMonth at = month;
        for (int m = 0; m < i * months / count; ++m) at = NextMonth(at);
        const CalendarDate date{at.year, at.month, 1 + i % 28};
        lines.push_back(AccountLine{AccountDateText(date), "line " + std::to_string(i), i % 7 == 0,
                                    i % 3 ? 1234 + i : 0, i % 3 ? 0 : 250000 + i});
    }
    return lines;
}

void Run(const char* title, int count, int months) {
    ProgramDir dir = KapsOnlyDir(std::string("account-bench-") + std::to_string(months));
    DocumentWriter writer(KapHeader{"20261209160000", false, "", false, ""});
    writer.Int(80).Int(60).Int(260).Int(300);
    WriteAccountPayload(writer, AccountPayload{"Bench", " EUR", Lines(count, months)});
    CreateDirectoryA(dir.File("Notes").c_str(), nullptr);
    dir.Write("Notes\\20261209160000.VIMOACCOUNT", EncodeDocumentBase64(writer.Text()));

    VimoProcess app;
    const double start = NowMs();
    HWND kap = app.StartWithOneKap(dir);
    const double shown = NowMs() - start;
    if (!kap) {
        std::printf("%s: the kap did not show\n", title);
        return;
    }
    std::vector<double> steps;
    for (int i = 0; i < 12; ++i) {
        const double before = NowMs();
        SendMessageTimeoutA(kap, i % 2 ? WMU_NEXT_MONTH : WMU_PREVIOUS_MONTH, 0, 0, SMTO_BLOCK, 30000, nullptr);
        steps.push_back(NowMs() - before);
    }
    std::sort(steps.begin(), steps.end());
    std::printf("%s: program start to the kap shown %.0f ms; month step median %.1f ms, max %.1f ms\n", title, shown,
                steps[steps.size() / 2], steps.back());
    app.Exit();
}

} // namespace

int main() {
    Run("account book, 10,000 lines over 120 months", 10000, 120);
    Run("account book, 10,000 lines over 5 months (2,000 a month)", 10000, 5);
    return 0;
}
