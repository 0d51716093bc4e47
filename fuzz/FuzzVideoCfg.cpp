// Video.cfg reader under arbitrary file content.
#include "FuzzReader.h"
#include "settings/SettingsSteps.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  static hd::fuzz::Reader r;
  r.Run(data, size, [&] { hd::LoadVideoSettings(r.settings, r.desktop.files, r.path); });
  return 0;
}
