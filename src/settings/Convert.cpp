// The conversions accept what the program's own files have always held.
#include "settings/Convert.h"
#include <cctype>
#include <cstdint>
#include <limits>
#include <optional>
#include "settings/SettingsError.h"

namespace hd {

namespace {

std::optional<int> ParseInt(const std::string& text) {
  std::size_t i = 0;
  while (i < text.size() && (text[i] == ' ' || text[i] == '\t')) ++i;
  bool negative = false;
  if (i < text.size() && (text[i] == '-' || text[i] == '+')) negative = text[i++] == '-';
  unsigned base = 10;
  if (i < text.size() && text[i] == '$') {
    base = 16;
    ++i;
  } else if (i + 1 < text.size() && text[i] == '0' && (text[i + 1] == 'x' || text[i + 1] == 'X')) {
    base = 16;
    i += 2;
  }
  if (i == text.size()) return std::nullopt;
  std::int64_t value = 0;
  for (; i < text.size(); ++i) {
    const unsigned char c = static_cast<unsigned char>(text[i]);
    unsigned digit = 0;
    if (std::isdigit(c))
      digit = c - '0';
    else if (base == 16 && std::isxdigit(c))
      digit = static_cast<unsigned>(std::tolower(c) - 'a' + 10);
    else
      return std::nullopt;
    value = value * base + digit;
    // Hexadecimal may spell a negative number through its top bit.
    if (value > (base == 16 ? 0xFFFFFFFFLL : 0x80000000LL)) return std::nullopt;
  }
  if (base == 16 && value > std::numeric_limits<int>::max()) value -= 0x100000000LL;
  if (negative) value = -value;
  if (value > std::numeric_limits<int>::max() || value < std::numeric_limits<int>::min()) return std::nullopt;
  return static_cast<int>(value);
}

bool EqualsIgnoringCase(const std::string& text, const char* word) {
  std::size_t i = 0;
  for (; i < text.size() && word[i]; ++i)
    if (std::tolower(static_cast<unsigned char>(text[i])) != word[i]) return false;
  return i == text.size() && !word[i];
}

}  // namespace

int StrToInt(const std::string& text) {
  if (auto value = ParseInt(text)) return *value;
  throw SettingsError("'" + text + "' is not a valid integer value");
}

bool StrToBool(const std::string& text) {
  if (auto value = ParseInt(text)) return *value != 0;
  if (EqualsIgnoringCase(text, "true")) return true;
  if (EqualsIgnoringCase(text, "false")) return false;
  throw SettingsError("'" + text + "' is not a valid boolean value");
}

}  // namespace hd
