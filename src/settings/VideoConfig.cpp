// Video.cfg: the graphic-mode flag and the chosen mode, five lines.
#include "settings/Convert.h"
#include "settings/SettingsFiles.h"
#include "settings/SettingsSteps.h"

namespace hd {

namespace {
std::uint32_t ModeValue(const std::string& line) { return static_cast<std::uint32_t>(StrToInt(line)); }
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
