// The conversions are written once here so every settings reader fails alike.
#include "settings/Convert.h"
#include <algorithm>
#include <cctype>
#include <charconv>
#include <cstdint>
#include "settings/DecimalFloat.h"
#include "settings/SettingsError.h"

namespace hd {

namespace {

bool IsBlank(char c) { return c == ' ' || c == '\t'; }

bool IsDigit(char c) { return c >= '0' && c <= '9'; }

std::string Lower(std::string text) {
  std::transform(text.begin(), text.end(), text.begin(), [](unsigned char c) { return std::tolower(c); });
  return text;
}

}  // namespace

std::optional<int> TryStrToInt(const std::string& text) {
  std::size_t i = 0;
  while (i < text.size() && IsBlank(text[i])) ++i;
  bool negative = false;
  if (i < text.size() && (text[i] == '+' || text[i] == '-')) negative = text[i++] == '-';
  int base = 10;
  if (i < text.size() && text[i] == '$') {
    base = 16;
    ++i;
  } else if (i + 1 < text.size() && text[i] == '0' && (text[i + 1] == 'x' || text[i + 1] == 'X')) {
    base = 16;
    i += 2;
  }
  if (i == text.size()) return std::nullopt;
  std::uint64_t magnitude = 0;
  const char* first = text.data() + i;
  const char* last = text.data() + text.size();
  const auto [end, error] = std::from_chars(first, last, magnitude, base);
  if (error != std::errc() || end != last) return std::nullopt;
  // Hexadecimal spans the 32 bits and wraps; decimal must fit a signed int.
  if (base == 16) {
    if (magnitude > 0xFFFFFFFFull) return std::nullopt;
    const auto bits = static_cast<std::uint32_t>(negative ? 0u - static_cast<std::uint32_t>(magnitude)
                                                          : static_cast<std::uint32_t>(magnitude));
    return static_cast<int>(bits);
  }
  if (magnitude > (negative ? 2147483648ull : 2147483647ull)) return std::nullopt;
  return negative ? static_cast<int>(-static_cast<std::int64_t>(magnitude)) : static_cast<int>(magnitude);
}

int StrToInt(const std::string& text) {
  if (auto value = TryStrToInt(text)) return *value;
  throw SettingsError("'" + text + "' is not a valid integer value");
}

bool StrToBool(const std::string& text) {
  if (auto value = TryStrToInt(text)) return *value != 0;
  // Any number, "1.0" and "0.0" as well, is a flag by whether it is zero.
  if (auto value = TryStrToFloat(text, '.')) return *value != 0;
  const std::string word = Lower(text);
  if (word == "true") return true;
  if (word == "false") return false;
  throw SettingsError("'" + text + "' is not a valid boolean value");
}

std::optional<double> TryStrToFloat(const std::string& text, char decimalSeparator) {
  std::size_t begin = 0, end = text.size();
  while (begin < end && IsBlank(text[begin])) ++begin;
  while (end > begin && IsBlank(text[end - 1])) --end;
  std::size_t i = begin;
  bool negative = false;
  if (i < end && (text[i] == '+' || text[i] == '-')) negative = text[i++] == '-';
  // The number is digits x 10^exponent: each digit after the separator lowers it.
  std::string digits;
  long exponent = 0;
  for (; i < end && IsDigit(text[i]); ++i) digits += text[i];
  if (i < end && text[i] == decimalSeparator)
    for (++i; i < end && IsDigit(text[i]); ++i, --exponent) digits += text[i];
  if (digits.empty()) return std::nullopt;
  if (i < end && (text[i] == 'e' || text[i] == 'E')) {
    ++i;
    bool negativeExponent = false;
    if (i < end && (text[i] == '+' || text[i] == '-')) negativeExponent = text[i++] == '-';
    const std::size_t exponentStart = i;
    // Held far beyond any double's range, far below the overflow of long.
    long written = 0;
    for (; i < end && IsDigit(text[i]); ++i) written = std::min(written * 10 + (text[i] - '0'), 100000000L);
    if (i == exponentStart) return std::nullopt;
    exponent += negativeExponent ? -written : written;
  }
  if (i != end) return std::nullopt;
  return DecimalToDouble(negative, digits, exponent);
}

double StrToFloat(const std::string& text, char decimalSeparator) {
  if (auto value = TryStrToFloat(text, decimalSeparator)) return *value;
  throw SettingsError("'" + text + "' is not a valid floating point value");
}

std::string FloatToStr(double value, char decimalSeparator) {
  std::string text = FormatGeneral(value, 15);
  std::replace(text.begin(), text.end(), '.', decimalSeparator);
  return text;
}

}  // namespace hd
