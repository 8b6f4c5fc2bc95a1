// One loaded plug-in in the Host stand-in, shared by every input of a fuzz run,
// with checks that each reader gave back everything it took and made only
// well-formed requests.
#pragma once
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

#include "host/HostContext.h"
#include "hostsim/SimHost.h"
#include "platform/portable/PortablePlatform.h"
#include "plugin/EntryPoint.h"
#include "state/ModuleState.h"

namespace orvane::fuzz {

inline hostsim::SimHost& LoadedHost()
{
    static hostsim::SimHost* host = [] {
        auto* h = new hostsim::SimHost(&OrvanePluginMain);
        platform::ResetPortable();
        h->Load();
        h->publication.SetPageCount(6);
        return h;
    }();
    Host().hostRoot = host->Root();
    Host().requestRecord = host->Record();
    host->ClearLog();
    return *host;
}

// Labels on some pages so that page following has something to find.
inline void LabelPages(hostsim::SimHost& host)
{
    for (std::size_t i = 0; i < host.publication.pages.size(); i += 2) {
        hostsim::SimPage& page = host.publication.pages[i];
        page.labels[{"HLCX", "ORVT"}] = "ORVT " + std::to_string(page.key) + " ORVT";
    }
}

inline void SetRecord(hostsim::SimHost& host, const char* name, const std::uint8_t* data, std::size_t size)
{
    host.publication.records.clear();
    host.publication.records[{name, "ORVT"}] = std::vector<char>(data, data + size);
}

inline void ExpectBalanced(const hostsim::SimHost& host)
{
    if (host.RecordOpen() || host.OutstandingInterfaces() != 0 || host.OutstandingRecordData() != 0 ||
        host.OutstandingAllocations() != 0) {
        std::fprintf(stderr, "reader left something taken from the Host\n");
        std::abort();
    }
    for (const std::string& violation : host.violations) {
        std::fprintf(stderr, "malformed %s\n", violation.c_str());
        std::abort();
    }
}

}  // namespace orvane::fuzz
