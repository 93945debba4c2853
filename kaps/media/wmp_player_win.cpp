#include "kaps/media/wmp_player_win.h"

#include <ocidl.h>
#include <olectl.h>
#include <wmp.h>

#include "base/bstr_win.h"
#include "base/com_object_win.h"
#include "base/com_ptr_win.h"
#include "kaps/media/ax_host_win.h"
#include "kaps/media/media_text.h"
#include "kaps/media/wmp_remote_services_win.h"

namespace vimo {

namespace {

const CLSID kWindowsMediaPlayer = {0x6BF52A52, 0x394A, 0x11D3, {0xB1, 0x53, 0x00, 0xC0, 0x4F, 0x79, 0xFA, 0xA6}};
constexpr DISPID kPlayStateChange = 5101;

template <typename T> void** Out(ComPtr<T>& pointer) { return reinterpret_cast<void**>(pointer.Receive()); }

} // namespace

struct WmpInterfaces {
    ComPtr<IWMPPlayer4> player;
    ComPtr<IConnectionPoint> events;

    ComPtr<IWMPControls> Controls() const {
        ComPtr<IWMPControls> controls;
        if (player) player->get_controls(controls.Receive());
        return controls;
    }
};

// Hears the control's events and hands play-state changes on.
class WmpEventSink final : public ComObject<IDispatch> {
public:
    explicit WmpEventSink(WmpPlayer::StateHandler onState) : onState_(std::move(onState)) {}
    void Forget() { onState_ = nullptr; }

    HRESULT STDMETHODCALLTYPE QueryInterface(REFIID iid, void** out) override {
        if (!out) return E_POINTER;
        *out = nullptr;
        if (iid != IID_IUnknown && iid != IID_IDispatch && iid != __uuidof(_WMPOCXEvents)) return E_NOINTERFACE;
        *out = static_cast<IDispatch*>(this);
        AddRef();
        return S_OK;
    }
    HRESULT STDMETHODCALLTYPE GetTypeInfoCount(UINT* count) override {
        if (count) *count = 0;
        return S_OK;
    }
    HRESULT STDMETHODCALLTYPE GetTypeInfo(UINT, LCID, ITypeInfo** info) override {
        if (info) *info = nullptr;
        return E_NOTIMPL;
    }
    HRESULT STDMETHODCALLTYPE GetIDsOfNames(REFIID, LPOLESTR*, UINT, LCID, DISPID*) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE Invoke(DISPID id, REFIID, LCID, WORD, DISPPARAMS* params, VARIANT*, EXCEPINFO*,
                                     UINT*) override {
        if (id != kPlayStateChange || !params || params->cArgs < 1 || !onState_) return S_OK;
        VARIANT state;
        VariantInit(&state);
        if (SUCCEEDED(VariantChangeType(&state, &params->rgvarg[0], 0, VT_I4))) onState_(state.lVal);
        VariantClear(&state);
        return S_OK;
    }

private:
    WmpPlayer::StateHandler onState_;
};

WmpPlayer::WmpPlayer() : wmp_(std::make_unique<WmpInterfaces>()) {}

std::unique_ptr<WmpPlayer> WmpPlayer::Create(HWND parent, const RECT& place, StateHandler onState) {
    std::unique_ptr<WmpPlayer> made(new WmpPlayer);
    IServiceProvider* services = NewWmpRemoteServices();
    made->host_ = AxHost::Create(parent, place, kWindowsMediaPlayer, services);
    services->Release(); // the host's site keeps it
    if (!made->host_ || FAILED(made->host_->QueryControl(__uuidof(IWMPPlayer4), Out(made->wmp_->player))))
        return nullptr;
    IWMPPlayer4* player = made->wmp_->player.Get();
    // What the player cannot do of these it does not do; the remote works without.
    player->put_uiMode(Bstr("none").Get());
    player->put_stretchToFit(VARIANT_FALSE);
    player->put_enableContextMenu(VARIANT_FALSE);
    ComPtr<IWMPSettings> settings;
    if (SUCCEEDED(player->get_settings(settings.Receive())) && settings) {
        settings->setMode(Bstr("loop").Get(), VARIANT_TRUE);
        // A new address only loads: the remote plays it, and knows whether that worked.
        settings->put_autoStart(VARIANT_FALSE);
    }

    ComPtr<IConnectionPointContainer> points;
    if (SUCCEEDED(player->QueryInterface(IID_IConnectionPointContainer, Out(points))) &&
        SUCCEEDED(points->FindConnectionPoint(__uuidof(_WMPOCXEvents), made->wmp_->events.Receive()))) {
        made->sink_ = new WmpEventSink(std::move(onState));
        if (FAILED(made->wmp_->events->Advise(made->sink_, &made->cookie_))) made->cookie_ = 0;
    }
    return made;
}

WmpPlayer::~WmpPlayer() {
    if (sink_) sink_->Forget();
    if (wmp_->events && cookie_) wmp_->events->Unadvise(cookie_);
    wmp_->events.Reset();
    if (wmp_->player) wmp_->player->close();
    wmp_->player.Reset();
    host_.reset();
    if (sink_) sink_->Release();
}

HWND WmpPlayer::HostWindow() const { return host_ ? host_->Hwnd() : nullptr; }

bool WmpPlayer::Play() {
    if (playRefused_) return false;
    ComPtr<IWMPControls> controls = wmp_->Controls();
    if (!controls) return false;
    if (SUCCEEDED(controls->play())) return true;
    playRefused_ = true;
    return false;
}

bool WmpPlayer::Pause() {
    ComPtr<IWMPControls> controls = wmp_->Controls();
    return controls && SUCCEEDED(controls->pause());
}

bool WmpPlayer::Stop() {
    ComPtr<IWMPControls> controls = wmp_->Controls();
    return controls && SUCCEEDED(controls->stop());
}

bool WmpPlayer::FastForward() {
    ComPtr<IWMPControls> controls = wmp_->Controls();
    return controls && SUCCEEDED(controls->fastForward());
}

bool WmpPlayer::FastReverse() {
    ComPtr<IWMPControls> controls = wmp_->Controls();
    return controls && SUCCEEDED(controls->fastReverse());
}

bool WmpPlayer::Next() {
    ComPtr<IWMPControls> controls = wmp_->Controls();
    return controls && SUCCEEDED(controls->next());
}

bool WmpPlayer::Previous() {
    ComPtr<IWMPControls> controls = wmp_->Controls();
    return controls && SUCCEEDED(controls->previous());
}

bool WmpPlayer::PutUrl(const std::string& path) {
    return wmp_->player && SUCCEEDED(wmp_->player->put_URL(Bstr(path).Get()));
}

bool WmpPlayer::LoadPlaylist(const std::vector<std::string>& files) {
    if (!wmp_->player) return false;
    ComPtr<IWMPPlaylist> playlist;
    if (FAILED(wmp_->player->get_currentPlaylist(playlist.Receive())) || !playlist || FAILED(playlist->clear()))
        return false;
    // Items made for this playlist only (not kept in the user's library); a file the player takes
    // no item of is left out.
    int appended = 0;
    for (const std::string& file : files) {
        ComPtr<IWMPMedia> item;
        if (SUCCEEDED(wmp_->player->newMedia(Bstr(file).Get(), item.Receive())) && item &&
            SUCCEEDED(playlist->appendItem(item.Get())))
            ++appended;
    }
    return appended > 0;
}

bool WmpPlayer::CurrentItem(std::string& name, std::string& duration) const {
    ComPtr<IWMPControls> controls = wmp_->Controls();
    ComPtr<IWMPMedia> item;
    // The controls' current item, or else the player's current media (not every player has both).
    if ((!controls || FAILED(controls->currentItem(item.Receive())) || !item) &&
        (!wmp_->player || FAILED(wmp_->player->get_currentMedia(item.Receive())) || !item))
        return false;
    Bstr text;
    name = SUCCEEDED(item->get_name(text.Receive())) ? text.Narrow() : std::string();
    duration = SUCCEEDED(item->get_durationString(text.Receive())) ? text.Narrow() : std::string();
    return true;
}

std::string WmpPlayer::CurrentPosition() const {
    ComPtr<IWMPControls> controls = wmp_->Controls();
    if (!controls) return {};
    Bstr text;
    if (SUCCEEDED(controls->get_currentPositionString(text.Receive()))) return text.Narrow();
    // A player without the text may still tell the seconds.
    double seconds = 0;
    return SUCCEEDED(controls->get_currentPosition(&seconds)) ? PositionFromSeconds(seconds) : std::string();
}

bool WmpPlayer::SwitchToPlayer() {
    ComPtr<IWMPPlayerApplication> application;
    return wmp_->player && SUCCEEDED(wmp_->player->get_playerApplication(application.Receive())) && application &&
           SUCCEEDED(application->switchToPlayerApplication());
}

bool WmpPlayer::SwitchToControl() {
    ComPtr<IWMPPlayerApplication> application;
    return wmp_->player && SUCCEEDED(wmp_->player->get_playerApplication(application.Receive())) && application &&
           SUCCEEDED(application->switchToControl());
}

bool WmpPlayer::FullScreen() { return wmp_->player && SUCCEEDED(wmp_->player->put_fullScreen(VARIANT_TRUE)); }

std::vector<std::string> FolderFiles(const std::string& folder) {
    std::vector<std::string> files;
    WIN32_FIND_DATAA found = {};
    HANDLE search = FindFirstFileA((folder + "*.*").c_str(), &found);
    if (search == INVALID_HANDLE_VALUE) return files;
    do {
        // Folders, and the hidden and system files a folder keeps for the shell, are not media.
        if (!(found.dwFileAttributes & (FILE_ATTRIBUTE_DIRECTORY | FILE_ATTRIBUTE_HIDDEN | FILE_ATTRIBUTE_SYSTEM)))
            files.push_back(folder + found.cFileName);
    } while (FindNextFileA(search, &found));
    FindClose(search);
    return files;
}

} // namespace vimo
