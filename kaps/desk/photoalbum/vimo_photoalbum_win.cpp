#include "kaps/desk/photoalbum/vimo_photoalbum_win.h"

#include <algorithm>
#include <optional>

#include "wnd/menu_handle_win.h"
#include "base/resource.h"
#include "kapframe/settings.h"
#include "kaps/desk/photoalbum/album_folder.h"
#include "kaps/desk/photoalbum/folder_browser_win.h"
#include "kaps/desk/photoalbum/folder_scan_win.h"
#include "kaps/desk/photoalbum/picture_item_win.h"
#include "layer/controls/layer_static_win.h"
#include "layer/layer_host_win.h"
#include "layer/skin/skin_background_win.h"
#include "layer/skin/skin_layout.h"

namespace vimo {

namespace {

constexpr const char* kBrowserTitle = "Select the folder";
constexpr const char* kStatusFont = "Arial";

} // namespace

CVimoPhotoAlbum::CVimoPhotoAlbum(KapHost& host, Settings& settings, const std::string& documentPath)
    : CKapWindow(host, KapType::PhotoAlbum, settings, documentPath) {}

CVimoPhotoAlbum::~CVimoPhotoAlbum() = default;

bool CVimoPhotoAlbum::PictureShown() const { return picture_ && picture_->HasPicture(); }

std::string CVimoPhotoAlbum::StatusText() const {
    return status_ ? status_->Elem().Block(TextBlockId::Text).text : std::string();
}

int CVimoPhotoAlbum::StatusFontSize() const { return status_ ? status_->Elem().Block(TextBlockId::Text).size : 0; }

void CVimoPhotoAlbum::ReadPayload(DocumentReader& reader) {
    ReadAlbumPayload(reader, values_);
    // The album never gets smaller than its design size, whatever the document says.
    KapRect& r = MutableRect();
    r.width = std::max(r.width, Skin().Int("IconWidth"));
    r.height = std::max(r.height, Skin().Int("IconHeight"));
}

void CVimoPhotoAlbum::BuildItems() {
    CLayerHost* host = Layer();
    const SkinRecord& skin = Skin();
    const KapRect& r = Rect();

    background_ = new CLayerStatic(host, 0, 0, r.width, r.height);
    SetSkinBackground(background_->Elem(), skin);

    picture_ = new CPictureItem(host, 0, 0, 1, 1);
    picture_->SetZoom(values_.zoom);
    picture_->SetAlphaPercent(skin.Int("ImageAlphaPercent"));

    status_ = new CLayerStatic(host, 0, 0, 1, 1);
    CLayerElement& status = status_->Elem();
    status.SetCompositionOrder("T");
    status.SetBlockColour(TextBlockId::Text, 255, 0, 0, 0);
    status.SetBlockFont(TextBlockId::Text, kStatusFont, StatusOf(FolderState::None).fontSize, 0);

    MakeLockImage(LayerRect{skin.Int("LockPosX"), skin.Int("LockPosY"), skin.Int("LockWidth"), skin.Int("LockHeight")});
}

void CVimoPhotoAlbum::LayoutItems() {
    const SkinRecord& skin = Skin();
    const KapRect& r = Rect();
    background_->SetBounds(LayerRect{0, 0, r.width, r.height});
    // The picture covers the window less the four image margins.
    const int left = skin.Int("ImageMarginLeft"), top = skin.Int("ImageMarginTop");
    const LayerRect box{left, top, std::max(1, r.width - left - skin.Int("ImageMarginRight")),
                        std::max(1, r.height - top - skin.Int("ImageMarginBottom"))};
    picture_->SetBounds(box);
    status_->SetBounds(box);
    LockImage()->SetBounds(ElementRect(skin, "Lock", SkinSize{r.width, r.height}));
}

BOOL CVimoPhotoAlbum::OnInitDialog() {
    const BOOL result = CKapWindow::OnInitDialog();
    // A reopened album always runs: the saved folder is read again and its first picture shown.
    ScanFolderNow();
    ShowFirst();
    return result;
}

void CVimoPhotoAlbum::TakeFolder(const std::string& folder) {
    values_.folder = FolderWithBackslash(folder);
    ScanFolderNow();
    ShowFirst();
    SetDirty();
}

void CVimoPhotoAlbum::ScanFolderNow() {
    values_.folder = FolderWithBackslash(values_.folder);
    KillTimer(Hwnd(), kSlideTimer);
    FolderScan scan = ScanFolder(values_.folder);
    show_.Load(scan.state, std::move(scan.pictures));
    loader_.Cancel();
    picture_->SetPicture(GdipBitmap());
    const AlbumStatus status = StatusOf(show_.State());
    CLayerElement& element = status_->Elem();
    element.SetBlockFont(TextBlockId::Text, kStatusFont, status.fontSize, 0);
    element.SetBlockText(TextBlockId::Text, status.text);
    if (show_.Running()) StartSlideTimer();
    picture_->Repaint();
    status_->Repaint();
}

void CVimoPhotoAlbum::StartSlideTimer() {
    KillTimer(Hwnd(), kSlideTimer);
    SetTimer(Hwnd(), kSlideTimer, static_cast<UINT>(values_.interval) * 1000u, nullptr);
}

void CVimoPhotoAlbum::ShowFirst() {
    if (show_.First()) ShowCurrent();
}

void CVimoPhotoAlbum::ShowNext() {
    if (show_.Next()) ShowCurrent();
}

void CVimoPhotoAlbum::ShowCurrent() {
    // The picture on show stays until the new one is decoded.
    loader_.Request(Hwnd(), kPictureReady, show_.Current(), GetSystemMetrics(SM_CXVIRTUALSCREEN),
                    GetSystemMetrics(SM_CYVIRTUALSCREEN));
}

void CVimoPhotoAlbum::TakeDecodedPicture(WPARAM request) {
    std::optional<GdipBitmap> decoded = loader_.Take(request);
    if (!decoded) return; // overtaken by a newer picture or a new folder
    // Decoded once per picture; every later redraw (lock, resize, zoom) works from the kept copy.
    picture_->SetPicture(std::move(*decoded));
    picture_->Repaint();
}

void CVimoPhotoAlbum::TogglePause() {
    switch (show_.TogglePause()) {
    case SlideShow::PauseStep::Paused: KillTimer(Hwnd(), kSlideTimer); break;
    case SlideShow::PauseStep::Resumed:
        ShowCurrent();
        StartSlideTimer();
        break;
    case SlideShow::PauseStep::Ignored: break;
    }
}

void CVimoPhotoAlbum::SetInterval(int seconds) {
    if (!show_.HasPictures()) return;
    values_.interval = seconds;
    SetDirty();
    // A paused show stays paused: the new interval applies when it is resumed.
    if (show_.Running()) StartSlideTimer();
}

void CVimoPhotoAlbum::SetZoom(int percent) {
    values_.zoom = percent;
    SetDirty();
    picture_->SetZoom(percent);
    picture_->Repaint();
}

void CVimoPhotoAlbum::ChooseFolder() {
    if (const std::optional<std::string> folder = BrowseForFolder(Hwnd(), kBrowserTitle)) TakeFolder(*folder);
}

void CVimoPhotoAlbum::PrepareContextMenu(HMENU popup) {
    CheckCommand(popup, ID_PHOTOALBUM_PAUSE, show_.HasPictures() && !show_.Running());
    for (const AlbumChoice& choice : kAlbumZooms) CheckCommand(popup, choice.command, values_.zoom == choice.value);
    for (const AlbumChoice& choice : kAlbumIntervals)
        CheckCommand(popup, choice.command, values_.interval == choice.value);
}

bool CVimoPhotoAlbum::OnKapCommand(UINT id) {
    if (const int seconds = IntervalOfCommand(id)) {
        SetInterval(seconds);
        return true;
    }
    if (const int zoom = ZoomOfCommand(id)) {
        SetZoom(zoom);
        return true;
    }
    switch (id) {
    case ID_PHOTOALBUM_PAUSE: TogglePause(); return true;
    case ID_PHOTOALBUM_LOAD_FOLDER: ChooseFolder(); return true;
    default: return false;
    }
}

unsigned CVimoPhotoAlbum::DropAccept() const { return KapDropTarget::kDirectories | KapDropTarget::kText; }

void CVimoPhotoAlbum::OnDrop(const std::string& dropped) { TakeFolder(dropped); }

bool CVimoPhotoAlbum::OnKapMessage(UINT msg, WPARAM wParam, LPARAM, LRESULT& result) {
    switch (msg) {
    case kPictureReady:
        TakeDecodedPicture(wParam);
        result = 0;
        return true;
    default: return false;
    }
}

void CVimoPhotoAlbum::OnTimer(UINT_PTR id) {
    if (id == kSlideTimer) {
        ShowNext();
        return;
    }
    CKapWindow::OnTimer(id);
}

} // namespace vimo
