// HotKeys.cfg reader under arbitrary file content: what loads saves and loads
// back to the same values.
#include "FuzzReader.h"
#include "settings/SettingsSteps.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  static hd::fuzz::Reader r;
  hd::AppSettings& s = r.settings;
  if (!r.Run(data, size, [&] { hd::LoadHotKeys(s, r.desktop.files, r.path); })) return 0;
  const std::string values = hd::HotKeysValues(s);
  hd::SaveHotKeys(s, r.desktop.files, r.path);
  s.hkMode.SetValue(0);
  hd::LoadHotKeys(s, r.desktop.files, r.path);
  if (hd::HotKeysValues(s) != values) __builtin_trap();
  return 0;
}
