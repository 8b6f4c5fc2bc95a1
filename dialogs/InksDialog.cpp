#include "dialogs/InksDialog.h"

#include "dialogs/CurrentInkDialog.h"
#include "dialogs/FieldValidation.h"
#include "inks/InkListBuild.h"
#include "state/ResourceString.h"
#include "storage/InkRecord.h"

namespace orvane {

namespace {
constexpr int kNameColumnWidth = 116;
constexpr std::size_t kShownDensityLength = 19;
constexpr int kMessageBuildFailed = 68;
constexpr int kCaptionError = 67;
constexpr int kTypeNames[] = {28, 44, 45, 46};
}  // namespace

std::string InkTypeText(int type)
{
    if (type < kInkNormal || type > kInkOpaqueIgnore) return {};
    return ResourceString(kTypeNames[type]).Text();
}

std::string InkLineText(const InkEntry& entry)
{
    std::string density = entry.densityText.substr(0, kShownDensityLength);
    LocalizeNumberText(density);
    return ClipToColumnWidth(entry.name, kNameColumnWidth) + "\t" + density + "\t" + InkTypeText(entry.type);
}

bool InksDialog::OnInitDialog()
{
    platform::DialogControls& c = Controls();
    c.SetTabStops(kInks, {118, 175});
    c.Select(kInks, 0);
    try {
        BuildInkList(inks_);
    } catch (...) {
        // The user is told here; the dialog closes without lines.
        EndDialog(0);
        ShowDialogMessage(c, kMessageBuildFailed, kCaptionError);
        return false;
    }
    for (const auto& entry : inks_.Entries()) c.AddRow(kInks, InkLineText(*entry));
    c.Select(kInks, 0);
    c.Enable(kMoveUp, false);
    c.Enable(kMoveDown, inks_.Count() >= 1);
    return true;
}

void InksDialog::OnControl(int id, int notification)
{
    if (id == kInks && notification == platform::kSelectionChange) return OnSelectionChange();
    if (notification != platform::kButtonClicked) return;
    if (id == kModify) OnModify();
    if (id == kMoveUp) OnMoveUp();
    if (id == kMoveDown) OnMoveDown();
}

void InksDialog::OnSelectionChange()
{
    platform::DialogControls& c = Controls();
    int count = c.RowCount(kInks);
    int row = c.Selection(kInks);
    if (row == platform::kNoRow || row >= count) {
        row = count - 1;
        c.Select(kInks, row);
    }
    c.Enable(kMoveUp, row != 0);
    c.Enable(kMoveDown, row != count - 1);
}

void InksDialog::OnModify()
{
    platform::DialogControls& c = Controls();
    int row = c.Selection(kInks);
    InkEntry* entry = inks_.EntryAt(row);
    if (entry == nullptr) return;
    CurrentInkDialog current(Window(), *entry);
    if (current.Run() != platform::kIdOk) return;
    entry->densityText = current.Entry().densityText;
    entry->type = current.Entry().type;
    c.DeleteRow(kInks, row);
    c.InsertRow(kInks, row, InkLineText(*entry));
    c.Select(kInks, row);
}

void InksDialog::OnMoveUp()
{
    platform::DialogControls& c = Controls();
    int row = c.Selection(kInks);
    if (row > 0 && row < inks_.Count()) {
        const std::string text = c.RowText(kInks, row);
        c.DeleteRow(kInks, row);
        c.InsertRow(kInks, row - 1, text);
        c.Select(kInks, row - 1);
        inks_.MoveUp(row - 1);
    }
    c.Enable(kMoveDown, true);
    if (row <= 1) c.Enable(kMoveUp, false);
}

void InksDialog::OnMoveDown()
{
    platform::DialogControls& c = Controls();
    int row = c.Selection(kInks);
    int count = c.RowCount(kInks);
    // The button is disabled on the last line; a move past the end is never made.
    if (row < 0 || row >= count - 1) return;
    c.Enable(kMoveUp, true);
    const std::string text = c.RowText(kInks, row);
    c.DeleteRow(kInks, row);
    c.InsertRow(kInks, row + 1, text);
    c.Select(kInks, row + 1);
    inks_.MoveDown(row);
    if (row == count - 2) c.Enable(kMoveDown, false);
}

void InksDialog::OnOK()
{
    SaveInks(inks_);
    EndDialog(platform::kIdOk);
}

}  // namespace orvane
