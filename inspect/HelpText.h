// What --help says besides the options: what the inspector does, the trap model its
// preview follows, and the exit statuses.
#pragma once

namespace orvane::inspect {

extern const char* const kHelpIntro;
extern const char* const kHelpEnd;

}  // namespace orvane::inspect
