// A Host that serves only what a page notification uses: the request channel (103)
// and the PostScript stream (104). Nothing is logged; the bytes written are appended
// to a buffer that keeps its memory, and each interface call leaves one letter in a
// trace. It measures and checks the plug-in's own share of a notification, without
// the costs of the full stand-in. Requests go to the record of a full Host.
#pragma once
#include <cstdint>
#include <string>

#include "host/HostInterfaces.h"
#include "host/HostRequestRecord.h"
#include "host/ParameterBlock.h"
#include "hostsim/PlaceholderStream.h"

namespace hostsim {

class PageHost {
public:
    using Entry = std::int16_t (*)(orvane::ParameterBlock*);
    PageHost(Entry entry, orvane::HostRequestRecord* record);
    PageHost(const PageHost&) = delete;
    PageHost& operator=(const PageHost&) = delete;

    // Message 7 with the notification `identifier`; the status main returns.
    std::int16_t Notify(std::uint32_t identifier);
    orvane::HostRoot* Root() { return &root_; }

    // Trace letters: g get 103, s get 104, x get of any other interface (refused),
    // r release, q request record, e error reported, c output control, w write.
    bool tracing = true;
    std::string trace;
    std::string written;
    int outstanding = 0;  // interfaces got and not given back
    int errorsReported = 0;

    // Empties the trace and the bytes, keeping their memory.
    void Clear();

private:
    void Note(char letter)
    {
        if (tracing) trace += letter;
    }

    struct RootObject : orvane::HostRoot {
        PageHost* host;
        void Slot0() override {}
        std::int16_t GetInterface(orvane::HostLong number, void** out) override;
        void Slot2() override {}
        void ReleaseInterface(void* iface) override;
    };
    struct ChannelObject : orvane::RequestChannel {
        PageHost* host;
        void Slot0() override {}
        void GetRequestRecord(orvane::HostRequestRecord** out) override;
        void ReportError(std::int16_t status, orvane::HostRequestRecord* record) override;
    };
    struct StreamObject : PlaceholderStream {
        PageHost* host;
        std::int16_t WriteText(const char* bytes, orvane::HostLong length) override;
        std::int16_t OutputControl(orvane::HostLong value) override;
    };

    Entry entry_;
    orvane::HostRequestRecord* record_;
    RootObject root_;
    ChannelObject channel_;
    StreamObject stream_;
};

}  // namespace hostsim
