// Windows are shown with ShowWindowAsync: a program that hung meanwhile must
// not hold up the start, nor a crashing process on its way out.
#include "recovery/CrashRecovery.h"
#include "hide/tray_man.h"
#include "media/GraphicModes.h"
#include "settings/SettingsError.h"
#include "settings/SettingsFiles.h"

namespace hd {

bool CrashRecovery::Save(const RecoveryRecord& record) {
  try {
    EnsureFileDirectory(p_.files, path_);
    WriteSettingsFile(p_.files, path_, FormatRecoveryRecord(record));
    return true;
  } catch (const SettingsError&) {
    return false;
  }
}

void CrashRecovery::Remove() { p_.files.DeleteFile(path_); }

bool CrashRecovery::PutBackLeftRecord() {
  // A save cut short by the crash leaves only its temporary file.
  p_.files.DeleteFile(path_ + ".tmp");
  if (!p_.files.FileExists(path_)) return false;
  std::string text;
  std::uint32_t error = 0;
  if (p_.files.ReadFile(path_, text, error))
    if (const auto record = ParseRecoveryRecord(text)) PutBack(*record);
  Remove();
  return true;
}

void CrashRecovery::PutBack(const RecoveryRecord& record) {
  IWindows& w = p_.windows;
  for (const RecordedWindow& hidden : record.windows) {
    if (!w.IsWindow(hidden.window) || w.GetWindowThreadProcessId(hidden.window) != hidden.process ||
        w.IsWindowVisible(hidden.window))
      continue;
    w.ShowWindowAsync(hidden.window, hidden.showCommand);
  }
  if (record.graphicMode) GraphicModes(p_.display).ApplyGraphicMode(*record.graphicMode);
  if (record.volume) SoundVolume(p_.sound, volumePath_).SetWaveVolumeLevel(*record.volume);
  if (record.tray) {
    TWindowsBar bar(p_);
    if (record.tray->wholeArea) {
      bar.ShowNotifyArea();
    } else {
      bar.HiddenButtons = record.tray->buttons;
      bar.ShowTrayIcons();
    }
  }
}

}  // namespace hd
