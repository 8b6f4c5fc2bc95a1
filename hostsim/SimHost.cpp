#include "hostsim/SimHost.h"

#include <cstring>
#include <sstream>

#include "hostsim/PlaceholderStream.h"
#include "hostsim/ReplyWriter.h"
#include "hostsim/RequestCheck.h"
#include "platform/Platform.h"

using namespace orvane;

namespace hostsim {

namespace {

constexpr std::int16_t kRefused = 1;

std::int16_t DensityOf(const SimColor& color)
{
    long value = (color.c * 610L + color.m * 760L + color.y * 160L + color.k * 1700L) / 1000L;
    return static_cast<std::int16_t>(value);
}

std::string Quote(const std::string& text) { return "\"" + text + "\""; }

// Reply fields the plug-in does not read carry values of their own, different from
// each other and from any value a read field takes, so that reading a wrong field shows.
std::int16_t Unread(int n) { return static_cast<std::int16_t>(0x5A00 + n); }
std::int32_t Unread32(int n) { return 0x5A5A0000 + n; }

}  // namespace

struct SimHost::Interfaces {
    struct Root : HostRoot {
        SimHost* host;
        void Slot0() override {}
        std::int16_t GetInterface(HostLong number, void** out) override { return host->GetInterface(number, out); }
        void Slot2() override {}
        void ReleaseInterface(void* iface) override { host->ReleaseInterface(iface); }
    };
    struct Core : CoreInterface {
        SimHost* host;
        void Slot0() override {}
        void* Allocate(HostULong size) override { return host->Allocate(size); }
        void Free(void* p) override { host->Free(p); }
        void Slot3() override {}
        void Slot4() override {}
        void Slot5() override {}
        void Slot6() override {}
        void Slot7() override {}
        void Slot8() override {}
        void RegisterNotification(HostLong number) override
        {
            host->registered.push_back(number);
            host->log.push_back("register " + std::to_string(number));
        }
    };
    struct PrintJob : PrintJobInterface {
        SimHost* host;
        void Slot0() override {}
        void Slot1() override {}
        void Slot2() override {}
        void Operation3(char** buffers) override
        {
            ++host->printJobOperations;
            if (buffers && buffers[0] && buffers[1]) {
                std::memset(buffers[0], 'A', 255);
                std::memset(buffers[1], 'B', 255);
            }
        }
    };
    struct Channel : RequestChannel {
        SimHost* host;
        HostRequestRecord* record;
        void Slot0() override {}
        void GetRequestRecord(HostRequestRecord** out) override { *out = record; }
        void ReportError(std::int16_t status, HostRequestRecord*) override
        {
            host->reportedErrors.push_back(status);
            host->log.push_back("report " + std::to_string(status));
        }
    };
    struct Stream : PlaceholderStream {
        SimHost* host;
        std::int16_t WriteText(const char* bytes, HostLong length) override { return host->WriteText(bytes, length); }
        std::int16_t OutputControl(HostLong) override
        {
            ++host->outputControls;
            return 0;
        }
    };
    struct Accessor : PrivateDataAccessor {
        SimHost* host;
        void Slot0() override {}
        void Slot1() override {}
        std::int16_t Open(const char* name, const char* type, std::int16_t mode) override
        {
            return host->RecordOpenFor(name, type, mode);
        }
        void Close() override { host->RecordClose(); }
        void Slot4() override {}
        void Delete(const char* name, const char* type) override { host->RecordDelete(name, type); }
        void Slot6() override {}
        void Slot7() override {}
        std::int16_t Read(void** data, HostLong count, HostLong* obtained) override
        {
            return host->RecordRead(data, count, obtained);
        }
        void Write(const void* data, HostLong count) override { host->RecordWrite(data, count); }
        void Slot10() override {}
        void FreeData(void* data) override { host->RecordFreeData(data); }
    };
    struct RecordHolder {
        HostRequestRecord record;
        SimHost* host;
    };

    static std::int16_t RequestFunction(HostRequestRecord* record)
    {
        auto* holder = reinterpret_cast<RecordHolder*>(record);
        return holder->host->HandleRequest(record);
    }

    Root root;
    Core core;
    PrintJob printJob;
    Channel channel;
    Stream stream;
    Accessor accessor;
    RecordHolder holder;
};

SimHost::SimHost(PluginEntry entry) : entry_(entry), interfaces_(std::make_unique<Interfaces>())
{
    Interfaces& i = *interfaces_;
    i.root.host = i.core.host = i.printJob.host = i.channel.host = i.stream.host = i.accessor.host = this;
    std::memset(&i.holder.record, 0, sizeof i.holder.record);
    i.holder.record.requestFunction = &Interfaces::RequestFunction;
    i.holder.host = this;
    i.channel.record = &i.holder.record;
    publication.SetPageCount(4);
}

SimHost::~SimHost() = default;

HostRoot* SimHost::Root() { return &interfaces_->root; }
HostRequestRecord* SimHost::Record() { return &interfaces_->holder.record; }

std::int16_t SimHost::Send(std::uint32_t code, std::int32_t value, void* notification)
{
    ParameterBlock block{};
    block.hostRoot = &interfaces_->root;
    block.messageCode = code;
    block.messageValue = value;
    block.notification = notification;
    return entry_(&block);
}

std::int16_t SimHost::Notify(std::uint32_t identifier, std::int32_t* result, void* details)
{
    NotificationRecord record{};
    record.identifier = identifier;
    record.result = 0;
    record.details = details;
    currentNotification = identifier;
    std::int16_t status = Send(kMessageNotify, 0, &record);
    currentNotification = 0;
    if (result) *result = record.result;
    return status;
}

std::int16_t SimHost::NotifyJobEnd(std::uint16_t code, std::uint16_t klass)
{
    NotificationDetails details{code, klass};
    return Notify(2, nullptr, &details);
}

bool SimHost::ShouldFail(FailRule& rule)
{
    if (rule.skip > 0) {
        --rule.skip;
        return false;
    }
    if (rule.times == 0) return false;
    if (rule.times > 0) --rule.times;
    return true;
}

std::int16_t SimHost::GetInterface(HostLong number, void** out)
{
    *out = nullptr;
    log.push_back("get " + std::to_string(number));
    if (failInterfaces) return kRefused;
    Interfaces& i = *interfaces_;
    void* iface = nullptr;
    switch (number) {
    case kCoreInterface: iface = &i.core; break;
    case kPrintJobInterface: iface = &i.printJob; ++printJobGets_; break;
    case kRequestChannel: iface = &i.channel; break;
    case kPostScriptStream: iface = &i.stream; break;
    case kPrivateDataAccessor: iface = &i.accessor; break;
    default: return kRefused;
    }
    if (number != kPrintJobInterface) ++outstanding_[iface];
    *out = iface;
    return 0;
}

void SimHost::ReleaseInterface(void* iface)
{
    if (iface == &interfaces_->printJob) {
        ++printJobReleases_;
        log.push_back("release 102");
        return;
    }
    auto it = outstanding_.find(iface);
    if (it == outstanding_.end() || it->second == 0) {
        log.push_back("release of an interface not held");
        return;
    }
    --it->second;
    log.push_back("release");
}

int SimHost::OutstandingInterfaces() const
{
    int count = 0;
    for (const auto& entry : outstanding_) count += entry.second;
    return count;
}

bool SimHost::PrintJobInterfaceHeld() const { return printJobGets_ > printJobReleases_; }

int SimHost::CountRequests(std::uint16_t id) const
{
    int count = 0;
    for (std::uint16_t r : requests) count += (r == id) ? 1 : 0;
    return count;
}

void SimHost::ClearLog()
{
    log.clear();
    requests.clear();
    reportedErrors.clear();
    streams.clear();
    job.clear();
    outputControls = 0;
}

void* SimHost::Allocate(HostULong size)
{
    if (failAllocate) return nullptr;
    std::vector<char> storage(size == 0 ? 1 : size, '\x5A');
    void* address = storage.data();
    allocations_[address] = std::move(storage);
    return address;
}

void SimHost::Free(void* p)
{
    if (allocations_.erase(p) == 0) log.push_back("free of memory not allocated");
}

std::int16_t SimHost::WriteText(const char* bytes, HostLong length)
{
    if (failWrite != nullptr && ShouldFail(*failWrite)) return failWrite->status;
    if (length < 0) return kRefused;
    std::string text(bytes ? bytes : "", bytes ? static_cast<std::size_t>(length) : 0);
    streams[currentNotification] += text;
    job += text;
    return 0;
}

std::int16_t SimHost::RecordOpenFor(const char* name, const char* type, std::int16_t mode)
{
    log.push_back(std::string("open ") + name + " " + type + " " + std::to_string(mode));
    auto key = std::make_pair(std::string(name), std::string(type));
    if (mode == kPrivateDataRead) {
        if (publication.records.count(key) == 0) return kRefused;
    } else {
        publication.records[key].clear();
    }
    openRecord_.active = true;
    openRecord_.name = name;
    openRecord_.type = type;
    openRecord_.mode = mode;
    openRecord_.cursor = 0;
    return 0;
}

void SimHost::RecordClose()
{
    log.push_back("close");
    openRecord_ = OpenRecord{};
}

void SimHost::RecordDelete(const char* name, const char* type)
{
    log.push_back(std::string("delete ") + name + " " + type);
    publication.records.erase(std::make_pair(std::string(name), std::string(type)));
}

std::int16_t SimHost::RecordRead(void** data, HostLong count, HostLong* obtained)
{
    *data = nullptr;
    if (obtained) *obtained = 0;
    if (!openRecord_.active || openRecord_.mode != kPrivateDataRead || count <= 0) return kRefused;
    if (ShouldFail(failReads)) return failReads.status;
    const std::vector<char>& bytes = publication.records[std::make_pair(openRecord_.name, openRecord_.type)];
    if (openRecord_.cursor >= bytes.size()) return kRefused;
    std::size_t n = std::min(static_cast<std::size_t>(count), bytes.size() - openRecord_.cursor);
    if (ShouldFail(shortReads)) n = static_cast<std::size_t>(count) - 1 < n ? static_cast<std::size_t>(count) - 1 : n;
    // The block is as long as asked for; what was not obtained is filler.
    std::unique_ptr<char[]> storage(new char[static_cast<std::size_t>(count)]);
    std::memset(storage.get(), 0x5A, static_cast<std::size_t>(count));
    std::memcpy(storage.get(), bytes.data() + openRecord_.cursor, n);
    openRecord_.cursor += n;
    *data = storage.get();
    recordData_[storage.get()] = std::move(storage);
    if (obtained) *obtained = static_cast<HostLong>(n);
    return 0;
}

void SimHost::RecordWrite(const void* data, HostLong count)
{
    if (!openRecord_.active || openRecord_.mode != kPrivateDataWrite || count <= 0) return;
    auto& bytes = publication.records[std::make_pair(openRecord_.name, openRecord_.type)];
    const char* p = static_cast<const char*>(data);
    bytes.insert(bytes.end(), p, p + count);
}

void SimHost::RecordFreeData(void* data)
{
    if (recordData_.erase(data) == 0) log.push_back("free of record data not read");
}

std::int16_t SimHost::ReplyBytes(HostRequestRecord* record, const std::vector<char>& bytes)
{
    if (record->outputKind == kKindHostAllocated) {
        platform::GlobalHandle handle = platform::GlobalAllocate(bytes.size());
        void* p = platform::GlobalLockHandle(handle);
        std::memcpy(p, bytes.data(), bytes.size());
        platform::GlobalUnlockHandle(handle);
        record->output = handle;
        return 0;
    }
    if (record->outputKind == kKindPluginBlock) {
        if (record->outputLength < bytes.size() || record->output == 0) return kRefused;
        std::memcpy(reinterpret_cast<void*>(record->output), bytes.data(), bytes.size());
        return 0;
    }
    return 0;
}

std::int16_t SimHost::HandleRequest(HostRequestRecord* record)
{
    std::uint16_t id = record->requestId;
    requests.push_back(id);
    std::string line = "request " + std::to_string(id);
    std::int16_t status = 0;
    auto block = allocations_.find(reinterpret_cast<void*>(record->inputAddress));
    std::vector<std::string> faults = CheckRequest(*record, block == allocations_.end() ? 0 : block->second.size());
    auto rule = failRequests.find(id);
    if (!faults.empty()) {
        status = kMalformedRequest;
        line += " malformed";
        for (const std::string& fault : faults) {
            violations.push_back(fault);
            log.push_back("malformed " + fault);
        }
    } else if (rule != failRequests.end() && ShouldFail(rule->second)) {
        status = rule->second.status;
        line += " failed";
        // A failing Host may still have placed a reply handle in the record.
        if (record->outputKind == kKindHostAllocated) record->output = platform::GlobalAllocate(4);
    } else {
        status = Answer(record, line);
    }
    log.push_back(line);
    return status;
}

std::int16_t SimHost::Answer(HostRequestRecord* record, std::string& line)
{
    const char* input = reinterpret_cast<const char*>(record->inputAddress);
    InputReader in(input, input ? record->inputLength : 0);
    Publication& pub = publication;
    const int pageCount = static_cast<int>(pub.pages.size());
    ReplyWriter reply;

    switch (record->requestId) {
    case 3510:
        reply.Text(pub.hostIdentity).Text("Quillset").Text("Halcyte").Text("Plug-ins");
        reply.Int16(1).Text("Orvane Trapping").Text("OrvaneTrp.dll");
        break;
    case 3511:
        reply.Int16(pub.state);
        break;
    case 3513:
        reply.Text(pub.name);
        break;
    case 3503:
        reply.Int16(pub.firstPage).Int16(static_cast<std::int16_t>(pageCount)).Int16(Unread(1)).Int16(Unread(2));
        reply.Text("Pages");
        break;
    case 3507:
        reply.Int32(pub.pageWidth).Int32(pub.pageHeight);
        break;
    case 3522:
        reply.Text("Letter").Text("Tray 1").Int32(pub.paperHeight).Int32(pub.paperWidth).Int32(Unread32(1));
        reply.Int32(Unread32(2)).Int16(Unread(3)).Int16(Unread(4)).Int16(Unread(5)).Int32(Unread32(6));
        reply.Int16(Unread(7)).Int16(Unread(8)).Int16(Unread(9));
        break;
    case 3518:
        reply.Int16(pub.copies).Int16(Unread(1)).Int16(pub.reverse).Int16(Unread(2)).Text(pub.pageRange);
        reply.Int16(Unread(3)).Int16(pub.parity).Int16(Unread(4)).Int16(Unread(5)).Int16(Unread(6)).Int16(Unread(7));
        reply.Int16(pub.spreads).Int16(Unread(8));
        break;
    case 3521:
        for (int i = 0; i < 10; ++i) reply.Int16(i == 7 ? pub.printOutputKind : Unread(i + 1));
        break;
    case 3523:
        reply.Int16(pub.trapOutput);
        break;
    case 3916:
        reply.Int16(pub.printSetting).Int32(Unread32(1)).Int32(Unread32(2));
        reply.Int16(Unread(3)).Int16(Unread(4)).Int16(Unread(5)).Int16(Unread(6));
        break;
    case 1765: {
        std::int16_t value = in.Int16();
        std::ostringstream values;
        values << value;
        for (int i = 0; i < 2; ++i) values << " " << in.Int32();
        for (int i = 0; i < 4; ++i) values << " " << in.Int16();
        line += " " + values.str();
        if (!in.Ok()) return kRefused;
        pub.printSetting = value;
        return 0;
    }
    case 2003:
        reply.Text(pub.folder).Text(pub.secondFolder);
        break;
    case 2203:
        reply.Int16(static_cast<std::int16_t>(pub.colors.size()));
        for (const SimColor& color : pub.colors) reply.Text(color.name);
        break;
    case 2202: {
        std::int16_t selector = in.Int16();
        std::string name = in.Text();
        line += " " + std::to_string(selector) + " " + Quote(name);
        SimColor* color = in.Ok() ? pub.FindColor(name) : nullptr;
        if (color == nullptr) return kRefused;
        reply.Int16(color->c).Int16(color->m).Int16(color->y).Int16(color->k).Int16(color->kind);
        reply.Int16(Unread(1)).Int16(Unread(2)).Text(color->name).Int16(Unread(3));
        if (selector == 4) {
            reply.Int16(static_cast<std::int16_t>(color->inks.size()));
            int n = 4;
            for (const std::string& ink : color->inks) reply.Text(ink).Int16(Unread(n++));
        } else {
            reply.Int16(0);
        }
        break;
    }
    case 2803: {
        std::string name = in.Text();
        line += " " + Quote(name);
        SimColor* color = in.Ok() ? pub.FindColor(name) : nullptr;
        if (color == nullptr || color->refuseDensity) return kRefused;
        reply.Int16(Unread(1)).Int16(color->density);
        break;
    }
    case 2804: {
        std::string name = in.Text();
        line += " " + Quote(name);
        auto it = pub.inkDensities.find(name);
        if (!in.Ok() || it == pub.inkDensities.end()) return kRefused;
        reply.Text(name).Text("Process").Int16(Unread(1)).Int16(it->second);
        break;
    }
    case 913: {
        std::string name = in.Text();
        std::int16_t v[7];
        for (std::int16_t& value : v) value = in.Int16();
        std::ostringstream values;
        for (std::int16_t value : v) values << " " << value;
        line += " " + Quote(name) + values.str();
        if (!in.Ok() || pub.FindColor(name) != nullptr) return kRefused;
        SimColor color;
        color.name = name;
        color.c = v[3];
        color.m = v[4];
        color.y = v[5];
        color.k = v[6];
        color.density = DensityOf(color);
        pub.colors.push_back(color);
        return 0;
    }
    case 916: {
        std::string name = in.Text(false);
        line += " " + Quote(name);
        for (auto it = pub.colors.begin(); it != pub.colors.end(); ++it) {
            if (it->name == name) {
                pub.colors.erase(it);
                return 0;
            }
        }
        return kRefused;
    }
    case 1626: {
        std::string creator = in.Text();
        std::string type = in.Text();
        std::int16_t v1 = in.Int16();
        std::int32_t v2 = in.Int32();
        std::int16_t v3 = in.Int16();
        std::int32_t key = in.Int32();
        std::int16_t v4 = in.Int16();
        std::string text = in.Text();
        line += " " + creator + " " + type + " " + std::to_string(v1) + " " + std::to_string(v2) + " " +
                std::to_string(v3) + " " + std::to_string(key) + " " + std::to_string(v4) + " " + Quote(text);
        if (!in.Ok()) return kRefused;
        for (SimPage& page : pub.pages) {
            if (static_cast<std::int16_t>(page.key) == static_cast<std::int16_t>(key)) {
                page.labels[std::make_pair(creator, type)] = text;
                return 0;
            }
        }
        return kRefused;
    }
    case 3531: {
        std::string creator = in.Text();
        std::string type = in.Text();
        std::int16_t v1 = in.Int16();
        std::int32_t v2 = in.Int32();
        std::int32_t key = in.Int32();
        line += " " + creator + " " + type + " " + std::to_string(v1) + " " + std::to_string(v2) + " " +
                std::to_string(key);
        if (!in.Ok()) return kRefused;
        for (SimPage& page : pub.pages) {
            if (static_cast<std::int16_t>(page.key) != static_cast<std::int16_t>(key)) continue;
            auto it = page.labels.find(std::make_pair(creator, type));
            if (it == page.labels.end()) return kRefused;
            reply.Int16(Unread(1)).Text(it->second);
            return ReplyBytes(record, reply.Bytes());
        }
        return kRefused;
    }
    case 3533: {
        std::int16_t number = in.Int16();
        line += " " + std::to_string(number);
        int index = number - pub.firstPage;
        if (!in.Ok() || index < 0 || index >= pageCount) return kRefused;
        reply.Int32(pub.pages[static_cast<std::size_t>(index)].key);
        break;
    }
    case 3534: {
        std::int32_t key = in.Int32();
        line += " " + std::to_string(key);
        int index = -1;
        for (int i = 0; i < pageCount; ++i) {
            if (static_cast<std::int16_t>(pub.pages[static_cast<std::size_t>(i)].key) == static_cast<std::int16_t>(key)) {
                index = i;
                break;
            }
        }
        if (!in.Ok() || index < 0) return kRefused;
        reply.Int16(static_cast<std::int16_t>(pub.firstPage + index));
        break;
    }
    default:
        line += " unknown";
        return kRefused;
    }
    return ReplyBytes(record, reply.Bytes());
}

}  // namespace hostsim
