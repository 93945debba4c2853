#include "kaps/media/wmp_remote_services_win.h"

#include <wmp.h>

#include <string>

#include "base/bstr_win.h"
#include "base/com_object_win.h"

namespace vimo {

namespace {

class WmpRemoteServices final : public ComObject<IServiceProvider, IWMPRemoteMediaServices> {
public:
    // IUnknown
    HRESULT STDMETHODCALLTYPE QueryInterface(REFIID iid, void** out) override {
        if (!out) return E_POINTER;
        *out = nullptr;
        if (iid == IID_IUnknown || iid == IID_IServiceProvider)
            *out = static_cast<IServiceProvider*>(this);
        else if (iid == __uuidof(IWMPRemoteMediaServices))
            *out = static_cast<IWMPRemoteMediaServices*>(this);
        else
            return E_NOINTERFACE;
        AddRef();
        return S_OK;
    }

    // IServiceProvider: every service is this object, asked for the interface.
    HRESULT STDMETHODCALLTYPE QueryService(REFGUID, REFIID iid, void** out) override {
        return QueryInterface(iid, out);
    }

    // IWMPRemoteMediaServices
    HRESULT STDMETHODCALLTYPE GetServiceType(BSTR* type) override { return Give(type, "Remote"); }
    HRESULT STDMETHODCALLTYPE GetApplicationName(BSTR* name) override { return Give(name, "Test"); }
    HRESULT STDMETHODCALLTYPE GetScriptableObject(BSTR* name, IDispatch** object) override {
        if (name) *name = nullptr;
        if (object) *object = nullptr;
        return E_NOTIMPL;
    }
    HRESULT STDMETHODCALLTYPE GetCustomUIMode(BSTR* file) override {
        char directory[MAX_PATH] = {};
        GetCurrentDirectoryA(MAX_PATH, directory);
        return Give(file, std::string("file://") + directory + "\\");
    }

private:
    static HRESULT Give(BSTR* out, const std::string& text) {
        if (!out) return E_POINTER;
        *out = Bstr(text).Detach();
        return *out ? S_OK : E_OUTOFMEMORY;
    }
};

} // namespace

IServiceProvider* NewWmpRemoteServices() { return new WmpRemoteServices; }

} // namespace vimo
