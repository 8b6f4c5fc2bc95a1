// "Inks": the publication's inks in trapping order with density and type. Works on
// a list of its own, built when it opens; OK writes it into the publication.
#pragma once
#include <string>

#include "dialogs/DialogBase.h"
#include "model/Ink.h"

namespace orvane {

// The list line of an ink: clipped name, TAB, density in the user's notation, TAB, type.
std::string InkLineText(const InkEntry& entry);
// "Normal", "Transparent", "Opaque", "OpaqueIgnore" for types 0 to 3, else empty.
std::string InkTypeText(int type);

class InksDialog : public DialogBase {
public:
    enum : int { kDialogId = 134, kInks = 1031, kModify = 1032, kMoveUp = 1033, kMoveDown = 1035 };

    explicit InksDialog(platform::WindowHandle owner) : DialogBase(kDialogId, owner) {}

    const InkList& Inks() const { return inks_; }

protected:
    bool OnInitDialog() override;
    void OnControl(int id, int notification) override;
    void OnOK() override;

private:
    void OnSelectionChange();
    void OnModify();
    void OnMoveUp();
    void OnMoveDown();

    InkList inks_;
};

}  // namespace orvane
