#include <gtest/gtest.h>

#include "host/HostContext.h"
#include "host/HostRequests.h"
#include "hostsim/SimHost.h"
#include "plugin/EntryPoint.h"

namespace {
TEST(HostBridge, BuildsAndRegisters)
{
    hostsim::SimHost host(&OrvanePluginMain);
    EXPECT_EQ(host.Load(), 0);
    EXPECT_EQ(host.Register(), 0);
    EXPECT_EQ(host.registered, (std::vector<std::int32_t>{2, 105, 110, 107, 118, 102}));
    EXPECT_EQ(host.OutstandingInterfaces(), 0);
    EXPECT_EQ(host.Unload(), 0);
}
}  // namespace
