#include "inspect/Interrupt.h"

#include <csignal>
#include <initializer_list>

namespace orvane::inspect {
namespace {

volatile std::sig_atomic_t interrupted = 0;
volatile pid_t child = 0;

void OnSignal(int) {
    interrupted = 1;
    if (child > 0) kill(child, SIGTERM);
}

}  // namespace

void CatchInterrupts() {
    struct sigaction action {};
    action.sa_handler = OnSignal;
    sigemptyset(&action.sa_mask);
    // A signal ignored from the start (nohup, a background job) stays ignored.
    for (int signal : {SIGINT, SIGTERM, SIGHUP}) {
        struct sigaction before {};
        if (sigaction(signal, nullptr, &before) == 0 && before.sa_handler != SIG_IGN) sigaction(signal, &action, nullptr);
    }
}

bool Interrupted() { return interrupted != 0; }

void ForwardInterruptsTo(pid_t pid) {
    child = pid;
    if (pid > 0 && interrupted) kill(pid, SIGTERM);
}

}  // namespace orvane::inspect
