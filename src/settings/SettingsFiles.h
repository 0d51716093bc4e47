// Reading and writing the settings files whole, with the error texts the user sees.
#pragma once
#include <cstdint>
#include <optional>
#include <string>
#include <vector>
#include "platform/Files.h"

namespace hd {

// Creates the folder of the file with every missing parent; failures show up
// when the file itself is written.
void EnsureFileDirectory(IFiles& files, const std::string& path);

// "File access denied", "Disk full", "Invalid filename" or "I/O error %d".
std::string IoErrorText(std::uint32_t error);

// The file's lines by the list-file rule, or nothing when it does not exist;
// SettingsError with the I/O text when it exists but cannot be read.
std::optional<std::vector<std::string>> ReadSettingsLines(IFiles& files, const std::string& path);

// Writes path + ".tmp" and replaces the target with it only once it is
// complete, so a failure or a kill leaves the old file or the new one; false
// with the system error code, the temporary file removed.
bool ReplaceWhole(IFiles& files, const std::string& path, const std::string& content, std::uint32_t& error);

// ReplaceWhole with SettingsError and the I/O text.
void WriteSettingsFile(IFiles& files, const std::string& path, const std::string& content);
// The same for a list file: SettingsError "Cannot create file "%s". %s".
void WriteListFile(IFiles& files, const std::string& path, const std::string& content);

}  // namespace hd
