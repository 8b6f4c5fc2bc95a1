#include "tests/AllocationCount.h"

namespace orvane::test {

namespace {
std::size_t g_allocations = 0;
}  // namespace

void NoteAllocation() { ++g_allocations; }
std::size_t AllocationCount() { return g_allocations; }

}  // namespace orvane::test
