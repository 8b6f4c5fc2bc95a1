#include "postscript/Template.h"

#include "platform/Platform.h"

namespace orvane {

PostScriptTemplate LoadTemplate(int identifier)
{
    platform::ResourceBytes bytes = platform::FindTemplateResource(identifier);
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

}  // namespace orvane
