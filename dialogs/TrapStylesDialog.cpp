#include "dialogs/TrapStylesDialog.h"

#include "dialogs/TrapStyleEditor.h"
#include "state/ModuleState.h"
#include "state/ResourceString.h"

namespace orvane {

namespace {
constexpr int kMessageStyleInUse = 50;
constexpr int kMessageStyleIsDefault = 51;
}  // namespace

void TrapStylesDialog::EnableStyleButtons(bool enabled)
{
    Controls().Enable(kModify, enabled);
    Controls().Enable(kRemove, enabled);
}

bool TrapStylesDialog::OnInitDialog()
{
    const TrapStyleList* current = Module().currentStyleList.get();
    working_ = current ? TrapStyleList::CopyStyleList(*current) : std::make_unique<TrapStyleList>();
    platform::DialogControls& c = Controls();
    c.AddRow(kStyles, ReservedStyleName());
    if (!working_->Empty()) {
        for (const auto& style : working_->Styles()) c.AddRow(kStyles, style->name);
        c.Select(kStyles, 0);
    }
    EnableStyleButtons(false);
    return true;
}

void TrapStylesDialog::OnControl(int id, int notification)
{
    if (id == kStyles && notification == platform::kSelectionChange) return OnStyleSelChange();
    if (notification != platform::kButtonClicked) return;
    if (id == kCreate) OnCreateStyle();
    if (id == kModify) OnModifyStyle();
    if (id == kRemove) OnRemoveStyle();
}

void TrapStylesDialog::OnStyleSelChange()
{
    platform::DialogControls& c = Controls();
    int row = c.Selection(kStyles);
    int count = c.RowCount(kStyles);
    if (row == platform::kNoRow || row >= count) {
        c.Select(kStyles, count - 1);
        return;
    }
    EnableStyleButtons(row != 0);
}

void TrapStylesDialog::OnCreateStyle()
{
    platform::DialogControls& c = Controls();
    int row = c.Selection(kStyles);
    const TrapStyle* model = row > 0 ? working_->FindStyle(c.RowText(kStyles, row)) : nullptr;
    std::unique_ptr<TrapStyleEditor> editor =
        model ? std::make_unique<TrapStyleEditor>(Window(), *working_, *model)
              : std::make_unique<TrapStyleEditor>(Window(), *working_);
    if (editor->Run() != platform::kIdOk) return;
    auto style = std::make_unique<TrapStyle>(editor->Style());
    style->inUse = 0;
    const std::string name = style->name;
    if (!working_->AddStyle(std::move(style))) return;  // the editor refuses names in use
    int added = c.AddRow(kStyles, name);
    c.Select(kStyles, added);
    EnableStyleButtons(true);
}

void TrapStylesDialog::OnModifyStyle()
{
    int row = Controls().Selection(kStyles);
    TrapStyle* style = row > 0 ? working_->StyleAt(row - 1) : nullptr;
    if (style == nullptr) return;
    TrapStyleEditor editor(Window(), *working_);
    editor.AssignStyle(*style);
    if (editor.Run() == platform::kIdOk) style->AssignStyle(editor.Style());
}

void TrapStylesDialog::OnRemoveStyle()
{
    platform::DialogControls& c = Controls();
    int row = c.Selection(kStyles);
    if (row == platform::kNoRow || row == 0) return;  // the reserved row is never a style
    const std::string name = c.RowText(kStyles, row);
    const TrapStyle* style = working_->FindStyle(name);
    if (style != nullptr && style->inUse == 1) {
        platform::ShowMessageBox(Window(), ResourceString(kMessageStyleInUse).Text(), "", platform::kMbOk);
        return;
    }
    if (name == Settings().defaultStyleName) {
        platform::ShowMessageBox(Window(), ResourceString(kMessageStyleIsDefault).Text(), "", platform::kMbOk);
        return;
    }
    working_->RemoveStyleAt(row - 1);
    c.DeleteRow(kStyles, row);
    c.Select(kStyles, row < c.RowCount(kStyles) ? row : row - 1);
    if (working_->Empty()) EnableStyleButtons(false);
}

void TrapStylesDialog::OnOK()
{
    Module().currentStyleList = std::move(working_);
    EndDialog(platform::kIdOk);
}

void TrapStylesDialog::OnCancel()
{
    working_.reset();
    EndDialog(platform::kIdCancel);
}

}  // namespace orvane
