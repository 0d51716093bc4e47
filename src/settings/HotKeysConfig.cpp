// HotKeys.cfg: the three shortcut values, one per line.
#include "settings/Convert.h"
#include "settings/SettingsFiles.h"
#include "settings/SettingsSteps.h"

namespace hd {

void LoadHotKeys(AppSettings& s, IFiles& files, const std::string& path) {
  const auto lines = ReadSettingsLines(files, path);
  if (!lines) return;
  HotKeyEdit* const edits[] = {&s.hkMode, &s.hkVisible, &s.hkClose};
  for (std::size_t i = 0; i < 3; ++i) {
    const std::string line = i < lines->size() ? (*lines)[i] : std::string();
    // A shortcut is 16 bits wide: larger values keep their low word.
    edits[i]->SetValue(static_cast<std::uint16_t>(StrToInt(line)));
  }
}

std::string HotKeysValues(AppSettings& s) {
  return std::to_string(s.hkMode.Value()) + "\r\n" + std::to_string(s.hkVisible.Value()) + "\r\n" +
         std::to_string(s.hkClose.Value()) + "\r\n";
}

void SaveHotKeys(AppSettings& s, IFiles& files, const std::string& path) {
  EnsureFileDirectory(files, path);
  WriteSettingsFile(files, path, HotKeysValues(s));
}

}  // namespace hd
