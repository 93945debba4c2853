#include "kapframe/drop_target_win.h"

#include <shellapi.h>

#include "base/path_kind_win.h"
#include "kapframe/shortcut_win.h"

namespace vimo {

namespace {

// Global memory of a medium, locked for the scope.
class LockedMedium {
public:
    explicit LockedMedium(IDataObject* data, CLIPFORMAT format) {
        FORMATETC wanted = {format, nullptr, DVASPECT_CONTENT, -1, TYMED_HGLOBAL};
        if (SUCCEEDED(data->GetData(&wanted, &medium_))) {
            held_ = true;
            pointer_ = GlobalLock(medium_.hGlobal);
        }
    }
    ~LockedMedium() {
        if (pointer_) GlobalUnlock(medium_.hGlobal);
        if (held_) ReleaseStgMedium(&medium_);
    }
    LockedMedium(const LockedMedium&) = delete;
    LockedMedium& operator=(const LockedMedium&) = delete;
    const void* Pointer() const { return pointer_; }
    SIZE_T Size() const { return pointer_ ? GlobalSize(medium_.hGlobal) : 0; }

private:
    STGMEDIUM medium_ = {};
    bool held_ = false;
    void* pointer_ = nullptr;
};

} // namespace

bool KapDropTarget::Register(HWND window, UINT message) {
    window_ = window;
    message_ = message;
    return SUCCEEDED(RegisterDragDrop(window, this));
}

void KapDropTarget::Revoke() {
    if (window_) RevokeDragDrop(window_);
    window_ = nullptr;
}

HRESULT KapDropTarget::QueryInterface(REFIID iid, void** object) {
    if (iid == IID_IUnknown || iid == IID_IDropTarget) {
        *object = static_cast<IDropTarget*>(this);
        AddRef();
        return S_OK;
    }
    *object = nullptr;
    return E_NOINTERFACE;
}

bool KapDropTarget::Take(IDataObject* data, std::string& result) const {
    if (!data) return false;
    if (accept_ & (kFiles | kDirectories)) {
        LockedMedium files(data, CF_HDROP);
        if (files.Pointer()) {
            HDROP drop = static_cast<HDROP>(const_cast<void*>(files.Pointer()));
            if (DragQueryFileA(drop, 0xFFFFFFFF, nullptr, 0) != 1) return false;
            char path[MAX_PATH] = {};
            if (!DragQueryFileA(drop, 0, path, MAX_PATH - 1)) return false;
            if (IsFolder(path) ? !(accept_ & kDirectories) : !(accept_ & kFiles)) return false;
            result = NormalizeDroppedFile(path);
            return true;
        }
    }
    if (accept_ & kText) {
        LockedMedium text(data, CF_TEXT);
        if (text.Pointer()) {
            const char* chars = static_cast<const char*>(text.Pointer());
            std::size_t length = 0;
            while (length < text.Size() && chars[length]) ++length;
            result.assign(chars, length);
            return true;
        }
    }
    return false;
}

HRESULT KapDropTarget::DragEnter(IDataObject* data, DWORD, POINTL, DWORD* effect) {
    std::string ignored;
    acceptable_ = Take(data, ignored);
    *effect = acceptable_ ? DROPEFFECT_COPY : DROPEFFECT_NONE;
    return S_OK;
}

HRESULT KapDropTarget::DragOver(DWORD, POINTL, DWORD* effect) {
    *effect = acceptable_ ? DROPEFFECT_COPY : DROPEFFECT_NONE;
    return S_OK;
}

HRESULT KapDropTarget::DragLeave() {
    acceptable_ = false;
    return S_OK;
}

HRESULT KapDropTarget::Drop(IDataObject* data, DWORD, POINTL, DWORD* effect) {
    std::string result;
    acceptable_ = false;
    if (!Take(data, result)) {
        *effect = DROPEFFECT_NONE;
        return S_OK;
    }
    dropped_ = result;
    *effect = DROPEFFECT_COPY;
    if (window_ && message_) PostMessageA(window_, message_, 0, 0);
    return S_OK;
}

} // namespace vimo
