// Controls of the configuration window that are enabled by a check box or a choice.
#include "app/frmConfUnit.h"

namespace hd {

void TfrmConfigure::UpdateSoundControls() {
  const bool on = cbSound.Checked();
  cbSoundMute.SetEnabled(on);
  tbSound.SetEnabled(on);
  butSoundTest.SetEnabled(on);
}

void TfrmConfigure::UpdateVideoControls() {
  const bool on = cbVideo.Checked();
  butGraphSelect.SetEnabled(on);
  butGraphTest.SetEnabled(on);
}

void TfrmConfigure::UpdateExitActionControls() {
  const bool on = cbTermHD.Checked();
  rbCloseHidden.SetEnabled(on);
  rbShowHidden.SetEnabled(on);
}

void TfrmConfigure::UpdateEnablingRules() {
  UpdateSoundControls();
  UpdateVideoControls();
  UpdateExitActionControls();
  UpdatePasswordControls();
  UpdateTriggerControls();
}

void TfrmConfigure::WireEnablingRules() {
  cbSound.OnClick = [this] { UpdateSoundControls(); };
  cbVideo.OnClick = [this] { UpdateVideoControls(); };
  cbTermHD.OnClick = [this] { UpdateExitActionControls(); };
}

}  // namespace hd
