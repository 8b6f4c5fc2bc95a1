// Modal dialogs from the plug-in's dialog templates. A dialog class implements
// DialogHandler; RunDialog shows the template, hands the handler a DialogControls
// for the running dialog and returns the value it was ended with. The Win32 build
// maps each operation onto the control messages, the native build keeps the
// controls in memory and lets tests play the user (platform/portable/PortableDialog.h).
#pragma once
#include <string>
#include <vector>

#include "platform/Platform.h"

namespace orvane::platform {

// Command notification codes, with the Win32 values.
enum : int {
    kButtonClicked = 0,    // BN_CLICKED
    kSelectionChange = 1,  // LBN_SELCHANGE and CBN_SELCHANGE
};

constexpr int kNoRow = -1;

// The controls of one running dialog. Rows are those of a list box or combo box;
// every operation on an identifier without a control does nothing.
class DialogControls {
public:
    virtual ~DialogControls() = default;

    virtual WindowHandle Window() const = 0;
    virtual bool HasControl(int id) const = 0;

    virtual void SetText(int id, const std::string& text) = 0;
    // At most maxChars characters; a negative maxChars reads the whole text.
    virtual std::string Text(int id, int maxChars) const = 0;
    virtual void Enable(int id, bool enabled) = 0;
    virtual void SetCheck(int id, bool checked) = 0;
    virtual bool IsChecked(int id) const = 0;

    virtual int AddRow(int id, const std::string& text) = 0;
    virtual int InsertRow(int id, int position, const std::string& text) = 0;
    virtual void DeleteRow(int id, int position) = 0;
    virtual void ResetRows(int id) = 0;
    virtual int RowCount(int id) const = 0;
    virtual std::string RowText(int id, int row) const = 0;
    virtual int Selection(int id) const = 0;  // kNoRow when none
    virtual void Select(int id, int row) = 0;  // kNoRow clears the selection
    virtual void SetTabStops(int id, const std::vector<int>& stops) = 0;

    virtual void Focus(int id) = 0;
    virtual void SelectText(int id, int from, int to) = 0;  // EM_SETSEL
    virtual void ScrollCaret(int id) = 0;                   // EM_SCROLLCARET

    virtual void SetCaption(const std::string& caption) = 0;
    virtual void End(int result) = 0;
};

class DialogHandler {
public:
    virtual ~DialogHandler() = default;
    // True lets the dialog manager place the focus.
    virtual bool HandleInit(DialogControls& controls) = 0;
    virtual void HandleCommand(DialogControls& controls, int id, int notification) = 0;
};

constexpr int kDialogFailed = -1;  // the dialog could not be created (no such template)

// Runs dialog template `templateId` modally, owned by `owner` (may be none), and
// returns the value it was ended with, or kDialogFailed. An error raised by a
// handler ends the dialog and is raised again from here.
int RunDialog(int templateId, WindowHandle owner, DialogHandler& handler);

}  // namespace orvane::platform
