// Video.cfg reader under arbitrary file content: what loads saves and loads
// back to the same values.
#include "FuzzReader.h"
#include "settings/SettingsSteps.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  static hd::fuzz::Reader r;
  hd::AppSettings& s = r.settings;
  if (!r.Run(data, size, [&] { hd::LoadVideoSettings(s, r.desktop.files, r.path); })) return 0;
  const bool video = s.cbVideo.Checked();
  const hd::GraphicMode mode = s.SelectedGraphicMode;
  const std::string label = s.labGraphMode.Caption();
  hd::SaveVideoSettings(s, r.desktop.files, r.path);
  s.cbVideo.SetChecked(!video);
  hd::LoadVideoSettings(s, r.desktop.files, r.path);
  if (s.cbVideo.Checked() != video || !(s.SelectedGraphicMode == mode) || s.labGraphMode.Caption() != label)
    __builtin_trap();
  return 0;
}
