#include "postscript/PostScriptBatch.h"

#include <limits>

#include "postscript/Template.h"

namespace orvane {

PostScriptBatch::PostScriptBatch(bool controlFirst) : stream_(kPostScriptStream)
{
    if (controlFirst) Control();
}

void PostScriptBatch::Control() { stream_->OutputControl(0); }

void PostScriptBatch::Write(const char* bytes, std::size_t length)
{
    if (length > static_cast<std::size_t>(std::numeric_limits<HostLong>::max())) Raise(kStatusFailure);
    RaiseIfFailed(stream_->WriteText(bytes, static_cast<HostLong>(length)));
}

void PostScriptBatch::WriteTemplate(int identifier)
{
    PostScriptTemplate found = LoadTemplate(identifier);
    if (found.address == nullptr) Raise(kStatusFailure);
    Write(found.address, found.length);
}

}  // namespace orvane
