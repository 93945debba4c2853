#pragma once
// CVimoRemoteWMP: the media player remote — a small skinned remote for the media player control,
// which it hosts in its video window: play or pause, stop, previous, next, fast reverse and forward,
// a file or a folder loaded from the menu or dropped on the kap, and the item's name, duration and
// playing position on display.
//
// WM_GETTEXT and WM_GETTEXTLENGTH on the kap window answer what it shows, one line each: the title,
// the position and the play button's action ("Pause" while playing, "Play" otherwise) (read-only;
// used by tests and accessibility tools).
#include <windows.h>

#include <memory>
#include <string>

#include "kapframe/kap_window_win.h"
#include "kaps/media/play_state.h"

namespace vimo {

class CLayerButton;
class CLayerStatic;
class CVimoRemoteVideo;
class WmpPlayer;

class CVimoRemoteWMP : public CKapWindow {
public:
    enum Timer : UINT_PTR { kDisplayTimer = 2 };
    // Posted by the player's play-state event to the kap itself (WPARAM the state), so the state is
    // taken when the player's call has returned.
    static constexpr UINT kPlayStateMessage = WM_APP + 1;

    CVimoRemoteWMP(KapHost& host, Settings& settings, const std::string& documentPath);
    ~CVimoRemoteWMP() override;

    void Close() override;

protected:
    void ReadPayload(DocumentReader& reader) override { mediaPath_ = reader.NextString(); }
    void WritePayload(DocumentWriter& writer) const override;
    void BuildItems() override;
    void LayoutItems() override;
    void PrepareContextMenu(HMENU popup) override;
    bool OnKapCommand(UINT id) override;
    bool OnKapMessage(UINT msg, WPARAM wParam, LPARAM lParam, LRESULT& result) override;
    unsigned DropAccept() const override;
    void OnDrop(const std::string& dropped) override;
    void OnTimer(UINT_PTR id) override;
    void OnPlacementChanging(HWND parent, bool topMost) override;

private:
    CLayerButton* MakeButton(const char* prefix, UINT message);
    WmpPlayer* Player();
    void LoadMedia(bool play);
    // Gives the player the media path: a file's address, or a folder's files as the playlist.
    void PutMedia(WmpPlayer& player);
    void PlayPause();
    void Command(bool (WmpPlayer::*call)(), void (PlayFlags::*after)(), bool refreshFirst);
    void OnPlayState(long state);
    void RefreshDisplay();
    void ShowPlayButton();
    void ChooseFile();
    void ChooseFolder();
    void FollowKap();
    std::string ShownText() const;

    std::string mediaPath_;
    PlayFlags flags_;
    long lastState_ = 0;
    LPARAM playerGeneration_ = 0;
    bool buttonImageDue_ = false;
    std::string lastTitle_;
    std::string position_ = "00:00:00";

    std::unique_ptr<CVimoRemoteVideo> video_;
    std::unique_ptr<WmpPlayer> player_;
    CLayerStatic* title_ = nullptr;
    CLayerStatic* time_ = nullptr;
    CLayerButton* play_ = nullptr;
};

} // namespace vimo
