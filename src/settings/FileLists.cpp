// The application lists, one entry per line.
#include "settings/ListFiles.h"
#include "settings/SettingsFiles.h"
#include "settings/SettingsSteps.h"

namespace hd {

void LoadFileList(ListBox& list, IFiles& files, const std::string& path) {
  list.Clear();
  list.SetItems(ReadListFile(files, path));
}

std::string FileListValues(const ListBox& list) {
  std::string content;
  for (const std::string& entry : list.Items()) content += entry + "\r\n";
  return content;
}

void SaveFileList(const ListBox& list, IFiles& files, const std::string& path) {
  EnsureFileDirectory(files, path);
  WriteListFile(files, path, FileListValues(list));
}

}  // namespace hd
