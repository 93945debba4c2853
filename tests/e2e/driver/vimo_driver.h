#pragma once
// The end-to-end test driver: runs VimoKap.exe in scratch program directories under Wine and
// drives it the way a user does: tray callbacks, menu commands, window messages, mouse input.
// Every wait is bounded.
#include <windows.h>

#include <chrono>
#include <string>
#include <thread>
#include <vector>

namespace vimo::e2e {

// Polls pred every stepMs until it is true or timeoutMs have passed; returns its last value.
template <typename Pred> bool WaitFor(Pred pred, DWORD timeoutMs, DWORD stepMs = 20) {
    const ULONGLONG end = GetTickCount64() + timeoutMs;
    for (;;) {
        if (pred()) return true;
        if (GetTickCount64() >= end) return false;
        Sleep(stepMs);
    }
}

// A Windows path for a path of the build machine's file system.
std::string WindowsPath(const std::string& unixPath);

// Removes a folder with everything in it.
void RemoveTree(const std::string& path);
// Copies a folder with everything in it (files of the same name are replaced).
void CopyTree(const std::string& from, const std::string& to);

// A fresh copy of the assembled program directory (VimoKap.exe and Skin\) under the scratch folder.
class ProgramDir {
public:
    // name: a folder name unique to the test; an existing folder of that name is removed first.
    // withProgram: false gives an empty folder (to start the program from another current directory).
    explicit ProgramDir(const std::string& name, bool withProgram = true);
    const std::string& Path() const { return path_; }
    std::string File(const std::string& relative) const { return path_ + "\\" + relative; }
    std::string Exe() const { return File("VimoKap.exe"); }
    bool Exists(const std::string& relative) const;
    std::string Read(const std::string& relative) const;
    void Write(const std::string& relative, const std::string& text) const;

private:
    std::string path_;
};

// A program directory whose settings load neither the dock nor the window bar, so that the only
// windows besides the controller are the kaps a test makes.
ProgramDir KapsOnlyDir(const std::string& name);

// The top-level windows of a process.
std::vector<HWND> WindowsOfProcess(DWORD processId);

// One running VimoKap.exe.
class VimoProcess {
public:
    VimoProcess() = default;
    ~VimoProcess(); // ends the process if a test left it running
    VimoProcess(const VimoProcess&) = delete;
    VimoProcess& operator=(const VimoProcess&) = delete;

    // Starts exe with currentDir as its current directory.
    bool Start(const std::string& exe, const std::string& currentDir);
    bool Start(const ProgramDir& dir) { return Start(dir.Exe(), dir.Path()); }
    // Starts the program of dir and waits for its controller and its one kap; the kap, or null when
    // any of it did not come.
    HWND StartWithOneKap(const ProgramDir& dir);
    // Waits for the controller window (the 10 x 10 dialog of the process) and returns it.
    HWND WaitController(DWORD timeoutMs = 20000);
    HWND Controller() const { return controller_; }

    // A tray icon mouse event as the shell reports it (WM_LBUTTONDOWN, WM_LBUTTONDBLCLK, ...).
    void Tray(UINT mouseMessage) const;
    // Posts a menu command to the controller window.
    void Command(UINT id) const;
    bool Running() const;
    // How the process ended; STILL_ACTIVE while it runs.
    DWORD ExitCode() const;
    // Waits for the process to end; false on timeout.
    bool WaitExit(DWORD timeoutMs);
    // Lets the process go on after this object is gone (the run command's showcase).
    void LeaveRunning();
    // Chooses Exit from the tray menu and waits for the process to end; true when it ended in time.
    bool Exit(DWORD timeoutMs = 15000);
    DWORD ProcessId() const { return info_.dwProcessId; }
    std::vector<HWND> Windows() const { return WindowsOfProcess(ProcessId()); }
    // The kap windows of the process (every visible layered dialog but the controller).
    std::vector<HWND> Kaps() const;
    // Waits until the process shows count kap windows; returns them.
    std::vector<HWND> WaitKaps(std::size_t count, DWORD timeoutMs = 15000) const;
    // A kap that is not among `known` (null when none appears in time).
    HWND WaitNewKap(const std::vector<HWND>& known = {}, DWORD timeoutMs = 15000) const;

private:
    PROCESS_INFORMATION info_ = {};
    HWND controller_ = nullptr;
};

// Another program (notepad, winemine) for tests that need the windows of other programs.
class OtherProgram {
public:
    explicit OtherProgram(const std::string& commandLine);
    ~OtherProgram();
    OtherProgram(const OtherProgram&) = delete;
    OtherProgram& operator=(const OtherProgram&) = delete;
    // Its first visible top-level window, waited for.
    HWND WaitWindow(DWORD timeoutMs = 20000);
    DWORD ProcessId() const { return info_.dwProcessId; }
    // Windows path of its executable, as the top-level window list gives it.
    std::string ExecutablePath() const;

private:
    PROCESS_INFORMATION info_ = {};
};

HWND TaskbarWindow();
// The first child window of a class (e.g. the "Edit" input window of a layered edit).
HWND ChildOfClass(HWND parent, const char* className);
RECT WindowRectOf(HWND window);
// Real keyboard input: brings window's top-level window to the front, focuses window and types
// the text key by key (Enter for "\n", Tab for "\t").
void TypeInto(HWND window, const std::string& text);
// Real mouse input at screen coordinates.
void MouseMove(int x, int y);
// Moves the pointer to a screen point and keeps it there: the program under it has first taken in
// what its window was told of the pointer so far, whose older news could otherwise put it back.
void PointAt(int x, int y);
void MouseDown();
void MouseUp();
// Drags with the left button from one screen point to another in small steps; returns once the
// dragged window has come to rest.
void Drag(int fromX, int fromY, int toX, int toY);
// The decoded plain text of the only document matching pattern (e.g. "Notes\\*.VIMONOTE") in dir;
// empty when there is none.
std::string ReadOnlyDocument(const ProgramDir& dir, const std::string& pattern, std::string* fileName = nullptr);
// Finds a top-level dialog of a process by its caption.
HWND FindDialog(DWORD processId, const std::string& caption);
// Waits for a dialog or message box of the process with the caption, presses its button (IDYES,
// IDOK, ...) and waits for it to close; false when it did not come or did not close in time.
bool AnswerDialog(DWORD processId, const std::string& caption, WPARAM button);
// The desktop's task bar appears a moment after the first program of a session starts.
bool WaitTaskbarShown(DWORD timeoutMs = 10000);

// Saves the screen to a PNG under the build tree's screenshots folder; returns its path.
std::string Screenshot(const std::string& name);

// The keys of an INI file's lines, in file order.
std::vector<std::string> IniKeys(const std::string& text);

// Real keyboard input: one press and release of a virtual key, to the window with the focus.
void PressKey(WORD virtualKey);
// The screen's pixels (0x00RRGGBB) in a rectangle of screen coordinates, row by row.
std::vector<DWORD> ScreenPixels(const RECT& area);
// The text a window answers to WM_GETTEXT (sent across processes, bounded).
std::string WindowTextOf(HWND window);

// Real mouse input: a left click whose every event carries the screen position itself, so the press
// cannot land where an earlier, still pending pointer move left the cursor.
void ClickAt(int x, int y);

} // namespace vimo::e2e

namespace vimo::e2e {

// A real OLE drag of one file from this process, as a user drags a file out of a folder window: a
// small source window of this process at (fromX, fromY) gets the press, DoDragDrop runs on this
// thread with a data object carrying the path as CF_HDROP, and a helper thread moves the pointer in
// small steps to (toX, toY) and releases the button there. Returns the drop effect the target
// answered (DROPEFFECT_NONE when nothing took the drop or the drag did not end within timeoutMs).
DWORD DragFileOnto(const std::string& path, int fromX, int fromY, int toX, int toY, DWORD timeoutMs = 15000);
// The same with a text (CF_TEXT), as a user drags a selection out of another program.
DWORD DragTextOnto(const std::string& text, int fromX, int fromY, int toX, int toY, DWORD timeoutMs = 15000);

// Real mouse input: a right click whose every event carries the screen position itself.
void RightClickAt(int x, int y);

// The shown popup menu window of a process (class "#32768"), or null.
HWND ShownPopupMenu(DWORD processId);

} // namespace vimo::e2e
