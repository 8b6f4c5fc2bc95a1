#include "postscript/Template.h"

#include <cstring>

#include "platform/Platform.h"
#include "state/ModuleState.h"

namespace orvane {

PostScriptTemplate LoadTemplate(int identifier)
{
    auto& found = Module().templates;
    const bool kept = identifier >= 0 && static_cast<std::size_t>(identifier) < found.size();
    platform::ResourceBytes bytes = kept ? found[static_cast<std::size_t>(identifier)] : platform::ResourceBytes{};
    if (bytes.data == nullptr) {
        bytes = platform::FindTemplateResource(identifier);
        if (kept) found[static_cast<std::size_t>(identifier)] = bytes;
    }
    PostScriptTemplate result;
    result.address = bytes.data;
    result.length = bytes.data ? bytes.size : 0;
    return result;
}

std::string TemplateText(int identifier)
{
    PostScriptTemplate found = LoadTemplate(identifier);
    return found.address ? std::string(found.address, found.length) : std::string();
}

std::string_view TemplateTextToZero(int identifier)
{
    PostScriptTemplate found = LoadTemplate(identifier);
    if (found.address == nullptr) return {};
    const void* zero = std::memchr(found.address, '\0', found.length);
    return {found.address, zero ? static_cast<std::size_t>(static_cast<const char*>(zero) - found.address) : found.length};
}

}  // namespace orvane
