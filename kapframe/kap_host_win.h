#pragma once
// KapHost: what a kap (and the dock) may ask of the program that made it. The controller window
// is the host of the running program; tests give a kap a host of their own.
#include <windows.h>

#include <string>
#include <vector>

#include "kapframe/edge_snap.h"
#include "kapframe/kap_types.h"

namespace vimo {

class Kap;
class SharedPictures;

class KapHost {
public:
    // The window that owns the kaps and receives what they post (their deleted message,
    // WMU_ALARMS_CHANGED, the tray menu's commands).
    virtual HWND HostWindow() const = 0;
    // Whether a kap of the type can be made in this program, and making one as the user asked for
    // it (null when it cannot be made).
    virtual bool CanCreate(KapType type) const = 0;
    virtual Kap* CreateKap(KapType type) = 0;
    // Makes the kap of a document just brought back into \Notes\ (by the trash) and shows it raised;
    // false when none was made (a type this program cannot make, a second single kap).
    virtual bool RestoreKap(KapType type, const std::string& documentPath) = 0;
    // The living kaps of a type, in creation order (the calendar reads the notes' reminders).
    virtual std::vector<Kap*> KapsOf(KapType type) const = 0;
    // Set while a kap's corner is dragged; kaps then do not take the focus on hover.
    virtual void SetResizing(bool resizing) = 0;
    virtual bool Resizing() const = 0;
    // Whether a window bar exists (its menu entries are greyed without one).
    virtual bool HasWindowBar() const = 0;
    // The screen rectangles of the bars on show (dock, window bar): no new kap is placed under them.
    virtual std::vector<ScreenRect> BarRects() const = 0;
    // The pictures the kaps' windows share (one rendering of a background that many kaps show).
    virtual SharedPictures& Pictures() = 0;

protected:
    ~KapHost() = default;
};

} // namespace vimo
