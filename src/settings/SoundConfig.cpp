// Sound.cfg: two flags and the volume level, one per line.
#include <algorithm>
#include <cmath>
#include "settings/Convert.h"
#include "settings/SettingsFiles.h"
#include "settings/SettingsSteps.h"

namespace hd {

namespace {
// A missing line reads as empty text and fails its conversion.
std::string Line(const std::vector<std::string>& lines, std::size_t index) {
  return index < lines.size() ? lines[index] : std::string();
}
}  // namespace

void LoadSoundSettings(AppSettings& s, IFiles& files, const std::string& path, char decimalSeparator) {
  const auto lines = ReadSettingsLines(files, path);
  if (!lines) return;
  s.cbSound.SetChecked(StrToBool(Line(*lines, 0)));
  s.cbSoundMute.SetChecked(StrToBool(Line(*lines, 1)));
  // A level outside the device's range is taken as its nearest end.
  const double level = std::clamp(StrToFloat(Line(*lines, 2), decimalSeparator), 0.0, 255.0);
  s.tbSound.SetPosition(static_cast<int>(std::nearbyint(level / 255.0 * s.tbSound.Max())));
}

std::string SoundValues(const AppSettings& s, char decimalSeparator) {
  return std::string(s.cbSound.Checked() ? "-1" : "0") + "\r\n" + (s.cbSoundMute.Checked() ? "-1" : "0") + "\r\n" +
         FloatToStr(s.VolumeLevel(), decimalSeparator) + "\r\n";
}

void SaveSoundSettings(const AppSettings& s, IFiles& files, const std::string& path, char decimalSeparator) {
  EnsureFileDirectory(files, path);
  WriteSettingsFile(files, path, SoundValues(s, decimalSeparator));
}

}  // namespace hd
