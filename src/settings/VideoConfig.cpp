// Video.cfg: the graphic-mode flag and the chosen mode, five lines.
#include <charconv>
#include "settings/Convert.h"
#include "settings/SettingsFiles.h"
#include "settings/SettingsSteps.h"

namespace hd {

namespace {
// The integer forms, and the unsigned decimals a save writes: a mode value
// read as -1 is written 4294967295 and must read back.
std::uint32_t ModeValue(const std::string& line) {
  std::uint32_t value = 0;
  const auto [end, error] = std::from_chars(line.data(), line.data() + line.size(), value);
  if (error == std::errc() && end == line.data() + line.size() && !line.empty()) return value;
  return static_cast<std::uint32_t>(StrToInt(line));
}
}  // namespace

void LoadVideoSettings(AppSettings& s, IFiles& files, const std::string& path) {
  const auto lines = ReadSettingsLines(files, path);
  if (!lines) return;
  if (lines->size() != 5) {
    s.cbVideo.SetChecked(false);
    return;
  }
  s.cbVideo.SetChecked(StrToBool((*lines)[0]));
  if (!s.cbVideo.Checked()) return;
  // Each value is in force as soon as it is read, as a failure in a later
  // line leaves every value before it loaded.
  GraphicMode& mode = s.SelectedGraphicMode;
  mode.width = ModeValue((*lines)[1]);
  mode.height = ModeValue((*lines)[2]);
  mode.bitsPerPixel = ModeValue((*lines)[3]);
  mode.frequency = ModeValue((*lines)[4]);
  s.labGraphMode.SetCaption(FormatGraphicMode(mode));
}

std::string VideoValues(const AppSettings& s) {
  if (s.labGraphMode.Caption().empty()) return {};
  const GraphicMode& m = s.SelectedGraphicMode;
  std::string content = s.cbVideo.Checked() ? "-1\r\n" : "0\r\n";
  for (std::uint32_t value : {m.width, m.height, m.bitsPerPixel, m.frequency}) content += std::to_string(value) + "\r\n";
  return content;
}

void SaveVideoSettings(const AppSettings& s, IFiles& files, const std::string& path) {
  // With no mode chosen the file keeps whatever it holds.
  const std::string content = VideoValues(s);
  if (content.empty()) return;
  EnsureFileDirectory(files, path);
  WriteSettingsFile(files, path, content);
}

}  // namespace hd
