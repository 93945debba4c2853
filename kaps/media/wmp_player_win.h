#pragma once
// WmpPlayer: the media player control hosted in a window of ours and run as a remote of the full
// player, with its play-state events. Every call answers whether the player did it: a missing
// interface or a failed call (the player may not implement it) gives false and changes nothing.
#include <windows.h>

#include <functional>
#include <memory>
#include <string>
#include <vector>

namespace vimo {

class AxHost;
class WmpEventSink;
struct WmpInterfaces;

class WmpPlayer {
public:
    // The player's play states as its events report them.
    enum State : long { kStopped = 1, kPaused = 2, kPlaying = 3, kScanForward = 4, kScanReverse = 5 };
    using StateHandler = std::function<void(long state)>;

    // Hosts the control in parent at place (parent's client coordinates): no player interface of
    // its own, video not stretched, no context menu, looping; onState hears every play-state change.
    // Null when the control cannot be made.
    static std::unique_ptr<WmpPlayer> Create(HWND parent, const RECT& place, StateHandler onState);
    // Stops listening, lets the control go and destroys its host window.
    ~WmpPlayer();
    WmpPlayer(const WmpPlayer&) = delete;
    WmpPlayer& operator=(const WmpPlayer&) = delete;

    HWND HostWindow() const;

    bool Play();
    bool Pause();
    bool Stop();
    bool FastForward();
    bool FastReverse();
    bool Next();
    bool Previous();
    // A file to play (as the player's address).
    bool PutUrl(const std::string& path);
    // The files, in order, as the current playlist; true when at least one was taken.
    bool LoadPlaylist(const std::vector<std::string>& files);
    // The current item's name and duration text (empty when unknown); false without a current item.
    bool CurrentItem(std::string& name, std::string& duration) const;
    // The playing position as the player writes it ("1:23"); empty when unknown.
    std::string CurrentPosition() const;
    bool SwitchToPlayer();
    bool SwitchToControl();
    bool FullScreen();
    // After a failed play the control takes no further play: some players fail hard on the second.
    bool PlayRefused() const { return playRefused_; }

private:
    WmpPlayer();
    std::unique_ptr<AxHost> host_;
    std::unique_ptr<WmpInterfaces> wmp_;
    WmpEventSink* sink_ = nullptr; // one reference held
    unsigned long cookie_ = 0;
    bool playRefused_ = false;
};

// The files directly in a folder (subfolders are not entered; hidden and system files left out), in
// the order the file system lists them, as full paths.
std::vector<std::string> FolderFiles(const std::string& folder);

} // namespace vimo
