#include "dialogs/TrapZoneDialog.h"

#include "dialogs/FieldValidation.h"
#include "host/HostRequests.h"
#include "model/PageRange.h"
#include "model/TrapStyle.h"
#include "state/ModuleState.h"
#include "state/ResourceString.h"
#include "storage/ZonePages.h"

namespace orvane {

namespace {
constexpr int kMessageBadPages = 8;
constexpr int kCaptionBadPages = 9;
constexpr int kCaptionIncomplete = 11;
constexpr int kCaptionModify = 49;
}  // namespace

bool TrapZoneDialog::OnInitDialog()
{
    platform::DialogControls& c = Controls();
    c.SetCheck(kEnabled, zone_.enabled != 0);
    c.AddRow(kStyle, ReservedStyleName());
    styleRow_ = 0;
    if (const TrapStyleList* styles = Module().currentStyleList.get()) {
        for (const auto& style : styles->Styles()) {
            int row = c.AddRow(kStyle, style->name);
            if (styleRow_ == 0 && style->name == zone_.styleName) styleRow_ = row;
        }
    }
    c.Select(kStyle, styleRow_);
    if (!zone_.pages.empty()) {
        c.SetCaption(ResourceString(kCaptionModify).Text());
        c.SetText(kPages, FormatPageRange(zone_));
    }
    c.Focus(kPages);
    c.SelectText(kPages, 0, 0);
    c.ScrollCaret(kPages);
    return false;  // the focus is placed
}

void TrapZoneDialog::OnControl(int id, int notification)
{
    if (id == kEnabled && notification == platform::kButtonClicked) OnEnabledClicked();
}

void TrapZoneDialog::OnEnabledClicked()
{
    bool checked = !Controls().IsChecked(kEnabled);
    Controls().SetCheck(kEnabled, checked);
    zone_.enabled = checked ? 1 : 0;
}

void TrapZoneDialog::OnOK()
{
    platform::DialogControls& c = Controls();
    const std::string text = c.Text(kPages, -1);
    if (text.empty()) return ShowDialogMessage(c, kMessageBadPages, kCaptionIncomplete);
    const requests::PublicationPages pages = requests::Pages();
    if (ValidatePageRange(text, pages.firstPage, pages.pageCount) < 0)
        return RefuseField(c, kPages, kMessageBadPages, kCaptionBadPages);
    int row = c.Selection(kStyle);
    styleRow_ = row == platform::kNoRow ? 0 : row;
    zone_.styleName = styleRow_ == 0 ? ReservedStyleName() : c.RowText(kStyle, styleRow_);
    pageText_ = text;
    // Replaces the zone's pages with one entry per page of the text, keyed by the Host.
    ExpandPageRange(text, pages.firstPage, pages.pageCount, zone_);
    EndDialog(platform::kIdOk);
}

}  // namespace orvane
