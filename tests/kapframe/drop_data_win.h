#pragma once
// Test data for drops: a data object with one clipboard format, the memory blocks it carries, and a
// drop straight on a window's registered drop target.
#include <windows.h>

#include <ole2.h>
#include <shlobj.h>

#include <cstring>
#include <string>
#include <vector>

namespace vimo::droptest {

// A data object holding one clipboard format; it owns the memory block.
class OneFormatData : public IDataObject {
public:
    OneFormatData(CLIPFORMAT format, HGLOBAL memory) : format_(format), memory_(memory) {}
    ~OneFormatData() { GlobalFree(memory_); }
    OneFormatData(const OneFormatData&) = delete;
    OneFormatData& operator=(const OneFormatData&) = delete;
    HRESULT STDMETHODCALLTYPE QueryInterface(REFIID iid, void** object) override {
        if (iid == IID_IUnknown || iid == IID_IDataObject) {
            *object = this;
            return S_OK;
        }
        *object = nullptr;
        return E_NOINTERFACE;
    }
    // Lives on the test's stack: reference counting does nothing.
    ULONG STDMETHODCALLTYPE AddRef() override { return 2; }
    ULONG STDMETHODCALLTYPE Release() override { return 1; }
    HRESULT STDMETHODCALLTYPE GetData(FORMATETC* format, STGMEDIUM* medium) override {
        if (format->cfFormat != format_) return DV_E_FORMATETC;
        const SIZE_T size = GlobalSize(memory_);
        HGLOBAL copy = GlobalAlloc(GMEM_MOVEABLE, size);
        if (!copy) return E_OUTOFMEMORY;
        std::memcpy(GlobalLock(copy), GlobalLock(memory_), size);
        GlobalUnlock(copy);
        GlobalUnlock(memory_);
        medium->tymed = TYMED_HGLOBAL;
        medium->hGlobal = copy;
        medium->pUnkForRelease = nullptr;
        return S_OK;
    }
    HRESULT STDMETHODCALLTYPE GetDataHere(FORMATETC*, STGMEDIUM*) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE QueryGetData(FORMATETC* format) override {
        return format->cfFormat == format_ ? S_OK : DV_E_FORMATETC;
    }
    HRESULT STDMETHODCALLTYPE GetCanonicalFormatEtc(FORMATETC*, FORMATETC*) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE SetData(FORMATETC*, STGMEDIUM*, BOOL) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE EnumFormatEtc(DWORD, IEnumFORMATETC**) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE DAdvise(FORMATETC*, DWORD, IAdviseSink*, DWORD*) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE DUnadvise(DWORD) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE EnumDAdvise(IEnumSTATDATA**) override { return E_NOTIMPL; }

private:
    CLIPFORMAT format_;
    HGLOBAL memory_;
};

// A CF_HDROP block naming the files (or folders).
inline HGLOBAL FileList(const std::vector<std::string>& files) {
    std::string names;
    for (const std::string& f : files) names += f + '\0';
    names += '\0';
    HGLOBAL memory = GlobalAlloc(GMEM_MOVEABLE | GMEM_ZEROINIT, sizeof(DROPFILES) + names.size());
    auto* drop = static_cast<DROPFILES*>(GlobalLock(memory));
    drop->pFiles = sizeof(DROPFILES);
    std::memcpy(reinterpret_cast<char*>(drop) + sizeof(DROPFILES), names.data(), names.size());
    GlobalUnlock(memory);
    return memory;
}

// A CF_TEXT block.
inline HGLOBAL Text(const std::string& text) {
    HGLOBAL memory = GlobalAlloc(GMEM_MOVEABLE, text.size() + 1);
    std::memcpy(GlobalLock(memory), text.c_str(), text.size() + 1);
    GlobalUnlock(memory);
    return memory;
}

// Drags the data over the window's drop target and drops it; the effect the target offered on entry,
// or 0xFFFFFFFF when the window has no drop target.
inline DWORD DropOn(HWND window, IDataObject* data) {
    auto* target = static_cast<IDropTarget*>(GetPropA(window, "OleDropTargetInterface"));
    if (!target) return 0xFFFFFFFF;
    DWORD effect = DROPEFFECT_COPY;
    POINTL at = {20, 20};
    target->DragEnter(data, MK_LBUTTON, at, &effect);
    const DWORD offered = effect;
    effect = DROPEFFECT_COPY;
    target->Drop(data, 0, at, &effect);
    return offered;
}

} // namespace vimo::droptest
