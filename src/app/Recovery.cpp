// The controller's side of the recovery record: what the current HIDE mode
// changed, written down and, after a crash, put back.
#include "app/frmConfUnit.h"
#include "app/mes_misc.h"
#include "hide/HiddenSound.h"
#include "hide/WindowsAsTheyWere.h"
#include "hide/tray_man.h"
#include "media/GraphicModes.h"
#include "media/sound_man.h"
#include "recovery/CrashRecovery.h"

namespace hd {

RecoveryRecord TfrmConfigure::RecordOfHideMode() {
  RecoveryRecord record;
  for (WindowHandle window : HiddenWindowList)
    record.windows.push_back({window, p_.windows.GetWindowThreadProcessId(window), AsTheyWere->ShowCommandOf(window)});
  // What leaving would put back.
  if (Entered.graphicMode) record.graphicMode = Modes->SavedGraphicMode;
  if (Entered.volume) {
    record.exactVolume = *Volume->SavedVolume;
    record.volume = LevelByte(VolumeLevelOf(*Volume->SavedVolume));  // for older versions
  }
  if (Entered.sessions) record.sessions = HiddenPrograms->Muted;
  // Only what is hidden now: the record is written before the area is hidden, too.
  if (!WindowsBar->HiddenButtons.empty())
    record.tray = RecordedTray{false, WindowsBar->HiddenButtons};
  else if (WindowsBar->NotifyAreaHidden())
    record.tray = RecordedTray{true, {}};
  return record;
}

namespace {
constexpr const char* kRecordName = "Settings\\Recovery.dat";
}  // namespace

// One form for every notice about the record: the file, what happened, what follows.
void TfrmConfigure::TellRecordProblem(const std::string& problem, const char* consequence, NoticeKind kind) {
  ShowNotice(p_.forms, std::string(kRecordName) + ": " + problem + "\r\n" + consequence, kind);
}

void TfrmConfigure::TellLeftRecord(LeftRecord left, const std::string& error) {
  if (left == LeftRecord::Unreadable)
    TellRecordProblem(error, "The windows it lists stay hidden; it is kept and read again at the next start.",
                      NoticeKind::Error);
  else if (left == LeftRecord::CrashedBefore)
    TellRecordProblem("putting it back ended the program at its last start.",
                      "The record was removed; the windows it lists may stay hidden.", NoticeKind::Warning);
}

void TfrmConfigure::TellRecordNotSaved() {
  if (const auto error = Recovery->SaveErrorToTell())
    TellRecordProblem(*error, "Should Hushdesk end in HIDE mode, starting it again could not bring the hidden "
                              "windows back.", NoticeKind::Error);
}

// Runs in a crashing process: only what memory holds, no file is read.
void TfrmConfigure::PutBackAfterCrash() {
  if (!FHideMode && HiddenWindowList.empty()) return;
  Recovery->PutBack(RecordOfHideMode());
  Recovery->Remove();
}

}  // namespace hd
