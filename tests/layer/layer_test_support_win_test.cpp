// The helpers of the layer tests (layer_test_support_win.h) and the GDI+ session of the test run.
#include <gtest/gtest.h>

#include <algorithm>

#include "layer_test_support_win.h"

namespace vimo::layertest {

using namespace Gdiplus;
using namespace Gdiplus::DllExports;

namespace {

// GDI+ for the whole test run, as the program's start-up code does it.
class GdiplusEnvironment : public ::testing::Environment {
public:
    void SetUp() override { session_ = std::make_unique<GdiplusSession>(); }
    void TearDown() override { session_.reset(); }

private:
    std::unique_ptr<GdiplusSession> session_;
};

const ::testing::Environment* const kGdiplusEnvironment = ::testing::AddGlobalTestEnvironment(new GdiplusEnvironment);

LRESULT CALLBACK TestWindowProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    return DefWindowProcW(hwnd, message, wParam, lParam);
}

const wchar_t* TestWindowClass() {
    static const wchar_t* const name = [] {
        WNDCLASSW wc{};
        wc.lpfnWndProc = TestWindowProc;
        wc.hInstance = GetModuleHandleW(nullptr);
        wc.lpszClassName = L"VimoLayerTestWindow";
        wc.hCursor = LoadCursor(nullptr, IDC_ARROW);
        RegisterClassW(&wc);
        return L"VimoLayerTestWindow";
    }();
    return name;
}

} // namespace

ScratchDir::ScratchDir() {
    char base[MAX_PATH] = {};
    GetTempPathA(MAX_PATH, base);
    static int serial = 0;
    for (int attempt = 0; attempt < 1000; ++attempt) {
        std::string candidate =
            std::string(base) + "vimo-layer-" + std::to_string(GetCurrentProcessId()) + "-" + std::to_string(++serial);
        if (CreateDirectoryA(candidate.c_str(), nullptr)) {
            path_ = candidate;
            return;
        }
    }
}

ScratchDir::~ScratchDir() {
    if (path_.empty()) return;
    WIN32_FIND_DATAA data;
    HANDLE find = FindFirstFileA((path_ + "\\*").c_str(), &data);
    if (find != INVALID_HANDLE_VALUE) {
        do {
            const std::string name = data.cFileName;
            if (name != "." && name != "..") DeleteFileA(File(name).c_str());
        } while (FindNextFileA(find, &data));
        FindClose(find);
    }
    RemoveDirectoryA(path_.c_str());
}

bool WriteTextFile(const std::string& path, const std::string& text) {
    HANDLE file = CreateFileA(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE) return false;
    DWORD written = 0;
    const BOOL ok = WriteFile(file, text.data(), static_cast<DWORD>(text.size()), &written, nullptr);
    CloseHandle(file);
    return ok && written == text.size();
}

std::uint32_t BitmapPixel(GpBitmap* bitmap, int x, int y) {
    ARGB value = 0;
    if (bitmap) GdipBitmapGetPixel(bitmap, x, y, &value);
    return value;
}

bool Near(std::uint32_t actual, std::uint32_t expected, int tolerance) {
    for (int shift = 0; shift < 32; shift += 8) {
        const int a = static_cast<int>((actual >> shift) & 0xFF), e = static_cast<int>((expected >> shift) & 0xFF);
        if (a - e > tolerance || e - a > tolerance) return false;
    }
    return true;
}

InkBox FindInk(int width, int height, const std::function<std::uint32_t(int, int)>& pixel, int alphaThreshold) {
    InkBox box{width, height, -1, -1};
    for (int y = 0; y < height; ++y) {
        for (int x = 0; x < width; ++x) {
            if (A(pixel(x, y)) < alphaThreshold) continue;
            box.left = std::min(box.left, x);
            box.top = std::min(box.top, y);
            box.right = std::max(box.right, x);
            box.bottom = std::max(box.bottom, y);
        }
    }
    return box;
}

TestWindow::TestWindow(int x, int y, int width, int height, bool layered) {
    // Top-most, so that windows of tests running at the same time do not cover it on the screen.
    const DWORD exStyle = WS_EX_TOOLWINDOW | WS_EX_TOPMOST | (layered ? WS_EX_LAYERED : 0);
    hwnd_ = CreateWindowExW(exStyle, TestWindowClass(), L"layer test", WS_POPUP, x, y, width, height, nullptr, nullptr,
                            GetModuleHandleW(nullptr), nullptr);
}

TestWindow::~TestWindow() {
    if (hwnd_) DestroyWindow(hwnd_);
    PumpMessages();
}

HWND CreateInputWindow(HWND parent, int x, int y, int width, int height) {
    return CreateWindowExW(0, L"BUTTON", L"CButton", WS_CHILD | WS_VISIBLE | BS_FLAT, x, y, width, height, parent,
                           nullptr, GetModuleHandleW(nullptr), nullptr);
}

void PumpMessages() {
    MSG msg;
    while (PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) {
        TranslateMessage(&msg);
        DispatchMessageW(&msg);
    }
}

bool PumpUntil(const std::function<bool()>& done, DWORD timeoutMs) {
    const DWORD start = GetTickCount();
    for (;;) {
        PumpMessages();
        if (done()) return true;
        const DWORD spent = GetTickCount() - start;
        if (spent >= timeoutMs) return false;
        // Woken by messages; also looks again every 10 ms for what no message tells (the pointer).
        MsgWaitForMultipleObjects(0, nullptr, FALSE, std::min<DWORD>(10, timeoutMs - spent), QS_ALLINPUT);
    }
}

void PumpFor(DWORD ms) {
    PumpUntil([] { return false; }, ms);
}

CountingItem::CountingItem(CLayerHost* host, int x, int y, int width, int height, HWND input)
    : CLayerItem(host, x, y, width, height), element_(width, height, true) {
    AttachControl(input, &element_);
}

CountingItem::~CountingItem() {
    if (destroyed) ++*destroyed;
}

void CountingItem::Paint(std::uint32_t argb) {
    element_.SetFillColour(static_cast<int>(argb >> 24), static_cast<int>((argb >> 16) & 0xFF),
                           static_cast<int>((argb >> 8) & 0xFF), static_cast<int>(argb & 0xFF));
    element_.SetFillOn(true);
}

void CountingItem::Draw(GdipGraphics& g) {
    ++draws;
    if (onDraw) onDraw();
    CLayerItem::Draw(g);
}

void CountingItem::Prepare() {
    ++prepares;
    CLayerItem::Prepare();
}

void CountingItem::Skip() {
    ++skips;
    CLayerItem::Skip();
}

} // namespace vimo::layertest
