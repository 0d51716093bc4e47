// Whatever the bytes, the result is text: a broken sequence becomes "?".
#include "words/WordsFile.h"

namespace hd {

namespace {

constexpr char16_t kReplacement = 0xFFFD;

std::u16string FromUtf16(const std::string& bytes, bool bigEndian) {
  std::u16string text;
  for (std::size_t i = 2; i + 1 < bytes.size(); i += 2) {
    const auto first = static_cast<unsigned char>(bytes[i]), second = static_cast<unsigned char>(bytes[i + 1]);
    text += static_cast<char16_t>(bigEndian ? first << 8 | second : second << 8 | first);
  }
  return text;
}

std::u16string FromUtf8(const std::string& bytes) {
  std::u16string text;
  std::size_t i = 3;
  while (i < bytes.size()) {
    const auto lead = static_cast<unsigned char>(bytes[i++]);
    const int more = lead >= 0xF0 && lead < 0xF5 ? 3 : lead >= 0xE0 ? 2 : lead >= 0xC2 && lead < 0xE0 ? 1 : 0;
    if (lead >= 0x80 && more == 0) {
      text += kReplacement;
      continue;
    }
    char32_t code = more == 0 ? lead : lead & (0x3F >> more);
    int taken = 0;
    while (taken < more && i < bytes.size() && (static_cast<unsigned char>(bytes[i]) & 0xC0) == 0x80)
      code = code << 6 | (static_cast<unsigned char>(bytes[i++]) & 0x3F), ++taken;
    if (taken < more || (more == 2 && code < 0x800) || (more == 3 && (code < 0x10000 || code > 0x10FFFF))) {
      text += kReplacement;
    } else if (code >= 0x10000) {
      text += static_cast<char16_t>(0xD800 + ((code - 0x10000) >> 10));
      text += static_cast<char16_t>(0xDC00 + ((code - 0x10000) & 0x3FF));
    } else {
      text += static_cast<char16_t>(code);
    }
  }
  return text;
}

bool StartsWith(const std::string& bytes, const char* mark) { return bytes.rfind(mark, 0) == 0; }

}  // namespace

std::string WordsFileText(ISystem& system, const std::string& bytes) {
  if (StartsWith(bytes, "\xEF\xBB\xBF")) return system.WideToAnsi(FromUtf8(bytes));
  if (StartsWith(bytes, "\xFF\xFE")) return system.WideToAnsi(FromUtf16(bytes, false));
  if (StartsWith(bytes, "\xFE\xFF")) return system.WideToAnsi(FromUtf16(bytes, true));
  return bytes;
}

}  // namespace hd
