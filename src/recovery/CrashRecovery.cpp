// Windows are shown with ShowWindowAsync: a program that hung meanwhile must
// not hold up the start, nor a crashing process on its way out.
#include "recovery/CrashRecovery.h"
#include "hide/tray_man.h"
#include "media/GraphicModes.h"
#include "settings/SettingsError.h"
#include "settings/SettingsFiles.h"

namespace hd {

namespace {
// Boot times taken at two moments differ by the clock's corrections; a
// restart takes longer than this.
constexpr std::uint64_t kSameBootSeconds = 120;

bool SameBoot(std::uint64_t a, std::uint64_t b) {
  if (a == 0 || b == 0) return true;  // a system that does not tell: as before the boot was recorded
  return (a > b ? a - b : b - a) <= kSameBootSeconds;
}
}  // namespace

bool CrashRecovery::Write(const RecoveryRecord& record, std::string& error) {
  try {
    EnsureFileDirectory(p_.files, path_);
    WriteSettingsFile(p_.files, path_, FormatRecoveryRecord(record));
    return true;
  } catch (const SettingsError& e) {
    error = e.what();
    return false;
  }
}

bool CrashRecovery::Save(RecoveryRecord record) {
  record.origin = session_;
  std::string error = "it holds a record of another run, which is kept.";
  if (!leftAlone_ && Write(record, error)) return true;
  if (!saveError_) saveError_ = error;
  return false;
}

std::optional<std::string> CrashRecovery::SaveErrorToTell() {
  if (!saveError_ || saveErrorTold_) return std::nullopt;
  saveErrorTold_ = true;
  return saveError_;
}

void CrashRecovery::Remove() {
  if (!leftAlone_) p_.files.DeleteFile(path_);
}

// Window handles, the shell's buttons, the display mode and the audio
// sessions mean nothing after a restart; the volume is kept by Windows across
// one. Another session of this boot may still be running and put its own
// record back.
CrashRecovery::Belonging CrashRecovery::BelongingOf(const RecoveryRecord& record) const {
  if (!record.origin) return Belonging::ThisBoot;  // an older version's: as it was then
  const SessionIdentity& origin = *record.origin;
  if (origin.computer != session_.computer || origin.user != session_.user) return Belonging::Elsewhere;
  if (!SameBoot(origin.bootTime, session_.bootTime)) return Belonging::AfterRestart;
  return origin.session == session_.session ? Belonging::ThisBoot : Belonging::Elsewhere;
}

LeftRecord CrashRecovery::PutBackLeftRecord(std::string& error) {
  // A save cut short by the crash leaves only its temporary file.
  p_.files.DeleteFile(path_ + ".tmp");
  if (!p_.files.FileExists(path_)) return LeftRecord::None;
  std::string text;
  std::uint32_t code = 0;
  if (!p_.files.ReadFile(path_, text, code)) {
    // A lock or a failing read may be gone at the next start: removed now,
    // the windows it lists would stay hidden for good.
    leftAlone_ = true;
    error = p_.files.SystemErrorText(code);
    return LeftRecord::Unreadable;
  }
  std::optional<RecoveryRecord> record = ParseRecoveryRecord(text);
  if (!record) {
    Remove();
    return LeftRecord::None;
  }
  if (record->puttingBack) {
    Remove();
    return LeftRecord::CrashedBefore;
  }
  const Belonging belonging = BelongingOf(*record);
  if (belonging == Belonging::Elsewhere) {
    leftAlone_ = true;
    return LeftRecord::Kept;
  }
  // Marked first, so that a putting back that ends the program is not tried
  // at every start; unmarked, it is still worth trying.
  record->puttingBack = true;
  std::string unmarked;
  Write(*record, unmarked);
  if (belonging == Belonging::ThisBoot)
    PutBack(*record);
  else
    PutBackVolume(*record);
  Remove();
  return LeftRecord::PutBack;
}

void CrashRecovery::PutBackVolume(const RecoveryRecord& record) {
  SoundVolume sound(p_.sound, volumePath_);
  if (record.exactVolume)
    sound.SetVolume(*record.exactVolume);
  else if (record.volume)  // a record of an older version
    sound.SetWaveVolumeLevel(*record.volume);
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
  PutBackVolume(record);
  RestoreSessions(p_, record.sessions);
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
