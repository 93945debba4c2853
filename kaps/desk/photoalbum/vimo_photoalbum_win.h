#pragma once
// CVimoPhotoAlbum: a resizable picture frame that shows the pictures of one folder one after
// another. The folder comes from the shell's folder browser or a drop; the interval, the zoom and
// the pause come from the context menu.
#include <windows.h>

#include <memory>
#include <string>

#include "kapframe/kap_window_win.h"
#include "kaps/desk/photoalbum/album_document.h"
#include "kaps/desk/photoalbum/picture_loader_win.h"
#include "kaps/desk/photoalbum/slide_show.h"

namespace vimo {

class CLayerStatic;
class CPictureItem;

class CVimoPhotoAlbum : public CKapWindow {
public:
    enum Timer : UINT_PTR { kSlideTimer = 9 };
    // Posted by the picture loader when the picture asked for is decoded (WPARAM: the request).
    static constexpr UINT kPictureReady = WM_APP + 1;

    CVimoPhotoAlbum(KapHost& host, Settings& settings, const std::string& documentPath);
    ~CVimoPhotoAlbum() override;

    const AlbumValues& Values() const { return values_; }
    const SlideShow& Show() const { return show_; }
    // True while a decoded picture is on show. Pictures are decoded away from the window's thread:
    // the picture asked for appears once kPictureReady has been handled.
    bool PictureShown() const;
    // The text of the picture element ("Invalid Directory", "No Photo" or empty) and its size.
    std::string StatusText() const;
    int StatusFontSize() const;
    const CPictureItem* PictureItem() const { return picture_; }

protected:
    void ReadPayload(DocumentReader& reader) override;
    void WritePayload(DocumentWriter& writer) const override { WriteAlbumPayload(writer, values_); }
    bool Resizable() const override { return true; }
    void BuildItems() override;
    void LayoutItems() override;
    void PrepareContextMenu(HMENU popup) override;
    bool OnKapCommand(UINT id) override;
    bool OnKapMessage(UINT msg, WPARAM wParam, LPARAM lParam, LRESULT& result) override;
    unsigned DropAccept() const override;
    void OnDrop(const std::string& dropped) override;
    bool FocusOnHover() const override { return !Host().Resizing(); }
    BOOL OnInitDialog() override;
    void OnTimer(UINT_PTR id) override;

private:
    void TakeFolder(const std::string& folder);
    void ScanFolderNow();
    void ShowFirst();
    void ShowNext();
    void ShowCurrent();
    void TakeDecodedPicture(WPARAM request);
    void StartSlideTimer();
    void TogglePause();
    void SetInterval(int seconds);
    void SetZoom(int percent);
    void ChooseFolder();

    AlbumValues values_;
    SlideShow show_;
    CLayerStatic* background_ = nullptr;
    CPictureItem* picture_ = nullptr;
    CLayerStatic* status_ = nullptr;
    PictureLoader loader_; // last: its worker is stopped first
};

} // namespace vimo
