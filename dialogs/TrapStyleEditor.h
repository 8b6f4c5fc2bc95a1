// "New Trap Style" / "Modify Trap Style": edits one style in a working copy and
// checks every field, in a fixed order, before it closes with OK.
#pragma once
#include <string>

#include "dialogs/DialogBase.h"
#include "model/TrapStyle.h"

namespace orvane {

class TrapStyleEditor : public DialogBase {
public:
    enum : int {
        kDialogId = 112,
        kName = 1000,
        kTrapWidth = 1002,
        kBlackWidth = 1003,
        kStepLimit = 1004,
        kBlackColorLimit = 1005,
        kBlackDensityLimit = 1006,
        kPlacement = 1007,
        kImageToObject = 1008,
        kImageInternal = 1009,
        kSlidingTrapLimit = 1012,
        kResolution = 1013,
        kColorScaling = 1014,
    };

    // A new style with the default parameters; names are checked against `names`.
    TrapStyleEditor(platform::WindowHandle owner, const TrapStyleList& names);
    // A new style modelled on `model`: all its fields, then no name and not in use.
    TrapStyleEditor(platform::WindowHandle owner, const TrapStyleList& names, const TrapStyle& model);

    // Turns the editor into one that changes `style` (its name cannot change).
    void AssignStyle(const TrapStyle& style);

    const TrapStyle& Style() const { return style_; }
    bool modifying() const { return modifying_; }

protected:
    bool OnInitDialog() override;
    void OnControl(int id, int notification) override;
    void OnOK() override;

private:
    void OnImageToObject();
    void OnImageInternal();
    void MissingInformation(int messageId);
    // Reads a numeric field, stores it normalized and reports an empty one.
    bool TakeNumber(int controlId, std::string& field, int missingMessageId);
    void PutNumber(int controlId, const std::string& stored);

    TrapStyle style_;
    bool modifying_ = false;
    const TrapStyleList& names_;
};

}  // namespace orvane
