// PostScript templates: resources of type "TPPS" of the plug-in's own module, each
// looked up once and then taken from the module-wide table.
#pragma once
#include <cstddef>
#include <string>
#include <string_view>

namespace orvane {

struct PostScriptTemplate {
    const char* address = nullptr;  // nullptr when the resource is missing
    std::size_t length = 0;
};

PostScriptTemplate LoadTemplate(int identifier);

// The template's bytes as a text (empty when missing).
std::string TemplateText(int identifier);

// The template's bytes up to its first zero byte, as a C text would hold them
// (empty when missing). Valid while the module is loaded.
std::string_view TemplateTextToZero(int identifier);

enum TemplateId : int {
    kTemplatePageZone = 138,
    kTemplateTestOpen = 153,
    kTemplateTestClose = 154,
    kTemplateInkListEnd = 155,
    kTemplateInk = 156,
    kTemplateInkListStart = 157,
    kTemplatePageDeviceEnd = 158,
    kTemplateTrappingOrder = 159,
    kTemplatePageDeviceStart = 160,
    kTemplateRestoreGlobal = 161,
    kTemplateLocalMemory = 162,
    kTemplateDeviceTest = 163,
    kTemplateStyle = 164,
    kTemplateCvdict = 165,
    kTemplateReservedStyleName = 168,
    kTemplateDeviceParameters = 169,
    kTemplateZoneDisabled = 170,
    kTemplateStartComment = 174,
    kTemplateEndComment = 175,
};

}  // namespace orvane
