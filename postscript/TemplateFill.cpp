#include "postscript/TemplateFill.h"

#include <cstring>

#include "host/Status.h"
#include "postscript/NumberText.h"
#include "postscript/Template.h"

namespace orvane {

void AppendFilledTemplate(std::string& out, int identifier, std::initializer_list<TemplateArgument> arguments)
{
    PostScriptTemplate found = LoadTemplate(identifier);
    if (found.address == nullptr) Raise(kStatusFailure);
    // The text ends at its first zero byte, as a C text would.
    const void* zero = std::memchr(found.address, '\0', found.length);
    const char* p = found.address;
    const char* end = zero ? static_cast<const char*>(zero) : found.address + found.length;

    const TemplateArgument* next = arguments.begin();
    while (p < end) {
        const char* percent = static_cast<const char*>(std::memchr(p, '%', static_cast<std::size_t>(end - p)));
        if (percent == nullptr) {
            out.append(p, end);
            break;
        }
        out.append(p, percent);
        if (percent + 1 >= end) {
            out += '%';
            break;
        }
        char kind = percent[1];
        if (kind == 's' || kind == 'd') {
            if (next == arguments.end() || next->IsNumber() != (kind == 'd')) Raise(kStatusFailure);
            if (kind == 'd') AppendInteger(out, next->Number());
            else next->AppendText(out);
            ++next;
        } else if (kind == '%') {
            out += '%';
        } else {
            out.append(percent, 2);
        }
        p = percent + 2;
    }
    if (next != arguments.end()) Raise(kStatusFailure);
}

std::string FillTemplate(int identifier, std::initializer_list<TemplateArgument> arguments)
{
    std::string out;
    AppendFilledTemplate(out, identifier, arguments);
    return out;
}

}  // namespace orvane
