// An allocation that fails inside a handler: the replaced global allocator fails
// one allocation of a chosen size once armed, then behaves again.
#include <gtest/gtest.h>

#include <cstdlib>
#include <new>

#include "host/Status.h"
#include "hostsim/SimHost.h"
#include "platform/portable/PortablePlatform.h"
#include "plugin/EntryPoint.h"
#include "state/ModuleState.h"
#include "tests/AllocationCount.h"

namespace {

std::size_t g_failSize = 0;  // 0: nothing armed
int g_failures = 0;

}  // namespace

void* operator new(std::size_t size)
{
    orvane::test::NoteAllocation();
    for (;;) {
        bool fail = g_failSize != 0 && size == g_failSize;
        if (fail) {
            g_failSize = 0;
            ++g_failures;
        } else if (void* p = std::malloc(size == 0 ? 1 : size)) {
            return p;
        }
        std::new_handler handler = std::get_new_handler();
        if (handler == nullptr) throw std::bad_alloc();
        handler();
    }
}
void operator delete(void* p) noexcept { std::free(p); }
void operator delete(void* p, std::size_t) noexcept { std::free(p); }

namespace orvane {
namespace {

TEST(HostBridgeAllocation, AnAllocationFailureInAHandlerIsReportedAndReturnedAs7212)
{
    platform::ResetPortable();
    hostsim::SimHost host(&OrvanePluginMain);
    ASSERT_EQ(host.Load(), 0);
    host.publication.trapOutput = 0;
    g_failures = 0;
    g_failSize = sizeof(PrintedPageSequence);  // the print start's first allocation
    EXPECT_EQ(host.Notify(102), kStatusFailure);
    g_failSize = 0;
    EXPECT_EQ(g_failures, 1);
    EXPECT_EQ(host.reportedErrors, std::vector<std::int16_t>{kStatusFailure});
    EXPECT_EQ(host.OutstandingInterfaces(), 0);
    EXPECT_EQ(host.OutstandingAllocations(), 0);
    EXPECT_EQ(host.Unload(), 0);
    EXPECT_TRUE(host.violations.empty());
}

}  // namespace
}  // namespace orvane
