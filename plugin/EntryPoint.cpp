#include "plugin/EntryPoint.h"

#include <new>
#include <string>

#include "host/HostContext.h"
#include "host/HostRequests.h"
#include "platform/Platform.h"
#include "plugin/PluginBase.h"
#include "postscript/NumberText.h"
#include "state/ResourceString.h"

namespace orvane {

namespace {

void AllocationFailureHandler() { throw AllocationFailure(); }

constexpr int kStringVersionText = 47;
constexpr int kStringVersionCaption = 48;

}  // namespace

bool HostVersionSupported()
{
    std::string identity;
    try {
        identity = requests::HostIdentity();
    } catch (...) {
        return false;
    }
    std::size_t first = identity.find(' ');
    if (first == std::string::npos) return false;
    std::size_t second = identity.find(' ', first + 1);
    if (second == std::string::npos) return false;
    float version = 0.0f;
    if (!ReadDecimal(identity.substr(second + 1), version)) return false;
    return version >= 6.52f;
}

namespace {

// Step 4 of main: true when the message may be dispatched. A Host that is too old
// is told so for messages 3 and 6 (silently for 1).
bool VersionAllowsMessage(std::uint32_t code)
{
    if (code != kMessageLoad && code != kMessageRegister && code != kMessageCommand) return true;
    if (HostVersionSupported()) return true;
    if (code != kMessageLoad) {
        try {
            ResourceString text(kStringVersionText);
            ResourceString caption(kStringVersionCaption);
            platform::ShowMessageBox(platform::ActiveWindow(), text.Text(), caption.Text(), platform::kMbOk);
        } catch (...) {
            // The refusal stands even when the message cannot be shown.
        }
    }
    return false;
}

// Steps 5 and 6 of main: the dispatch, every error caught.
Status Dispatch(ParameterBlock* block, HostRequestRecord* record)
{
    try {
        TrappingPlugin plugin(block, record);
        plugin.Dispatch();
        return kStatusOk;
    } catch (const HostError& error) {
        return error.status() != kStatusOk ? error.status() : kStatusFailure;
    } catch (...) {
        return kStatusFailure;
    }
}

}  // namespace

}  // namespace orvane

extern "C" std::int16_t OrvanePluginMain(orvane::ParameterBlock* block)
{
    using namespace orvane;
    if (block == nullptr || block->hostRoot == nullptr) return kStatusFailure;

    // 1. The Host root, its request channel and the request record.
    HostRoot* root = block->hostRoot;
    Host().hostRoot = root;
    void* channelAddress = nullptr;
    if (root->GetInterface(kRequestChannel, &channelAddress) != kStatusOk || channelAddress == nullptr) {
        return kStatusFailure;
    }
    auto* channel = static_cast<RequestChannel*>(channelAddress);
    HostRequestRecord* record = nullptr;
    channel->GetRequestRecord(&record);
    Host().requestRecord = record;

    // 2. The parameter block.
    Host().parameterBlock = block;

    // 3. From here on a failed allocation raises 7212. Installing the handler is an
    // exchange the processor locks for; a handler already in place stays.
    if (std::get_new_handler() != AllocationFailureHandler) std::set_new_handler(AllocationFailureHandler);

    // 4. A Host that is too old: 7212, neither dispatched nor reported.
    if (!VersionAllowsMessage(block->messageCode)) {
        root->ReleaseInterface(channel);
        return kStatusFailure;
    }

    // 5 and 6.
    Status result = Dispatch(block, record);

    // 7. Report a failure to the Host.
    if (result != kStatusOk) {
        void* reportAddress = nullptr;
        if (root->GetInterface(kRequestChannel, &reportAddress) == kStatusOk && reportAddress != nullptr) {
            auto* report = static_cast<RequestChannel*>(reportAddress);
            HostRequestRecord* reportRecord = nullptr;
            report->GetRequestRecord(&reportRecord);
            report->ReportError(result, reportRecord);
            root->ReleaseInterface(report);
        }
    }

    // 8.
    root->ReleaseInterface(channel);
    return result;
}
