// List files: one entry per line, CR LF after every entry.
#pragma once
#include <string>
#include <vector>
#include "platform/Files.h"

namespace hd {

// CR LF, a lone CR or a lone LF ends a line; a last line without a break is an
// entry; a break at the very end adds no empty entry; a NUL ends the text.
std::vector<std::string> SplitListText(const std::string& text);

// The entries of the file, or none when it does not exist; SettingsError
// "Cannot open file "%s". %s" when it exists but cannot be read.
std::vector<std::string> ReadListFile(IFiles& files, const std::string& path);

}  // namespace hd
