// A loaded plug-in in the Host stand-in, with the request layer pointed at it so
// that tests can call core operations directly.
#pragma once
#include <gtest/gtest.h>

#include <functional>

#include "host/HostContext.h"
#include "hostsim/SimHost.h"
#include "platform/portable/PortablePlatform.h"
#include "plugin/EntryPoint.h"
#include "state/ModuleState.h"

namespace orvane::test {

// The status of the HostError a call throws; kStatusOk when it returns.
inline Status StatusOf(const std::function<void()>& call)
{
    try {
        call();
    } catch (const HostError& error) {
        return error.status();
    }
    return kStatusOk;
}

// Fails the running test with every request the stand-in refused as malformed.
inline void ExpectWellFormedRequests(const hostsim::SimHost& host)
{
    for (const std::string& violation : host.violations) ADD_FAILURE() << "malformed " << violation;
}

class TestHost {
public:
    TestHost()
    {
        platform::ResetPortable();
        EXPECT_EQ(host.Load(), 0) << "the plug-in did not load";
        Attach();
        host.ClearLog();
    }
    ~TestHost()
    {
        Module().FreePrintTimeObjects();
        host.Unload();
        ExpectWellFormedRequests(host);
    }
    // Points the request layer at this host again (main does so on every call).
    void Attach()
    {
        Host().hostRoot = host.Root();
        Host().requestRecord = host.Record();
    }

    hostsim::SimHost host{&OrvanePluginMain};
};

}  // namespace orvane::test
