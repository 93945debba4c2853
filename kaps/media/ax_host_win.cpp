#include "kaps/media/ax_host_win.h"

#include <ocidl.h>

#include "base/com_object_win.h"
#include "wnd/window_class_win.h"

namespace vimo {

// The container side of one hosted control: client site, in-place site and frame, and a service
// provider that forwards to the one the host was given.
class AxSite final : public ComObject<IOleClientSite, IOleInPlaceSiteEx, IOleInPlaceFrame, IServiceProvider> {
public:
    AxSite(HWND host, IServiceProvider* services) : host_(host) {
        if (services) {
            services->AddRef();
            services_ = services;
        }
    }
    ~AxSite() override {
        if (services_) services_->Release();
    }

    void SetControl(IOleObject* control) { control_ = control; } // not owned: the host holds it
    void Detach() {
        control_ = nullptr;
        host_ = nullptr;
    }

    // IUnknown
    HRESULT STDMETHODCALLTYPE QueryInterface(REFIID iid, void** out) override {
        if (!out) return E_POINTER;
        *out = nullptr;
        if (iid == IID_IUnknown || iid == IID_IOleClientSite)
            *out = static_cast<IOleClientSite*>(this);
        else if (iid == IID_IOleWindow || iid == IID_IOleInPlaceSite || iid == IID_IOleInPlaceSiteEx)
            *out = static_cast<IOleInPlaceSiteEx*>(this);
        else if (iid == IID_IOleInPlaceUIWindow || iid == IID_IOleInPlaceFrame)
            *out = static_cast<IOleInPlaceFrame*>(this);
        else if (iid == IID_IServiceProvider)
            *out = static_cast<IServiceProvider*>(this);
        else
            return E_NOINTERFACE;
        AddRef();
        return S_OK;
    }

    // IOleClientSite
    HRESULT STDMETHODCALLTYPE SaveObject() override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE GetMoniker(DWORD, DWORD, IMoniker** moniker) override {
        if (moniker) *moniker = nullptr;
        return E_NOTIMPL;
    }
    HRESULT STDMETHODCALLTYPE GetContainer(IOleContainer** container) override {
        if (container) *container = nullptr;
        return E_NOINTERFACE;
    }
    HRESULT STDMETHODCALLTYPE ShowObject() override { return S_OK; }
    HRESULT STDMETHODCALLTYPE OnShowWindow(BOOL) override { return S_OK; }
    HRESULT STDMETHODCALLTYPE RequestNewObjectLayout() override { return E_NOTIMPL; }

    // IOleWindow (of the in-place site and of the frame)
    HRESULT STDMETHODCALLTYPE GetWindow(HWND* window) override {
        if (!window) return E_POINTER;
        *window = host_;
        return host_ ? S_OK : E_FAIL;
    }
    HRESULT STDMETHODCALLTYPE ContextSensitiveHelp(BOOL) override { return E_NOTIMPL; }

    // IOleInPlaceSite
    HRESULT STDMETHODCALLTYPE CanInPlaceActivate() override { return host_ ? S_OK : S_FALSE; }
    HRESULT STDMETHODCALLTYPE OnInPlaceActivate() override { return S_OK; }
    HRESULT STDMETHODCALLTYPE OnUIActivate() override { return S_OK; }
    HRESULT STDMETHODCALLTYPE GetWindowContext(IOleInPlaceFrame** frame, IOleInPlaceUIWindow** document, RECT* place,
                                               RECT* clip, OLEINPLACEFRAMEINFO* info) override {
        if (!frame || !document || !place || !clip || !info) return E_POINTER;
        *frame = static_cast<IOleInPlaceFrame*>(this);
        AddRef();
        *document = nullptr;
        RECT client = {};
        if (host_) GetClientRect(host_, &client);
        *place = client;
        *clip = client;
        info->fMDIApp = FALSE;
        info->hwndFrame = host_ ? GetAncestor(host_, GA_ROOT) : nullptr;
        info->haccel = nullptr;
        info->cAccelEntries = 0;
        return S_OK;
    }
    HRESULT STDMETHODCALLTYPE Scroll(SIZE) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE OnUIDeactivate(BOOL) override { return S_OK; }
    HRESULT STDMETHODCALLTYPE OnInPlaceDeactivate() override { return S_OK; }
    HRESULT STDMETHODCALLTYPE DiscardUndoState() override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE DeactivateAndUndo() override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE OnPosRectChange(const RECT* place) override {
        if (!place || !control_) return E_INVALIDARG;
        ComPtr<IOleInPlaceObject> inPlace;
        if (SUCCEEDED(control_->QueryInterface(IID_IOleInPlaceObject, reinterpret_cast<void**>(inPlace.Receive()))))
            inPlace->SetObjectRects(place, place);
        return S_OK;
    }

    // IOleInPlaceSiteEx
    HRESULT STDMETHODCALLTYPE OnInPlaceActivateEx(BOOL* noRedraw, DWORD) override {
        if (noRedraw) *noRedraw = FALSE;
        return S_OK;
    }
    HRESULT STDMETHODCALLTYPE OnInPlaceDeactivateEx(BOOL) override { return S_OK; }
    HRESULT STDMETHODCALLTYPE RequestUIActivate() override { return S_OK; }

    // IOleInPlaceUIWindow and IOleInPlaceFrame: no tool space, menus or status line to share.
    HRESULT STDMETHODCALLTYPE GetBorder(RECT*) override { return INPLACE_E_NOTOOLSPACE; }
    HRESULT STDMETHODCALLTYPE RequestBorderSpace(const BORDERWIDTHS*) override { return INPLACE_E_NOTOOLSPACE; }
    HRESULT STDMETHODCALLTYPE SetBorderSpace(const BORDERWIDTHS*) override { return S_OK; }
    HRESULT STDMETHODCALLTYPE SetActiveObject(IOleInPlaceActiveObject*, LPCOLESTR) override { return S_OK; }
    HRESULT STDMETHODCALLTYPE InsertMenus(HMENU, OLEMENUGROUPWIDTHS*) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE SetMenu(HMENU, HOLEMENU, HWND) override { return S_OK; }
    HRESULT STDMETHODCALLTYPE RemoveMenus(HMENU) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE SetStatusText(LPCOLESTR) override { return S_OK; }
    HRESULT STDMETHODCALLTYPE EnableModeless(BOOL) override { return S_OK; }
    HRESULT STDMETHODCALLTYPE TranslateAccelerator(MSG*, WORD) override { return S_FALSE; }

    // IServiceProvider
    HRESULT STDMETHODCALLTYPE QueryService(REFGUID service, REFIID iid, void** out) override {
        if (!out) return E_POINTER;
        *out = nullptr;
        return services_ ? services_->QueryService(service, iid, out) : E_NOINTERFACE;
    }

private:
    HWND host_;
    IServiceProvider* services_ = nullptr;
    IOleObject* control_ = nullptr;
};

bool AxHost::RegisterWindowClass() {
    // The licensed variant's name is the same window.
    const bool plain = RegisterPlainWindowClass(kClassName, WindowProc);
    return RegisterPlainWindowClass(kLicensedClassName, WindowProc) && plain;
}

LRESULT CALLBACK AxHost::WindowProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
    auto* host = reinterpret_cast<AxHost*>(GetWindowLongPtrA(hwnd, GWLP_USERDATA));
    if (msg == WM_SIZE && host) host->FitControl();
    return DefWindowProcA(hwnd, msg, wParam, lParam);
}

std::unique_ptr<AxHost> AxHost::Create(HWND parent, const RECT& place, REFCLSID clsid, IServiceProvider* services) {
    if (!RegisterWindowClass()) return nullptr;
    std::unique_ptr<AxHost> host(new AxHost);
    host->hwnd_ = CreateWindowExA(0, kClassName, "", WS_CHILD | WS_VISIBLE | WS_CLIPCHILDREN | WS_CLIPSIBLINGS,
                                  place.left, place.top, place.right - place.left, place.bottom - place.top, parent,
                                  nullptr, GetModuleHandleA(nullptr), nullptr);
    if (!host->hwnd_) return nullptr;
    host->site_ = new AxSite(host->hwnd_, services);
    if (FAILED(CoCreateInstance(clsid, nullptr, CLSCTX_INPROC_SERVER, IID_IOleObject,
                                reinterpret_cast<void**>(host->control_.Receive()))))
        return nullptr;
    host->site_->SetControl(host->control_.Get());
    // The site first, so the control finds its container's services while it starts.
    if (FAILED(host->control_->SetClientSite(host->site_))) return nullptr;
    ComPtr<IPersistStreamInit> init;
    if (SUCCEEDED(host->control_->QueryInterface(IID_IPersistStreamInit, reinterpret_cast<void**>(init.Receive()))))
        init->InitNew();
    RECT client = {};
    GetClientRect(host->hwnd_, &client);
    if (FAILED(host->control_->DoVerb(OLEIVERB_INPLACEACTIVATE, nullptr, host->site_, 0, host->hwnd_, &client)))
        return nullptr;
    SetWindowLongPtrA(host->hwnd_, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(host.get()));
    return host;
}

AxHost::~AxHost() {
    if (hwnd_) SetWindowLongPtrA(hwnd_, GWLP_USERDATA, 0);
    if (control_) {
        ComPtr<IOleInPlaceObject> inPlace;
        if (SUCCEEDED(control_->QueryInterface(IID_IOleInPlaceObject, reinterpret_cast<void**>(inPlace.Receive()))))
            inPlace->InPlaceDeactivate();
        control_->Close(OLECLOSE_NOSAVE);
        control_->SetClientSite(nullptr);
        control_.Reset();
    }
    if (site_) {
        site_->Detach();
        site_->Release();
    }
    if (hwnd_) DestroyWindow(hwnd_);
}

HRESULT AxHost::QueryControl(REFIID iid, void** out) const {
    if (!out) return E_POINTER;
    *out = nullptr;
    return control_ ? control_->QueryInterface(iid, out) : E_NOINTERFACE;
}

void AxHost::FitControl() {
    if (!control_) return;
    RECT client = {};
    GetClientRect(hwnd_, &client);
    ComPtr<IOleInPlaceObject> inPlace;
    if (SUCCEEDED(control_->QueryInterface(IID_IOleInPlaceObject, reinterpret_cast<void**>(inPlace.Receive()))))
        inPlace->SetObjectRects(&client, &client);
}

} // namespace vimo
