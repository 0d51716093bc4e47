// Main.cfg through the simulated profile functions: any file loads without a
// crash, and the password written back after loading reads back unchanged.
#include "FuzzReader.h"
#include "settings/PasswordValue.h"
#include "settings/SettingsSteps.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  static hd::fuzz::Reader r;
  auto& d = r.desktop;
  r.Run(data, size, [&] { hd::LoadMainSettings(r.settings, d.profile, d.files, r.path); });
  const std::string pwd = r.settings.Pwd;
  r.settings.rbEnable.SetChecked(true);
  hd::SaveMainSettings(r.settings, d.profile, d.files, r.path);
  r.settings.Pwd = "x";
  hd::LoadMainSettings(r.settings, d.profile, d.files, r.path);
  // Only values whose stored form fits the 2048-character buffer can come back.
  if (hd::EncodePwdValue(pwd).size() < 2048 && r.settings.Pwd != pwd) __builtin_trap();
  return 0;
}
