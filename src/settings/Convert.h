// Text to flag, integer and floating-point conversions of the settings files,
// failing with the texts the user sees.
#pragma once
#include <optional>
#include <string>

namespace hd {

// Decimal with an optional sign, or hexadecimal after "$" or "0x"/"0X".
std::optional<int> TryStrToInt(const std::string& text);
// As TryStrToInt; SettingsError "'%s' is not a valid integer value".
int StrToInt(const std::string& text);
// A number (0 off, any other on; an integer or a decimal number with a point)
// or "True"/"False" in any letter case;
// SettingsError "'%s' is not a valid boolean value".
bool StrToBool(const std::string& text);
// Sign, digits, the given decimal separator, an optional exponent.
std::optional<double> TryStrToFloat(const std::string& text, char decimalSeparator);
// As TryStrToFloat; SettingsError "'%s' is not a valid floating point value".
double StrToFloat(const std::string& text, char decimalSeparator);
// General format: at most 15 significant digits, no trailing zeros.
std::string FloatToStr(double value, char decimalSeparator);

}  // namespace hd
