// Entering and leaving HIDE mode, and the exit action at termination.
#include "app/frmConfUnit.h"
#include "hide/HiddenSound.h"
#include "hide/SeriousSwitch.h"
#include "hide/WindowHider.h"
#include "hide/WindowsAsTheyWere.h"
#include "hide/tray_man.h"
#include "media/GraphicModes.h"
#include "media/sound_man.h"
#include "recovery/CrashRecovery.h"
#include "words/TWordsListUnit.h"

namespace hd {

// Each step reads its setting when it runs and is noted in Entered as it is
// taken, so that a kill at any point leaves on record what was changed.
void TfrmConfigure::EnterHideMode() {
  FHideMode = true;
  Entered = {};
  Entered.asTheyWere = cbRestoreAsWere.Checked();
  if (Entered.asTheyWere)
    AsTheyWere->Take();
  else
    AsTheyWere->Forget();
  // The tray icon goes first, before anything is hidden.
  if (cbSw2Stealth.Checked()) {
    SetInvisibleMode();
    Entered.invisible = true;
  }
  HiddenWindowList.clear();
  WorkingWindowList.clear();
  if (cbVideo.Checked()) {
    SwitchHideGraphicMode();
    Entered.graphicMode = Modes->SavedGraphicMode.has_value();
  }
  if (cbSound.Checked()) {
    ApplyHideVolume();
    Entered.volume = Volume->SavedVolume.has_value();
  }
  WindowHider hider(p_);
  hider.WalkTopLevelWindows(
      HideRules{*Book, cbCaptions.Checked(), cbApps.Checked(), lbHideFiles.Items(), SystemProcessList},
      HiddenWindowList, WorkingWindowList,
      // A program ended before the sequence is over still leaves what it hid on record.
      [this] { Recovery->Save(RecordOfHideMode()); });
  if (cbHideTray.Checked()) {
    Entered.trayArea = true;
    WindowsBar->HideTrayArea();
  }
  // cbSwitchToSer is stored and shown only: it does not gate the switch.
  SeriousSwitch serious(p_, hider);
  const SeriousRules rules{lbSerFiles.Items(), rbFirst.Checked(), Handle()};
  const WindowHandle front = serious.SwitchToSeriousApp(rules, WorkingWindowList);
  // After the windows have vanished, and once the front window is known; the
  // watch comes first, so that no session starts unseen in between.
  if (cbMuteHidden.Checked()) {
    Entered.sessions = true;
    p_.sound.WatchAudioSessions(Handle(), kWmAudioSessionCreated);
    HiddenPrograms->Mute(HiddenWindowList, serious.KeptProcesses(rules, WorkingWindowList, front));
  }
  // Written again, whole, with the notification area; neither save holds up
  // the moment the windows vanish.
  Recovery->Save(RecordOfHideMode());
}

void TfrmConfigure::LeaveHideMode() {
  FHideMode = false;
  if (Entered.trayArea) WindowsBar->ShowTrayArea();
  if (Entered.invisible) SetTrayIconMode();
  if (Entered.graphicMode) Modes->RestoreGraphicMode();
  if (Entered.volume) Volume->RestoreVolume();
  if (Entered.sessions) UnmuteHiddenPrograms();
  ShowHiddenWindows();
  Entered = {};
  Recovery->Remove();
  // Told out of HIDE mode: a box there would stand on the screen just hidden.
  TellRecordNotSaved();
}

void TfrmConfigure::ShowHiddenWindows() {
  WindowHider hider(p_);
  if (Entered.asTheyWere)
    AsTheyWere->Restore(hider, HiddenWindowList);
  else
    hider.ShowHiddenWindows(HiddenWindowList);
}

// The program is ending: the tray icon stays away. The display mode and the
// volume are put back as leaving would, since the record that could do it
// later is removed here.
void TfrmConfigure::ExitAction() {
  WindowsBar->ShowTrayIcons();
  // Hidden as a whole (every version but XP), the area would stay hidden
  // after the program has gone, until the shell restarts.
  if (WindowsBar->NotifyAreaHidden()) WindowsBar->ShowNotifyArea();
  if (Entered.graphicMode) Modes->RestoreGraphicMode();
  if (Entered.volume) Volume->RestoreVolume();
  if (Entered.sessions) UnmuteHiddenPrograms();
  if (rbShowHidden.Checked())
    ShowHiddenWindows();
  else
    WindowHider(p_).CloseHiddenWindows(HiddenWindowList);
  Entered = {};
  Recovery->Remove();
}

}  // namespace hd
