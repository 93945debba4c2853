// The mail alert as a user meets it, against a real POP3 server on 127.0.0.1 (the test run's private
// Dovecot): the counts, the alert that starts once for each new count and ends on a click, a refused
// login that changes nothing until the setup dialog mends it, and a password never stored as typed.
// And against a hostile server of the suite, which never holds the kap up.
#include <gtest/gtest.h>

#include <atomic>
#include <cstdlib>
#include <string>

#include "base/resource.h"
#include "e2e/driver/vimo_driver.h"
#include "kapframe/base64.h"
#include "kapframe/kap_document.h"
#include "kaps/net/mail/mail_model.h"
#include "kaps/net/mail/password_protect_win.h"
#include "support/loopback_server_win.h"
#include "support/pop3_peer_win.h"
#include "support/process_watch_win.h"

namespace vimo::e2e {
namespace {

using testsupport::LoopbackServer;
using testsupport::Pop3Peer;

constexpr int kHomeX = 60, kHomeY = 40;
constexpr DWORD kSessionWait = 20000; // a refused login makes the server hold the next ones ~4 s

void WriteMail(const ProgramDir& dir, const std::string& server, const std::string& login,
               const std::string& passwordLine) {
    KapHeader header;
    header.kapName = "20261209120000";
    DocumentWriter writer(header);
    writer.Int(kHomeX).Int(kHomeY).Int(200).Int(100);
    MailValues values;
    values.intervalMinutes = 5;
    values.accountName = "Work";
    values.popServer = server;
    values.login = login;
    WriteMailPayload(writer, values, passwordLine);
    CreateDirectoryA(dir.File("Notes").c_str(), nullptr);
    dir.Write("Notes\\" + header.kapName + ".VIMOMAIL", EncodeDocumentBase64(writer.Text()));
}

bool AtHome(HWND kap) {
    const RECT r = WindowRectOf(kap);
    return r.left == kHomeX && r.top == kHomeY;
}

// On the alert's circle: within its radius of the point 60 pixels above the alert centre.
bool Circling(HWND kap) {
    const RECT r = WindowRectOf(kap);
    const int cx = (GetSystemMetrics(SM_CXSCREEN) - (r.right - r.left)) / 2;
    const int cy = (GetSystemMetrics(SM_CYSCREEN) - (r.bottom - r.top)) / 2;
    const int dx = r.left - cx, dy = r.top - cy;
    return dx * dx + dy * dy <= 62 * 62;
}

void Command(HWND kap, UINT id) { PostMessageA(kap, WM_COMMAND, id, 0); }

// A click on the kap's mail picture.
void ClickPicture(HWND kap) {
    const RECT r = WindowRectOf(kap);
    ClickAt(r.left + 42, r.top + 42);
}

TEST(MailAlert, ShowsTheCountsAlertsOnceForEachNewCountAndKeepsNoPasswordAsTyped) {
    Pop3Peer peer("alice");
    ASSERT_TRUE(peer.Present()) << "the POP3 server was not started";
    ProgramDir dir = KapsOnlyDir("mail-counts");
    WriteMail(dir, Pop3Peer::kHost, peer.User(), Pop3Peer::kPassword); // as an earlier version kept it
    VimoProcess app;
    HWND mail = app.StartWithOneKap(dir);
    ASSERT_NE(mail, nullptr);

    ASSERT_TRUE(WaitFor([&] { return peer.Logouts() == 1; }, kSessionWait)) << "the first check logs in";
    EXPECT_EQ(WindowTextOf(mail), "0 Mail");
    std::string document;
    EXPECT_TRUE(WaitFor(
        [&] {
            document = ReadOnlyDocument(dir, "Notes\\*.VIMOMAIL");
            return document.find("{protected}") != std::string::npos;
        },
        20000))
        << "the password read as typed is written protected at the next save: " << document;
    EXPECT_EQ(document.find(Pop3Peer::kPassword), std::string::npos) << document;

    for (int count : {1, 2}) {
        peer.SetMessages(count);
        Command(mail, ID_MAIL_UPDATE);
        const std::string text = MailCountText(count);
        ASSERT_TRUE(WaitFor([&] { return WindowTextOf(mail) == text; }, kSessionWait)) << WindowTextOf(mail);
        ASSERT_TRUE(WaitFor([&] { return Circling(mail); }, 5000)) << "a new count alerts";
        if (count == 2) Screenshot("mail-alert");
        // The kap goes on circling while the click is on its way: one that found it gone is made again,
        // as a user would.
        bool home = false;
        for (int attempt = 0; attempt < 3 && !home; ++attempt) {
            ClickPicture(mail);
            home = WaitFor([&] { return AtHome(mail); }, 3000);
        }
        EXPECT_TRUE(home) << "the click ends the alert where it began";
    }

    const int sessions = peer.Logouts();
    Command(mail, ID_MAIL_UPDATE);
    ASSERT_TRUE(WaitFor([&] { return peer.Logouts() > sessions; }, kSessionWait));
    EXPECT_FALSE(WaitFor([&] { return !AtHome(mail); }, 2500)) << "the same count does not alert again";
    Screenshot("mail-two");

    peer.SetMessages(0);
    Command(mail, ID_MAIL_UPDATE);
    EXPECT_TRUE(WaitFor([&] { return WindowTextOf(mail) == "0 Mail"; }, kSessionWait)) << WindowTextOf(mail);
    ASSERT_TRUE(app.Exit());
    document = ReadOnlyDocument(dir, "Notes\\*.VIMOMAIL");
    EXPECT_EQ(document.find(Pop3Peer::kPassword), std::string::npos) << document;
}

TEST(MailAlert, ARefusedLoginChangesNothingUntilTheSetupDialogMendsThePassword) {
    Pop3Peer peer("bob");
    ASSERT_TRUE(peer.Present()) << "the POP3 server was not started";
    peer.SetMessages(2);
    ProgramDir dir = KapsOnlyDir("mail-refused");
    WriteMail(dir, Pop3Peer::kHost, peer.User(), PasswordLine("wrong"));
    VimoProcess app;
    HWND mail = app.StartWithOneKap(dir);
    ASSERT_NE(mail, nullptr);

    ASSERT_TRUE(WaitFor([&] { return peer.FailedLogins() == 1; }, kSessionWait));
    EXPECT_FALSE(WaitFor([&] { return WindowTextOf(mail) != "0 Mail" || !AtHome(mail); }, 2500))
        << "a refused login leaves the display as it was";

    Command(mail, ID_MAIL_OPTIONS);
    HWND dialog = nullptr;
    ASSERT_TRUE(WaitFor([&] { return (dialog = FindDialog(app.ProcessId(), "Mail Alert Setup")) != nullptr; }, 10000));
    EXPECT_EQ(WindowTextOf(GetDlgItem(dialog, IDC_MAIL_LOGIN)), "bob");
    EXPECT_EQ(WindowTextOf(GetDlgItem(dialog, IDC_MAIL_INTERVAL)), "5");
    HWND password = GetDlgItem(dialog, IDC_MAIL_PASSWORD);
    SetWindowTextA(password, "");
    TypeInto(password, Pop3Peer::kPassword);
    SendDlgItemMessageA(dialog, IDC_MAIL_INTERVAL, CB_SETCURSEL, 2, 0); // 15 minutes
    Screenshot("mail-setup");
    RECT ok = WindowRectOf(GetDlgItem(dialog, IDOK));
    ClickAt((ok.left + ok.right) / 2, (ok.top + ok.bottom) / 2);

    ASSERT_TRUE(WaitFor([&] { return WindowTextOf(mail) == "2 Mails"; }, kSessionWait)) << WindowTextOf(mail);
    ASSERT_TRUE(WaitFor([&] { return Circling(mail); }, 5000));
    ClickPicture(mail);
    EXPECT_TRUE(WaitFor([&] { return AtHome(mail); }, 5000));
    ASSERT_TRUE(app.Exit());
    const std::string document = ReadOnlyDocument(dir, "Notes\\*.VIMOMAIL");
    EXPECT_NE(document.find("\n15\nWork\n\n127.0.0.1\nbob\n{protected}"), std::string::npos) << document;
    EXPECT_EQ(document.find(Pop3Peer::kPassword), std::string::npos) << document;
}

// A server that misbehaves in a new way on each connection, and answers well on the last.
void Hostile(SOCKET client, const std::atomic<bool>& stopping, int connection) {
    switch (connection) {
    case 0: // a greeting that never comes
        while (!stopping && LoopbackServer::ReadLine(client).size() > 0) {}
        return;
    case 1: { // data without end
        const std::string block(64 * 1024, 'x');
        while (!stopping && LoopbackServer::SendAll(client, block)) {}
        return;
    }
    case 2: // one read of a megabyte without a line end
        LoopbackServer::SendAll(client, "+OK " + std::string(1 << 20, 'y'));
        LoopbackServer::ReadLine(client);
        return;
    case 3: shutdown(client, SD_BOTH); return; // the connection dropped at once
    case 4:                                    // -ERR in the middle of the login
        LoopbackServer::SendAll(client, "+OK ready\r\n");
        LoopbackServer::ReadLine(client);
        LoopbackServer::SendAll(client, "+OK\r\n");
        LoopbackServer::ReadLine(client);
        LoopbackServer::SendAll(client, "-ERR broken mailbox\r\n");
        LoopbackServer::ReadLine(client);
        return;
    default:
        LoopbackServer::SendAll(client, "+OK ready\r\n");
        for (std::string line; !(line = LoopbackServer::ReadLine(client)).empty();) {
            if (line.rfind("quit", 0) == 0) return;
            LoopbackServer::SendAll(client, line.rfind("stat", 0) == 0 ? "+OK 3 900\r\n" : "+OK\r\n");
        }
        return;
    }
}

TEST(HostileMailServer, NeverHoldsTheKapUpNorGrowsItsMemory) {
    // Another loopback address, so that the test run's POP3 server can keep port 110 of 127.0.0.1.
    std::atomic<int> connections{0};
    LoopbackServer server(
        [&](SOCKET client, const std::atomic<bool>& stopping) { Hostile(client, stopping, connections++); },
        "127.0.0.2", 110);
    ASSERT_TRUE(server.Running()) << "port 110 of 127.0.0.2 is taken";
    ProgramDir dir = KapsOnlyDir("mail-hostile");
    WriteMail(dir, "127.0.0.2", "anna", PasswordLine("secret"));
    VimoProcess app;
    HWND mail = app.StartWithOneKap(dir);
    ASSERT_NE(mail, nullptr);

    testsupport::ProcessWatch watch(app.ProcessId());
    auto watchUntil = [&](auto done, DWORD milliseconds) {
        return WaitFor(
            [&] {
                watch.Sample({mail});
                return done();
            },
            milliseconds);
    };
    for (int next = 1; next <= 5; ++next) {
        ASSERT_TRUE(watchUntil([&] { return connections == next; }, kSessionWait)) << "connection " << next;
        watchUntil([] { return false; }, 500); // the session meets the server's misbehaviour
        Command(mail, ID_MAIL_UPDATE);         // ends whatever is left of the session and logs in again
    }
    ASSERT_TRUE(watchUntil([&] { return connections == 6; }, kSessionWait));
    EXPECT_TRUE(watch.AllAnswered());
    EXPECT_LT(watch.SlowestAnswerMs(), 250u) << "the kap answers throughout";
    EXPECT_LT(watch.PeakBytes(), static_cast<SIZE_T>(150) << 20) << "bytes of memory";
    // The count starts the alert, whose glide holds the kap up by design.
    EXPECT_TRUE(WaitFor([&] { return WindowTextOf(mail) == "3 Mails"; }, kSessionWait))
        << "the kap still reads a good server after all that: " << WindowTextOf(mail);
    EXPECT_TRUE(app.Exit());
}

} // namespace
} // namespace vimo::e2e
