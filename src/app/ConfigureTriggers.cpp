// The ways into HIDE mode besides the mode hotkey: the screen corner, time
// away and the command line, each through the one sequence gate.
#include <string>
#include "app/Application.h"
#include "app/frmConfUnit.h"
#include "shell/frmAboutUnit.h"
#include "triggers/HideTriggers.h"

namespace hd {

TriggerOptions TfrmConfigure::TriggerOptionsNow() const {
  TriggerOptions options;
  options.corner = cbCornerHide.Checked();
  options.whichCorner = rbCornerTopRight.Checked()      ? ScreenCorner::TopRight
                        : rbCornerBottomLeft.Checked()  ? ScreenCorner::BottomLeft
                        : rbCornerBottomRight.Checked() ? ScreenCorner::BottomRight
                                                        : ScreenCorner::TopLeft;
  options.cornerDelayMs = static_cast<unsigned>(tbCornerDelay.Position() * kCornerDelayStepMs);
  options.away = cbAwayHide.Checked();
  options.awayMinutes = static_cast<unsigned>(tbAwayMinutes.Position());
  return options;
}

void TfrmConfigure::WireTriggerControls() {
  // They only enter: leaving stays on the hotkey, so a pointer that strays
  // into the corner never brings the windows back.
  Triggers = std::make_unique<HideTriggers>(p_, [this] { EnterHideModeOnly(); });
  tbCornerDelay.OnChange = [this] { UpdateTriggerCaptions(); };
  tbAwayMinutes.OnChange = [this] { UpdateTriggerCaptions(); };
  cbCornerHide.OnClick = [this] { UpdateTriggerControls(); };
  UpdateTriggerCaptions();
}

void TfrmConfigure::UpdateTriggerCaptions() {
  labCornerDelay.SetCaption("Stay in the corner for " + std::to_string(tbCornerDelay.Position() * kCornerDelayStepMs) +
                            " ms");
  const int minutes = tbAwayMinutes.Position();
  cbAwayHide.SetCaption("Enter HIDE mode after " + std::to_string(minutes) + (minutes == 1 ? " minute" : " minutes") +
                        " without input");
}

void TfrmConfigure::UpdateTriggerControls() {
  const bool on = cbCornerHide.Checked();
  for (Control* control : std::initializer_list<Control*>{&rbCornerTopLeft, &rbCornerTopRight, &rbCornerBottomLeft,
                                                          &rbCornerBottomRight, &labCornerDelay, &tbCornerDelay})
    control->SetEnabled(on);
}

void TfrmConfigure::EnterHideModeOnly() {
  Sequences.Run([this] {
    if (!FTerminating && !FHideMode) EnterHideMode();
  });
}

// Answered at once, run from the loop: the second copy does not wait for
// the sequence, and a sequence under way finishes first.
bool TfrmConfigure::TakeCommand(Command command) {
  // A number no copy of ours sends is refused.
  if (command == Command::None || command > Command::Exit || FTerminating) return false;
  const bool editing = Visible() || app_.frmAbout->Visible();
  if (editing && command != Command::Exit) return false;
  p_.windows.PostMessage(Handle(), kWmRunCommand, static_cast<WParam>(command), 0);
  return true;
}

void TfrmConfigure::RunCommand(Command command) {
  switch (command) {
    case Command::Hide: EnterHideModeOnly(); break;
    case Command::Show:
      Sequences.Run([this] {
        if (!FTerminating && FHideMode) LeaveHideMode();
      });
      break;
    case Command::Toggle: ToggleMode(); break;
    case Command::Exit: TerminateProgram(); break;
    case Command::None: break;
  }
}

}  // namespace hd
