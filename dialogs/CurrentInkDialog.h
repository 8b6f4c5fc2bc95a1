// "Current Ink": the density and type of one ink, in a working copy.
#pragma once
#include <string>

#include "dialogs/DialogBase.h"
#include "model/Ink.h"

namespace orvane {

// Rounds a plain decimal text in place to four decimals, half up, carrying
// through the digits (and past the "."); a text without "." or with at most four
// decimals stays as it is, and so does a text with an exponent.
void RoundToFourDecimals(std::string& text);

class CurrentInkDialog : public DialogBase {
public:
    enum : int { kDialogId = 166, kType = 1001, kDensity = 1008, kName = 1034 };

    CurrentInkDialog(platform::WindowHandle owner, const InkEntry& entry);

    const InkEntry& Entry() const { return entry_; }

protected:
    bool OnInitDialog() override;
    void OnControl(int, int) override {}
    void OnOK() override;

private:
    InkEntry entry_;
};

}  // namespace orvane
