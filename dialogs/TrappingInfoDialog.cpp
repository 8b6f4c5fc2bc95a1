#include "dialogs/TrappingInfoDialog.h"

#include "dialogs/FieldValidation.h"
#include "dialogs/InksDialog.h"
#include "dialogs/TrapStylesDialog.h"
#include "dialogs/TrapZoneDialog.h"
#include "host/HostRequests.h"
#include "model/PageRange.h"
#include "state/ModuleState.h"
#include "state/ResourceString.h"
#include "storage/DocumentRecord.h"
#include "storage/Preferences.h"
#include "storage/StyleRecord.h"

namespace orvane {

namespace {
constexpr int kStatusEnabled = 32;
constexpr int kStatusDisabled = 33;
constexpr int kZoneColumnWidth = 99;
constexpr int kZoneTabStop = 100;

// Copies the dialog's page entries, key and number, in order.
void CopyPages(const TrapZone& from, TrapZone& to)
{
    to.pages.clear();
    for (const auto& page : from.pages) to.AddPage(page->pageKey, page->pageNumber);
}
}  // namespace

TrappingInfoDialog::TrappingInfoDialog(platform::WindowHandle owner)
    : DialogBase(kDialogId, owner), zones_(std::make_unique<TrapZoneList>())
{
}

TrappingInfoDialog::~TrappingInfoDialog() = default;

std::string TrappingInfoDialog::ZoneRowText(const std::string& pageText, const TrapZone& zone) const
{
    std::string row = ClipToColumnWidth(pageText + "\t" + zone.styleName, kZoneColumnWidth);
    row += "\t";
    row += ResourceString(zone.enabled ? kStatusEnabled : kStatusDisabled).Text();
    return row;
}

void TrappingInfoDialog::EnableZoneButtons(bool enabled)
{
    Controls().Enable(kRemoveZone, enabled);
    Controls().Enable(kModifyZone, enabled);
}

bool TrappingInfoDialog::OnInitDialog()
{
    platform::DialogControls& c = Controls();
    Module().currentStyleList = std::make_unique<TrapStyleList>();
    LoadPreferences();
    noPublication_ = requests::PublicationState() == 1;
    c.SetTabStops(kZones, {kZoneTabStop});
    if (noPublication_) {
        for (int id : {kCreateZone, kRemoveZone, kModifyZone, kInks, kTrappingEnabled, kTrapAllPages, kDefaultStyle})
            c.Enable(id, false);
    } else {
        LoadDocumentRecord(*zones_);
        LoadStyleRecord();
        if (Module().currentStyleList) Module().currentStyleList->MarkStylesUsedByZones(*zones_);
    }
    const TrapStyleList* styles = Module().currentStyleList.get();
    const DocumentTrapping& settings = Settings();
    c.AddRow(kDefaultStyle, ReservedStyleName());
    if (styles != nullptr) {
        for (const auto& style : styles->Styles()) {
            int row = c.AddRow(kDefaultStyle, style->name);
            if (!settings.defaultStyleName.empty() && settings.defaultStyleName == style->name)
                defaultStyleRow_ = static_cast<std::int16_t>(row);
        }
    }
    c.Select(kDefaultStyle, styles == nullptr || styles->Empty() ? 0 : defaultStyleRow_);
    c.SetCheck(kTrappingEnabled, settings.trappingEnabled != 0);
    c.SetCheck(kTrapAllPages, settings.trapAllPages != 0);
    if (!noPublication_) {
        for (const auto& zone : zones_->Zones()) c.AddRow(kZones, ZoneRowText(FormatPageRange(*zone), *zone));
        if (c.RowCount(kZones) == 0) EnableZoneButtons(false);
        nextZoneNumber_ = zones_->nextZoneId;
        c.Select(kZones, 0);
    }
    return true;
}

void TrappingInfoDialog::OnControl(int id, int notification)
{
    if (notification == platform::kSelectionChange) {
        if (id == kZones) OnZoneSelChange();
        if (id == kDefaultStyle) OnDefaultStyleChange();
        return;
    }
    if (notification != platform::kButtonClicked) return;
    switch (id) {
    case kStyles: return OnStyles();
    case kInks: return OnInks();
    case kCreateZone: return OnCreateZone();
    case kModifyZone: return OnModifyZone();
    case kRemoveZone: return OnRemoveZone();
    case kTrapAllPages: return OnTrapAllPages();
    case kTrappingEnabled: return OnTrappingEnabled();
    default: return;
    }
}

void TrappingInfoDialog::OnStyles()
{
    platform::DialogControls& c = Controls();
    const std::string remembered = c.RowText(kDefaultStyle, c.Selection(kDefaultStyle));
    TrapStylesDialog styles(Window());
    if (styles.Run() != platform::kIdOk) return;
    c.ResetRows(kDefaultStyle);
    c.AddRow(kDefaultStyle, ReservedStyleName());
    const TrapStyleList* current = Module().currentStyleList.get();
    if (current == nullptr || current->Empty()) return;
    for (const auto& style : current->Styles()) c.AddRow(kDefaultStyle, style->name);
    for (int row = 0; row < c.RowCount(kDefaultStyle); ++row) {
        if (c.RowText(kDefaultStyle, row) == remembered) {
            c.Select(kDefaultStyle, row);
            break;
        }
    }
}

void TrappingInfoDialog::OnInks()
{
    InksDialog inks(Window());
    inks.Run();
}

void TrappingInfoDialog::MarkStyleInUse(const std::string& styleName)
{
    if (TrapStyleList* styles = Module().currentStyleList.get()) {
        if (TrapStyle* style = styles->FindStyle(styleName)) style->inUse = 1;
    }
}

void TrappingInfoDialog::RefreshStyleUse(const std::string& styleName)
{
    if (IsReservedStyleName(styleName)) return;
    if (TrapStyleList* styles = Module().currentStyleList.get()) {
        if (TrapStyle* style = styles->FindStyle(styleName)) style->inUse = zones_->ZoneUsesStyle(styleName) ? 1 : 0;
    }
}

void TrappingInfoDialog::OnCreateZone()
{
    TrapZoneDialog dialog(Window());
    if (dialog.Run() != platform::kIdOk) return;
    auto zone = std::make_unique<TrapZone>();
    zone->id = nextZoneNumber_++;
    zone->styleName = dialog.Zone().styleName;
    zone->enabled = dialog.Zone().enabled;
    CopyPages(dialog.Zone(), *zone);
    const std::string row = ZoneRowText(dialog.PageText(), *zone);
    const std::string styleName = zone->styleName;
    zones_->AppendZone(std::move(zone));
    platform::DialogControls& c = Controls();
    int added = c.AddRow(kZones, row);
    EnableZoneButtons(true);
    c.Select(kZones, added);
    MarkStyleInUse(styleName);
}

void TrappingInfoDialog::OnModifyZone()
{
    platform::DialogControls& c = Controls();
    int position = c.Selection(kZones);
    const TrapZone* current = zones_->ZoneAt(position);
    if (current == nullptr) return;
    TrapZoneDialog dialog(Window());
    TrapZone& working = dialog.Zone();
    working.id = current->id;
    working.styleName = current->styleName;
    working.enabled = current->enabled;
    CopyPages(*current, working);
    if (dialog.Run() != platform::kIdOk) return;
    const std::string previousStyle = current->styleName;
    TrapZoneEdit zone = zones_->EditZoneAt(position);
    zone->id = working.id;
    zone->styleName = working.styleName;
    zone->enabled = working.enabled;
    CopyPages(working, *zone);
    c.DeleteRow(kZones, position);
    c.InsertRow(kZones, position, ZoneRowText(dialog.PageText(), *zone));
    c.Select(kZones, position);
    MarkStyleInUse(zone->styleName);
    if (previousStyle != zone->styleName) RefreshStyleUse(previousStyle);
}

void TrappingInfoDialog::OnRemoveZone()
{
    platform::DialogControls& c = Controls();
    int position = c.Selection(kZones);
    if (position == platform::kNoRow) return;
    const TrapZone* zone = zones_->ZoneAt(position);
    if (zone == nullptr) return;
    const std::string styleName = zone->styleName;
    zones_->RemoveZoneAt(position);
    c.DeleteRow(kZones, position);
    int count = c.RowCount(kZones);
    if (count == 0) EnableZoneButtons(false);
    c.Select(kZones, position < count ? position : position - 1);
    RefreshStyleUse(styleName);
}

void TrappingInfoDialog::OnTrapAllPages()
{
    bool checked = !Controls().IsChecked(kTrapAllPages);
    Controls().SetCheck(kTrapAllPages, checked);
    Settings().trapAllPages = checked ? 1 : 0;
}

void TrappingInfoDialog::OnTrappingEnabled()
{
    bool checked = !Controls().IsChecked(kTrappingEnabled);
    Controls().SetCheck(kTrappingEnabled, checked);
    Settings().trappingEnabled = checked ? 1 : 0;
}

void TrappingInfoDialog::OnZoneSelChange()
{
    platform::DialogControls& c = Controls();
    int count = c.RowCount(kZones);
    int row = c.Selection(kZones);
    if (row == platform::kNoRow || row >= count) c.Select(kZones, count - 1);
    if (count == 0) EnableZoneButtons(false);
}

void TrappingInfoDialog::OnDefaultStyleChange()
{
    platform::DialogControls& c = Controls();
    int row = c.Selection(kDefaultStyle);
    if (row != platform::kNoRow) Settings().defaultStyleName = c.RowText(kDefaultStyle, row);
}

void TrappingInfoDialog::OnOK()
{
    OnDefaultStyleChange();
    SavePreferences();
    if (!noPublication_) {
        SaveDocumentRecord(*zones_);
        SaveStyleRecord();
    }
    Module().currentStyleList.reset();
    EndDialog(platform::kIdOk);
}

void TrappingInfoDialog::OnCancel()
{
    Module().currentStyleList.reset();
    EndDialog(platform::kIdCancel);
}

}  // namespace orvane
