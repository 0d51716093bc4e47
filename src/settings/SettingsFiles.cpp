// Settings files are replaced whole so that a failed write never leaves half a file.
#include "settings/SettingsFiles.h"
#include "platform/Types.h"
#include "settings/ListFiles.h"
#include "settings/SettingsError.h"

namespace hd {

bool ReplaceWhole(IFiles& files, const std::string& path, const std::string& content, std::uint32_t& error) {
  const std::string temp = path + ".tmp";
  if (files.WriteFile(temp, content, error) && files.ReplaceFile(temp, path, error)) return true;
  files.DeleteFile(temp);
  return false;
}

void EnsureFileDirectory(IFiles& files, const std::string& path) {
  const auto slash = path.find_last_of('\\');
  if (slash == std::string::npos || slash == 0) return;
  const std::string folder = path.substr(0, slash);
  if (folder.size() <= 2 || files.DirectoryExists(folder)) return;  // "C:" or there already
  EnsureFileDirectory(files, folder);
  std::uint32_t ignored = 0;
  files.CreateDirectory(folder, ignored);
}

std::string IoErrorText(std::uint32_t error) {
  switch (error) {
    case win::ERROR_ACCESS_DENIED: return "File access denied";
    case win::ERROR_DISK_FULL:
    case win::ERROR_HANDLE_DISK_FULL: return "Disk full";
    case win::ERROR_INVALID_NAME: return "Invalid filename";
    default: return "I/O error " + std::to_string(error);
  }
}

std::optional<std::vector<std::string>> ReadSettingsLines(IFiles& files, const std::string& path) {
  if (!files.FileExists(path)) return std::nullopt;
  std::string content;
  std::uint32_t error = 0;
  if (!files.ReadFile(path, content, error)) throw SettingsError(IoErrorText(error));
  return SplitListText(content);
}

void WriteSettingsFile(IFiles& files, const std::string& path, const std::string& content) {
  std::uint32_t error = 0;
  if (!ReplaceWhole(files, path, content, error)) throw SettingsError(IoErrorText(error));
}

void WriteListFile(IFiles& files, const std::string& path, const std::string& content) {
  std::uint32_t error = 0;
  if (!ReplaceWhole(files, path, content, error))
    throw SettingsError("Cannot create file \"" + path + "\". " + files.SystemErrorText(error));
}

}  // namespace hd
