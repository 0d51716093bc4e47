// A scrambled password can hold bytes an INI value loses (NUL, CR, LF, blanks
// and quotes at the ends). Such a password is stored as kMarker followed by two
// hex digits per byte. Passwords have at most 8 characters, so a plain value
// the program ever wrote is at most 8 bytes long, while an escaped one is at
// least 10: an old plain value is never taken for an escaped one. Values that
// need no escape stay plain, so older files and older readers keep working.
#include "settings/PasswordValue.h"
#include <algorithm>
#include <cstddef>

namespace hd {

namespace {

constexpr const char* kMarker = "hex-pwd:";
constexpr std::size_t kMarkerLength = 8;
constexpr const char* kHex = "0123456789ABCDEF";

bool SafeEnd(unsigned char c) { return c != ' ' && c != '"' && c != '\''; }

// Printable ASCII only: the profile functions of every code page keep it.
bool NeedsEscape(const std::string& pwd) {
  if (pwd.empty()) return false;
  if (!SafeEnd(pwd.front()) || !SafeEnd(pwd.back())) return true;
  for (unsigned char c : pwd)
    if (c < 0x20 || c > 0x7E) return true;
  return pwd.compare(0, kMarkerLength, kMarker) == 0;
}

int HexDigit(char c) {
  if (c >= '0' && c <= '9') return c - '0';
  if (c >= 'A' && c <= 'F') return c - 'A' + 10;
  if (c >= 'a' && c <= 'f') return c - 'a' + 10;
  return -1;
}

}  // namespace

std::string EncodePwdValue(const std::string& pwd) {
  if (!NeedsEscape(pwd)) return pwd;
  std::string value = kMarker;
  for (unsigned char c : pwd) {
    value += kHex[c >> 4];
    value += kHex[c & 15];
  }
  return value;
}

std::string DecodePwdValue(const std::string& value) {
  const std::size_t hexLength = value.size() - std::min(value.size(), kMarkerLength);
  if (value.compare(0, kMarkerLength, kMarker) != 0 || hexLength == 0 || hexLength % 2) return value;
  std::string pwd;
  for (std::size_t i = kMarkerLength; i < value.size(); i += 2) {
    const int high = HexDigit(value[i]), low = HexDigit(value[i + 1]);
    if (high < 0 || low < 0) return value;
    pwd += static_cast<char>(high * 16 + low);
  }
  return pwd;
}

}  // namespace hd
