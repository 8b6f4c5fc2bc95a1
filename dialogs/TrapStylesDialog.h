// "Trap Styles": lists the styles and creates, changes and removes them in a copy
// of the current style list, which becomes current on OK.
#pragma once
#include <memory>

#include "dialogs/DialogBase.h"
#include "model/TrapStyle.h"

namespace orvane {

class TrapStylesDialog : public DialogBase {
public:
    enum : int { kDialogId = 132, kModify = 1016, kCreate = 1017, kRemove = 1018, kStyles = 1029 };

    explicit TrapStylesDialog(platform::WindowHandle owner) : DialogBase(kDialogId, owner) {}

protected:
    bool OnInitDialog() override;
    void OnControl(int id, int notification) override;
    void OnOK() override;
    void OnCancel() override;

private:
    void OnCreateStyle();
    void OnModifyStyle();
    void OnRemoveStyle();
    void OnStyleSelChange();
    void EnableStyleButtons(bool enabled);

    std::unique_ptr<TrapStyleList> working_;
};

}  // namespace orvane
