#include "dialogs/CurrentInkDialog.h"

#include <cctype>

#include "dialogs/FieldValidation.h"
#include "dialogs/InksDialog.h"

namespace orvane {

namespace {
constexpr int kNumberFieldLength = 63;
constexpr std::size_t kShownDensityLength = 19;
constexpr int kMessageDensityRange = 42;
constexpr int kCaptionOutOfRange = 13;

bool IsDigit(char c) { return c >= '0' && c <= '9'; }
}  // namespace

void RoundToFourDecimals(std::string& text)
{
    // The rule is for plain decimal texts: a text with an exponent stays as typed,
    // wherever the exponent stands (cutting the decimals would cut it off too).
    if (text.find_first_of("eE") != std::string::npos) return;
    const std::size_t point = text.find('.');
    if (point == std::string::npos || text.size() - point - 1 < 5) return;
    for (std::size_t i = point + 1; i <= point + 5; ++i) {
        if (!IsDigit(text[i])) return;
    }
    const char cut = text[point + 5];
    text.erase(point + 5);
    if (cut < '5') return;
    std::size_t i = text.size();
    while (i > 0) {
        --i;
        if (text[i] == '.') continue;
        if (!IsDigit(text[i])) {  // a sign: the carry goes in front of the digits
            text.insert(i + 1, 1, '1');
            return;
        }
        if (text[i] != '9') {
            ++text[i];
            return;
        }
        text[i] = '0';
    }
    text.insert(0, 1, '1');
}

CurrentInkDialog::CurrentInkDialog(platform::WindowHandle owner, const InkEntry& entry)
    : DialogBase(kDialogId, owner)
{
    entry_.name = entry.name;
    entry_.densityText = entry.densityText;
    entry_.type = entry.type;
    entry_.number = entry.number;
}

bool CurrentInkDialog::OnInitDialog()
{
    platform::DialogControls& c = Controls();
    for (int type = kInkNormal; type <= kInkOpaqueIgnore; ++type) c.AddRow(kType, InkTypeText(type));
    std::string shown = entry_.densityText.substr(0, kShownDensityLength);
    LocalizeNumberText(shown);
    c.SetText(kDensity, shown);
    c.Select(kType, entry_.type);
    c.SetText(kName, entry_.name);
    return true;
}

void CurrentInkDialog::OnOK()
{
    platform::DialogControls& c = Controls();
    std::string text = c.Text(kDensity, kNumberFieldLength);
    NormalizeNumberText(text);
    if (!ValidateNonNegative(c, kDensity, text)) return;
    RoundToFourDecimals(text);
    double value = 0.0;
    ReadDecimalNumber(text.c_str(), value);
    const float density = static_cast<float>(value);
    if (density < 0.001f || density > 10.0f) return RefuseField(c, kDensity, kMessageDensityRange, kCaptionOutOfRange);
    entry_.densityText = text;
    int row = c.Selection(kType);
    if (row != platform::kNoRow) entry_.type = static_cast<std::int16_t>(row);
    EndDialog(platform::kIdOk);
}

}  // namespace orvane
