// A loaded plug-in in the Host stand-in, with the request layer pointed at it so
// that tests can call core operations directly.
#pragma once
#include "host/HostContext.h"
#include "hostsim/SimHost.h"
#include "platform/portable/PortablePlatform.h"
#include "plugin/EntryPoint.h"
#include "state/ModuleState.h"

namespace orvane::test {

class TestHost {
public:
    TestHost()
    {
        platform::ResetPortable();
        host.Load();
        Attach();
        host.ClearLog();
    }
    ~TestHost()
    {
        Module().FreePrintTimeObjects();
        host.Unload();
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
