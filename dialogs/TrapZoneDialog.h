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

    // The caller's zone list is kept for the caller; the dialog does not consult it.
    TrapZoneDialog(platform::WindowHandle owner, TrapZoneList& zones)
        : DialogBase(kDialogId, owner), zones_(zones)
    {
    }

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

    TrapZoneList& zones_;
    TrapZone zone_;
    std::string pageText_;
    int styleRow_ = 0;
};

}  // namespace orvane
