#pragma once
// The program's window layer: a dialog object bound to its window, with virtual handlers.
// Kaps are modeless dialogs made from control-less templates; the controller window and the
// option dialogs are modal. A derived class overrides the On... handlers it needs, or
// HandleMessage for anything else.
#include <windows.h>

#include <memory>
#include <utility>

namespace vimo {

class Dialog {
public:
    explicit Dialog(UINT templateId) : templateId_(templateId) {}
    virtual ~Dialog();
    Dialog(const Dialog&) = delete;
    Dialog& operator=(const Dialog&) = delete;

    // Runs the dialog modally; returns the value given to EndModal, or -1 when it could not be made.
    INT_PTR DoModal(HWND parent);
    // Creates the dialog as a modeless window; returns its handle (null on failure).
    HWND Create(HWND parent);
    void EndModal(INT_PTR result);
    // Destroys a modeless dialog's window (a no-op when it has none). An object whose classes
    // handle WM_DESTROY is made as a WholeDialog, so that this happens while it is whole.
    void DestroyWindowNow();
    // At the program's end: hides a modeless dialog's window and leaves it to the system, which
    // takes the windows of an ending process all at once (destroying them one by one, each with
    // its children, took milliseconds apiece). What WM_DESTROY does for the object happens now;
    // the window reaches the object no more.
    void LeaveWindowToSystem();

    HWND Hwnd() const { return hwnd_; }
    UINT TemplateId() const { return templateId_; }

    // The object bound to a dialog window of this layer, or null.
    static Dialog* FromHandle(HWND hwnd);

protected:
    // Return false to keep the default focus handling's answer (the value of WM_INITDIALOG).
    virtual BOOL OnInitDialog() { return TRUE; }
    // True when handled.
    virtual bool OnCommand(UINT /*id*/, UINT /*code*/, HWND /*control*/) { return false; }
    virtual void OnTimer(UINT_PTR /*id*/) {}
    virtual void OnDestroy() {}
    // Any message; set result and return true when handled. Called before the specific handlers.
    virtual bool HandleMessage(UINT /*msg*/, WPARAM /*wParam*/, LPARAM /*lParam*/, LRESULT& /*result*/) {
        return false;
    }

private:
    static INT_PTR CALLBACK DialogProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam);
    INT_PTR Dispatch(UINT msg, WPARAM wParam, LPARAM lParam);

    UINT templateId_;
    HWND hwnd_ = nullptr;
    bool modal_ = false;
};

// A modeless dialog of class D whose window goes while the whole object is alive: as the most
// derived class, it destroys the window first, so the OnDestroy of every class of D runs. (A
// base class destroying the window from its own destructor would run its own handlers only, the
// derived parts being gone already.)
template <class D> class WholeDialog final : public D {
public:
    template <class... Args> explicit WholeDialog(Args&&... args) : D(std::forward<Args>(args)...) {}
    ~WholeDialog() override { this->DestroyWindowNow(); }
};

template <class D, class... Args> std::unique_ptr<D> MakeWholeDialog(Args&&... args) {
    return std::make_unique<WholeDialog<D>>(std::forward<Args>(args)...);
}

} // namespace vimo
