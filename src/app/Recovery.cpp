// The controller's side of the recovery record: what the current HIDE mode
// changed, written down and, after a crash, put back.
#include "app/frmConfUnit.h"
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
  if (Entered.volume) record.volume = LevelByte(*Volume->SavedVolumeLevel);
  // Only what is hidden now: the record is written before the area is hidden, too.
  if (!WindowsBar->HiddenButtons.empty())
    record.tray = RecordedTray{false, WindowsBar->HiddenButtons};
  else if (WindowsBar->NotifyAreaHidden())
    record.tray = RecordedTray{true, {}};
  return record;
}

// Runs in a crashing process: only what memory holds, no file is read.
void TfrmConfigure::PutBackAfterCrash() {
  if (!FHideMode && HiddenWindowList.empty()) return;
  Recovery->PutBack(RecordOfHideMode());
  Recovery->Remove();
}

}  // namespace hd
