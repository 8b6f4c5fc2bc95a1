// "Orvane Trapping Information": document-wide trapping, the trap zones, and the
// doors to the styles, zone and inks dialogs. Holds the current style list and a
// working zone list while open; OK saves them, Cancel drops them.
#pragma once
#include <cstdint>
#include <memory>
#include <string>

#include "dialogs/DialogBase.h"
#include "model/TrapZone.h"

namespace orvane {

class TrappingInfoDialog : public DialogBase {
public:
    enum : int {
        kDialogId = 130,
        kDefaultStyle = 1001,
        kStyles = 1011,
        kInks = 1014,
        kTrapAllPages = 1021,
        kTrappingEnabled = 1022,
        kZones = 1023,
        kCreateZone = 1024,
        kModifyZone = 1025,
        kRemoveZone = 1026,
    };

    explicit TrappingInfoDialog(platform::WindowHandle owner);
    ~TrappingInfoDialog() override;

    std::int16_t nextZoneNumber() const { return nextZoneNumber_; }

protected:
    bool OnInitDialog() override;
    void OnControl(int id, int notification) override;
    void OnOK() override;
    void OnCancel() override;

private:
    void OnStyles();
    void OnInks();
    void OnCreateZone();
    void OnModifyZone();
    void OnRemoveZone();
    void OnTrapAllPages();
    void OnTrappingEnabled();
    void OnZoneSelChange();
    void OnDefaultStyleChange();

    std::string ZoneRowText(const std::string& pageText, const TrapZone& zone) const;
    void EnableZoneButtons(bool enabled);
    void MarkStyleInUse(const std::string& styleName);
    void RefreshStyleUse(const std::string& styleName);

    std::unique_ptr<TrapZoneList> zones_;
    std::int16_t nextZoneNumber_ = 1;
    std::int16_t defaultStyleRow_ = 0;
    bool noPublication_ = false;
};

}  // namespace orvane
