// Words list files the user opens: written by this program in the ANSI code
// page, or by an editor that marked them UTF-8 or UTF-16.
#pragma once
#include <cstdint>
#include <string>
#include "platform/System.h"

namespace hd {

// Larger files are refused: a words list is a few words, and a 32-bit
// process reading a huge file whole would run out of memory.
inline constexpr std::uint64_t kMaxWordsFileSize = 1024 * 1024;

// The file's text in the ANSI code page: a UTF-8 or UTF-16 (either byte
// order) byte-order mark says how it is written, and is left out.
std::string WordsFileText(ISystem& system, const std::string& bytes);

}  // namespace hd
