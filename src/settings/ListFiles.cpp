// List-file reading shared by every list the program keeps in a file.
#include "settings/ListFiles.h"
#include "settings/SettingsError.h"

namespace hd {

std::vector<std::string> SplitListText(const std::string& text) {
  std::vector<std::string> lines;
  const std::string body = text.substr(0, text.find('\0'));
  std::string line;
  bool pending = false;
  for (std::size_t i = 0; i < body.size(); ++i) {
    const char c = body[i];
    if (c == '\r' || c == '\n') {
      lines.push_back(line);
      line.clear();
      pending = false;
      if (c == '\r' && i + 1 < body.size() && body[i + 1] == '\n') ++i;
    } else {
      line += c;
      pending = true;
    }
  }
  if (pending) lines.push_back(line);
  return lines;
}

std::vector<std::string> ReadListFile(IFiles& files, const std::string& path) {
  if (!files.FileExists(path)) return {};
  std::string content;
  std::uint32_t error = 0;
  if (!files.ReadFile(path, content, error))
    throw SettingsError("Cannot open file \"" + path + "\". " + files.SystemErrorText(error));
  return SplitListText(content);
}

}  // namespace hd
