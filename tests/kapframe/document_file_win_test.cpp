// Kap documents on disk under Wine: replacing writes, reading back, the deleted store, and a
// program killed in the middle of saving.
#include <gtest/gtest.h>

#include <windows.h>

#include <fstream>
#include <random>
#include <sstream>

#include "kapframe/base64.h"
#include "kapframe/document_file_win.h"
#include "kapframe/kap_document.h"

namespace vimo {
namespace {

std::string TempFolder(const std::string& name) {
    char base[MAX_PATH] = {};
    GetTempPathA(MAX_PATH, base);
    const std::string folder = std::string(base) + "vimo-doc-" + name + "-" + std::to_string(GetCurrentProcessId());
    CreateDirectoryA(folder.c_str(), nullptr);
    return folder;
}

std::string Slurp(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    std::ostringstream text;
    text << in.rdbuf();
    return text.str();
}

bool Exists(const std::string& path) { return GetFileAttributesA(path.c_str()) != INVALID_FILE_ATTRIBUTES; }

std::size_t CountFiles(const std::string& pattern) {
    WIN32_FIND_DATAA found;
    HANDLE search = FindFirstFileA(pattern.c_str(), &found);
    if (search == INVALID_HANDLE_VALUE) return 0;
    std::size_t count = 0;
    do {
        if (!(found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY)) ++count;
    } while (FindNextFileA(search, &found));
    FindClose(search);
    return count;
}

TEST(DocumentFile, WriteReplacesTheDocumentAndLeavesNoScratch) {
    const std::string dir = TempFolder("write");
    DocumentFile doc(dir, "20240101120000", "VIMONOTE");
    const std::string first = "A20240101120000UN\n1\n2\n3\n4\nfirst";
    ASSERT_TRUE(doc.Write(first));
    EXPECT_EQ(Slurp(dir + "\\Notes\\20240101120000.VIMONOTE"), EncodeDocumentBase64(first));
    const std::string second = "A20240101120000LN\n5\n6\n7\n8\n" + std::string(500, 'x');
    ASSERT_TRUE(doc.Write(second));
    std::string read;
    ASSERT_EQ(ReadDocument(doc.Path(), read), DocumentRead::Ok);
    EXPECT_EQ(read, second);
    EXPECT_EQ(CountFiles(dir + "\\TEMP\\*"), 0u);
}

TEST(DocumentFile, ReadsAnyLetterCaseAndKeepsUnusableDocumentsAside) {
    const std::string dir = TempFolder("read");
    CreateDirectoryA((dir + "\\Notes").c_str(), nullptr);
    const std::string mixed = dir + "\\Notes\\20240101120001.VimoNote";
    std::ofstream(mixed, std::ios::binary) << EncodeDocumentBase64("A20240101120001UN\n1");
    std::string read;
    EXPECT_EQ(ReadDocument(mixed, read), DocumentRead::Ok);
    EXPECT_EQ(read, "A20240101120001UN\n1");

    EXPECT_EQ(ReadDocument(dir + "\\Notes\\20990101000000.VIMONOTE", read), DocumentRead::Missing);

    const std::string bad = dir + "\\Notes\\20240101120002.VIMONOTE";
    std::ofstream(bad, std::ios::binary) << EncodeDocumentBase64("B not a kap");
    EXPECT_EQ(ReadDocument(bad, read), DocumentRead::Unusable);
    std::ofstream(dir + "\\Notes\\20240101120003.VIMONOTE", std::ios::binary) << "";
    EXPECT_EQ(ReadDocument(dir + "\\Notes\\20240101120003.VIMONOTE", read), DocumentRead::Unusable);
    SetAsideUnusable(bad);
    EXPECT_FALSE(Exists(bad));
    EXPECT_EQ(Slurp(bad + ".bad"), EncodeDocumentBase64("B not a kap"));
    std::ofstream(bad, std::ios::binary) << EncodeDocumentBase64("B again");
    SetAsideUnusable(bad);
    EXPECT_EQ(Slurp(bad + ".bad"), EncodeDocumentBase64("B not a kap")) << "an older set-aside file stays";
    EXPECT_EQ(Slurp(bad + "_2.bad"), EncodeDocumentBase64("B again"));
    EXPECT_EQ(CountFiles(dir + "\\Notes\\*.VIMONOTE"), 2u) << "the set-aside file is not listed as a note";
}

TEST(DocumentFile, MisnamedDocumentTakesItsStoredName) {
    const std::string dir = TempFolder("misnamed");
    DocumentFile doc(dir, "20240101120000", "VIMONOTE");
    const std::string text = "A20240101120000UN\n1";
    ASSERT_TRUE(doc.Write(text));
    const std::string moved = dir + "\\NOTES\\20231111111111.VIMONOTE";
    ASSERT_TRUE(MoveFileA(doc.Path().c_str(), moved.c_str()));
    AdoptStoredName(moved, "20240101120000");
    EXPECT_FALSE(Exists(moved));
    std::string read;
    ASSERT_EQ(ReadDocument(doc.Path(), read), DocumentRead::Ok);
    EXPECT_EQ(read, text);

    // The stored name is taken by another document: neither is lost.
    const std::string copy = dir + "\\NOTES\\20221111111111.VIMONOTE";
    ASSERT_TRUE(CopyFileA(doc.Path().c_str(), copy.c_str(), FALSE));
    AdoptStoredName(copy, "20240101120000");
    EXPECT_TRUE(Exists(doc.Path()));
    EXPECT_TRUE(Exists(copy + ".bad"));

    // A stored name that is no kap name never names a file.
    const std::string odd = dir + "\\NOTES\\20211111111111.VIMONOTE";
    ASSERT_TRUE(CopyFileA(doc.Path().c_str(), odd.c_str(), FALSE));
    AdoptStoredName(odd, "..\\..\\evil0000");
    EXPECT_TRUE(Exists(odd));
}

TEST(DocumentFile, DeletedStoreKeepsTheFileName) {
    const std::string dir = TempFolder("deleted");
    DocumentFile doc(dir, "20240101120000", "VIMOCALC");
    EXPECT_FALSE(doc.MoveToDeleted()) << "nothing to move before the first save";
    ASSERT_TRUE(doc.Write("A20240101120000UN\n1"));
    ASSERT_TRUE(doc.MoveToDeleted());
    EXPECT_FALSE(Exists(doc.Path()));
    EXPECT_EQ(DecodeDocumentBase64(Slurp(dir + "\\Deleted\\20240101120000.VIMOCALC")), "A20240101120000UN\n1");

    // A kap of the same name deleted again (restored, then deleted): both deleted documents stay.
    ASSERT_TRUE(doc.Write("A20240101120000UN\n2"));
    ASSERT_TRUE(doc.MoveToDeleted());
    EXPECT_EQ(DecodeDocumentBase64(Slurp(dir + "\\Deleted\\20240101120000.VIMOCALC")), "A20240101120000UN\n1");
    EXPECT_EQ(DecodeDocumentBase64(Slurp(dir + "\\Deleted\\20240101120000_2.VIMOCALC")), "A20240101120000UN\n2");
}

TEST(DocumentFile, ALockedDocumentIsUnreadableNotMissing) {
    const std::string dir = TempFolder("locked");
    DocumentFile doc(dir, "20240101120000", "VIMONOTE");
    ASSERT_TRUE(doc.Write("A20240101120000UN\n1"));
    HANDLE lock = CreateFileA(doc.Path().c_str(), GENERIC_READ | GENERIC_WRITE, 0, nullptr, OPEN_EXISTING,
                              FILE_ATTRIBUTE_NORMAL, nullptr);
    ASSERT_NE(lock, INVALID_HANDLE_VALUE);
    std::string read;
    EXPECT_EQ(ReadDocument(doc.Path(), read), DocumentRead::Unreadable);
    CloseHandle(lock);
    EXPECT_EQ(ReadDocument(doc.Path(), read), DocumentRead::Ok);
}

DWORD WINAPI CloseAfterAMoment(LPVOID handle) {
    Sleep(100);
    CloseHandle(*static_cast<HANDLE*>(handle));
    return 0;
}

// Another program reading the document for a moment (a scanner, an indexer) does not make a save fail;
// one that keeps it open does, and the old document stays.
TEST(DocumentFile, AReaderHoldingTheDocumentForAMomentDoesNotFailTheSave) {
    const std::string dir = TempFolder("held");
    DocumentFile doc(dir, "20240101120000", "VIMONOTE");
    ASSERT_TRUE(doc.Write("A20240101120000UN\n1"));
    auto hold = [&] {
        return CreateFileA(doc.Path().c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING,
                           FILE_ATTRIBUTE_NORMAL, nullptr);
    };
    HANDLE reader = hold();
    ASSERT_NE(reader, INVALID_HANDLE_VALUE);
    EXPECT_FALSE(doc.Write("A20240101120000UN\n2")) << "held throughout";
    std::string read;
    ASSERT_EQ(ReadDocument(doc.Path(), read), DocumentRead::Ok);
    EXPECT_EQ(read, "A20240101120000UN\n1");

    HANDLE thread = CreateThread(nullptr, 0, CloseAfterAMoment, &reader, 0, nullptr);
    ASSERT_NE(thread, nullptr);
    EXPECT_TRUE(doc.Write("A20240101120000UN\n3")) << "held for a moment";
    WaitForSingleObject(thread, 5000);
    CloseHandle(thread);
    ASSERT_EQ(ReadDocument(doc.Path(), read), DocumentRead::Ok);
    EXPECT_EQ(read, "A20240101120000UN\n3");
    EXPECT_EQ(CountFiles(dir + "\\TEMP\\*"), 0u);
}

// The child side of the kill test: saves ever-changing documents until it is killed.
TEST(DocumentSaverChild, SavesUntilKilled) {
    char dir[MAX_PATH] = {};
    if (!GetEnvironmentVariableA("VIMO_SAVER_DIR", dir, MAX_PATH)) GTEST_SKIP() << "runs only as the kill test's child";
    DocumentFile doc(dir, "20240101120000", "VIMONOTE");
    for (int cycle = 0;; ++cycle) {
        // Every line of one version carries its cycle number, so a mix of two versions shows.
        std::string text = "A20240101120000UN";
        const int lines = 200 + cycle % 300;
        for (int i = 0; i < lines; ++i) text += "\n" + std::to_string(cycle);
        text += "\nEND";
        doc.Write(text);
    }
}

TEST(DocumentFile, KilledWhileSavingLeavesACompleteDocument) {
    const std::string dir = TempFolder("kill");
    DocumentFile doc(dir, "20240101120000", "VIMONOTE");
    ASSERT_TRUE(doc.Write("A20240101120000UN\n-1\nEND"));
    char self[MAX_PATH] = {};
    GetModuleFileNameA(nullptr, self, MAX_PATH);
    SetEnvironmentVariableA("VIMO_SAVER_DIR", dir.c_str());
    std::mt19937 random(11);
    for (int round = 0; round < 200; ++round) {
        std::string command = std::string("\"") + self + "\" --gtest_filter=DocumentSaverChild.SavesUntilKilled";
        STARTUPINFOA startup = {};
        startup.cb = sizeof(startup);
        PROCESS_INFORMATION process = {};
        // Starting a process can fail for a moment on a loaded machine (Wine); that is no finding.
        bool started = false;
        DWORD error = 0;
        for (int attempt = 0; attempt < 5 && !started; ++attempt) {
            started = CreateProcessA(nullptr, command.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup,
                                     &process) != FALSE;
            if (!started) {
                error = GetLastError();
                Sleep(500);
            }
        }
        ASSERT_TRUE(started) << "round " << round << ": the saver did not start, error " << error;
        Sleep(20 + random() % 200);
        TerminateProcess(process.hProcess, 9);
        WaitForSingleObject(process.hProcess, 10000);
        CloseHandle(process.hProcess);
        CloseHandle(process.hThread);

        std::string text;
        ASSERT_EQ(ReadDocument(doc.Path(), text), DocumentRead::Ok) << "round " << round;
        DocumentReader reader(text);
        reader.NextString();
        const std::string cycle = reader.NextString();
        std::string line, last;
        while (reader.NextLine(line)) {
            if (line != "END") {
                EXPECT_EQ(line, cycle) << "round " << round;
            }
            last = line;
        }
        EXPECT_EQ(last, "END") << "round " << round << ": the document is cut short";
    }
    SetEnvironmentVariableA("VIMO_SAVER_DIR", nullptr);
}

} // namespace
} // namespace vimo
