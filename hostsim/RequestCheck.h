// What the Host checks of a numbered request before it answers: the record's input
// and output fields for that request, and each field of the input block with the
// values that are fixed for it.
#pragma once
#include <cstddef>
#include <string>
#include <vector>

#include "host/HostRequestRecord.h"

namespace hostsim {

// The faults of one request, each naming the request and the field; none when it
// is well formed. hostBlockSize is the size of the Host memory the input block
// starts, 0 when the block is not in Host memory.
std::vector<std::string> CheckRequest(const orvane::HostRequestRecord& record, std::size_t hostBlockSize);

}  // namespace hostsim
