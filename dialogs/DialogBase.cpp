#include "dialogs/DialogBase.h"

#include "host/Status.h"

namespace orvane {

namespace {
// Clears the controls pointer however the run ends.
class ControlsScope {
public:
    explicit ControlsScope(platform::DialogControls*& slot) : slot_(slot), saved_(slot) {}
    ~ControlsScope() { slot_ = saved_; }
    ControlsScope(const ControlsScope&) = delete;
    ControlsScope& operator=(const ControlsScope&) = delete;

private:
    platform::DialogControls*& slot_;
    platform::DialogControls* saved_;
};
}  // namespace

int DialogBase::Run()
{
    ControlsScope scope(controls_);
    const int result = platform::RunDialog(templateId_, owner_, *this);
    if (result == platform::kDialogFailed) Raise(kStatusFailure);  // the template could not be loaded
    return result;
}

bool DialogBase::HandleInit(platform::DialogControls& controls)
{
    controls_ = &controls;
    return OnInitDialog();
}

void DialogBase::HandleCommand(platform::DialogControls& controls, int id, int notification)
{
    controls_ = &controls;
    if (id == platform::kIdOk && notification == platform::kButtonClicked)
        OnOK();
    else if (id == platform::kIdCancel && notification == platform::kButtonClicked)
        OnCancel();
    else
        OnControl(id, notification);
}

}  // namespace orvane
