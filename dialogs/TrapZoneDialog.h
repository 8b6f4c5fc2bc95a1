// "New Trap Zone" / "Modify Trap Zone": the pages, style and switch of one zone,
// edited in a working zone that the caller copies out after OK.
#pragma once
#include <string>

#include "dialogs/DialogBase.h"
#include "model/TrapZone.h"

namespace orvane {

class TrapZoneDialog : public DialogBase {
public:
    enum : int { kDialogId = 133, kEnabled = 1000, kStyle = 1001, kPages = 1008 };

    explicit TrapZoneDialog(platform::WindowHandle owner) : DialogBase(kDialogId, owner) {}

    // Filled by the caller before Run for a zone being changed; read after OK.
    TrapZone& Zone() { return zone_; }
    const TrapZone& Zone() const { return zone_; }
    // The page text exactly as the user typed it.
    const std::string& PageText() const { return pageText_; }
    int styleRow() const { return styleRow_; }

protected:
    bool OnInitDialog() override;
    void OnControl(int id, int notification) override;
    void OnOK() override;

private:
    void OnEnabledClicked();

    TrapZone zone_;
    std::string pageText_;
    int styleRow_ = 0;
};

}  // namespace orvane
