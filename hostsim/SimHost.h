// A simulated Host: its interfaces, its request record and an answer to every
// numbered request the plug-in makes, drawn from a Publication. It logs every
// request and interface transaction, captures the PostScript written at each
// notification, and can fail any request, write or allocation on demand.
#pragma once
#include <cstdint>
#include <map>
#include <memory>
#include <string>
#include <vector>

#include "host/HostInterfaces.h"
#include "host/HostRequestRecord.h"
#include "host/ParameterBlock.h"
#include "hostsim/Publication.h"

namespace hostsim {

using PluginEntry = std::int16_t (*)(orvane::ParameterBlock*);

// The status of a request refused as malformed.
constexpr std::int16_t kMalformedRequest = 7900;

struct FailRule {
    std::int16_t status = 1;
    int skip = 0;    // let this many calls succeed first
    int times = -1;  // fail this many times (-1: always)
};

class SimHost {
public:
    explicit SimHost(PluginEntry entry);
    ~SimHost();
    SimHost(const SimHost&) = delete;
    SimHost& operator=(const SimHost&) = delete;

    Publication publication;

    // Sends one message to the plug-in and returns its status.
    std::int16_t Send(std::uint32_t code, std::int32_t value = 0, void* notification = nullptr);
    std::int16_t Load() { return Send(orvane::kMessageLoad); }
    std::int16_t Unload() { return Send(orvane::kMessageUnload); }
    std::int16_t Register() { return Send(orvane::kMessageRegister); }
    std::int16_t Release() { return Send(orvane::kMessageRelease); }
    std::int16_t Command(std::int32_t number) { return Send(orvane::kMessageCommand, number); }
    // A notification; `result` receives the record's result field.
    std::int16_t Notify(std::uint32_t identifier, std::int32_t* result = nullptr, void* details = nullptr);
    std::int16_t NotifyJobEnd(std::uint16_t code, std::uint16_t klass);

    // Failure injection.
    std::map<std::uint16_t, FailRule> failRequests;
    FailRule* failWrite = nullptr;  // set through FailWrites
    void FailWrites(FailRule rule) { writeRule_ = rule; failWrite = &writeRule_; }
    bool failAllocate = false;
    bool failInterfaces = false;
    // Private-data reads, counted from 0 over every read of every record: `failReads`
    // makes a read fail with its status; `shortReads` makes it succeed with one byte
    // fewer than asked (none of a one-byte read), the rest of the block being filler.
    // Both are off until a test sets them.
    FailRule failReads{1, 0, 0};
    FailRule shortReads{1, 0, 0};

    // What happened.
    std::vector<std::string> log;                   // requests and interface transactions
    // Requests refused as malformed, one line per fault naming the request and the field.
    std::vector<std::string> violations;
    std::vector<std::uint16_t> requests;            // identifiers in order
    std::vector<std::int16_t> reportedErrors;       // ReportError statuses
    std::vector<std::int32_t> registered;           // RegisterNotification numbers
    std::map<std::uint32_t, std::string> streams;   // PostScript per notification identifier
    std::string job;                                // everything written, in order
    int outputControls = 0;
    int printJobOperations = 0;
    std::uint32_t currentNotification = 0;

    int OutstandingInterfaces() const;       // got but not released (102 excluded)
    bool PrintJobInterfaceHeld() const;      // 102 got and not released
    int OutstandingAllocations() const { return static_cast<int>(allocations_.size()); }
    int OutstandingRecordData() const { return static_cast<int>(recordData_.size()); }
    bool RecordOpen() const { return openRecord_.active; }
    int CountRequests(std::uint16_t id) const;
    void ClearLog();

    // The Host root and request record, for tests that call the core directly.
    orvane::HostRoot* Root();
    orvane::HostRequestRecord* Record();

    // Hooks for the interface objects.
    std::int16_t GetInterface(orvane::HostLong number, void** out);
    void ReleaseInterface(void* iface);
    void* Allocate(orvane::HostULong size);
    void Free(void* p);
    std::int16_t WriteText(const char* bytes, orvane::HostLong length);
    std::int16_t RecordOpenFor(const char* name, const char* type, std::int16_t mode);
    void RecordClose();
    void RecordDelete(const char* name, const char* type);
    std::int16_t RecordRead(void** data, orvane::HostLong count, orvane::HostLong* obtained);
    void RecordWrite(const void* data, orvane::HostLong count);
    void RecordFreeData(void* data);
    std::int16_t HandleRequest(orvane::HostRequestRecord* record);

private:
    struct Interfaces;
    struct OpenRecord {
        bool active = false;
        std::string name, type;
        std::int16_t mode = 0;
        std::size_t cursor = 0;
    };

    bool ShouldFail(FailRule& rule);
    std::int16_t Answer(orvane::HostRequestRecord* record, std::string& logLine);
    std::int16_t ReplyBytes(orvane::HostRequestRecord* record, const std::vector<char>& bytes);

    PluginEntry entry_;
    std::unique_ptr<Interfaces> interfaces_;
    FailRule writeRule_;
    std::map<void*, int> outstanding_;  // interface -> number
    std::map<void*, std::vector<char>> allocations_;
    std::map<void*, std::unique_ptr<char[]>> recordData_;
    OpenRecord openRecord_;
    int printJobGets_ = 0;
    int printJobReleases_ = 0;
};

}  // namespace hostsim
