// List-file reader: any content loads, and the entries written back read back the same.
#include "FuzzReader.h"
#include "settings/SettingsSteps.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  static hd::fuzz::Reader r;
  hd::ListBox& list = r.settings.lbHideFiles;
  r.Run(data, size, [&] { hd::LoadFileList(list, r.desktop.files, r.path); });
  const std::vector<std::string> entries = list.Items();
  hd::SaveFileList(list, r.desktop.files, r.path);
  hd::LoadFileList(list, r.desktop.files, r.path);
  if (list.Items() != entries) __builtin_trap();
  return 0;
}
