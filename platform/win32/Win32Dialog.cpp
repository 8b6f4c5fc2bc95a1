// Modal dialogs on the plug-in's own dialog templates. Handlers run inside the
// dialog procedure, which is called from user32; an error a handler raises is
// caught there, ends the dialog and is raised again once DialogBoxParamA returns.
#include <windows.h>

#include <cstring>
#include <exception>
#include <memory>
#include <vector>

#include "platform/Dialog.h"
#include "platform/win32/Win32Module.h"

namespace orvane::platform {

namespace {

class Win32Controls final : public DialogControls {
public:
    explicit Win32Controls(HWND dialog) : dialog_(dialog) {}

    WindowHandle Window() const override { return dialog_; }
    bool HasControl(int id) const override { return Item(id) != nullptr; }

    void SetText(int id, const std::string& text) override
    {
        if (HWND item = Item(id)) SendMessageA(item, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(text.c_str()));
    }

    std::string Text(int id, int maxChars) const override
    {
        HWND item = Item(id);
        if (item == nullptr) return {};
        int length = static_cast<int>(SendMessageA(item, WM_GETTEXTLENGTH, 0, 0));
        if (maxChars >= 0 && length > maxChars) length = maxChars;
        if (length <= 0) return {};
        std::vector<char> buffer(static_cast<std::size_t>(length) + 1, '\0');
        int got = static_cast<int>(
            SendMessageA(item, WM_GETTEXT, buffer.size(), reinterpret_cast<LPARAM>(buffer.data())));
        if (got < 0) got = 0;
        return std::string(buffer.data(), std::strlen(buffer.data()));
    }

    void Enable(int id, bool enabled) override
    {
        if (HWND item = Item(id)) EnableWindow(item, enabled ? TRUE : FALSE);
    }
    void SetCheck(int id, bool checked) override
    {
        if (HWND item = Item(id)) SendMessageA(item, BM_SETCHECK, checked ? BST_CHECKED : BST_UNCHECKED, 0);
    }
    bool IsChecked(int id) const override
    {
        HWND item = Item(id);
        return item != nullptr && SendMessageA(item, BM_GETCHECK, 0, 0) == BST_CHECKED;
    }

    int AddRow(int id, const std::string& text) override
    {
        HWND item = Item(id);
        if (item == nullptr) return kNoRow;
        return static_cast<int>(SendMessageA(item, IsCombo(item) ? CB_ADDSTRING : LB_ADDSTRING, 0,
                                             reinterpret_cast<LPARAM>(text.c_str())));
    }
    int InsertRow(int id, int position, const std::string& text) override
    {
        HWND item = Item(id);
        if (item == nullptr) return kNoRow;
        return static_cast<int>(SendMessageA(item, IsCombo(item) ? CB_INSERTSTRING : LB_INSERTSTRING,
                                             static_cast<WPARAM>(position), reinterpret_cast<LPARAM>(text.c_str())));
    }
    void DeleteRow(int id, int position) override
    {
        if (HWND item = Item(id))
            SendMessageA(item, IsCombo(item) ? CB_DELETESTRING : LB_DELETESTRING, static_cast<WPARAM>(position), 0);
    }
    void ResetRows(int id) override
    {
        if (HWND item = Item(id)) SendMessageA(item, IsCombo(item) ? CB_RESETCONTENT : LB_RESETCONTENT, 0, 0);
    }
    int RowCount(int id) const override
    {
        HWND item = Item(id);
        if (item == nullptr) return 0;
        int count = static_cast<int>(SendMessageA(item, IsCombo(item) ? CB_GETCOUNT : LB_GETCOUNT, 0, 0));
        return count < 0 ? 0 : count;
    }
    std::string RowText(int id, int row) const override
    {
        HWND item = Item(id);
        if (item == nullptr || row < 0) return {};
        bool combo = IsCombo(item);
        LRESULT length = SendMessageA(item, combo ? CB_GETLBTEXTLEN : LB_GETTEXTLEN, static_cast<WPARAM>(row), 0);
        if (length <= 0) return {};
        std::vector<char> buffer(static_cast<std::size_t>(length) + 1, '\0');
        SendMessageA(item, combo ? CB_GETLBTEXT : LB_GETTEXT, static_cast<WPARAM>(row),
                     reinterpret_cast<LPARAM>(buffer.data()));
        return std::string(buffer.data(), std::strlen(buffer.data()));
    }
    int Selection(int id) const override
    {
        HWND item = Item(id);
        if (item == nullptr) return kNoRow;
        int row = static_cast<int>(SendMessageA(item, IsCombo(item) ? CB_GETCURSEL : LB_GETCURSEL, 0, 0));
        return row < 0 ? kNoRow : row;
    }
    void Select(int id, int row) override
    {
        if (HWND item = Item(id))
            SendMessageA(item, IsCombo(item) ? CB_SETCURSEL : LB_SETCURSEL, static_cast<WPARAM>(row), 0);
    }
    void SetTabStops(int id, const std::vector<int>& stops) override
    {
        HWND item = Item(id);
        if (item == nullptr) return;
        std::vector<INT> values(stops.begin(), stops.end());
        SendMessageA(item, LB_SETTABSTOPS, values.size(), reinterpret_cast<LPARAM>(values.data()));
    }

    void Focus(int id) override
    {
        if (HWND item = Item(id)) SetFocus(item);
    }
    void SelectText(int id, int from, int to) override
    {
        if (HWND item = Item(id)) SendMessageA(item, EM_SETSEL, static_cast<WPARAM>(from), static_cast<LPARAM>(to));
    }
    void ScrollCaret(int id) override
    {
        if (HWND item = Item(id)) SendMessageA(item, EM_SCROLLCARET, 0, 0);
    }

    void SetCaption(const std::string& caption) override { SetWindowTextA(dialog_, caption.c_str()); }
    void End(int result) override { EndDialog(dialog_, result); }

private:
    HWND Item(int id) const { return GetDlgItem(dialog_, id); }
    static bool IsCombo(HWND item)
    {
        char name[16] = {};
        GetClassNameA(item, name, sizeof name);
        return lstrcmpiA(name, "ComboBox") == 0;
    }

    HWND dialog_;
};

struct RunContext {
    DialogHandler* handler = nullptr;
    std::unique_ptr<Win32Controls> controls;
    std::exception_ptr error;
};

INT_PTR CALLBACK DialogProcedure(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam)
{
    if (message == WM_INITDIALOG) SetWindowLongPtrA(dialog, DWLP_USER, lParam);
    auto* context = reinterpret_cast<RunContext*>(GetWindowLongPtrA(dialog, DWLP_USER));
    if (context == nullptr || context->error) return FALSE;
    try {
        switch (message) {
        case WM_INITDIALOG: {
            context->controls = std::make_unique<Win32Controls>(dialog);
            return context->handler->HandleInit(*context->controls) ? TRUE : FALSE;
        }
        case WM_COMMAND:
            if (context->controls == nullptr) return FALSE;
            context->handler->HandleCommand(*context->controls, LOWORD(wParam), HIWORD(wParam));
            return TRUE;
        default:
            return FALSE;
        }
    } catch (...) {
        context->error = std::current_exception();
        EndDialog(dialog, 0);
        return TRUE;
    }
}

}  // namespace

int RunDialog(int templateId, WindowHandle owner, DialogHandler& handler)
{
    RunContext context;
    context.handler = &handler;
    INT_PTR result = DialogBoxParamA(PluginModule(), MAKEINTRESOURCEA(templateId), static_cast<HWND>(owner),
                                     DialogProcedure, reinterpret_cast<LPARAM>(&context));
    if (context.error) std::rethrow_exception(context.error);
    return result == -1 ? kDialogFailed : static_cast<int>(result);
}

}  // namespace orvane::platform
