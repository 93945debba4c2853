#include "e2e/driver/vimo_driver.h"

#include <commctrl.h>
#include <psapi.h>

#include <gdiplus.h>
#include <ole2.h>
#include <shlobj.h>

#include "base/resource.h"
#include "kapframe/base64.h"

#include <atomic>
#include <algorithm>
#include <fstream>
#include <sstream>

namespace vimo::e2e {

namespace {

void CreateDirectories(const std::string& path) {
    for (std::size_t at = path.find('\\', 3); at != std::string::npos; at = path.find('\\', at + 1))
        CreateDirectoryA(path.substr(0, at).c_str(), nullptr);
    CreateDirectoryA(path.c_str(), nullptr);
}

void EndProcess(PROCESS_INFORMATION& info) {
    if (info.hProcess) {
        if (WaitForSingleObject(info.hProcess, 0) == WAIT_TIMEOUT) {
            TerminateProcess(info.hProcess, 1);
            WaitForSingleObject(info.hProcess, 5000);
        }
        CloseHandle(info.hProcess);
        CloseHandle(info.hThread);
    }
    info = {};
}

bool StartProcess(const std::string& exe, const std::string& commandLine, const std::string& currentDir,
                  PROCESS_INFORMATION& info) {
    STARTUPINFOA startup = {};
    startup.cb = sizeof(startup);
    std::string line = commandLine;
    return CreateProcessA(exe.empty() ? nullptr : exe.c_str(), line.data(), nullptr, nullptr, FALSE, 0, nullptr,
                          currentDir.empty() ? nullptr : currentDir.c_str(), &startup, &info) != FALSE;
}

struct EnumData {
    DWORD processId;
    std::vector<HWND>* windows;
};

BOOL CALLBACK CollectWindow(HWND hwnd, LPARAM param) {
    auto* data = reinterpret_cast<EnumData*>(param);
    DWORD pid = 0;
    GetWindowThreadProcessId(hwnd, &pid);
    if (pid == data->processId) data->windows->push_back(hwnd);
    return TRUE;
}

} // namespace

void CopyTree(const std::string& from, const std::string& to) {
    CreateDirectoryA(to.c_str(), nullptr);
    WIN32_FIND_DATAA found = {};
    HANDLE search = FindFirstFileA((from + "\\*").c_str(), &found);
    if (search == INVALID_HANDLE_VALUE) return;
    do {
        const std::string name = found.cFileName;
        if (name == "." || name == "..") continue;
        if (found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY)
            CopyTree(from + "\\" + name, to + "\\" + name);
        else
            CopyFileA((from + "\\" + name).c_str(), (to + "\\" + name).c_str(), FALSE);
    } while (FindNextFileA(search, &found));
    FindClose(search);
}

void RemoveTree(const std::string& path) {
    WIN32_FIND_DATAA found = {};
    HANDLE search = FindFirstFileA((path + "\\*").c_str(), &found);
    if (search != INVALID_HANDLE_VALUE) {
        do {
            const std::string name = found.cFileName;
            if (name == "." || name == "..") continue;
            const std::string child = path + "\\" + name;
            if (found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY)
                RemoveTree(child);
            else
                DeleteFileA(child.c_str());
        } while (FindNextFileA(search, &found));
        FindClose(search);
    }
    RemoveDirectoryA(path.c_str());
}

std::string WindowsPath(const std::string& unixPath) {
    std::string path = "Z:" + unixPath;
    for (char& c : path)
        if (c == '/') c = '\\';
    return path;
}

ProgramDir::ProgramDir(const std::string& name, bool withProgram) {
    const std::string scratch = WindowsPath(VIMO_SCRATCH_DIR);
    CreateDirectories(scratch);
    path_ = scratch + "\\" + name;
    RemoveTree(path_);
    if (withProgram)
        CopyTree(WindowsPath(VIMO_PROGRAM_DIR), path_);
    else
        CreateDirectoryA(path_.c_str(), nullptr);
}

ProgramDir KapsOnlyDir(const std::string& name) {
    ProgramDir dir(name);
    dir.Write("VimoKap.ini", "[VimoKap]\r\nLoadRemoteKAP=0\r\nLoadRemoteWIN=0\r\n");
    return dir;
}

bool ProgramDir::Exists(const std::string& relative) const {
    return GetFileAttributesA(File(relative).c_str()) != INVALID_FILE_ATTRIBUTES;
}

std::string ProgramDir::Read(const std::string& relative) const {
    std::ifstream in(File(relative), std::ios::binary);
    std::ostringstream text;
    text << in.rdbuf();
    return text.str();
}

void ProgramDir::Write(const std::string& relative, const std::string& text) const {
    std::ofstream out(File(relative), std::ios::binary | std::ios::trunc);
    out << text;
}

std::vector<HWND> WindowsOfProcess(DWORD processId) {
    std::vector<HWND> windows;
    EnumData data = {processId, &windows};
    EnumWindows(CollectWindow, reinterpret_cast<LPARAM>(&data));
    return windows;
}

namespace {

// The shell of the test display keeps a hidden tooltip window for every tray icon ever added, after the
// icon has gone (one for each start of the program, however it ended), and the window system slows down
// with them: with 435 left, each start of 40 kaps took about three times as long. Closes those left by
// earlier starts.
void CloseLeftoverTrayTips() {
    DWORD shell = 0;
    if (HWND tray = TaskbarWindow()) GetWindowThreadProcessId(tray, &shell);
    if (!shell) return;
    for (HWND hwnd : WindowsOfProcess(shell)) {
        char cls[32] = {};
        GetClassNameA(hwnd, cls, sizeof(cls));
        if (std::string(cls) == TOOLTIPS_CLASSA && !IsWindowVisible(hwnd)) PostMessageA(hwnd, WM_CLOSE, 0, 0);
    }
}

} // namespace

VimoProcess::~VimoProcess() { EndProcess(info_); }

void VimoProcess::LeaveRunning() {
    if (info_.hThread) CloseHandle(info_.hThread);
    if (info_.hProcess) CloseHandle(info_.hProcess);
    info_ = PROCESS_INFORMATION{};
}

bool VimoProcess::Start(const std::string& exe, const std::string& currentDir) {
    EndProcess(info_);
    controller_ = nullptr;
    CloseLeftoverTrayTips();
    // The display's pointer waits in a corner: a window that appears under it is told where the
    // pointer is, and that news could arrive late, in the middle of a drag the test makes.
    MouseMove(GetSystemMetrics(SM_CXSCREEN) - 4, 4);
    return StartProcess(exe, "\"" + exe + "\"", currentDir, info_);
}

HWND VimoProcess::StartWithOneKap(const ProgramDir& dir) {
    if (!Start(dir) || !WaitController()) return nullptr;
    const std::vector<HWND> kaps = WaitKaps(1);
    return kaps.size() == 1 ? kaps[0] : nullptr;
}

HWND VimoProcess::WaitController(DWORD timeoutMs) {
    WaitFor(
        [&] {
            for (HWND hwnd : Windows()) {
                char cls[64] = {};
                GetClassNameA(hwnd, cls, sizeof(cls));
                RECT rect = {};
                GetWindowRect(hwnd, &rect);
                if (std::string(cls) == "#32770" && rect.right - rect.left == 10 && rect.bottom - rect.top == 10 &&
                    (GetWindowLongA(hwnd, GWL_EXSTYLE) & WS_EX_LAYERED)) {
                    controller_ = hwnd;
                    return true;
                }
            }
            return !Running();
        },
        timeoutMs);
    return controller_;
}

void VimoProcess::Tray(UINT mouseMessage) const {
    static const UINT trayMessage = RegisterWindowMessageA("WMU_NOTIFY_TASKBAR_ICON");
    PostMessageA(controller_, trayMessage, 0, mouseMessage);
}

void VimoProcess::Command(UINT id) const { PostMessageA(controller_, WM_COMMAND, id, 0); }

bool VimoProcess::Running() const { return info_.hProcess && WaitForSingleObject(info_.hProcess, 0) == WAIT_TIMEOUT; }

DWORD VimoProcess::ExitCode() const {
    DWORD code = STILL_ACTIVE;
    if (info_.hProcess) GetExitCodeProcess(info_.hProcess, &code);
    return code;
}

bool VimoProcess::WaitExit(DWORD timeoutMs) {
    return info_.hProcess && WaitForSingleObject(info_.hProcess, timeoutMs) == WAIT_OBJECT_0;
}

bool VimoProcess::Exit(DWORD timeoutMs) {
    Command(ID_APP_EXIT);
    return WaitExit(timeoutMs);
}

OtherProgram::OtherProgram(const std::string& commandLine) { StartProcess("", commandLine, "", info_); }

OtherProgram::~OtherProgram() { EndProcess(info_); }

HWND OtherProgram::WaitWindow(DWORD timeoutMs) {
    HWND window = nullptr;
    WaitFor(
        [&] {
            for (HWND hwnd : WindowsOfProcess(info_.dwProcessId))
                if (IsWindowVisible(hwnd) && !GetParent(hwnd)) {
                    window = hwnd;
                    return true;
                }
            return false;
        },
        timeoutMs);
    return window;
}

std::string OtherProgram::ExecutablePath() const {
    char path[MAX_PATH] = {};
    if (info_.hProcess) GetModuleFileNameExA(info_.hProcess, nullptr, path, MAX_PATH);
    return path;
}

HWND TaskbarWindow() { return FindWindowA("Shell_TrayWnd", nullptr); }

std::vector<HWND> VimoProcess::Kaps() const {
    std::vector<HWND> kaps;
    for (HWND hwnd : Windows()) {
        char cls[64] = {};
        GetClassNameA(hwnd, cls, sizeof(cls));
        // The dock and the window bar are layered windows of the same class, but no kaps.
        if (hwnd == controller_ || std::string(cls) != "#32770" || !IsWindowVisible(hwnd) ||
            !(GetWindowLongA(hwnd, GWL_EXSTYLE) & WS_EX_LAYERED))
            continue;
        const std::string text = WindowTextOf(hwnd);
        if (text != "VimoRemoteKap" && text != "VimoRemoteWin") kaps.push_back(hwnd);
    }
    return kaps;
}

HWND VimoProcess::WaitNewKap(const std::vector<HWND>& known, DWORD timeoutMs) const {
    HWND found = nullptr;
    WaitFor(
        [&] {
            for (HWND kap : Kaps())
                if (std::find(known.begin(), known.end(), kap) == known.end()) found = kap;
            return found != nullptr;
        },
        timeoutMs);
    return found;
}

std::vector<HWND> VimoProcess::WaitKaps(std::size_t count, DWORD timeoutMs) const {
    std::vector<HWND> kaps;
    WaitFor(
        [&] {
            kaps = Kaps();
            return kaps.size() == count;
        },
        timeoutMs);
    return kaps;
}

namespace {
struct ChildSearch {
    const char* className;
    HWND found;
};
BOOL CALLBACK FindChild(HWND hwnd, LPARAM param) {
    auto* search = reinterpret_cast<ChildSearch*>(param);
    char cls[64] = {};
    GetClassNameA(hwnd, cls, sizeof(cls));
    if (lstrcmpiA(cls, search->className) == 0) {
        search->found = hwnd;
        return FALSE;
    }
    return TRUE;
}

void SendKey(WORD vk, bool up) {
    INPUT input = {};
    input.type = INPUT_KEYBOARD;
    input.ki.wVk = vk;
    input.ki.dwFlags = up ? KEYEVENTF_KEYUP : 0;
    SendInput(1, &input, sizeof(input));
}

void SendMouse(DWORD flags) {
    INPUT input = {};
    input.type = INPUT_MOUSE;
    input.mi.dwFlags = flags;
    SendInput(1, &input, sizeof(input));
}

// A pointer event that carries its screen position itself (flags: buttons, or 0 for a move alone).
INPUT AbsoluteMouse(int x, int y, DWORD flags) {
    const int width = GetSystemMetrics(SM_CXSCREEN), height = GetSystemMetrics(SM_CYSCREEN);
    INPUT input = {};
    input.type = INPUT_MOUSE;
    // The smallest normalised coordinate that maps back to the pixel (x * 65536 / width, rounded up).
    input.mi.dx = static_cast<LONG>((static_cast<long long>(x) * 65536 + width - 1) / width);
    input.mi.dy = static_cast<LONG>((static_cast<long long>(y) * 65536 + height - 1) / height);
    input.mi.dwFlags = flags | MOUSEEVENTF_MOVE | MOUSEEVENTF_ABSOLUTE;
    return input;
}
} // namespace

HWND ChildOfClass(HWND parent, const char* className) {
    ChildSearch search = {className, nullptr};
    EnumChildWindows(parent, FindChild, reinterpret_cast<LPARAM>(&search));
    return search.found;
}

RECT WindowRectOf(HWND window) {
    RECT r = {};
    GetWindowRect(window, &r);
    return r;
}

void TypeInto(HWND window, const std::string& text) {
    HWND top = GetAncestor(window, GA_ROOT);
    // A dialog found as soon as it is made may not be shown yet: a click would land on what lies below.
    WaitFor([&] { return IsWindowVisible(top) && IsWindowVisible(window); }, 5000, 5);
    SetForegroundWindow(top);
    const RECT r = WindowRectOf(window);
    const int x = (r.left + r.right) / 2, y = (r.top + r.bottom) / 2;
    // A click gives the field the keyboard focus the way a user does. The press carries its position,
    // so older pointer news the window system takes in late cannot move it onto the field clicked before.
    // Keys sent before the click has moved the focus would land in the field that had it: a click that
    // did not arrive is made again, as a user would.
    const DWORD thread = GetWindowThreadProcessId(window, nullptr);
    for (int attempt = 0; attempt < 3; ++attempt) {
        PointAt(x, y);
        ClickAt(x, y);
        if (WaitFor(
                [&] {
                    GUITHREADINFO info = {};
                    info.cbSize = sizeof(info);
                    return GetGUIThreadInfo(thread, &info) && info.hwndFocus == window;
                },
                5000, 5))
            break;
    }
    for (char c : text) {
        if (c == '\n') {
            SendKey(VK_RETURN, false);
            SendKey(VK_RETURN, true);
            continue;
        }
        if (c == '\t') {
            SendKey(VK_TAB, false);
            SendKey(VK_TAB, true);
            continue;
        }
        const SHORT scan = VkKeyScanA(c);
        const bool shift = (scan >> 8) & 1;
        if (shift) SendKey(VK_SHIFT, false);
        SendKey(LOBYTE(scan), false);
        SendKey(LOBYTE(scan), true);
        if (shift) SendKey(VK_SHIFT, true);
        Sleep(5);
    }
}

namespace {
// The position the window system reports for the pointer.
bool CursorIs(int x, int y) {
    POINT p = {};
    return GetCursorPos(&p) && p.x == x && p.y == y;
}

bool LeftButtonDown() { return (GetAsyncKeyState(VK_LBUTTON) & 0x8000) != 0; }
} // namespace

// The move goes into the same input queue as the button events, with its position in it, so a
// press that follows can never be taken at an older position; the wait makes sure it has arrived.
// Then the display's pointer is put there too (SetCursorPos; the position is the same by now, so
// no second move arises), so that a window that appears or moves under it later reports this
// position and not where the display's pointer was left.
void MouseMove(int x, int y) {
    for (int attempt = 0; attempt < 3; ++attempt) {
        INPUT input = AbsoluteMouse(x, y, 0);
        SendInput(1, &input, sizeof(input));
        const bool arrived = WaitFor([&] { return CursorIs(x, y); }, 1000, 5);
        SetCursorPos(x, y);
        if (arrived) return;
    }
}
void MouseDown() {
    SendMouse(MOUSEEVENTF_LEFTDOWN);
    WaitFor(LeftButtonDown, 2000, 5);
}
void MouseUp() {
    SendMouse(MOUSEEVENTF_LEFTUP);
    WaitFor([] { return !LeftButtonDown(); }, 2000, 5);
}

namespace {
// Waits until the program whose window is under a point has gone once round its message loop
// after everything sent to it so far: a message sent to it is answered at its next look at its
// queue, and a second one only after it has handled what that look found.
void Settle(HWND window) {
    DWORD_PTR answer = 0;
    for (int i = 0; window && i < 2; ++i) SendMessageTimeoutA(window, WM_NULL, 0, 0, SMTO_ABORTIFHUNG, 2000, &answer);
}

void Settle(int x, int y) { Settle(WindowFromPoint(POINT{x, y})); }

// Waits until a window has stopped moving and changing its size: unchanged over 100 ms, at most 3 s.
void WaitStill(HWND window) {
    if (!window) return;
    RECT last = WindowRectOf(window);
    int still = 0;
    WaitFor(
        [&] {
            const RECT now = WindowRectOf(window);
            still = EqualRect(&now, &last) ? still + 1 : 0;
            last = now;
            return still >= 5;
        },
        3000, 20);
}
} // namespace

void PointAt(int x, int y) {
    MouseMove(x, y);
    Settle(x, y);
    MouseMove(x, y);
}

void Drag(int fromX, int fromY, int toX, int toY) {
    PointAt(fromX, fromY);
    HWND dragged = GetAncestor(WindowFromPoint(POINT{fromX, fromY}), GA_ROOT);
    MouseDown();
    Settle(fromX, fromY);
    const int steps = 20;
    for (int i = 1; i <= steps; ++i) {
        MouseMove(fromX + (toX - fromX) * i / steps, fromY + (toY - fromY) * i / steps);
        Sleep(10); // lets the window under the pointer follow each step, as a hand's movement would
    }
    // The window has followed the last step before the button goes up: its program has taken in
    // the moves (a busy machine can keep it from them for longer than the window keeps still).
    Settle(dragged);
    WaitStill(dragged);
    MouseUp();
    Settle(toX, toY);
    WaitStill(dragged); // a resize may take its last step when the button goes up
}

std::string ReadOnlyDocument(const ProgramDir& dir, const std::string& pattern, std::string* fileName) {
    WIN32_FIND_DATAA found = {};
    HANDLE search = FindFirstFileA(dir.File(pattern).c_str(), &found);
    if (search == INVALID_HANDLE_VALUE) return {};
    FindClose(search);
    const std::string folder = pattern.substr(0, pattern.rfind('\\') + 1);
    if (fileName) *fileName = found.cFileName;
    return DecodeDocumentBase64(dir.Read(folder + found.cFileName));
}

struct DialogSearch {
    DWORD processId;
    std::string caption;
    HWND found;
};

static BOOL CALLBACK FindDialogProc(HWND hwnd, LPARAM param) {
    auto* search = reinterpret_cast<DialogSearch*>(param);
    DWORD pid = 0;
    GetWindowThreadProcessId(hwnd, &pid);
    char title[256] = {};
    GetWindowTextA(hwnd, title, sizeof(title));
    if (pid == search->processId && search->caption == title && IsWindowVisible(hwnd)) {
        search->found = hwnd;
        return FALSE;
    }
    return TRUE;
}

HWND FindDialog(DWORD processId, const std::string& caption) {
    DialogSearch search = {processId, caption, nullptr};
    EnumWindows(FindDialogProc, reinterpret_cast<LPARAM>(&search));
    return search.found;
}

bool AnswerDialog(DWORD processId, const std::string& caption, WPARAM button) {
    HWND box = nullptr;
    if (!WaitFor([&] { return (box = FindDialog(processId, caption)) != nullptr; }, 5000)) return false;
    PostMessageA(box, WM_COMMAND, button, 0);
    return WaitFor([&] { return !IsWindow(box); }, 5000);
}

bool WaitTaskbarShown(DWORD timeoutMs) {
    GetDesktopWindow(); // starts this session's desktop (and its task bar) if no program has yet
    return WaitFor([] { return IsWindowVisible(TaskbarWindow()) != FALSE; }, timeoutMs);
}

std::string Screenshot(const std::string& name) {
    const std::string folder = WindowsPath(VIMO_SCRATCH_DIR) + "\\..\\screenshots";
    CreateDirectoryA(folder.c_str(), nullptr);
    const std::string path = folder + "\\" + name + ".png";
    Gdiplus::GdiplusStartupInput input;
    ULONG_PTR token = 0;
    if (Gdiplus::GdiplusStartup(&token, &input, nullptr) != Gdiplus::Ok) return {};
    const int width = GetSystemMetrics(SM_CXSCREEN), height = GetSystemMetrics(SM_CYSCREEN);
    HDC screen = GetDC(nullptr);
    HDC memory = CreateCompatibleDC(screen);
    HBITMAP bitmap = CreateCompatibleBitmap(screen, width, height);
    HGDIOBJ old = SelectObject(memory, bitmap);
    BitBlt(memory, 0, 0, width, height, screen, 0, 0, SRCCOPY);
    SelectObject(memory, old);
    {
        Gdiplus::Bitmap image(bitmap, nullptr);
        CLSID png = {0x557cf406, 0x1a04, 0x11d3, {0x9a, 0x73, 0x00, 0x00, 0xf8, 0x1e, 0xf3, 0x2e}};
        std::wstring wide(path.begin(), path.end());
        image.Save(wide.c_str(), &png, nullptr);
    }
    DeleteObject(bitmap);
    DeleteDC(memory);
    ReleaseDC(nullptr, screen);
    Gdiplus::GdiplusShutdown(token);
    return path;
}

std::vector<std::string> IniKeys(const std::string& text) {
    std::vector<std::string> keys;
    std::istringstream lines(text);
    std::string line;
    while (std::getline(lines, line)) {
        const std::size_t equals = line.find('=');
        if (equals != std::string::npos) keys.push_back(line.substr(0, equals));
    }
    return keys;
}

void PressKey(WORD virtualKey) {
    SendKey(virtualKey, false);
    SendKey(virtualKey, true);
}

std::vector<DWORD> ScreenPixels(const RECT& area) {
    const int width = area.right - area.left, height = area.bottom - area.top;
    std::vector<DWORD> pixels;
    if (width <= 0 || height <= 0) return pixels;
    HDC screen = GetDC(nullptr);
    HDC memory = CreateCompatibleDC(screen);
    BITMAPINFO info = {};
    info.bmiHeader.biSize = sizeof(info.bmiHeader);
    info.bmiHeader.biWidth = width;
    info.bmiHeader.biHeight = -height;
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 32;
    info.bmiHeader.biCompression = BI_RGB;
    void* bits = nullptr;
    HBITMAP bitmap = CreateDIBSection(screen, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
    if (bitmap && bits) {
        HGDIOBJ old = SelectObject(memory, bitmap);
        BitBlt(memory, 0, 0, width, height, screen, area.left, area.top, SRCCOPY);
        SelectObject(memory, old);
        const DWORD* first = static_cast<const DWORD*>(bits);
        pixels.reserve(static_cast<std::size_t>(width) * height);
        for (int i = 0; i < width * height; ++i) pixels.push_back(first[i] & 0x00FFFFFF);
    }
    if (bitmap) DeleteObject(bitmap);
    DeleteDC(memory);
    ReleaseDC(nullptr, screen);
    return pixels;
}

std::string WindowTextOf(HWND window) {
    DWORD_PTR length = 0;
    if (!SendMessageTimeoutA(window, WM_GETTEXTLENGTH, 0, 0, SMTO_BLOCK, 5000, &length)) return {};
    std::vector<char> text(std::min<std::size_t>(length, 1 << 20) + 1, '\0');
    if (!SendMessageTimeoutA(window, WM_GETTEXT, text.size(), reinterpret_cast<LPARAM>(text.data()), SMTO_BLOCK, 5000,
                             nullptr))
        return {};
    return text.data();
}

void ClickAt(int x, int y) {
    INPUT inputs[3] = {AbsoluteMouse(x, y, 0), AbsoluteMouse(x, y, MOUSEEVENTF_LEFTDOWN),
                       AbsoluteMouse(x, y, MOUSEEVENTF_LEFTUP)};
    SetCursorPos(x, y);
    SendInput(3, inputs, sizeof(INPUT));
}

} // namespace vimo::e2e

namespace vimo::e2e {

namespace {

// What a folder window offers when one of its files is dragged: the path as CF_HDROP. The object
// lives on the stack of the drag; the reference count only guards against early release.
// A data object of one clipboard format in one memory block, as a drag source hands it out.
class DragData : public IDataObject {
public:
    DragData(CLIPFORMAT format, HGLOBAL memory) : format_(format), memory_(memory) {}
    virtual ~DragData() { GlobalFree(memory_); }
    DragData(const DragData&) = delete;
    DragData& operator=(const DragData&) = delete;

    HRESULT STDMETHODCALLTYPE QueryInterface(REFIID iid, void** object) override {
        if (iid == IID_IUnknown || iid == IID_IDataObject) {
            *object = static_cast<IDataObject*>(this);
            AddRef();
            return S_OK;
        }
        *object = nullptr;
        return E_NOINTERFACE;
    }
    ULONG STDMETHODCALLTYPE AddRef() override { return ++references_; }
    ULONG STDMETHODCALLTYPE Release() override { return --references_; }
    HRESULT STDMETHODCALLTYPE GetData(FORMATETC* format, STGMEDIUM* medium) override {
        if (QueryGetData(format) != S_OK) return DV_E_FORMATETC;
        const SIZE_T size = GlobalSize(memory_);
        HGLOBAL copy = GlobalAlloc(GMEM_MOVEABLE, size);
        if (!copy) return E_OUTOFMEMORY;
        memcpy(GlobalLock(copy), GlobalLock(memory_), size);
        GlobalUnlock(copy);
        GlobalUnlock(memory_);
        medium->tymed = TYMED_HGLOBAL;
        medium->hGlobal = copy;
        medium->pUnkForRelease = nullptr;
        return S_OK;
    }
    HRESULT STDMETHODCALLTYPE GetDataHere(FORMATETC*, STGMEDIUM*) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE QueryGetData(FORMATETC* format) override {
        return format && format->cfFormat == format_ && (format->tymed & TYMED_HGLOBAL) ? S_OK : DV_E_FORMATETC;
    }
    HRESULT STDMETHODCALLTYPE GetCanonicalFormatEtc(FORMATETC*, FORMATETC* out) override {
        if (out) out->ptd = nullptr;
        return E_NOTIMPL;
    }
    HRESULT STDMETHODCALLTYPE SetData(FORMATETC*, STGMEDIUM*, BOOL) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE EnumFormatEtc(DWORD direction, IEnumFORMATETC** formats) override {
        if (direction != DATADIR_GET) return E_NOTIMPL;
        FORMATETC format = {format_, nullptr, DVASPECT_CONTENT, -1, TYMED_HGLOBAL};
        return SHCreateStdEnumFmtEtc(1, &format, formats);
    }
    HRESULT STDMETHODCALLTYPE DAdvise(FORMATETC*, DWORD, IAdviseSink*, DWORD*) override {
        return OLE_E_ADVISENOTSUPPORTED;
    }
    HRESULT STDMETHODCALLTYPE DUnadvise(DWORD) override { return OLE_E_ADVISENOTSUPPORTED; }
    HRESULT STDMETHODCALLTYPE EnumDAdvise(IEnumSTATDATA**) override { return OLE_E_ADVISENOTSUPPORTED; }

private:
    CLIPFORMAT format_;
    HGLOBAL memory_ = nullptr;
    ULONG references_ = 1;
};

HGLOBAL FileListMemory(const std::string& path) {
    const std::string names = path + '\0' + '\0';
    HGLOBAL memory = GlobalAlloc(GMEM_MOVEABLE | GMEM_ZEROINIT, sizeof(DROPFILES) + names.size());
    if (auto* drop = static_cast<DROPFILES*>(GlobalLock(memory))) {
        drop->pFiles = sizeof(DROPFILES);
        memcpy(reinterpret_cast<char*>(drop) + sizeof(DROPFILES), names.data(), names.size());
        GlobalUnlock(memory);
    }
    return memory;
}

HGLOBAL TextMemory(const std::string& text) {
    HGLOBAL memory = GlobalAlloc(GMEM_MOVEABLE | GMEM_ZEROINIT, text.size() + 1);
    if (void* bytes = GlobalLock(memory)) {
        memcpy(bytes, text.data(), text.size());
        GlobalUnlock(memory);
    }
    return memory;
}

// The dragging side: drops when the left button is up, gives up on Escape or after the deadline.
class DragSource : public IDropSource {
public:
    explicit DragSource(ULONGLONG deadline) : deadline_(deadline) {}
    virtual ~DragSource() = default;
    DragSource(const DragSource&) = delete;
    DragSource& operator=(const DragSource&) = delete;

    HRESULT STDMETHODCALLTYPE QueryInterface(REFIID iid, void** object) override {
        if (iid == IID_IUnknown || iid == IID_IDropSource) {
            *object = static_cast<IDropSource*>(this);
            AddRef();
            return S_OK;
        }
        *object = nullptr;
        return E_NOINTERFACE;
    }
    ULONG STDMETHODCALLTYPE AddRef() override { return ++references_; }
    ULONG STDMETHODCALLTYPE Release() override { return --references_; }
    HRESULT STDMETHODCALLTYPE QueryContinueDrag(BOOL escape, DWORD keys) override {
        if (escape || GetTickCount64() >= deadline_) return DRAGDROP_S_CANCEL;
        return (keys & MK_LBUTTON) ? S_OK : DRAGDROP_S_DROP;
    }
    HRESULT STDMETHODCALLTYPE GiveFeedback(DWORD) override { return DRAGDROP_S_USEDEFAULTCURSORS; }

private:
    ULONGLONG deadline_;
    ULONG references_ = 1;
};

// OLE for the calling thread, for the scope.
class OleScope {
public:
    OleScope() : ready_(SUCCEEDED(OleInitialize(nullptr))) {}
    ~OleScope() {
        if (ready_) OleUninitialize();
    }
    OleScope(const OleScope&) = delete;
    OleScope& operator=(const OleScope&) = delete;

private:
    bool ready_;
};

// The window a drag starts from: a small square of this process, like a file in a folder window.
class DragSourceWindow {
public:
    DragSourceWindow(int x, int y) {
        WNDCLASSA wc = {};
        wc.lpfnWndProc = DefWindowProcA;
        wc.hInstance = GetModuleHandleA(nullptr);
        wc.hbrBackground = static_cast<HBRUSH>(GetStockObject(GRAY_BRUSH));
        wc.hCursor = LoadCursor(nullptr, IDC_ARROW);
        wc.lpszClassName = "VimoDragSource";
        RegisterClassA(&wc);
        hwnd_ =
            CreateWindowExA(WS_EX_TOPMOST | WS_EX_TOOLWINDOW, "VimoDragSource", "drag source", WS_POPUP | WS_VISIBLE,
                            x - 16, y - 16, 32, 32, nullptr, nullptr, GetModuleHandleA(nullptr), nullptr);
        SetForegroundWindow(hwnd_);
    }
    ~DragSourceWindow() {
        if (hwnd_) DestroyWindow(hwnd_);
    }
    DragSourceWindow(const DragSourceWindow&) = delete;
    DragSourceWindow& operator=(const DragSourceWindow&) = delete;
    HWND Hwnd() const { return hwnd_; }

private:
    HWND hwnd_ = nullptr;
};

// One absolute pointer event at a screen point.
void PointerAt(int x, int y, DWORD flags) {
    INPUT input = AbsoluteMouse(x, y, flags);
    SetCursorPos(x, y);
    SendInput(1, &input, sizeof(input));
}

// Waits until a thread holds the mouse capture (the drag loop has taken the pointer).
bool WaitCapture(DWORD threadId, DWORD timeoutMs) {
    return WaitFor(
        [&] {
            GUITHREADINFO info = {};
            info.cbSize = sizeof(info);
            return GetGUIThreadInfo(threadId, &info) && info.hwndCapture != nullptr;
        },
        timeoutMs, 10);
}

} // namespace

namespace {

DWORD DragOnto(DragData& data, int fromX, int fromY, int toX, int toY, DWORD timeoutMs) {
    OleScope ole;
    const ULONGLONG deadline = GetTickCount64() + timeoutMs;
    DragSource source(deadline);
    DragSourceWindow window(fromX, fromY);
    const DWORD dragThread = GetCurrentThreadId();
    std::atomic<bool> pressed{false};

    // The hand: press on the source, wait for the drag loop to take the pointer, move over the
    // target in small steps, rest there a moment (the target answers each move), release.
    std::thread hand([&] {
        PointerAt(fromX, fromY, 0);
        Sleep(50);
        PointerAt(fromX, fromY, MOUSEEVENTF_LEFTDOWN);
        WaitFor([&] { return pressed.load(); }, timeoutMs / 2, 10);
        WaitCapture(dragThread, 3000);
        const int steps = 20;
        for (int i = 1; i <= steps; ++i) {
            PointerAt(fromX + (toX - fromX) * i / steps, fromY + (toY - fromY) * i / steps, 0);
            Sleep(30);
        }
        Sleep(300);
        PointerAt(toX, toY, MOUSEEVENTF_LEFTUP);
    });

    // The press reaches the source window through this thread's queue; the drag starts from it.
    DWORD effect = DROPEFFECT_NONE;
    while (!pressed && GetTickCount64() < deadline) {
        MsgWaitForMultipleObjects(0, nullptr, FALSE, 20, QS_ALLINPUT);
        MSG msg;
        while (PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) {
            if (msg.message == WM_LBUTTONDOWN && msg.hwnd == window.Hwnd()) {
                pressed = true;
                break;
            }
            TranslateMessage(&msg);
            DispatchMessageA(&msg);
        }
    }
    HRESULT result = E_FAIL;
    if (pressed) result = DoDragDrop(&data, &source, DROPEFFECT_COPY | DROPEFFECT_LINK, &effect);
    hand.join();
    CoDisconnectObject(&data, 0);
    return result == DRAGDROP_S_DROP ? effect : DROPEFFECT_NONE;
}

} // namespace

DWORD DragFileOnto(const std::string& path, int fromX, int fromY, int toX, int toY, DWORD timeoutMs) {
    DragData data(CF_HDROP, FileListMemory(path));
    return DragOnto(data, fromX, fromY, toX, toY, timeoutMs);
}

DWORD DragTextOnto(const std::string& text, int fromX, int fromY, int toX, int toY, DWORD timeoutMs) {
    DragData data(CF_TEXT, TextMemory(text));
    return DragOnto(data, fromX, fromY, toX, toY, timeoutMs);
}

void RightClickAt(int x, int y) {
    PointerAt(x, y, 0);
    PointerAt(x, y, MOUSEEVENTF_RIGHTDOWN);
    PointerAt(x, y, MOUSEEVENTF_RIGHTUP);
}

HWND ShownPopupMenu(DWORD processId) {
    for (HWND hwnd : WindowsOfProcess(processId)) {
        char cls[32] = {};
        GetClassNameA(hwnd, cls, sizeof(cls));
        if (std::string(cls) == "#32768" && IsWindowVisible(hwnd)) return hwnd;
    }
    return nullptr;
}

} // namespace vimo::e2e
