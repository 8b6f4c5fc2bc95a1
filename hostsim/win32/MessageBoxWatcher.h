// Answers the message boxes of this process so that a run without a user never
// blocks: a thread looks for message-box windows (class "#32770" holding a
// message-box text control), notes caption and text, and presses the next queued
// answer (or the box's own Yes or OK when the queue is empty or the box lacks it).
#pragma once
#include <windows.h>

#include <deque>
#include <set>
#include <string>
#include <vector>

namespace hostsim::win32 {

class MessageBoxWatcher {
public:
    MessageBoxWatcher();
    ~MessageBoxWatcher();
    MessageBoxWatcher(const MessageBoxWatcher&) = delete;
    MessageBoxWatcher& operator=(const MessageBoxWatcher&) = delete;

    void SetAnswers(const std::vector<int>& answers);
    // While disabled (a dialog journey drives the windows itself) nothing is pressed.
    void SetEnabled(bool enabled) { InterlockedExchange(&enabled_, enabled ? 1 : 0); }
    // The boxes answered since the last call, as log lines.
    std::vector<std::string> TakeLines();

private:
    void Watch();
    void Answer(HWND box);
    static BOOL CALLBACK Visit(HWND window, LPARAM self);
    static DWORD WINAPI ThreadStart(LPVOID self);

    // The toolchain's threads are Win32 ones: a critical section guards the
    // queue, the lines and the set of boxes answered.
    class Lock {
    public:
        explicit Lock(CRITICAL_SECTION& section) : section_(section) { EnterCriticalSection(&section_); }
        ~Lock() { LeaveCriticalSection(&section_); }
        Lock(const Lock&) = delete;
        Lock& operator=(const Lock&) = delete;

    private:
        CRITICAL_SECTION& section_;
    };

    volatile LONG stop_ = 0;
    volatile LONG enabled_ = 1;
    CRITICAL_SECTION section_;
    std::deque<int> answers_;
    std::vector<std::string> lines_;
    std::set<HWND> answered_;
    HANDLE thread_ = nullptr;
};

}  // namespace hostsim::win32
