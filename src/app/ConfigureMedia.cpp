// The "Sound and Video" page and the volume and graphic-mode steps of the HIDE sequences.
#include "app/OSWorks.h"
#include "app/frmConfUnit.h"
#include "app/mes_misc.h"
#include "hide/HiddenSound.h"
#include "media/GraphicModes.h"
#include "media/sound_man.h"

namespace hd {

// From Vista on the wave-out volume would hush only this program.
VolumePath TfrmConfigure::SystemVolumePath() {
  return IsWindowsVistaOrLater(p_.system) ? VolumePath::Endpoint : VolumePath::WaveOut;
}

void TfrmConfigure::CreateMedia() {
  Volume = std::make_unique<SoundVolume>(p_.sound, SystemVolumePath());
  Modes = std::make_unique<GraphicModes>(p_.display);
  HiddenPrograms = std::make_unique<HiddenSound>(p_);
  // Before Vista there are no audio sessions to mute.
  const bool sessions = SystemVolumePath() == VolumePath::Endpoint;
  cbMuteHidden.SetEnabled(sessions);
  labNoSessions.SetVisible(!sessions);
  FillGraphicModeMenu();
  butSoundTest.OnClick = [this] { butSoundTestClick(); };
  butGraphSelect.OnClick = [this] { butGraphSelectClick(); };
  butGraphTest.OnClick = [this] { butGraphTestClick(); };
}

void TfrmConfigure::ApplyHideVolume() { Volume->ApplyHideVolume(cbSoundMute.Checked(), VolumeLevel()); }

void TfrmConfigure::UnmuteHiddenPrograms() {
  p_.sound.StopWatchingAudioSessions();
  HiddenPrograms->Restore();
}

void TfrmConfigure::SwitchHideGraphicMode() { Modes->SwitchGraphicMode(SelectedGraphicMode); }

// The test keeps the level it undoes to itself, as the display test does its
// mode: a test made during HIDE mode must not change what leaving restores.
void TfrmConfigure::butSoundTestClick() {
  SoundVolume test(p_.sound, SystemVolumePath());
  test.ApplyHideVolume(cbSoundMute.Checked(), VolumeLevel());
  const std::string sample = ExeDir + "SoundDemo.wav";
  if (p_.files.FileExists(sample))
    test.PlayWaveFile(sample);
  else
    ShowNotice(p_.forms, "Sound test file not found.", NoticeKind::Error);
  test.RestoreVolume();
}

void TfrmConfigure::FillGraphicModeMenu() {
  hd::FillGraphicModeMenu(p_.display, p_.system, mGraphList,
                          [this](std::size_t r, std::size_t d, std::size_t f) { mItemClick(r, d, f); });
}

void TfrmConfigure::butGraphSelectClick() {
  const Rect button = p_.forms.ControlScreenRect(butGraphSelect);
  mGraphList.Choose(p_.forms.TrackPopupMenu(mGraphList, Point{button.left, button.bottom}));
}

void TfrmConfigure::mItemClick(std::size_t resolution, std::size_t depth, std::size_t frequency) {
  const MenuItem& resolutionItem = mGraphList.Items().at(resolution);
  const MenuItem& depthItem = resolutionItem.Items.at(depth);
  SelectedGraphicMode = MenuItemsMode(resolutionItem, depthItem, depthItem.Items.at(frequency));
  labGraphMode.SetCaption(FormatGraphicMode(SelectedGraphicMode));
}

// The test keeps the mode it undoes to itself: a test made during HIDE mode
// must not make leaving it restore the HIDE mode's own display mode.
void TfrmConfigure::butGraphTestClick() {
  if (labGraphMode.Caption().empty()) {
    ShowNotice(p_.forms, "Click 'Select' button and specify graphic mode first", NoticeKind::Information);
    return;
  }
  // A mode in force that cannot be read could not be set back.
  const std::optional<GraphicMode> before = Modes->ReadCurrentGraphicMode();
  if (!before || !Modes->ApplyGraphicMode(SelectedGraphicMode)) {
    ShowNotice(p_.forms, "Can not set specified graphic mode", NoticeKind::Error);
    return;
  }
  p_.forms.Repaint(*this);
  p_.system.Sleep(4000);
  Modes->ApplyGraphicMode(*before);
}

}  // namespace hd
