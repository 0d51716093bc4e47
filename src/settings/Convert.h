// Text-to-value conversions of the settings files; a failure is a SettingsError.
#pragma once
#include <string>

namespace hd {

// A number is a flag (0 off, anything else on); otherwise "True"/"False" in any case.
bool StrToBool(const std::string& text);
// Decimal, or hexadecimal after "$" or "0x"; leading blanks and a sign allowed.
int StrToInt(const std::string& text);

}  // namespace hd
