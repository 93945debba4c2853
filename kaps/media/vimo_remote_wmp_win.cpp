#include "kaps/media/vimo_remote_wmp_win.h"

#include "base/messages.h"
#include "base/path_kind_win.h"
#include "base/resource.h"
#include "base/text_util.h"
#include "kapframe/settings.h"
#include "kaps/desk/photoalbum/folder_browser_win.h"
#include "kaps/media/media_text.h"
#include "kaps/media/vimo_remote_video_win.h"
#include "kaps/media/wmp_player_win.h"
#include "layer/controls/layer_button_win.h"
#include "layer/controls/layer_static_win.h"
#include "layer/layer_host_win.h"
#include "layer/skin/skin_background_win.h"
#include "layer/skin/skin_layout.h"
#include "wnd/dialog_fields_win.h"
#include "wnd/text_reply_win.h"

namespace vimo {

namespace {

constexpr UINT kDisplayPeriod = 1000;
constexpr int kCentre = 0;
constexpr const char* kNoPosition = "00:00:00";
// The video window sits this much up and left of the skin's screen rectangle.
constexpr int kScreenInset = 2;

std::string WithTrailingBackslash(std::string folder) {
    if (!folder.empty() && folder.back() != '\\') folder += '\\';
    return folder;
}

} // namespace

CVimoRemoteWMP::CVimoRemoteWMP(KapHost& host, Settings& settings, const std::string& documentPath)
    : CKapWindow(host, KapType::RemoteWmp, settings, documentPath) {}

CVimoRemoteWMP::~CVimoRemoteWMP() {
    // The player goes before its host window's parent.
    player_.reset();
    video_.reset();
}

void CVimoRemoteWMP::Close() {
    if (player_ && flags_.playing) player_->Stop();
    player_.reset();
}

void CVimoRemoteWMP::WritePayload(DocumentWriter& writer) const { writer.Line(OneLine(mediaPath_)); }

// --- items -----------------------------------------------------------------------------------------

CLayerButton* CVimoRemoteWMP::MakeButton(const char* prefix, UINT message) {
    const SkinRecord& skin = Skin();
    const LayerRect r = ElementRect(skin, prefix, SkinSize{Rect().width, Rect().height});
    auto* button = new CLayerButton(Layer(), r.x, r.y, r.width, r.height);
    button->Elem().SetImage(skin.Str(std::string(prefix) + "FileName"));
    LayerNotifications& forward = button->Notifications();
    forward.target = Hwnd();
    forward.clickMessage = message;
    forward.rightButtonMessage = WM_RBUTTONDOWN;
    forward.moveMessage = WM_MOUSEMOVE;
    return button;
}

void CVimoRemoteWMP::BuildItems() {
    const SkinRecord& skin = Skin();
    const SkinSize kap{Rect().width, Rect().height};
    MakeBackgroundAndLock();

    auto text = [&](const char* prefix, const std::string& shown) {
        const LayerRect r = ElementRect(skin, prefix, kap);
        auto* made = new CLayerStatic(Layer(), r.x, r.y, r.width, r.height);
        CLayerElement& element = made->Elem();
        SetSkinBackground(element, skin, std::string(prefix) + "Bk");
        element.SetBlockStyle(TextBlockId::Text, skin.TextStyle(prefix));
        element.SetBlockPosition(TextBlockId::Text, kCentre, kCentre);
        element.SetBlockSingleLine(TextBlockId::Text, true);
        element.SetBlockText(TextBlockId::Text, shown);
        return made;
    };
    title_ = text("Title", "");
    time_ = text("Time", kNoPosition);

    play_ = MakeButton("BtnPlay", WMU_WMP_PLAY);
    MakeButton("BtnStop", WMU_WMP_STOP);
    MakeButton("BtnPrevious", WMU_WMP_PREVIOUS);
    MakeButton("BtnNext", WMU_WMP_NEXT);
    MakeButton("BtnReverse", WMU_WMP_REVERSE);
    MakeButton("BtnForward", WMU_WMP_FORWARD);

    // The video window over the screen rectangle, shown as the skin says, with the player in it.
    const RECT screen = {0, 0, skin.Int("ScreenWidth"), skin.Int("ScreenHeight")};
    video_ = std::make_unique<CVimoRemoteVideo>(screen);
    FollowKap();
    Player();
    if (video_->Hwnd()) ShowWindow(video_->Hwnd(), skin.Int("ShowScreen"));

    if (!mediaPath_.empty()) {
        // A file or folder that is gone is forgotten; an address on the network is the player's to try.
        if (PathExists(mediaPath_) || mediaPath_.find("://") != std::string::npos)
            LoadMedia(false);
        else
            mediaPath_.clear();
    }
    SetTimer(Hwnd(), kDisplayTimer, kDisplayPeriod, nullptr);
}

void CVimoRemoteWMP::LayoutItems() {
    const SkinRecord& skin = Skin();
    LockImage()->SetBounds(ElementRect(skin, "Lock", SkinSize{Rect().width, Rect().height}));
}

void CVimoRemoteWMP::FollowKap() {
    if (!video_) return;
    RECT r = {};
    GetWindowRect(Hwnd(), &r);
    POINT at = {r.left, r.top};
    if (HWND parent = GetAncestor(Hwnd(), GA_PARENT); parent && parent != GetDesktopWindow())
        ScreenToClient(parent, &at);
    const SkinRecord& skin = Skin();
    video_->MoveTo(at.x + skin.Int("ScreenPosX") - kScreenInset, at.y + skin.Int("ScreenPosY") - kScreenInset,
                   flags_.paused);
}

void CVimoRemoteWMP::OnPlacementChanging(HWND parent, bool topMost) {
    if (video_) video_->Follow(parent == GetDesktopWindow() ? nullptr : parent, topMost);
}

// --- the player ------------------------------------------------------------------------------------

WmpPlayer* CVimoRemoteWMP::Player() {
    // A player that refused a play is made anew: it is not asked to play twice.
    if (player_ && !player_->PlayRefused()) return player_.get();
    const bool replacing = player_ != nullptr;
    player_.reset();
    if (!video_ || !video_->Hwnd()) return nullptr;
    RECT client = {};
    GetClientRect(video_->Hwnd(), &client);
    HWND self = Hwnd();
    // The states the player reports carry its generation: those of a player gone are not taken.
    const LPARAM generation = ++playerGeneration_;
    player_ = WmpPlayer::Create(video_->Hwnd(), client, [self, generation](long state) {
        PostMessageA(self, kPlayStateMessage, static_cast<WPARAM>(state), generation);
    });
    lastState_ = 0;
    // The new player holds what the old one had.
    if (player_ && replacing && !mediaPath_.empty()) PutMedia(*player_);
    return player_.get();
}

void CVimoRemoteWMP::PutMedia(WmpPlayer& player) {
    if (mediaPath_.back() != '\\') {
        player.PutUrl(mediaPath_);
        return;
    }
    const std::vector<std::string> files = FolderFiles(mediaPath_);
    // A player without playlists still plays the folder's first file.
    if (!files.empty() && !player.LoadPlaylist(files)) player.PutUrl(files.front());
}

void CVimoRemoteWMP::LoadMedia(bool play) {
    WmpPlayer* player = Player();
    if (!player || mediaPath_.empty()) return;
    PutMedia(*player);
    RefreshDisplay();
    if (play) Command(&WmpPlayer::Play, &PlayFlags::Played, true);
}

void CVimoRemoteWMP::Command(bool (WmpPlayer::*call)(), void (PlayFlags::*after)(), bool refreshFirst) {
    WmpPlayer* player = Player();
    if (!player || !(player->*call)()) return;
    if (refreshFirst) RefreshDisplay();
    (flags_.*after)();
    if (!refreshFirst) RefreshDisplay();
    buttonImageDue_ = true;
    ShowPlayButton();
}

void CVimoRemoteWMP::PlayPause() {
    if (flags_.ShowsPause())
        Command(&WmpPlayer::Pause, &PlayFlags::Paused, true);
    else
        Command(&WmpPlayer::Play, &PlayFlags::Played, true);
}

void CVimoRemoteWMP::OnPlayState(long state) {
    if (state == lastState_) return;
    lastState_ = state;
    buttonImageDue_ = true;
    flags_.TakeReported(state);
    ShowPlayButton();
}

void CVimoRemoteWMP::ShowPlayButton() {
    if (!play_ || !buttonImageDue_) return;
    buttonImageDue_ = false;
    play_->Elem().SetImage(Skin().Str(flags_.ShowsPause() ? "BtnPauseFileName" : "BtnPlayFileName"));
    play_->Repaint();
}

void CVimoRemoteWMP::RefreshDisplay() {
    std::string name, duration;
    const bool item = player_ && player_->CurrentItem(name, duration);
    const std::string title = item ? MediaTitle(name, duration) : std::string();
    if (title != lastTitle_) {
        lastTitle_ = title;
        title_->Elem().SetBlockText(TextBlockId::Text, title);
        title_->Repaint();
    }
    const std::string position = item ? PaddedPosition(player_->CurrentPosition()) : std::string(kNoPosition);
    if (position != position_) {
        position_ = position;
        time_->Elem().SetBlockText(TextBlockId::Text, position);
        time_->Repaint();
    }
    ShowPlayButton();
}

void CVimoRemoteWMP::OnTimer(UINT_PTR id) {
    if (id == kDisplayTimer) {
        if (flags_.Moving()) RefreshDisplay();
        return;
    }
    CKapWindow::OnTimer(id);
}

// --- commands --------------------------------------------------------------------------------------

void CVimoRemoteWMP::ChooseFile() {
    const std::string file = BrowseForExistingFile(Hwnd(), "", "Media files (*.*)\0*.*\0");
    if (file.empty() || !Hwnd()) return;
    mediaPath_ = file;
    SetDirty();
    LoadMedia(true);
}

void CVimoRemoteWMP::ChooseFolder() {
    const std::optional<std::string> folder = BrowseForFolder(Hwnd(), "Select the folder");
    if (!folder || !Hwnd()) return;
    mediaPath_ = WithTrailingBackslash(*folder);
    SetDirty();
    LoadMedia(true);
}

void CVimoRemoteWMP::PrepareContextMenu(HMENU popup) {
    const FirstMenuEntry first = FirstEntryFor(flags_);
    ModifyMenuA(popup, 0, MF_BYPOSITION | MF_STRING | (first.checked ? MF_CHECKED : MF_UNCHECKED),
                first.pauses ? ID_REMOTEWMP_PAUSE : ID_REMOTEWMP_PLAY, first.label);
    CheckMenuItem(popup, ID_REMOTEWMP_STOP, MF_BYCOMMAND | (flags_.playing ? MF_UNCHECKED : MF_CHECKED));
}

bool CVimoRemoteWMP::OnKapCommand(UINT id) {
    switch (id) {
    case ID_REMOTEWMP_PLAY: Command(&WmpPlayer::Play, &PlayFlags::Played, true); return true;
    case ID_REMOTEWMP_PAUSE: Command(&WmpPlayer::Pause, &PlayFlags::Paused, true); return true;
    case ID_REMOTEWMP_STOP: Command(&WmpPlayer::Stop, &PlayFlags::Stopped, false); return true;
    case ID_REMOTEWMP_FORWARD: Command(&WmpPlayer::FastForward, &PlayFlags::Scanning, false); return true;
    case ID_REMOTEWMP_REVERSE: Command(&WmpPlayer::FastReverse, &PlayFlags::Scanning, false); return true;
    case ID_REMOTEWMP_NEXT:
        if (WmpPlayer* player = Player()) player->Next();
        return true;
    case ID_REMOTEWMP_PREVIOUS:
        if (WmpPlayer* player = Player()) player->Previous();
        return true;
    case ID_REMOTEWMP_LOAD_FILE: ChooseFile(); return true;
    case ID_REMOTEWMP_LOAD_FOLDER: ChooseFolder(); return true;
    case ID_REMOTEWMP_SHOW_PLAYER:
        if (WmpPlayer* player = Player()) player->SwitchToPlayer();
        return true;
    case ID_REMOTEWMP_HIDE_PLAYER:
        if (WmpPlayer* player = Player()) player->SwitchToControl();
        return true;
    case ID_REMOTEWMP_FULL_SCREEN:
        if (WmpPlayer* player = Player()) player->FullScreen();
        return true;
    default: return false;
    }
}

bool CVimoRemoteWMP::OnKapMessage(UINT msg, WPARAM wParam, LPARAM lParam, LRESULT& result) {
    switch (msg) {
    case WMU_WMP_PLAY: PlayPause(); return true;
    case WMU_WMP_STOP: OnKapCommand(ID_REMOTEWMP_STOP); return true;
    case WMU_WMP_PREVIOUS: OnKapCommand(ID_REMOTEWMP_PREVIOUS); return true;
    case WMU_WMP_NEXT: OnKapCommand(ID_REMOTEWMP_NEXT); return true;
    case WMU_WMP_REVERSE: OnKapCommand(ID_REMOTEWMP_REVERSE); return true;
    case WMU_WMP_FORWARD: OnKapCommand(ID_REMOTEWMP_FORWARD); return true;
    case kPlayStateMessage:
        if (lParam == playerGeneration_) OnPlayState(static_cast<long>(wParam));
        return true;
    case WM_MOVE: FollowKap(); return false; // the common handling follows
    case WM_GETTEXTLENGTH: result = static_cast<LRESULT>(ShownText().size()); return true;
    case WM_GETTEXT: result = ReplyGetText(ShownText(), wParam, lParam); return true;
    default: return false;
    }
}

std::string CVimoRemoteWMP::ShownText() const {
    return lastTitle_ + "\n" + position_ + "\n" + (flags_.ShowsPause() ? "Pause" : "Play") + "\n";
}

unsigned CVimoRemoteWMP::DropAccept() const {
    return KapDropTarget::kFiles | KapDropTarget::kText | KapDropTarget::kDirectories;
}

void CVimoRemoteWMP::OnDrop(const std::string& dropped) {
    mediaPath_ = IsFolder(dropped) ? WithTrailingBackslash(dropped) : dropped;
    SetDirty();
    LoadMedia(true);
}

} // namespace vimo
