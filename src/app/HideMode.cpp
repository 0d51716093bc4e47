// Entering and leaving HIDE mode, and the exit action at termination.
#include "app/frmConfUnit.h"
#include "hide/SeriousSwitch.h"
#include "hide/WindowHider.h"
#include "hide/WindowsAsTheyWere.h"
#include "hide/tray_man.h"
#include "recovery/CrashRecovery.h"
#include "words/TWordsListUnit.h"

namespace hd {

// Each step reads its setting when it runs: a change made in the open
// configuration window counts from the next step on.
void TfrmConfigure::EnterHideMode() {
  FHideMode = true;
  if (cbRestoreAsWere.Checked())
    AsTheyWere->Take();
  else
    AsTheyWere->Forget();
  // The tray icon goes first, before anything is hidden.
  if (cbSw2Stealth.Checked()) SetInvisibleMode();
  HiddenWindowList.clear();
  WorkingWindowList.clear();
  if (cbVideo.Checked()) SwitchHideGraphicMode();
  if (cbSound.Checked()) ApplyHideVolume();
  WindowHider hider(p_);
  hider.WalkTopLevelWindows(
      HideRules{*Book, cbCaptions.Checked(), cbApps.Checked(), lbHideFiles.Items(), SystemProcessList},
      HiddenWindowList, WorkingWindowList,
      // A program ended before the sequence is over still leaves what it hid on record.
      [this] { Recovery->Save(RecordOfHideMode()); });
  if (cbHideTray.Checked()) WindowsBar->HideTrayArea();
  // cbSwitchToSer is stored and shown only: it does not gate the switch.
  SeriousSwitch(p_, hider).SwitchToSeriousApp(SeriousRules{lbSerFiles.Items(), rbFirst.Checked(), Handle()},
                                              WorkingWindowList);
  // Written again, whole, with the notification area; neither save holds up
  // the moment the windows vanish.
  Recovery->Save(RecordOfHideMode());
}

// Leaving follows the settings in force now, not those HIDE mode was entered with.
void TfrmConfigure::LeaveHideMode() {
  FHideMode = false;
  if (cbHideTray.Checked()) WindowsBar->ShowTrayArea();
  if (cbSw2Stealth.Checked()) SetTrayIconMode();
  if (cbVideo.Checked()) RestoreGraphicMode();
  if (cbSound.Checked()) RestoreVolume();
  WindowHider hider(p_);
  if (cbRestoreAsWere.Checked())
    AsTheyWere->Restore(hider, HiddenWindowList);
  else
    hider.ShowHiddenWindows(HiddenWindowList);
  Recovery->Remove();
}

// The program is ending: volume, display mode and tray icon stay as they are.
void TfrmConfigure::ExitAction() {
  WindowsBar->ShowTrayIcons();
  // Hidden as a whole (every version but XP), the area would stay hidden
  // after the program has gone, until the shell restarts.
  if (WindowsBar->NotifyAreaHidden()) WindowsBar->ShowNotifyArea();
  if (rbShowHidden.Checked())
    WindowHider(p_).ShowHiddenWindows(HiddenWindowList);
  else
    WindowHider(p_).CloseHiddenWindows(HiddenWindowList);
  Recovery->Remove();
}

}  // namespace hd
