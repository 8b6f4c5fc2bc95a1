#include "dialogs/FieldValidation.h"

#include <cctype>
#include <charconv>
#include <cmath>
#include <cstdint>
#include <string>

#include "platform/Platform.h"
#include "state/ModuleState.h"
#include "state/ResourceString.h"

namespace orvane {

namespace {

constexpr int kMessagePercentage = 12;
constexpr int kCaptionOutOfRange = 13;
constexpr int kMessageNonNegative = 30;
constexpr int kMessageWholeNumber = 31;

bool IsSpace(char c) { return std::isspace(static_cast<unsigned char>(c)) != 0; }
bool IsDigit(char c) { return c >= '0' && c <= '9'; }

}  // namespace

void ReadLocaleSeparators()
{
    Module().decimalSeparator = platform::LocaleDecimalSeparator();
    Module().thousandsSeparator = platform::LocaleThousandsSeparator();
}

void LocalizeNumberText(char* text)
{
    if (text == nullptr) return;
    // A separator that could not be read stays as stored: a NUL would cut the text.
    const char decimal = Module().decimalSeparator != '\0' ? Module().decimalSeparator : '.';
    const char thousands = Module().thousandsSeparator != '\0' ? Module().thousandsSeparator : ',';
    for (char* p = text; *p != '\0'; ++p) {
        if (*p == ',')
            *p = thousands;
        else if (*p == '.')
            *p = decimal;
    }
}

void NormalizeNumberText(char* text)
{
    if (text == nullptr) return;
    const char decimal = Module().decimalSeparator;
    const char thousands = Module().thousandsSeparator;
    for (char* p = text; *p != '\0'; ++p) {
        if (*p == decimal)
            *p = '.';
        else if (*p == thousands)
            *p = ',';
    }
}

void LocalizeNumberText(std::string& text) { LocalizeNumberText(text.data()); }
void NormalizeNumberText(std::string& text) { NormalizeNumberText(text.data()); }

bool ReadDecimalNumber(const char* text, double& value)
{
    if (text == nullptr) return false;
    const char* p = text;
    while (IsSpace(*p)) ++p;
    bool negative = false;
    if (*p == '+' || *p == '-') negative = *p++ == '-';
    const char* start = p;
    int digits = 0;
    while (IsDigit(*p)) ++p, ++digits;
    if (*p == '.') {
        ++p;
        while (IsDigit(*p)) ++p, ++digits;
    }
    if (digits == 0) return false;
    bool negativeExponent = false;
    if (*p == 'e' || *p == 'E') {
        const char* q = p + 1;
        if (*q == '+' || *q == '-') negativeExponent = *q++ == '-';
        if (!IsDigit(*q)) return false;  // the exponent marker was taken and nothing valid follows
        while (IsDigit(*q)) ++q;
        p = q;
    }
    if (*p != '\0') return false;  // a character after the number, white space included
    double magnitude = 0.0;
    auto parsed = std::from_chars(start, p, magnitude, std::chars_format::general);
    if (parsed.ec == std::errc::result_out_of_range)
        magnitude = negativeExponent ? 0.0 : HUGE_VAL;
    else if (parsed.ec != std::errc() || parsed.ptr != p)
        return false;
    value = negative ? -magnitude : magnitude;
    return true;
}

bool ReadWholeNumber(const char* text, long long& value)
{
    if (text == nullptr) return false;
    const char* p = text;
    while (IsSpace(*p)) ++p;
    bool negative = false;
    if (*p == '+' || *p == '-') negative = *p++ == '-';
    if (!IsDigit(*p)) return false;
    long long magnitude = 0;
    constexpr long long kCap = 1LL << 40;
    for (; IsDigit(*p); ++p) {
        if (magnitude < kCap) magnitude = magnitude * 10 + (*p - '0');
    }
    if (*p != '\0') return false;
    value = negative ? -magnitude : magnitude;
    return true;
}

void ShowDialogMessage(platform::DialogControls& dialog, int messageId, int captionId)
{
    ResourceString message(messageId);
    ResourceString caption(captionId);
    platform::ShowMessageBox(dialog.Window(), message.Text(), caption.Text(), platform::kMbOk);
}

void RefuseField(platform::DialogControls& dialog, int controlId, int messageId, int captionId)
{
    ShowDialogMessage(dialog, messageId, captionId);
    if (!dialog.HasControl(controlId)) return;
    dialog.Focus(controlId);
    dialog.SelectText(controlId, 0, -1);
    dialog.ScrollCaret(controlId);
}

bool ValidatePercentage(platform::DialogControls& dialog, int controlId, const char* text)
{
    double value = 0.0;
    if (ReadDecimalNumber(text, value) && value >= 0.0 && value <= 100.0) return true;
    RefuseField(dialog, controlId, kMessagePercentage, kCaptionOutOfRange);
    return false;
}

bool ValidateNonNegative(platform::DialogControls& dialog, int controlId, const char* text)
{
    double value = 0.0;
    if (ReadDecimalNumber(text, value) && value >= 0.0) return true;
    RefuseField(dialog, controlId, kMessageNonNegative, kCaptionOutOfRange);
    return false;
}

bool ValidateWholeNumber(platform::DialogControls& dialog, int controlId, const char* text)
{
    long long value = 0;
    if (text != nullptr && text[0] != '-' && ReadWholeNumber(text, value) && value >= 0 &&
        value <= INT32_MAX)
        return true;
    RefuseField(dialog, controlId, kMessageWholeNumber, kCaptionOutOfRange);
    return false;
}

bool ValidatePercentage(platform::DialogControls& dialog, int controlId, const std::string& text)
{
    return ValidatePercentage(dialog, controlId, text.c_str());
}
bool ValidateNonNegative(platform::DialogControls& dialog, int controlId, const std::string& text)
{
    return ValidateNonNegative(dialog, controlId, text.c_str());
}
bool ValidateWholeNumber(platform::DialogControls& dialog, int controlId, const std::string& text)
{
    return ValidateWholeNumber(dialog, controlId, text.c_str());
}

std::string ClipToColumnWidth(const std::string& text, int width)
{
    std::string clipped = text;
    const int baseUnit = platform::DialogBaseUnitX();
    if (baseUnit <= 0) return clipped;  // nothing to measure against
    auto widthInUnits = [&] {
        int pixels = platform::MeasureTextWidth(clipped.c_str(), static_cast<int>(clipped.size()));
        return static_cast<std::int16_t>(pixels * 4 / baseUnit);
    };
    while (!clipped.empty() && widthInUnits() > width) clipped.pop_back();
    return clipped;
}

}  // namespace orvane
