// Ctrl-C, a hang-up or a kill: the run stops where it stands, Ghostscript with it, and
// unwinds, so that its own folder goes; the exit status is then 2.
#pragma once
#include <sys/types.h>

namespace orvane::inspect {

// Catches SIGINT, SIGTERM and SIGHUP from here on, but those ignored already.
void CatchInterrupts();
bool Interrupted();
// The Ghostscript run to end along with the inspector (0: none).
void ForwardInterruptsTo(pid_t child);

}  // namespace orvane::inspect
