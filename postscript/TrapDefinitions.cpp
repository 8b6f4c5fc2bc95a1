// Notifications 105 and 107: the document's trap definitions and page device setup.
#include "model/Ink.h"
#include "model/TrapStyle.h"
#include "state/ModuleState.h"
#include "postscript/Formats.h"
#include "postscript/PostScriptBatch.h"
#include "postscript/Template.h"
#include "postscript/TemplateFill.h"
#include "postscript/TrapSetupWriter.h"

namespace orvane {

namespace {

bool TrappingOn()
{
    const ModuleState& state = Module();
    return state.documentSettings && state.documentSettings->trappingEnabled != 0;
}

}  // namespace

std::string InkDefinitionsText(const InkList& inks)
{
    std::string text;
    if (inks.Empty()) return text;
    text = TemplateText(kTemplateInkListStart);
    for (const auto& entry : inks.Entries()) {
        std::string colorant = EscapePostScriptString(InkList::ColorantName(*entry));
        std::string density = NumberAsStored(entry->densityText);
        AppendFilledTemplate(text, kTemplateInk, {colorant, density, InkTypeName(entry->type)});
    }
    text += TemplateText(kTemplateInkListEnd);
    return text;
}

std::string StyleDefinitionText(const TrapStyle& style)
{
    const std::string name = EscapePostScriptName(style.name);
    const std::string blackColorLimit = PercentToFraction(style.blackColorLimit, true);
    const std::string blackDensityLimit = DensityWithMinimum(style.blackDensityLimit);
    const std::string blackWidth = Ratio(style.blackWidth, style.trapWidth);
    const std::string resolution = WholeNumberWithMinimum(style.imageResolution);
    const std::string slidingTrapLimit = PercentToFraction(style.slidingTrapLimit, false);
    const std::string stepLimit = PercentToFraction(style.stepLimit, true);
    const std::string colorScaling = PercentToFraction(style.trapColorScaling, false);
    const std::string setName = EscapePostScriptString(style.name);
    const std::string trapWidth = NumberAsStored(style.trapWidth);
    return FillTemplate(kTemplateStyle,
                        {name, blackColorLimit, blackDensityLimit, blackWidth, "true", "null",
                         FlagText(style.imageInternalTrapping), FlagText(style.imageToObjectTrapping), resolution,
                         PlacementName(style.imageTrapPlacement), slidingTrapLimit, stepLimit, colorScaling, setName,
                         trapWidth});
}

std::string TrappingOrderNames(const InkList& inks)
{
    std::string text;
    for (const auto& entry : inks.Entries()) {
        text += '(';
        text += EscapePostScriptString(InkList::ColorantName(*entry));
        text += ")cvn ";
    }
    return text;
}

void WriteTrapDefinitions()
{
    if (!TrappingOn()) return;
    const ModuleState& state = Module();
    PostScriptBatch batch;
    for (int id : {kTemplateDeviceTest, kTemplateTestOpen, kTemplateCvdict, kTemplateLocalMemory}) {
        batch.WriteTemplate(id);
    }
    static const InkList noInks;
    batch.Write(InkDefinitionsText(state.inkList ? *state.inkList : noInks));

    const std::string reserved = EscapePostScriptName(ReservedStyleName());
    batch.Write(FillTemplate(kTemplateDeviceParameters, {reserved}));

    if (state.currentStyleList) {
        const std::string& defaultName = state.documentSettings->defaultStyleName;
        for (const auto& style : state.currentStyleList->Styles()) {
            if (style->inUse == 0 && style->name != defaultName) continue;
            batch.Write(StyleDefinitionText(*style));
        }
    }
    batch.WriteTemplate(kTemplateRestoreGlobal);
    batch.WriteTemplate(kTemplateTestClose);
}

void WritePageDeviceSetup()
{
    if (!TrappingOn()) return;
    const ModuleState& state = Module();
    PostScriptBatch batch(false);
    batch.WriteTemplate(kTemplateStartComment);
    batch.Control();
    for (int id : {kTemplateDeviceTest, kTemplateCvdict, kTemplateTestOpen, kTemplatePageDeviceStart}) {
        batch.WriteTemplate(id);
    }
    const std::string order = state.inkList ? TrappingOrderNames(*state.inkList) : std::string();
    batch.Write(FillTemplate(kTemplateTrappingOrder, {order}));
    batch.WriteTemplate(kTemplatePageDeviceEnd);
    batch.WriteTemplate(kTemplateTestClose);
    batch.Control();
    batch.WriteTemplate(kTemplateEndComment);
}

}  // namespace orvane
