// The conversions are written once here so every settings reader fails alike.
#include "settings/Convert.h"
#include <algorithm>
#include <cctype>
#include <charconv>
#include <cstdint>
#include "settings/SettingsError.h"

namespace hd {

namespace {

bool IsBlank(char c) { return c == ' ' || c == '\t'; }

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
  const auto fail = [] { return std::optional<double>(); };
  std::size_t begin = 0, end = text.size();
  while (begin < end && IsBlank(text[begin])) ++begin;
  while (end > begin && IsBlank(text[end - 1])) --end;
  // Rebuilt in the one form from_chars reads, so the user's separator is the
  // only one accepted.
  std::string plain;
  std::size_t i = begin;
  if (i < end && (text[i] == '+' || text[i] == '-')) {
    if (text[i] == '-') plain += '-';
    ++i;
  }
  std::size_t digits = 0;
  for (; i < end && std::isdigit(static_cast<unsigned char>(text[i])); ++i, ++digits) plain += text[i];
  if (i < end && text[i] == decimalSeparator) {
    plain += '.';
    for (++i; i < end && std::isdigit(static_cast<unsigned char>(text[i])); ++i, ++digits) plain += text[i];
  }
  if (digits == 0) return fail();
  if (i < end && (text[i] == 'e' || text[i] == 'E')) {
    plain += 'e';
    ++i;
    if (i < end && (text[i] == '+' || text[i] == '-')) plain += text[i++];
    const std::size_t exponentStart = i;
    for (; i < end && std::isdigit(static_cast<unsigned char>(text[i])); ++i) plain += text[i];
    if (i == exponentStart) return fail();
  }
  if (i != end) return fail();
  double value = 0;
  const auto [stop, error] = std::from_chars(plain.data(), plain.data() + plain.size(), value);
  if (error != std::errc() || stop != plain.data() + plain.size()) return fail();
  return value;
}

double StrToFloat(const std::string& text, char decimalSeparator) {
  if (auto value = TryStrToFloat(text, decimalSeparator)) return *value;
  throw SettingsError("'" + text + "' is not a valid floating point value");
}

std::string FloatToStr(double value, char decimalSeparator) {
  char buffer[64];
  const auto [end, error] = std::to_chars(buffer, buffer + sizeof buffer, value, std::chars_format::general, 15);
  std::string text(buffer, error == std::errc() ? end : buffer);
  std::replace(text.begin(), text.end(), '.', decimalSeparator);
  return text;
}

}  // namespace hd
