#include "dialogs/TrapStyleEditor.h"

#include "dialogs/FieldValidation.h"
#include "state/ModuleState.h"
#include "state/ResourceString.h"

namespace orvane {

namespace {
constexpr int kNumberFieldLength = 63;
constexpr int kCaptionMissing = 17;
constexpr int kCaptionDuplicate = 15;
constexpr int kCaptionOutOfRange = 13;
constexpr int kCaptionModify = 61;
constexpr int kPlacementNames[] = {26, 27, 28, 29};  // Center, Choke, Normal, Spread

float SinglePrecision(const std::string& text)
{
    double value = 0.0;
    ReadDecimalNumber(text.c_str(), value);
    return static_cast<float>(value);
}
}  // namespace

TrapStyleEditor::TrapStyleEditor(platform::WindowHandle owner, const TrapStyleList& names)
    : DialogBase(kDialogId, owner), style_(*TrapStyle::WithDefaults()), names_(names)
{
}

TrapStyleEditor::TrapStyleEditor(platform::WindowHandle owner, const TrapStyleList& names, const TrapStyle& model)
    : DialogBase(kDialogId, owner), style_(model), names_(names)
{
    style_.name.clear();
    style_.inUse = 0;
}

void TrapStyleEditor::AssignStyle(const TrapStyle& style)
{
    style_.AssignStyle(style);
    modifying_ = true;
}

void TrapStyleEditor::PutNumber(int controlId, const std::string& stored)
{
    std::string shown = stored;
    LocalizeNumberText(shown);
    Controls().SetText(controlId, shown);
}

bool TrapStyleEditor::OnInitDialog()
{
    platform::DialogControls& c = Controls();
    if (!style_.name.empty()) c.SetText(kName, style_.name);
    if (modifying_) {
        c.Enable(kName, false);
        c.SetCaption(ResourceString(kCaptionModify).Text());
    }
    for (int id : kPlacementNames) c.AddRow(kPlacement, ResourceString(id).Text());
    PutNumber(kTrapWidth, style_.trapWidth);
    PutNumber(kBlackWidth, style_.blackWidth);
    PutNumber(kStepLimit, style_.stepLimit);
    PutNumber(kBlackColorLimit, style_.blackColorLimit);
    PutNumber(kBlackDensityLimit, style_.blackDensityLimit);
    PutNumber(kSlidingTrapLimit, style_.slidingTrapLimit);
    c.Select(kPlacement, style_.imageTrapPlacement);
    c.SetCheck(kImageToObject, style_.imageToObjectTrapping != 0);
    c.SetCheck(kImageInternal, style_.imageInternalTrapping != 0);
    c.SetText(kResolution, style_.imageResolution);
    PutNumber(kColorScaling, style_.trapColorScaling);
    return true;
}

void TrapStyleEditor::OnControl(int id, int notification)
{
    if (notification != platform::kButtonClicked) return;
    if (id == kImageToObject) OnImageToObject();
    if (id == kImageInternal) OnImageInternal();
}

void TrapStyleEditor::OnImageToObject()
{
    bool checked = !Controls().IsChecked(kImageToObject);
    Controls().SetCheck(kImageToObject, checked);
    style_.imageToObjectTrapping = checked ? 1 : 0;
}

void TrapStyleEditor::OnImageInternal()
{
    bool checked = !Controls().IsChecked(kImageInternal);
    Controls().SetCheck(kImageInternal, checked);
    style_.imageInternalTrapping = checked ? 1 : 0;
}

void TrapStyleEditor::MissingInformation(int messageId) { ShowDialogMessage(Controls(), messageId, kCaptionMissing); }

bool TrapStyleEditor::TakeNumber(int controlId, std::string& field, int missingMessageId)
{
    field = Controls().Text(controlId, kNumberFieldLength);
    NormalizeNumberText(field);
    if (!field.empty()) return true;
    MissingInformation(missingMessageId);
    return false;
}

void TrapStyleEditor::OnOK()
{
    platform::DialogControls& c = Controls();
    std::string name = c.Text(kName, -1);
    if (name.empty()) return MissingInformation(25);
    style_.name = name;
    if (!modifying_) {
        if (names_.ContainsStyleName(name)) return ShowDialogMessage(c, 14, kCaptionDuplicate);
        if (IsReservedStyleName(name)) return ShowDialogMessage(c, 59, kCaptionDuplicate);
    }
    if (!TakeNumber(kTrapWidth, style_.trapWidth, 16)) return;
    if (!ValidateNonNegative(c, kTrapWidth, style_.trapWidth)) return;
    if (!TakeNumber(kBlackWidth, style_.blackWidth, 18)) return;
    if (!ValidateNonNegative(c, kBlackWidth, style_.blackWidth)) return;
    if (!TakeNumber(kStepLimit, style_.stepLimit, 19)) return;
    if (!ValidateNonNegative(c, kStepLimit, style_.stepLimit)) return;
    if (SinglePrecision(style_.stepLimit) > 100.0f) return RefuseField(c, kStepLimit, 12, kCaptionOutOfRange);
    if (!TakeNumber(kBlackColorLimit, style_.blackColorLimit, 20)) return;
    if (!ValidatePercentage(c, kBlackColorLimit, style_.blackColorLimit)) return;
    if (!TakeNumber(kBlackDensityLimit, style_.blackDensityLimit, 21)) return;
    if (!ValidateNonNegative(c, kBlackDensityLimit, style_.blackDensityLimit)) return;
    if (SinglePrecision(style_.blackDensityLimit) > 12.0f)
        return RefuseField(c, kBlackDensityLimit, 60, kCaptionOutOfRange);
    if (!TakeNumber(kSlidingTrapLimit, style_.slidingTrapLimit, 22)) return;
    if (!ValidatePercentage(c, kSlidingTrapLimit, style_.slidingTrapLimit)) return;
    style_.imageResolution = c.Text(kResolution, -1);
    if (style_.imageResolution.empty()) return MissingInformation(23);
    if (!ValidateWholeNumber(c, kResolution, style_.imageResolution)) return;
    if (!TakeNumber(kColorScaling, style_.trapColorScaling, 24)) return;
    if (!ValidatePercentage(c, kColorScaling, style_.trapColorScaling)) return;
    int placement = c.Selection(kPlacement);
    if (placement != platform::kNoRow) style_.imageTrapPlacement = placement;
    EndDialog(platform::kIdOk);
}

}  // namespace orvane
