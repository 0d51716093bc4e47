// Sound.cfg reader under arbitrary file content and both decimal separators.
#include "FuzzReader.h"
#include "settings/SettingsSteps.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  static hd::fuzz::Reader r;
  const char separator = size && (data[0] & 1) ? ',' : '.';
  r.Run(data, size, [&] { hd::LoadSoundSettings(r.settings, r.desktop.files, r.path, separator); });
  const int position = r.settings.tbSound.Position();
  if (position < 0 || position > 100) __builtin_trap();
  return 0;
}
