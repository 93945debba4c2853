#pragma once
// The reference count of a COM object of ours: ComObject<I1, I2, ...> implements AddRef and Release
// of every interface it derives from; the object deletes itself at the last Release. An object
// starts with one reference, the maker's.
#include <windows.h>
#include <unknwn.h>

namespace vimo {

template <class... Interfaces> class ComObject : public Interfaces... {
public:
    ComObject() = default;
    ComObject(const ComObject&) = delete;
    ComObject& operator=(const ComObject&) = delete;

    ULONG STDMETHODCALLTYPE AddRef() override { return static_cast<ULONG>(InterlockedIncrement(&references_)); }
    ULONG STDMETHODCALLTYPE Release() override {
        const LONG left = InterlockedDecrement(&references_);
        if (left == 0) delete this;
        return static_cast<ULONG>(left);
    }

protected:
    virtual ~ComObject() = default;

private:
    LONG references_ = 1;
};

} // namespace vimo
