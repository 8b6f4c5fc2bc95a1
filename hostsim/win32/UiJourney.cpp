// Dialog journeys in hostsim.exe: the plug-in's real dialogs, from its own
// resources, driven by a second thread that plays the user. It finds each dialog
// by caption, types with WM_SETTEXT, picks rows, clicks with posted WM_COMMAND (a
// click may open a nested modal dialog, so the driver never waits on it), answers
// message boxes and reads back what the controls show. The main thread sends the
// menu command and prints, and the journey checks what reached the print job.
#include "hostsim/win32/UiJourney.h"

#include <windows.h>

#include <cstdio>
#include <cstdlib>
#include <functional>
#include <string>
#include <vector>

#include "hostsim/PrintJob.h"

namespace {

constexpr DWORD kWaitMs = 15000;

struct Driver {
    std::vector<std::string> failures;

    void Fail(const std::string& what)
    {
        std::printf("  FAILED: %s\n", what.c_str());
        failures.push_back(what);
    }
    void Check(bool ok, const std::string& what)
    {
        if (ok)
            std::printf("  ok: %s\n", what.c_str());
        else
            Fail(what);
    }

    // The visible dialog-class window with this caption, waited for.
    HWND WaitDialog(const char* caption)
    {
        for (DWORD waited = 0; waited < kWaitMs; waited += 20) {
            HWND window = FindWindowA("#32770", caption);
            if (window != nullptr && IsWindowVisible(window)) {
                Sleep(50);  // let the dialog finish its start
                return window;
            }
            Sleep(20);
        }
        Fail(std::string("no window \"") + caption + "\"");
        return nullptr;
    }
    // A dialog that opens under one of two captions (new or modify); none after a wait.
    HWND FindEitherDialog(const char* first, const char* second)
    {
        HWND window = nullptr;
        for (int i = 0; i < 100 && window == nullptr; ++i, Sleep(50)) {
            window = FindWindowA("#32770", first);
            if (window == nullptr) window = FindWindowA("#32770", second);
        }
        return window;
    }
    bool WaitClosed(HWND window)
    {
        for (DWORD waited = 0; window != nullptr && waited < kWaitMs; waited += 20) {
            if (!IsWindow(window)) return true;
            Sleep(20);
        }
        return window == nullptr || !IsWindow(window);
    }

    static std::string Text(HWND window)
    {
        char buffer[512] = {};
        if (window != nullptr) SendMessageA(window, WM_GETTEXT, sizeof buffer, reinterpret_cast<LPARAM>(buffer));
        return buffer;
    }
    static std::string ItemText(HWND dialog, int id) { return Text(GetDlgItem(dialog, id)); }
    static void Type(HWND dialog, int id, const std::string& text)
    {
        SendDlgItemMessageA(dialog, id, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(text.c_str()));
    }
    static void Click(HWND dialog, int id)
    {
        PostMessageA(dialog, WM_COMMAND, MAKEWPARAM(id, BN_CLICKED), reinterpret_cast<LPARAM>(GetDlgItem(dialog, id)));
        Sleep(100);
    }
    static bool IsCombo(HWND item)
    {
        char name[16] = {};
        GetClassNameA(item, name, sizeof name);
        return lstrcmpiA(name, "ComboBox") == 0;
    }
    static void Pick(HWND dialog, int id, int row)
    {
        HWND item = GetDlgItem(dialog, id);
        bool combo = IsCombo(item);
        SendMessageA(item, combo ? CB_SETCURSEL : LB_SETCURSEL, static_cast<WPARAM>(row), 0);
        PostMessageA(dialog, WM_COMMAND, MAKEWPARAM(id, combo ? CBN_SELCHANGE : LBN_SELCHANGE),
                     reinterpret_cast<LPARAM>(item));
        Sleep(100);
    }
    static int Find(HWND dialog, int id, const std::string& text)
    {
        HWND item = GetDlgItem(dialog, id);
        return static_cast<int>(SendMessageA(item, IsCombo(item) ? CB_FINDSTRINGEXACT : LB_FINDSTRINGEXACT,
                                             static_cast<WPARAM>(-1), reinterpret_cast<LPARAM>(text.c_str())));
    }
    static std::string Row(HWND dialog, int id, int row)
    {
        HWND item = GetDlgItem(dialog, id);
        bool combo = IsCombo(item);
        char buffer[512] = {};
        LRESULT length = SendMessageA(item, combo ? CB_GETLBTEXTLEN : LB_GETTEXTLEN, static_cast<WPARAM>(row), 0);
        if (length <= 0 || length >= static_cast<LRESULT>(sizeof buffer)) return {};
        SendMessageA(item, combo ? CB_GETLBTEXT : LB_GETTEXT, static_cast<WPARAM>(row), reinterpret_cast<LPARAM>(buffer));
        return buffer;
    }
    static int RowCount(HWND dialog, int id)
    {
        HWND item = GetDlgItem(dialog, id);
        return static_cast<int>(SendMessageA(item, IsCombo(item) ? CB_GETCOUNT : LB_GETCOUNT, 0, 0));
    }
    // Waits for a message box with this caption, notes its text and presses OK.
    std::string AnswerBox(const char* caption)
    {
        HWND box = WaitDialog(caption);
        if (box == nullptr) return {};
        std::string text = ItemText(box, 0xFFFF);
        PostMessageA(box, WM_COMMAND, MAKEWPARAM(IDOK, BN_CLICKED), 0);
        WaitClosed(box);
        return text;
    }
};

// A thread that runs one script of the driver while the main thread is inside
// the plug-in's modal dialogs.
class DriverThread {
public:
    DriverThread(Driver& driver, std::function<void(Driver&)> script) : driver_(driver), script_(std::move(script))
    {
        thread_ = CreateThread(nullptr, 0, &DriverThread::Start, this, 0, nullptr);
    }
    ~DriverThread()
    {
        if (thread_ == nullptr) return;
        WaitForSingleObject(thread_, kWaitMs * 4);
        CloseHandle(thread_);
    }
    DriverThread(const DriverThread&) = delete;
    DriverThread& operator=(const DriverThread&) = delete;

private:
    static DWORD WINAPI Start(LPVOID self)
    {
        auto* me = static_cast<DriverThread*>(self);
        me->script_(me->driver_);
        return 0;
    }
    Driver& driver_;
    std::function<void(Driver&)> script_;
    HANDLE thread_ = nullptr;
};

// The Host's main window, which the menu command looks for.
class HostMainWindow {
public:
    HostMainWindow()
    {
        WNDCLASSA windowClass = {};
        windowClass.lpfnWndProc = DefWindowProcA;
        windowClass.hInstance = GetModuleHandleA(nullptr);
        windowClass.lpszClassName = "VWClass500";
        RegisterClassA(&windowClass);
        window_ = CreateWindowA("VWClass500", "Quillset", WS_OVERLAPPEDWINDOW, 0, 0, 640, 480, nullptr, nullptr,
                                GetModuleHandleA(nullptr), nullptr);
    }
    ~HostMainWindow()
    {
        if (window_ != nullptr) DestroyWindow(window_);
    }
    HostMainWindow(const HostMainWindow&) = delete;
    HostMainWindow& operator=(const HostMainWindow&) = delete;

private:
    HWND window_ = nullptr;
};

// Runs menu command 1 while `script` plays the user.
void Command(hostsim::SimHost& host, Driver& driver, std::function<void(Driver&)> script, int command = 1)
{
    DriverThread thread(driver, std::move(script));
    std::int16_t status = host.Command(command);
    driver.Check(status == 0, "command " + std::to_string(command) + " returns 0");
}

void NewPublication(hostsim::SimHost& host, int pages)
{
    host.publication.records.clear();
    host.publication.SetPageCount(pages);
}

std::string Between(const std::string& text, const std::string& from, const std::string& to)
{
    std::size_t start = text.find(from);
    if (start == std::string::npos) return {};
    std::size_t end = text.find(to, start + from.size());
    return text.substr(start, end == std::string::npos ? std::string::npos : end - start);
}

// Pages as the sheets of the job: the text of one sheet.
std::string Sheet(const std::string& job, int page)
{
    return Between(job, "%%Page: " + std::to_string(page) + " ", "%%Page: ");
}

void ZoneJourney(hostsim::SimHost& host, Driver& d)
{
    NewPublication(host, 4);
    Command(host, d, [](Driver& d) {
        HWND info = d.WaitDialog("Orvane Trapping Information");
        if (info == nullptr) return;
        d.Click(info, 1011);
        HWND styles = d.WaitDialog("Trap Styles");
        d.Click(styles, 1017);
        HWND editor = d.WaitDialog("New Trap Style");
        d.Type(editor, 1000, "Journey");
        d.Type(editor, 1002, "0.4");
        d.Click(editor, 1);
        d.Check(d.WaitClosed(editor), "the new style is accepted");
        d.Check(d.Row(styles, 1029, 1) == "Journey", "the style is listed");
        d.Click(styles, 1);
        d.WaitClosed(styles);
        d.Click(info, 1024);
        HWND zone = d.WaitDialog("New Trap Zone");
        d.Type(zone, 1008, "2, 3");
        d.Pick(zone, 1001, d.Find(zone, 1001, "Journey"));
        d.Click(zone, 1);
        d.Check(d.WaitClosed(zone), "the zone is accepted");
        std::string row = d.Row(info, 1023, 0);
        d.Check(row.rfind("2, 3\tJourney\t", 0) == 0, "the new zone shows the pages as typed: " + row);
        d.Click(info, 1022);
        d.Click(info, 1);
        d.WaitClosed(info);
    });
    hostsim::PrintJobResult job = hostsim::RunPrintJob(host);
    d.Check(job.AllSucceeded() && !job.cancelled, "the job prints");
    d.Check(job.postscript.find("/TrapParams defineresource") != std::string::npos, "the job defines trap styles");
    for (int page = 1; page <= 4; ++page) {
        bool zoned = Sheet(job.postscript, page).find("(Journey) cvn") != std::string::npos;
        d.Check(zoned == (page == 2 || page == 3),
                "page " + std::to_string(page) + (zoned ? " uses" : " does not use") + " the style");
    }
    Command(host, d, [](Driver& d) {
        HWND info = d.WaitDialog("Orvane Trapping Information");
        if (info == nullptr) return;
        std::string row = d.Row(info, 1023, 0);
        d.Check(row.rfind("2-3\tJourney\t", 0) == 0, "reopened, the zone shows its pages formatted: " + row);
        d.Click(info, 1025);
        HWND zone = d.WaitDialog("Modify Trap Zone");
        d.Check(d.ItemText(zone, 1008) == "2-3", "the zone dialog shows 2-3");
        d.Click(zone, 2);
        d.WaitClosed(zone);
        d.Click(info, 2);
        d.WaitClosed(info);
    });
}

void InksJourney(hostsim::SimHost& host, Driver& d)
{
    std::string moved;  // the ink of line 1, moved to the top
    Command(host, d, [&moved](Driver& d) {
        HWND info = d.WaitDialog("Orvane Trapping Information");
        if (info == nullptr) return;
        if (SendDlgItemMessageA(info, 1022, BM_GETCHECK, 0, 0) != BST_CHECKED) d.Click(info, 1022);
        d.Click(info, 1014);
        HWND inks = d.WaitDialog("Inks");
        if (inks == nullptr) return;
        d.Check(d.RowCount(inks, 1031) >= 4, "the inks are listed");
        std::string line = d.Row(inks, 1031, 1);
        moved = line.substr(0, line.find('\t'));
        d.Pick(inks, 1031, 1);
        d.Click(inks, 1033);
        std::string first = d.Row(inks, 1031, 0);
        d.Check(first.rfind(moved + "\t", 0) == 0, "Move up puts " + moved + " first: " + first);
        d.Pick(inks, 1031, 0);
        d.Click(inks, 1032);
        HWND current = d.WaitDialog("Current Ink");
        d.Check(d.ItemText(current, 1034) == moved, "the current ink is named " + moved);
        d.Type(current, 1008, "1.23456");
        d.Pick(current, 1001, 2);
        d.Click(current, 1);
        d.Check(d.WaitClosed(current), "the density is accepted");
        first = d.Row(inks, 1031, 0);
        d.Check(first.substr(first.find('\t')) == "\t1.2346\tOpaque", "the line shows the rounded density: " + first);
        d.Click(inks, 1);
        d.WaitClosed(inks);
        d.Click(info, 1);
        d.WaitClosed(info);
    });
    // Process inks go to the device under their colorant names.
    std::string colorant = moved.rfind("Process ", 0) == 0 ? moved.substr(8) : moved;
    hostsim::PrintJobResult job = hostsim::RunPrintJob(host);
    d.Check(job.AllSucceeded() && !job.cancelled, "the job prints");
    std::string params = Between(job.postscript, "(" + colorant + ")cvn [", "] cvdict");
    d.Check(params.find("1.2346") != std::string::npos, "InkParams has the density: " + params);
    d.Check(params.find("/Opaque") != std::string::npos, "InkParams has the type");
    std::string order = Between(job.postscript, "/TrappingOrder [", "]");
    d.Check(order.rfind("/TrappingOrder [(" + colorant + ")cvn", 0) == 0, "TrappingOrder starts with " + colorant);
}

void RefusalJourney(hostsim::SimHost& host, Driver& d)
{
    Command(host, d, [](Driver& d) {
        HWND info = d.WaitDialog("Orvane Trapping Information");
        if (info == nullptr) return;
        d.Click(info, 1011);
        HWND styles = d.WaitDialog("Trap Styles");
        std::string reserved = d.Row(styles, 1029, 0);
        d.Click(styles, 1017);
        HWND editor = d.WaitDialog("New Trap Style");
        d.Type(editor, 1000, reserved);
        d.Click(editor, 1);
        std::string text = d.AnswerBox("Duplicate Information");
        d.Check(text.rfind("The style name you have entered is reserved.", 0) == 0, "reserved name refused: " + text);
        d.Check(IsWindow(editor) != FALSE, "the editor stays open");
        d.Click(editor, 2);
        d.WaitClosed(editor);
        d.Click(styles, 2);
        d.WaitClosed(styles);
        d.Click(info, 1024);
        HWND zone = d.WaitDialog("New Trap Zone");
        d.Type(zone, 1008, "1-999");
        d.Click(zone, 1);
        text = d.AnswerBox("Bad page Information");
        d.Check(text == "A valid page range must be given for this zone.", "bad pages refused: " + text);
        DWORD from = 1, to = 0;
        SendDlgItemMessageA(zone, 1008, EM_GETSEL, reinterpret_cast<WPARAM>(&from), reinterpret_cast<LPARAM>(&to));
        d.Check(from == 0 && to == 5, "the page text is selected");
        d.Click(zone, 2);
        d.WaitClosed(zone);
        d.Click(info, 2);
        d.WaitClosed(info);
    });
}

// A Host request that fails inside a nested dialog: both dialogs end, the status
// reaches main and is reported to the Host.
void FailureJourney(hostsim::SimHost& host, Driver& d)
{
    host.failRequests[3503] = {1234, 0, -1};
    DriverThread thread(d, [](Driver& d) {
        HWND info = d.WaitDialog("Orvane Trapping Information");
        if (info == nullptr) return;
        d.Click(info, 1024);
        HWND zone = d.WaitDialog("New Trap Zone");
        d.Type(zone, 1008, "1");
        d.Click(zone, 1);
        d.Check(d.WaitClosed(zone) && d.WaitClosed(info), "both dialogs close");
    });
    std::int16_t status = host.Command(1);
    host.failRequests.erase(3503);
    d.Check(status == 1234, "the command returns the Host's status: " + std::to_string(status));
    d.Check(!host.reportedErrors.empty() && host.reportedErrors.back() == 1234, "the status is reported");
}

// Opens each dialog in turn and pauses so that a screenshot can be taken; the
// caption of the dialog on screen is written to `marker` while it stands, and on a
// second line its window on the screen, frame and title bar included, as
// WIDTHxHEIGHT+X+Y. The one who takes the screenshot then removes the marker, and
// the journey goes on (after ten seconds at the latest).
void ShowJourney(hostsim::SimHost& host, Driver& d)
{
    const char* marker = std::getenv("ORVANE_SHOW_MARKER");
    auto show = [marker](Driver& d, HWND dialog, const char* caption) {
        if (dialog == nullptr) return;
        RECT frame{};
        d.Check(GetWindowRect(dialog, &frame) != 0, std::string("the window of ") + caption);
        if (marker != nullptr) {
            if (FILE* file = std::fopen(marker, "wb")) {
                std::fprintf(file, "%s\n%ldx%ld%+ld%+ld\n", caption, frame.right - frame.left,
                             frame.bottom - frame.top, frame.left, frame.top);
                std::fclose(file);
            }
        }
        std::printf("showing: %s\n", caption);
        std::fflush(stdout);
        if (marker == nullptr) {
            Sleep(2500);
        } else {
            for (int i = 0; i < 200 && GetFileAttributesA(marker) != INVALID_FILE_ATTRIBUTES; ++i) Sleep(50);
        }
        d.Check(true, caption);
    };
    Command(host, d, [&](Driver& d) {
        HWND info = d.WaitDialog("Orvane Trapping Information");
        show(d, info, "Orvane Trapping Information");
        d.Click(info, 1011);
        HWND styles = d.WaitDialog("Trap Styles");
        d.Pick(styles, 1029, d.RowCount(styles, 1029) > 1 ? 1 : 0);
        show(d, styles, "Trap Styles");
        d.Click(styles, d.RowCount(styles, 1029) > 1 ? 1016 : 1017);
        HWND editor = d.FindEitherDialog("Modify Trap Style", "New Trap Style");
        show(d, editor, "Trap Style");
        d.Click(editor, 2);
        d.WaitClosed(editor);
        d.Click(styles, 2);
        d.WaitClosed(styles);
        d.Pick(info, 1023, 0);
        d.Click(info, d.RowCount(info, 1023) > 0 ? 1025 : 1024);
        HWND zone = d.FindEitherDialog("Modify Trap Zone", "New Trap Zone");
        show(d, zone, "Trap Zone");
        d.Click(zone, 2);
        d.WaitClosed(zone);
        d.Click(info, 1014);
        HWND inks = d.WaitDialog("Inks");
        show(d, inks, "Inks");
        d.Click(inks, 1032);
        HWND current = d.WaitDialog("Current Ink");
        show(d, current, "Current Ink");
        d.Click(current, 2);
        d.WaitClosed(current);
        d.Click(inks, 2);
        d.WaitClosed(inks);
        d.Click(info, 2);
        d.WaitClosed(info);
    });
}

}  // namespace

int RunUiJourney(const std::string& name, hostsim::SimHost& host)
{
    HostMainWindow mainWindow;
    Driver driver;
    std::printf("journey %s\n", name.c_str());
    if (name == "zones")
        ZoneJourney(host, driver);
    else if (name == "inks")
        InksJourney(host, driver);
    else if (name == "refusals")
        RefusalJourney(host, driver);
    else if (name == "failure")
        FailureJourney(host, driver);
    else if (name == "show")
        ShowJourney(host, driver);
    else if (name == "interactive") {
        // The user drives: the trapping dialog on screen, then a print of the result.
        driver.Check(host.Command(1) == 0, "command 1 returns 0");
        hostsim::PrintJobResult job = hostsim::RunPrintJob(host);
        driver.Check(job.AllSucceeded(), "the job prints");
    }
    else {
        std::printf("unknown journey: %s\n", name.c_str());
        return 2;
    }
    std::fflush(stdout);
    return driver.failures.empty() ? 0 : 1;
}
