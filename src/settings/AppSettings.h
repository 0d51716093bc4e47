// Every option of the program, held as the configuration window's controls.
#pragma once
#include <cstdint>
#include <string>
#include "ui/Control.h"

namespace hd {

struct GraphicMode {
  std::uint32_t width = 0, height = 0, bitsPerPixel = 0, frequency = 0;
  bool operator==(const GraphicMode&) const = default;
};

// "1024x768 32bits 60Hz"
std::string FormatGraphicMode(const GraphicMode& mode);

// Stable control ids: end-to-end tests drive the real controls by them.
namespace ctl {
enum : int {
  MainControl = 1000, butOk, butCancel, butHelp,
  rbNormal = 1010, rbBackground, rbDisable, rbEnable, rbDisable2, butSetPass, ImageKey,
  cbHideTray = 1020, cbCaptions, cbApps, cbSwitchToSer, cbSw2Stealth, cbHideNew, cbTermHD,
  rbCloseHidden, rbShowHidden, cbRestoreAsWere,
  PageControl2 = 1030, butAdd, butEdit, butDelete, butClear, lbWords,
  butFileAdd, butFileEdit, butFileDelete, butFileClear, butSysProc, lbHideFiles,
  butSevAddFile = 1050, butSerEditFile, butSerDelFile, butSerClear, butSerSysProc, lbSerFiles,
  rbFirst, rbAny,
  cbSound = 1060, cbSoundMute, tbSound, butSoundTest, cbVideo, labGraphMode, butGraphSelect,
  butGraphTest, cbMuteHidden, labNoSessions,
  hkMode = 1070, hkVisible, hkClose, labModeConflict, labVisibleConflict, labCloseConflict,
  labWordsUnread = 1080, labHideFilesUnread, labSerFilesUnread,
  cbCornerHide = 1090, rbCornerTopLeft, rbCornerTopRight, rbCornerBottomLeft, rbCornerBottomRight,
  labCornerDelay, tbCornerDelay, cbAwayHide, tbAwayMinutes,
  Static = 1100  // headings and texts
};
}  // namespace ctl

class Form;

// The live settings: a change in the open window is in force at once.
class AppSettings {
public:
  explicit AppSettings(Form& form);

  // Page control of the window.
  PageControl MainControl;

  // "Common"
  GroupBox grpStartup;
  Label labStartup;
  RadioButton rbNormal, rbBackground, rbDisable;
  GroupBox grpPassword;
  Label labPassword;
  Image ImageKey;
  RadioButton rbEnable, rbDisable2;
  Button butSetPass;
  std::string Pwd;  // scrambled

  // "HIDE mode"
  GroupBox grpDescription;
  Label labDescription;
  CheckBox cbHideTray, cbCaptions, cbApps, cbSwitchToSer, cbSw2Stealth, cbHideNew;
  CheckBox cbRestoreAsWere;  // "Restore windows as they were"
  GroupBox grpTerminating;
  CheckBox cbTermHD;
  RadioButton rbCloseHidden, rbShowHidden;

  // "Hide"
  Label labHideHeading;
  PageControl PageControl2;
  Button butAdd, butEdit, butDelete, butClear;
  Label labWords;
  Label labWordsUnread;  // names the book's file that could not be read
  ListBox lbWords;
  Button butFileAdd, butFileEdit, butFileDelete, butFileClear, butSysProc;
  Label labHideFiles, labHideFilesUnread;
  ListBox lbHideFiles;  // AppFileList: applications to hide

  // "Switch to"
  Label labSerHeading;
  Button butSevAddFile, butSerEditFile, butSerDelFile, butSerClear, butSerSysProc;
  Label labSerFiles, labSerFilesUnread;
  ListBox lbSerFiles;  // AppFileList: serious applications
  Label labNoSerious;
  RadioButton rbFirst, rbAny;

  // "Sound and Video"
  GroupBox grpSound;
  CheckBox cbSound, cbSoundMute;
  TrackBar tbSound;
  Button butSoundTest;
  GroupBox grpVideo;
  CheckBox cbVideo;
  Label labGraphMode;  // FormatGraphicMode of SelectedGraphicMode, or empty
  Button butGraphSelect, butGraphTest;
  GraphicMode SelectedGraphicMode;
  CheckBox cbMuteHidden;  // "Mute the hidden programs only"
  Label labNoSessions;    // shown where the system has no audio sessions

  // "Hot Keys"
  GroupBox grpHotKeys;
  Label labHotKeys1, labHotKeys2, labMode, labVisible, labClose;
  HotKeyEdit hkMode, hkVisible, hkClose;
  // Shown under an edit whose keys could not be registered.
  Label labModeConflict, labVisibleConflict, labCloseConflict;

  // "Triggers"
  GroupBox grpCorner;
  CheckBox cbCornerHide;
  RadioButton rbCornerTopLeft, rbCornerTopRight, rbCornerBottomLeft, rbCornerBottomRight;
  Label labCornerDelay;  // "Stay in the corner for N ms"
  TrackBar tbCornerDelay;  // in steps of kCornerDelayStepMs
  GroupBox grpAway;
  CheckBox cbAwayHide;  // its caption names the minutes
  TrackBar tbAwayMinutes;
  static constexpr int kCornerDelayStepMs = 50;

  // The window's buttons, made last so that Tab reaches them after the pages.
  Button butOk, butCancel, butHelp;

  // tbSound * 255 / 100
  double VolumeLevel() const;
};

}  // namespace hd
