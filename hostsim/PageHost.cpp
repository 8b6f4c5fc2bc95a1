#include "hostsim/PageHost.h"

using namespace orvane;

namespace hostsim {

PageHost::PageHost(Entry entry, HostRequestRecord* record) : entry_(entry), record_(record)
{
    root_.host = this;
    channel_.host = this;
    stream_.host = this;
}

std::int16_t PageHost::Notify(std::uint32_t identifier)
{
    NotificationRecord notification{};
    notification.identifier = identifier;
    ParameterBlock block{};
    block.hostRoot = &root_;
    block.messageCode = kMessageNotify;
    block.notification = &notification;
    return entry_(&block);
}

void PageHost::Clear()
{
    trace.clear();
    written.clear();
}

std::int16_t PageHost::RootObject::GetInterface(HostLong number, void** out)
{
    *out = nullptr;
    if (number == kRequestChannel) *out = &host->channel_;
    else if (number == kPostScriptStream) *out = &host->stream_;
    host->Note(number == kRequestChannel ? 'g' : number == kPostScriptStream ? 's' : 'x');
    if (*out == nullptr) return 1;
    ++host->outstanding;
    return 0;
}

void PageHost::RootObject::ReleaseInterface(void*)
{
    host->Note('r');
    --host->outstanding;
}

void PageHost::ChannelObject::GetRequestRecord(HostRequestRecord** out)
{
    host->Note('q');
    *out = host->record_;
}

void PageHost::ChannelObject::ReportError(std::int16_t, HostRequestRecord*)
{
    host->Note('e');
    ++host->errorsReported;
}

std::int16_t PageHost::StreamObject::WriteText(const char* bytes, HostLong length)
{
    host->Note('w');
    if (length < 0) return 1;
    host->written.append(bytes, static_cast<std::size_t>(length));
    return 0;
}

std::int16_t PageHost::StreamObject::OutputControl(HostLong)
{
    host->Note('c');
    return 0;
}

}  // namespace hostsim
