#include "kaps/desk/trash/vimo_trash_win.h"

#include <algorithm>

#include "base/messages.h"
#include "base/path_kind_win.h"
#include "base/resource.h"
#include "kapframe/kap_types.h"
#include "kapframe/settings.h"
#include "layer/controls/layer_link_win.h"
#include "layer/controls/layer_scroll_win.h"
#include "layer/controls/layer_static_win.h"
#include "layer/layer_host_win.h"
#include "layer/skin/skin_layout.h"
#include "layer/skin/skin_list_items_win.h"
#include "wnd/text_reply_win.h"

namespace vimo {

namespace {

constexpr const char* kTitle = "Trash";
constexpr int kItemZoom = 60;

// The files of a folder that are not directories, in the order the system lists them.
std::vector<std::string> FilesOf(const std::string& folder) {
    std::vector<std::string> files;
    WIN32_FIND_DATAA found;
    HANDLE search = FindFirstFileA((folder + "*.*").c_str(), &found);
    if (search == INVALID_HANDLE_VALUE) return files;
    do {
        if (!(found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY)) files.emplace_back(found.cFileName);
    } while (FindNextFileA(search, &found));
    FindClose(search);
    return files;
}

} // namespace

CVimoTrash::CVimoTrash(KapHost& host, Settings& settings, const std::string& documentPath)
    : CKapWindow(host, KapType::Trash, settings, documentPath) {}

CVimoTrash::~CVimoTrash() = default;

std::string CVimoTrash::StoreFolder() const { return AppSettings().programDir + "\\Deleted\\"; }

std::string CVimoTrash::LabelsText() const {
    std::string text;
    for (const TrashEntry& entry : entries_) text += entry.label + "\n";
    return text;
}

void CVimoTrash::ReadPayload(DocumentReader&) { KeepAtLeastSkinSize(); }

// --- items -----------------------------------------------------------------------------------------

void CVimoTrash::BuildItems() {
    CLayerHost* host = Layer();
    const SkinRecord& skin = Skin();
    background_ = MakeBackgroundAndLock();
    title_ = MakeSkinTitle(host, skin, kTitle);
    scroll_ = MakeSkinScrollH(host, skin, Hwnd(), kHScrollMessage);
    Fill();
}

int CVimoTrash::ContentWidth() const {
    const SkinRecord& skin = Skin();
    const int n = static_cast<int>(items_.size());
    return n == 0 ? 0 : n * (skin.Int("ContenerMaxWidth") + skin.Int("TrashVSpacing")) - skin.Int("TrashVSpacing");
}

void CVimoTrash::Fill() {
    for (CLayerLink* item : items_) delete item;
    items_.clear();
    entries_.clear();
    originX_ = 0;
    const SkinRecord& skin = Skin();
    const int width = skin.Int("ContenerMaxWidth"), step = width + skin.Int("TrashVSpacing");
    for (const std::string& file : FilesOf(StoreFolder())) {
        TrashEntry entry;
        if (!TrashEntryOf(file, entry)) continue;
        const int index = static_cast<int>(entries_.size());
        auto* item = new CLayerLink(Layer(), skin.Int("ContenerPosX") + index * step, skin.Int("ContenerPosY"), width,
                                    std::max(1, skin.Int("TrashHeight")));
        item->SetInViewport(true);
        item->SetTarget("NULL"); // the trash restores; the item opens nothing itself
        CLayerElement& element = item->Elem();
        element.SetBackgroundColour(skin.Colour("TrashBk"));
        element.SetImage(skin.Str("KapFileName"));
        element.SetImageZoom(kItemZoom);
        element.SetImagePosition(0, 1);
        element.SetBlockStyle(TextBlockId::Title, skin.TextStyle("Trash"));
        element.SetBlockPosition(TextBlockId::Title, skin.Int("TrashHPos"), skin.Int("TrashVPos"));
        element.SetBlockText(TextBlockId::Title, entry.label);
        LayerNotifications& forward = item->Notifications();
        forward.target = Hwnd();
        forward.clickMessage = TrashItemMessage(static_cast<unsigned>(index));
        forward.rightButtonMessage = WM_RBUTTONDOWN;
        forward.doubleClickMessage = WM_LBUTTONDBLCLK;
        items_.push_back(item);
        entries_.push_back(std::move(entry));
    }
    scroll_->SetPercent(0);
    ShowSkinScrollHActive(*scroll_, skin, !items_.empty());
    if (Hwnd() && IsWindowVisible(Hwnd())) {
        LayoutItems();
        Layer()->Refresh();
    }
}

void CVimoTrash::LayoutItems() {
    const SkinRecord& skin = Skin();
    const KapRect& r = Rect();
    const SkinSize kap{r.width, r.height};
    const int growX = r.width - skin.Int("IconWidth");
    background_->SetBounds(LayerRect{0, 0, r.width, r.height});
    LockImage()->SetBounds(ElementRect(skin, "Lock", kap));
    title_->SetBounds(LayerRect{skin.Int("TitlePosX"), skin.Int("TitlePosY"), growX + skin.Int("TitleWidth"),
                                skin.Int("TitleHeight")});
    scroll_->SetBounds(SkinScrollHRect(skin, kap));
    const LayerRect view = ContenerRect(skin, kap);
    Layer()->SetViewport(view.x, view.y, view.width, view.height);
    originX_ = ContentWidth() > view.width ? std::max(originX_, view.width - ContentWidth()) : 0;
    PlaceItems();
}

// The row scrolls sideways within the item area.
void CVimoTrash::PlaceItems() { ScrollViewport(*Layer(), originX_, 0, items_); }

void CVimoTrash::Wheel(int delta) {
    const int view = Layer()->Viewport().width;
    const int moved = ContenerWheelOrigin(originX_, delta, ContentWidth(), view);
    if (moved == originX_) return;
    originX_ = moved;
    PlaceItems();
    scrolled_ = true;
}

// --- restoring and emptying ------------------------------------------------------------------------

void CVimoTrash::Restore(std::size_t index) {
    if (index >= entries_.size()) return;
    const std::string file = entries_[index].fileName;
    const std::string notes = AppSettings().programDir + "\\Notes\\";
    CreateDirectoryA(StoreFolder().c_str(), nullptr);
    CreateDirectoryA(notes.c_str(), nullptr);
    const std::string source = StoreFolder() + file, destination = notes + file;
    // Never over a kap of the same name: the document then stays in the trash.
    if (IsFile(source) && MoveFileExA(source.c_str(), destination.c_str(), MOVEFILE_COPY_ALLOWED)) {
        const std::optional<KapType> type = KapTypeFromFileName(file);
        if (type && *type != KapType::Trash) Host().RestoreKap(*type, destination);
    }
    Fill();
}

void CVimoTrash::Empty() {
    if (MessageBoxA(Hwnd(), "Empty Trash ?", "Empty Trash", MB_YESNO | MB_ICONEXCLAMATION) != IDYES) return;
    for (const std::string& file : FilesOf(StoreFolder())) DeleteFileA((StoreFolder() + file).c_str());
    Fill();
}

// --- messages --------------------------------------------------------------------------------------

int CVimoTrash::OnStoreChanged(DirectoryChange, const SnapshotEntry&, void* context) {
    PostMessageA(static_cast<HWND>(context), kStoreChanged, 0, 0);
    return 0;
}

bool CVimoTrash::OnKapCommand(UINT id) {
    if (id != ID_TRASH_EMPTY) return false;
    Empty();
    return true;
}

bool CVimoTrash::OnKapMessage(UINT msg, WPARAM wParam, LPARAM lParam, LRESULT& result) {
    if (msg >= WMU_TRASH_ITEM_BASE && msg < WMU_TRASH_ITEM_BASE + items_.size()) {
        Restore(msg - WMU_TRASH_ITEM_BASE);
        result = 0;
        return true;
    }
    switch (msg) {
    case kStoreChanged:
        // One refill for a burst of changes.
        SetTimer(Hwnd(), kRefillTimer, kRefillDelay, nullptr);
        result = 0;
        return true;
    case WM_MOUSEWHEEL:
        Wheel(GET_WHEEL_DELTA_WPARAM(wParam));
        result = 0;
        return true;
    case kHScrollMessage: {
        const int view = Layer()->Viewport().width, content = ContentWidth();
        if (content > view) {
            originX_ = -((content - view) * static_cast<int>(wParam) / 100);
            PlaceItems();
            scrolled_ = true;
        }
        result = 0;
        return true;
    }
    case WM_GETTEXTLENGTH: result = static_cast<LRESULT>(LabelsText().size()); return true;
    case WM_GETTEXT: result = ReplyGetText(LabelsText(), wParam, lParam); return true;
    default: return false;
    }
}

BOOL CVimoTrash::OnInitDialog() {
    const BOOL result = CKapWindow::OnInitDialog();
    SetTimer(Hwnd(), kRedrawTimer, kRedrawPeriod, nullptr);
    // The store is made first: watching a folder that is not there fails.
    CreateDirectoryA(StoreFolder().c_str(), nullptr);
    watcher_.SetDirectory(AppSettings().programDir + "\\Deleted");
    watcher_.SetCallback(OnStoreChanged, Hwnd());
    watcher_.Start();
    // What changed between the first listing and the start of the watch.
    SetTimer(Hwnd(), kRefillTimer, kRefillDelay, nullptr);
    return result;
}

void CVimoTrash::OnTimer(UINT_PTR id) {
    switch (id) {
    case kRefillTimer:
        KillTimer(Hwnd(), kRefillTimer);
        Fill();
        break;
    case kRedrawTimer:
        if (scrolled_) {
            scrolled_ = false;
            Layer()->Refresh();
        }
        break;
    default: CKapWindow::OnTimer(id); break;
    }
}

void CVimoTrash::OnDestroy() {
    watcher_.Stop();
    for (UINT_PTR timer : {kRefillTimer, kRedrawTimer}) KillTimer(Hwnd(), timer);
    for (CLayerLink* item : items_) delete item;
    items_.clear();
    CKapWindow::OnDestroy();
}

} // namespace vimo
