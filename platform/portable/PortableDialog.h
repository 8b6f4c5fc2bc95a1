// The in-memory stand-in for modal dialogs. Each RunDialog builds the template's
// controls, runs the handler's init, then plays the next queued session: a test
// function that acts as the user (types, picks rows, clicks buttons) and reads what
// the controls show. A dialog still open when its session returns is cancelled.
#pragma once
#include <deque>
#include <functional>
#include <map>
#include <string>
#include <vector>

#include "platform/Dialog.h"

namespace orvane::platform {

enum class ControlKind { Button, CheckBox, Static, Edit, ListBox, ComboBox, GroupBox };

struct PortableControl {
    int id = 0;
    ControlKind kind = ControlKind::Static;
    std::string text;
    bool enabled = true;
    bool checked = false;
    std::vector<std::string> rows;
    int selection = kNoRow;
    std::vector<int> tabStops;
    int selectFrom = 0;
    int selectTo = 0;
    bool caretScrolled = false;
};

// The identified controls of a dialog template, as the resource script gives them.
struct PortableTemplateControl {
    int id;
    ControlKind kind;
    const char* text;
};
struct PortableTemplate {
    int id;
    const char* caption;
    std::vector<PortableTemplateControl> controls;
};
const PortableTemplate* FindPortableTemplate(int id);

class PortableDialog final : public DialogControls {
public:
    PortableDialog(int templateId, WindowHandle owner, WindowHandle window, DialogHandler& handler);

    // The user's actions. Click and Pick do nothing on a missing or disabled control
    // and then return false.
    void Type(int id, const std::string& text);
    bool Click(int id);
    bool Pick(int id, int row);
    bool PickText(int id, const std::string& rowText);
    // Rows of a list or combo box as shown.
    std::vector<std::string> Rows(int id) const;
    const PortableControl& Control(int id) const;
    bool IsEnabled(int id) const;

    int templateId;
    WindowHandle owner;
    std::string caption;
    std::map<int, PortableControl> controls;
    int focus = 0;  // control with the keyboard focus, 0 for none
    bool ended = false;
    int result = 0;

    // DialogControls
    WindowHandle Window() const override { return window_; }
    bool HasControl(int id) const override { return controls.count(id) != 0; }
    void SetText(int id, const std::string& text) override;
    std::string Text(int id, int maxChars) const override;
    void Enable(int id, bool enabled) override;
    void SetCheck(int id, bool checked) override;
    bool IsChecked(int id) const override;
    int AddRow(int id, const std::string& text) override;
    int InsertRow(int id, int position, const std::string& text) override;
    void DeleteRow(int id, int position) override;
    void ResetRows(int id) override;
    int RowCount(int id) const override;
    std::string RowText(int id, int row) const override;
    int Selection(int id) const override;
    void Select(int id, int row) override;
    void SetTabStops(int id, const std::vector<int>& stops) override;
    void Focus(int id) override;
    void SelectText(int id, int from, int to) override;
    void ScrollCaret(int id) override;
    void SetCaption(const std::string& text) override { caption = text; }
    void End(int value) override;

private:
    PortableControl* Find(int id);
    const PortableControl* Find(int id) const;
    bool HasRows(const PortableControl* control) const;

    WindowHandle window_;
    DialogHandler& handler_;
};

using DialogSession = std::function<void(PortableDialog&)>;

// What a dialog looked like when it ended.
struct ClosedDialog {
    int templateId = 0;
    WindowHandle owner = nullptr;
    std::string caption;
    int result = 0;
    std::map<int, PortableControl> controls;
};

struct PortableDialogState {
    std::deque<DialogSession> sessions;  // played in the order dialogs open
    std::vector<ClosedDialog> closed;    // in the order dialogs ended
    std::vector<int> opened;             // template identifiers in the order they opened
    std::uintptr_t nextWindow = 0xD000;
};

PortableDialogState& PortableDialogs();
void ResetPortableDialogs();

}  // namespace orvane::platform
