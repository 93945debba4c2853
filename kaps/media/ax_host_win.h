#pragma once
// AxHost: the window class "AtlAxWin7", a child window that hosts one ActiveX control in place.
// The host's site answers the control's container questions (its window, its place, in-place
// activation) and hands every service request to the service provider it was given, so a control
// can find services its container offers before it is even created.
#include <windows.h>
#include <ole2.h>
#include <servprov.h>

#include <memory>

#include "base/com_ptr_win.h"

namespace vimo {

class AxSite;

class AxHost {
public:
    static constexpr const char* kClassName = "AtlAxWin7";
    static constexpr const char* kLicensedClassName = "AtlAxWinLic7";
    // Registers the window classes once per process; true when they are registered.
    static bool RegisterWindowClass();

    // Makes the host window as a child of parent at the rectangle (parent's client coordinates),
    // creates the control of clsid with `services` answering its service requests (may be null),
    // and activates it in place. Null when any of it fails.
    static std::unique_ptr<AxHost> Create(HWND parent, const RECT& place, REFCLSID clsid, IServiceProvider* services);
    // Deactivates and closes the control, lets it go, then destroys the host window.
    ~AxHost();
    AxHost(const AxHost&) = delete;
    AxHost& operator=(const AxHost&) = delete;

    HWND Hwnd() const { return hwnd_; }
    // The control's interface iid; S_OK and an owned pointer in *out, or the failure.
    HRESULT QueryControl(REFIID iid, void** out) const;
    // Gives the control the host's whole client area (after the host window was sized).
    void FitControl();

private:
    AxHost() = default;
    static LRESULT CALLBACK WindowProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam);

    HWND hwnd_ = nullptr;
    AxSite* site_ = nullptr; // one reference held
    ComPtr<IOleObject> control_;
};

} // namespace vimo
