// What a user wrote is never lost or multiplied: documents with a name that is no kap name, saving
// into a folder that cannot be written for a while, documents another program holds at start-up.
#include <gtest/gtest.h>

#include <string>

#include "base/resource.h"
#include "e2e/driver/vimo_driver.h"
#include "kapframe/base64.h"
#include "kapframe/kap_document.h"

namespace vimo::e2e {
namespace {

ProgramDir NotesOnlyDir(const std::string& name) {
    ProgramDir dir = KapsOnlyDir(name);
    CreateDirectoryA(dir.File("Notes").c_str(), nullptr);
    return dir;
}

std::string NoteDocument(const std::string& kapName, const std::string& text) {
    DocumentWriter writer(KapHeader{kapName, false, "", false, ""});
    writer.Int(300).Int(150).Int(220).Int(240).Int(0).Line("Arial").Int(12).Line("TXT_REGULAR").Line("BLACK");
    writer.Line("").Line(text);
    return EncodeDocumentBase64(writer.Text());
}

// The note documents of the directory, by file name.
std::vector<std::string> NoteFiles(const ProgramDir& dir) {
    std::vector<std::string> names;
    WIN32_FIND_DATAA found = {};
    HANDLE search = FindFirstFileA(dir.File("Notes\\*.VIMONOTE").c_str(), &found);
    if (search == INVALID_HANDLE_VALUE) return names;
    do names.emplace_back(found.cFileName);
    while (FindNextFileA(search, &found));
    FindClose(search);
    return names;
}

TEST(KapData, ADocumentWithoutAKapNameGivesOneKapOverManyRestarts) {
    ProgramDir dir = NotesOnlyDir("data-odd-name");
    dir.Write("Notes\\Shopping list.VIMONOTE", NoteDocument("no kap name!!!", "milk, bread"));
    for (int start = 1; start <= 3; ++start) {
        VimoProcess app;
        ASSERT_TRUE(app.Start(dir));
        ASSERT_NE(app.WaitController(), nullptr);
        ASSERT_EQ(app.WaitKaps(1).size(), 1u) << "start " << start;
        EXPECT_TRUE(app.Exit());
        EXPECT_EQ(NoteFiles(dir).size(), 1u) << "start " << start;
    }
    std::string name;
    const std::string text = ReadOnlyDocument(dir, "Notes\\*.VIMONOTE", &name);
    EXPECT_NE(text.find("milk, bread"), std::string::npos) << text;
    EXPECT_TRUE(IsValidKapName(name.substr(0, name.find('.')))) << name;
}

TEST(KapData, AnEditThatCouldNotBeSavedIsSavedOnceTheFolderCanBeWrittenAgain) {
    ProgramDir dir = NotesOnlyDir("data-blocked");
    VimoProcess app;
    ASSERT_TRUE(app.Start(dir));
    ASSERT_NE(app.WaitController(), nullptr);
    app.Command(ID_NEW_NOTE);
    const std::vector<HWND> kaps = app.WaitKaps(1);
    ASSERT_EQ(kaps.size(), 1u);
    ASSERT_TRUE(WaitFor([&] { return NoteFiles(dir).size() == 1; }, 10000)) << "a new note is written at once";
    // Documents are written through the TEMP folder: a file in its place makes every write fail,
    // as a folder that cannot be written does.
    RemoveDirectoryA(dir.File("TEMP").c_str());
    dir.Write("TEMP", "in the way");
    HWND edit = ChildOfClass(kaps[0], "Edit");
    ASSERT_NE(edit, nullptr);
    TypeInto(edit, "written later");
    // The kap tries to save 10 s after the last change; the controller saves every minute.
    Sleep(12000);
    EXPECT_EQ(ReadOnlyDocument(dir, "Notes\\*.VIMONOTE").find("written later"), std::string::npos);
    DeleteFileA(dir.File("TEMP").c_str());
    EXPECT_TRUE(WaitFor(
        [&] { return ReadOnlyDocument(dir, "Notes\\*.VIMONOTE").find("written later") != std::string::npos; }, 25000))
        << "the change stays unsaved until a save succeeds";
    EXPECT_TRUE(app.Exit());
}

TEST(KapData, ADocumentHeldByAnotherProgramAtStartIsLoadedOnceItIsFree) {
    ProgramDir dir = NotesOnlyDir("data-held");
    const std::string file = "Notes\\20240101000030.VIMONOTE";
    dir.Write(file, NoteDocument("20240101000030", "held for a while"));
    HANDLE held = CreateFileA(dir.File(file).c_str(), GENERIC_READ | GENERIC_WRITE, 0, nullptr, OPEN_EXISTING,
                              FILE_ATTRIBUTE_NORMAL, nullptr);
    ASSERT_NE(held, INVALID_HANDLE_VALUE);
    VimoProcess app;
    ASSERT_TRUE(app.Start(dir));
    ASSERT_NE(app.WaitController(), nullptr);
    EXPECT_TRUE(app.Kaps().empty());
    EXPECT_EQ(NoteFiles(dir).size(), 1u) << "no empty kap is made beside the held document";
    CloseHandle(held);
    ASSERT_EQ(app.WaitKaps(1, 20000).size(), 1u) << "the document is tried again";
    EXPECT_TRUE(app.Exit());
    EXPECT_EQ(NoteFiles(dir), std::vector<std::string>{"20240101000030.VIMONOTE"});
    EXPECT_NE(ReadOnlyDocument(dir, "Notes\\*.VIMONOTE").find("held for a while"), std::string::npos);
}

// Fills the file system of a folder with one file, written until a write fails.
void FillDisk(const std::string& file) {
    HANDLE filler = CreateFileA(file.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
    ASSERT_NE(filler, INVALID_HANDLE_VALUE);
    std::string chunk(1 << 20, 'x');
    for (DWORD size : {DWORD{1} << 20, DWORD{4096}, DWORD{1}}) {
        DWORD written = 0;
        while (WriteFile(filler, chunk.data(), size, &written, nullptr) && written == size) {}
    }
    CloseHandle(filler);
}

TEST(KapData, AFullDiskKeepsTheLastDocumentAndTheEditUntilSpaceReturns) {
    ProgramDir dir = NotesOnlyDir("small-disk\\program");
    ULARGE_INTEGER freeBytes = {}, totalBytes = {};
    ASSERT_TRUE(GetDiskFreeSpaceExA(dir.Path().c_str(), &freeBytes, &totalBytes, nullptr));
    if (totalBytes.QuadPart > (256u << 20)) GTEST_SKIP() << "this machine gives the test no size-limited folder";
    const std::string file = "Notes\\20240101000040.VIMONOTE";
    dir.Write(file, NoteDocument("20240101000040", "first version"));
    VimoProcess app;
    ASSERT_TRUE(app.Start(dir) && app.WaitController());
    const std::vector<HWND> kaps = app.WaitKaps(1);
    ASSERT_EQ(kaps.size(), 1u);
    const std::string saved = dir.Read(file);

    FillDisk(dir.File("filler"));
    ASSERT_TRUE(GetDiskFreeSpaceExA(dir.Path().c_str(), &freeBytes, &totalBytes, nullptr));
    ASSERT_LT(freeBytes.QuadPart, 4096u);
    HWND edit = ChildOfClass(kaps[0], "Edit");
    ASSERT_NE(edit, nullptr);
    TypeInto(edit, " and more");
    // The kap tries to save 10 s after the last change.
    Sleep(12000);
    EXPECT_EQ(dir.Read(file), saved) << "the last complete document stays";
    EXPECT_NE(WindowTextOf(edit).find("first version and more"), std::string::npos) << "the edit stays";

    DeleteFileA(dir.File("filler").c_str());
    EXPECT_TRUE(WaitFor(
        [&] { return ReadOnlyDocument(dir, "Notes\\*.VIMONOTE").find("first version and more") != std::string::npos; },
        25000))
        << "saved once there is space again";
    EXPECT_TRUE(app.Exit());
}

} // namespace
} // namespace vimo::e2e
