#include "platform/portable/PortableDialog.h"

#include <stdexcept>
#include <string>

namespace orvane::platform {

PortableDialogState& PortableDialogs()
{
    static PortableDialogState state;
    return state;
}

void ResetPortableDialogs() { PortableDialogs() = PortableDialogState{}; }

PortableDialog::PortableDialog(int id, WindowHandle ownerWindow, WindowHandle window, DialogHandler& handler)
    : templateId(id), owner(ownerWindow), window_(window), handler_(handler)
{
    const PortableTemplate* found = FindPortableTemplate(id);
    if (found == nullptr) throw std::out_of_range("no dialog template " + std::to_string(id));
    caption = found->caption;
    for (const PortableTemplateControl& entry : found->controls) {
        PortableControl control;
        control.id = entry.id;
        control.kind = entry.kind;
        control.text = entry.text;
        controls[entry.id] = control;
    }
}

PortableControl* PortableDialog::Find(int id)
{
    auto it = controls.find(id);
    return it == controls.end() ? nullptr : &it->second;
}

const PortableControl* PortableDialog::Find(int id) const
{
    auto it = controls.find(id);
    return it == controls.end() ? nullptr : &it->second;
}

bool PortableDialog::HasRows(const PortableControl* control) const
{
    return control != nullptr && (control->kind == ControlKind::ListBox || control->kind == ControlKind::ComboBox);
}

const PortableControl& PortableDialog::Control(int id) const
{
    const PortableControl* control = Find(id);
    if (control == nullptr) throw std::out_of_range("no control " + std::to_string(id));
    return *control;
}

bool PortableDialog::IsEnabled(int id) const
{
    const PortableControl* control = Find(id);
    return control != nullptr && control->enabled;
}

std::vector<std::string> PortableDialog::Rows(int id) const
{
    const PortableControl* control = Find(id);
    return control ? control->rows : std::vector<std::string>{};
}

void PortableDialog::Type(int id, const std::string& text)
{
    if (PortableControl* control = Find(id)) {
        control->text = text;
        focus = id;
    }
}

bool PortableDialog::Click(int id)
{
    PortableControl* control = Find(id);
    if (ended || control == nullptr || !control->enabled) return false;
    handler_.HandleCommand(*this, id, kButtonClicked);
    return true;
}

bool PortableDialog::Pick(int id, int row)
{
    PortableControl* control = Find(id);
    if (ended || !HasRows(control) || !control->enabled) return false;
    if (row < 0 || row >= static_cast<int>(control->rows.size())) return false;
    control->selection = row;
    handler_.HandleCommand(*this, id, kSelectionChange);
    return true;
}

bool PortableDialog::PickText(int id, const std::string& rowText)
{
    const PortableControl* control = Find(id);
    if (control == nullptr) return false;
    for (std::size_t i = 0; i < control->rows.size(); ++i) {
        if (control->rows[i] == rowText) return Pick(id, static_cast<int>(i));
    }
    return false;
}

void PortableDialog::SetText(int id, const std::string& text)
{
    if (PortableControl* control = Find(id)) control->text = text;
}

std::string PortableDialog::Text(int id, int maxChars) const
{
    const PortableControl* control = Find(id);
    if (control == nullptr) return {};
    if (maxChars >= 0 && control->text.size() > static_cast<std::size_t>(maxChars))
        return control->text.substr(0, static_cast<std::size_t>(maxChars));
    return control->text;
}

void PortableDialog::Enable(int id, bool enabled)
{
    if (PortableControl* control = Find(id)) control->enabled = enabled;
}

void PortableDialog::SetCheck(int id, bool checked)
{
    if (PortableControl* control = Find(id)) control->checked = checked;
}

bool PortableDialog::IsChecked(int id) const
{
    const PortableControl* control = Find(id);
    return control != nullptr && control->checked;
}

int PortableDialog::AddRow(int id, const std::string& text)
{
    PortableControl* control = Find(id);
    if (!HasRows(control)) return kNoRow;
    control->rows.push_back(text);
    return static_cast<int>(control->rows.size()) - 1;
}

int PortableDialog::InsertRow(int id, int position, const std::string& text)
{
    PortableControl* control = Find(id);
    if (!HasRows(control)) return kNoRow;
    int count = static_cast<int>(control->rows.size());
    if (position == -1) position = count;
    if (position < 0 || position > count) return kNoRow;
    control->rows.insert(control->rows.begin() + position, text);
    if (control->selection != kNoRow && control->selection >= position) ++control->selection;
    return position;
}

void PortableDialog::DeleteRow(int id, int position)
{
    PortableControl* control = Find(id);
    if (!HasRows(control) || position < 0 || position >= static_cast<int>(control->rows.size())) return;
    control->rows.erase(control->rows.begin() + position);
    if (control->selection == position)
        control->selection = kNoRow;
    else if (control->selection > position)
        --control->selection;
}

void PortableDialog::ResetRows(int id)
{
    PortableControl* control = Find(id);
    if (!HasRows(control)) return;
    control->rows.clear();
    control->selection = kNoRow;
}

int PortableDialog::RowCount(int id) const
{
    const PortableControl* control = Find(id);
    return HasRows(control) ? static_cast<int>(control->rows.size()) : 0;
}

std::string PortableDialog::RowText(int id, int row) const
{
    const PortableControl* control = Find(id);
    if (!HasRows(control) || row < 0 || row >= static_cast<int>(control->rows.size())) return {};
    return control->rows[static_cast<std::size_t>(row)];
}

int PortableDialog::Selection(int id) const
{
    const PortableControl* control = Find(id);
    return HasRows(control) ? control->selection : kNoRow;
}

void PortableDialog::Select(int id, int row)
{
    PortableControl* control = Find(id);
    if (!HasRows(control)) return;
    control->selection = (row >= 0 && row < static_cast<int>(control->rows.size())) ? row : kNoRow;
}

void PortableDialog::SetTabStops(int id, const std::vector<int>& stops)
{
    if (PortableControl* control = Find(id)) control->tabStops = stops;
}

void PortableDialog::Focus(int id)
{
    if (Find(id) != nullptr) focus = id;
}

void PortableDialog::SelectText(int id, int from, int to)
{
    if (PortableControl* control = Find(id)) {
        control->selectFrom = from;
        control->selectTo = to;
    }
}

void PortableDialog::ScrollCaret(int id)
{
    if (PortableControl* control = Find(id)) control->caretScrolled = true;
}

void PortableDialog::End(int value)
{
    if (ended) return;
    ended = true;
    result = value;
}

int RunDialog(int templateId, WindowHandle owner, DialogHandler& handler)
{
    if (FindPortableTemplate(templateId) == nullptr) return kDialogFailed;
    PortableDialogState& state = PortableDialogs();
    WindowHandle window = reinterpret_cast<WindowHandle>(state.nextWindow);
    state.nextWindow += 0x10;
    PortableDialog dialog(templateId, owner, window, handler);
    state.opened.push_back(templateId);
    DialogSession session;
    if (!state.sessions.empty()) {
        session = std::move(state.sessions.front());
        state.sessions.pop_front();
    }
    handler.HandleInit(dialog);
    if (!dialog.ended && session) session(dialog);
    // The user closes a dialog left open with Escape, as the dialog manager turns it into Cancel.
    if (!dialog.ended) handler.HandleCommand(dialog, kIdCancel, kButtonClicked);
    if (!dialog.ended) dialog.End(kIdCancel);
    state.closed.push_back({templateId, owner, dialog.caption, dialog.result, dialog.controls});
    return dialog.result;
}

}  // namespace orvane::platform
