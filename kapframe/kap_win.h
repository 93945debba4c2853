#pragma once
// What the controller window needs of every kap, whatever its type.
#include <windows.h>

#include <memory>
#include <string>

#include "kapframe/kap_types.h"

namespace vimo {

class Kap {
public:
    virtual ~Kap() = default;
    virtual KapType Type() const = 0;
    virtual HWND Hwnd() const = 0;
    // Writes the document; false when it could not be written (the kap stays unsaved).
    virtual bool SaveDocument() = 0;
    virtual void SendToDesktop() = 0;
    virtual void Raise() = 0;
    virtual void SetLocked(bool locked) = 0;
    // A note's reminder: its alarm stamp, and the ringing the controller starts when it is due.
    virtual std::string AlarmStamp() const { return {}; }
    virtual void Ring() {}
    // A calendar re-reads the notes' reminders.
    virtual void RefreshAlarmMarks() {}
    // Exit's closing steps, after every document was saved (the media remote lets its player go).
    virtual void Close() {}
    // Exit's last step for the kap, after Close: its window is hidden and left to the system.
    virtual void LeaveWindowToSystem() {}
};

class KapHost;
class Settings;

// Makes a kap of one type: from a document path, or a new kap when the path is empty.
// The kap's window exists (hidden) when it returns; the host shows and places it. The kap is made
// whole (WholeDialog): releasing it destroys its window first, while all of it still lives.
using KapFactory = std::unique_ptr<Kap> (*)(KapHost& host, Settings& settings, const std::string& documentPath);

} // namespace vimo
