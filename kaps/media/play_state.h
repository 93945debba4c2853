#pragma once
// The media player remote's play state: the flags its own commands and the player's events set,
// and what the play button and the first menu entry show for them.
namespace vimo {

struct PlayFlags {
    bool playing = false;
    bool paused = false;
    bool fast = false;

    // The player reported state s (1 stopped, 2 paused, 3 playing, 4 and 5 scanning); false for a
    // state that changes nothing.
    bool TakeReported(long state);
    // After a successful command of the remote.
    void Played() { *this = PlayFlags{true, false, false}; }
    void Paused() { *this = PlayFlags{true, true, false}; }
    void Stopped() { *this = PlayFlags{}; }
    void Scanning() { *this = PlayFlags{true, true, true}; }

    // The play button shows "pause" while playing and not paused.
    bool ShowsPause() const { return playing && !paused; }
    // The display follows the position while playing and not paused, or while scanning.
    bool Moving() const { return ShowsPause() || fast; }
};

// The first entry of the context menu: its label, whether it pauses (or plays), and its check mark.
struct FirstMenuEntry {
    const char* label;
    bool pauses;
    bool checked;
};
FirstMenuEntry FirstEntryFor(const PlayFlags& flags);

} // namespace vimo
