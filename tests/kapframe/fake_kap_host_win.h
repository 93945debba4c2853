#pragma once
// A kap host for tests: a message-only owner window, the kaps a test hands it, and the resizing flag.
#include <windows.h>

#include <functional>
#include <string>
#include <utility>
#include <vector>

#include "app/kap_factories_win.h"
#include "kapframe/kap_host_win.h"
#include "layer/shared_pictures_win.h"

namespace vimo::kaptest {

class FakeKapHost : public KapHost {
public:
    FakeKapHost()
        : window_(CreateWindowExA(0, "STATIC", "owner", 0, 0, 0, 0, 0, HWND_MESSAGE, nullptr, nullptr, nullptr)) {}
    ~FakeKapHost() { DestroyWindow(window_); }
    FakeKapHost(const FakeKapHost&) = delete;
    FakeKapHost& operator=(const FakeKapHost&) = delete;

    HWND HostWindow() const override { return window_; }
    bool CanCreate(KapType type) const override { return FactoryOf(type) != nullptr; }
    Kap* CreateKap(KapType type) override {
        created.push_back(type);
        return nullptr;
    }
    std::vector<Kap*> KapsOf(KapType type) const override { return kaps ? kaps(type) : std::vector<Kap*>(); }
    void SetResizing(bool on) override { resizing = on; }
    bool Resizing() const override { return resizing; }
    bool HasWindowBar() const override { return windowBar; }
    std::vector<ScreenRect> BarRects() const override { return bars; }
    SharedPictures& Pictures() override { return pictures; }
    bool RestoreKap(KapType type, const std::string& documentPath) override {
        restored.emplace_back(type, documentPath);
        return false;
    }

    SharedPictures pictures;
    std::function<std::vector<Kap*>(KapType)> kaps;        // what KapsOf answers
    std::vector<KapType> created;                          // the types CreateKap was asked for
    std::vector<std::pair<KapType, std::string>> restored; // what RestoreKap was asked for
    bool resizing = false;
    bool windowBar = false;
    std::vector<ScreenRect> bars; // what BarRects answers

private:
    HWND window_;
};

} // namespace vimo::kaptest
