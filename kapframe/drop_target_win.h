#pragma once
// The OLE drop target of a kap window: accepts one file, a directory or plain text as the kap's
// flags allow, keeps the dropped string and posts WMU_KAP_DROP to the kap.
#include <windows.h>
#include <ole2.h>

#include <string>

namespace vimo {

class KapDropTarget : public IDropTarget {
public:
    enum Accept : unsigned { kFiles = 1, kText = 2, kDirectories = 4 };

    KapDropTarget() = default;
    virtual ~KapDropTarget() = default;
    KapDropTarget(const KapDropTarget&) = delete;
    KapDropTarget& operator=(const KapDropTarget&) = delete;

    // Registers with the platform's drag and drop for window; message is posted on each drop.
    bool Register(HWND window, UINT message);
    void Revoke();
    void SetAccept(unsigned flags) { accept_ = flags; }
    const std::string& Dropped() const { return dropped_; }

    // IUnknown: the kap window owns the object; the reference count only guards against early release.
    HRESULT STDMETHODCALLTYPE QueryInterface(REFIID iid, void** object) override;
    ULONG STDMETHODCALLTYPE AddRef() override { return ++references_; }
    ULONG STDMETHODCALLTYPE Release() override { return --references_; }
    // IDropTarget
    HRESULT STDMETHODCALLTYPE DragEnter(IDataObject* data, DWORD keys, POINTL at, DWORD* effect) override;
    HRESULT STDMETHODCALLTYPE DragOver(DWORD keys, POINTL at, DWORD* effect) override;
    HRESULT STDMETHODCALLTYPE DragLeave() override;
    HRESULT STDMETHODCALLTYPE Drop(IDataObject* data, DWORD keys, POINTL at, DWORD* effect) override;

private:
    // The string a drop of data would give; false when the flags refuse it.
    bool Take(IDataObject* data, std::string& result) const;

    HWND window_ = nullptr;
    UINT message_ = 0;
    unsigned accept_ = 0;
    bool acceptable_ = false;
    ULONG references_ = 1;
    std::string dropped_;
};

} // namespace vimo
