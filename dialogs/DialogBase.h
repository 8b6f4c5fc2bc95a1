// The shape every dialog of the plug-in shares: a template, an owner, the controls
// of the running dialog, and the handlers dispatched from its commands.
#pragma once
#include "platform/Dialog.h"

namespace orvane {

class DialogBase : public platform::DialogHandler {
public:
    DialogBase(int templateId, platform::WindowHandle owner) : templateId_(templateId), owner_(owner) {}
    DialogBase(const DialogBase&) = delete;
    DialogBase& operator=(const DialogBase&) = delete;

    // Runs the dialog modally; returns what it was ended with (kIdOk, kIdCancel, 0).
    int Run();

protected:
    virtual bool OnInitDialog() = 0;
    // Commands from the dialog's controls other than OK and Cancel.
    virtual void OnControl(int id, int notification) = 0;
    virtual void OnOK() { EndDialog(platform::kIdOk); }
    virtual void OnCancel() { EndDialog(platform::kIdCancel); }

    platform::DialogControls& Controls() { return *controls_; }
    platform::WindowHandle Window() const { return controls_->Window(); }
    void EndDialog(int result) { controls_->End(result); }

private:
    bool HandleInit(platform::DialogControls& controls) final;
    void HandleCommand(platform::DialogControls& controls, int id, int notification) final;

    int templateId_;
    platform::WindowHandle owner_;
    platform::DialogControls* controls_ = nullptr;  // only while the dialog runs
};

}  // namespace orvane
