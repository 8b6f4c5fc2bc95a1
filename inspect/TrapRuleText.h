// Why the trap preview trapped a pair of colours or left it untrapped: the rule that
// decided it, in words a prepress user reads and as the JSON object `rule`.
#pragma once
#include <string>
#include <vector>

#include "inspect/JsonReport.h"
#include "inspect/engine/TrapEngine.h"

namespace orvane::inspect {

// The outcome as the report names it: spread, centre, or the reason for no trap.
const char* Outcome(bool trapped, const TrapRule& rule, UntrappedReason reason);

// inks: the page's ink names, in the order the colours' tints are given.
std::string RuleText(const std::vector<std::string>& inks, const std::vector<std::uint8_t>& lighter,
                     const std::vector<std::uint8_t>& darker, const TrapRule& rule, const char* outcome);
Json RuleJson(const std::vector<std::string>& inks, const TrapRule& rule, const char* outcome);

}  // namespace orvane::inspect
