#pragma once
// CVimoNote: the sticky note — a resizable skinned note with a text field, five backgrounds,
// fonts, colours, styles and sizes, an attached link and a reminder that brings it to the centre
// of the screen.
#include <memory>

#include "kapframe/alert_glide_win.h"
#include "kapframe/kap_window_win.h"
#include "kaps/desk/note/note_model.h"

namespace vimo {

class CLayerStatic;
class CLayerLink;
class CLayerEdit;

class CVimoNote : public CKapWindow {
public:
    enum Timer : UINT_PTR { kCircleTimer = 7 };

    CVimoNote(KapHost& host, Settings& settings, const std::string& documentPath);
    ~CVimoNote() override;

    std::string AlarmStamp() const override { return values_.alarm; }
    void Ring() override;
    bool Ringing() const { return ringing_; }
    const NoteValues& Values() const { return values_; }

protected:
    std::string HeaderTail() const override;
    void SetHeaderTail(const std::string& tail) override { values_.alarm = tail; }
    void ReadPayload(DocumentReader& reader) override { ReadNotePayload(reader, values_); }
    void WritePayload(DocumentWriter& writer) const override;
    bool Resizable() const override { return true; }
    void BuildItems() override;
    void LayoutItems() override;
    void OnLockChanged() override;
    void PrepareContextMenu(HMENU popup) override;
    bool OnKapCommand(UINT id) override;
    bool OnKapMessage(UINT msg, WPARAM wParam, LPARAM lParam, LRESULT& result) override;
    unsigned DropAccept() const override;
    void OnDrop(const std::string& dropped) override;
    void TakeFocus() override;
    bool SnappingSuspended() const override { return ringing_; }
    bool FocusOnHover() const override;
    void OnTimer(UINT_PTR id) override;

private:
    void OnLeftButtonDown();
    void StopRinging();
    void ApplyFont();
    void ApplyBackground();
    void ApplyLink();
    void ApplyAlarmLook();
    void OpenAlarmDialog();
    void CopyAll();
    std::string BackgroundFile(int index) const;

    NoteValues values_;
    CLayerStatic* background_ = nullptr;
    CLayerStatic* date_ = nullptr;
    CLayerStatic* alarm_ = nullptr;
    CLayerLink* link_ = nullptr;
    CLayerEdit* edit_ = nullptr;

    bool ringing_ = false;
    AlertGlide glide_{100};
    bool topMostBeforeRinging_ = false;
};

} // namespace vimo
