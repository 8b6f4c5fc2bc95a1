// Numeric fields of the dialogs: stored texts use "." and ","; edit fields show the
// user's locale separators. The checks report a failure with a message box and
// leave the offending field focused with its text selected.
#pragma once
#include <string>

#include "platform/Dialog.h"

namespace orvane {

void ReadLocaleSeparators();

// In place: stored to displayed notation, and back.
void LocalizeNumberText(char* text);
void NormalizeNumberText(char* text);
void LocalizeNumberText(std::string& text);
void NormalizeNumberText(std::string& text);

// Reads the whole text as one decimal number in the classic notation: leading white
// space, optional sign, digits with an optional "." fraction and exponent, and
// nothing after it. False when the text is not such a number.
bool ReadDecimalNumber(const char* text, double& value);
// The same for a decimal integer; the value saturates far outside the 32-bit range.
bool ReadWholeNumber(const char* text, long long& value);

bool ValidatePercentage(platform::DialogControls& dialog, int controlId, const char* text);
bool ValidateNonNegative(platform::DialogControls& dialog, int controlId, const char* text);
bool ValidateWholeNumber(platform::DialogControls& dialog, int controlId, const char* text);
bool ValidatePercentage(platform::DialogControls& dialog, int controlId, const std::string& text);
bool ValidateNonNegative(platform::DialogControls& dialog, int controlId, const std::string& text);
bool ValidateWholeNumber(platform::DialogControls& dialog, int controlId, const std::string& text);

// The reaction to a refused field: message box (MB_OK) owned by the dialog, then the
// control, if there is one, focused with its whole text selected.
void RefuseField(platform::DialogControls& dialog, int controlId, int messageId, int captionId);
// A message box owned by the dialog with texts from the string table, MB_OK.
void ShowDialogMessage(platform::DialogControls& dialog, int messageId, int captionId);

// Shortens the text from its end until it fits `width` horizontal dialog units.
std::string ClipToColumnWidth(const std::string& text, int width);

}  // namespace orvane
