// How many allocations the test program has made so far: the global allocator,
// replaced in HostBridgeAllocationTest.cpp, notes each one here.
#pragma once
#include <cstddef>

namespace orvane::test {

void NoteAllocation();
std::size_t AllocationCount();

}  // namespace orvane::test
