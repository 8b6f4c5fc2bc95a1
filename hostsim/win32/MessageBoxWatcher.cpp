#include "hostsim/win32/MessageBoxWatcher.h"

#include <iterator>

#include "hostsim/MessageBoxLog.h"

namespace hostsim::win32 {

namespace {

constexpr int kTextControl = 0xFFFF;

std::string WindowText(HWND window)
{
    char text[1024] = {};
    GetWindowTextA(window, text, sizeof text);
    return text;
}

bool IsMessageBox(HWND window)
{
    char name[16] = {};
    if (GetClassNameA(window, name, sizeof name) == 0 || std::string(name) != "#32770") return false;
    if (!IsWindowVisible(window)) return false;
    return GetDlgItem(window, kTextControl) != nullptr &&
           (GetDlgItem(window, IDOK) || GetDlgItem(window, IDCANCEL) || GetDlgItem(window, IDYES) ||
            GetDlgItem(window, IDNO));
}

}  // namespace

MessageBoxWatcher::MessageBoxWatcher()
{
    InitializeCriticalSection(&section_);
    thread_ = CreateThread(nullptr, 0, &MessageBoxWatcher::ThreadStart, this, 0, nullptr);
}

MessageBoxWatcher::~MessageBoxWatcher()
{
    InterlockedExchange(&stop_, 1);
    if (thread_ != nullptr) {
        WaitForSingleObject(thread_, INFINITE);
        CloseHandle(thread_);
    }
    DeleteCriticalSection(&section_);
}

DWORD WINAPI MessageBoxWatcher::ThreadStart(LPVOID self)
{
    static_cast<MessageBoxWatcher*>(self)->Watch();
    return 0;
}

void MessageBoxWatcher::SetAnswers(const std::vector<int>& answers)
{
    Lock lock(section_);
    answers_.assign(answers.begin(), answers.end());
}

std::vector<std::string> MessageBoxWatcher::TakeLines()
{
    Lock lock(section_);
    std::vector<std::string> lines;
    lines.swap(lines_);
    return lines;
}

BOOL CALLBACK MessageBoxWatcher::Visit(HWND window, LPARAM self)
{
    DWORD process = 0;
    GetWindowThreadProcessId(window, &process);
    if (process == GetCurrentProcessId() && IsMessageBox(window)) {
        reinterpret_cast<MessageBoxWatcher*>(self)->Answer(window);
    }
    return TRUE;
}

void MessageBoxWatcher::Answer(HWND box)
{
    Lock lock(section_);
    if (answered_.count(box) != 0) return;
    int answer = 0;
    if (!answers_.empty()) {
        answer = answers_.front();
        answers_.pop_front();
    }
    if (answer == 0 || GetDlgItem(box, answer) == nullptr) {
        answer = GetDlgItem(box, IDYES) ? IDYES : GetDlgItem(box, IDOK) ? IDOK : IDCANCEL;
    }
    char text[2048] = {};
    GetDlgItemTextA(box, kTextControl, text, sizeof text);
    lines_.push_back(MessageBoxLine(WindowText(box), text, answer));
    answered_.insert(box);
    PostMessageA(box, WM_COMMAND, MAKEWPARAM(answer, BN_CLICKED), reinterpret_cast<LPARAM>(GetDlgItem(box, answer)));
}

void MessageBoxWatcher::Watch()
{
    while (InterlockedCompareExchange(&stop_, 0, 0) == 0) {
        Sleep(50);
        if (InterlockedCompareExchange(&enabled_, 0, 0) == 0) continue;
        EnumWindows(&MessageBoxWatcher::Visit, reinterpret_cast<LPARAM>(this));
        Lock lock(section_);
        for (auto it = answered_.begin(); it != answered_.end();) {
            it = IsWindow(*it) ? std::next(it) : answered_.erase(it);
        }
    }
}

}  // namespace hostsim::win32
