// The configuration window's controls with their captions and defaults; the
// window lays them out on its pages.
#include "settings/AppSettings.h"

namespace hd {

std::string FormatGraphicMode(const GraphicMode& mode) {
  return std::to_string(mode.width) + "x" + std::to_string(mode.height) + " " +
         std::to_string(mode.bitsPerPixel) + "bits " + std::to_string(mode.frequency) + "Hz";
}

AppSettings::AppSettings(Form& f)
    : MainControl(f, ctl::MainControl, "MainControl", {},
                  {"Common", "HIDE mode", "Hide", "Switch to", "Sound and Video", "Hot Keys", "Triggers"}),

      grpStartup(f, ctl::Static, "grpStartup", "Start-up", {}),
      labStartup(f, ctl::Static, "labStartup", "Please select Hushdesk start-up mode", {}),
      rbNormal(f, ctl::rbNormal, "rbNormal", "Normal  (TrayIcon)", {}, true),
      rbBackground(f, ctl::rbBackground, "rbBackground", "Background  (Invisible)", {}, false),
      rbDisable(f, ctl::rbDisable, "rbDisable", "Disable", {}, false),
      grpPassword(f, ctl::Static, "grpPassword", "Password protection", {}),
      labPassword(f, ctl::Static, "labPassword", "Set password to Hushdesk access", {}),
      ImageKey(f, ctl::ImageKey, "ImageKey", {}),
      rbEnable(f, ctl::rbEnable, "rbEnable", "Enable", {}, false),
      rbDisable2(f, ctl::rbDisable2, "rbDisable2", "Disable", {}, true),
      butSetPass(f, ctl::butSetPass, "butSetPass", "Set Password...", {}),

      grpDescription(f, ctl::Static, "grpDescription", "HIDE mode description", {}),
      labDescription(f, ctl::Static, "labDescription",
                     "You should press HIDE hotkey only - and all \"unwanted\" windows will be hided and "
                     "\"serious\" window will be activated to show that you are working.",
                     {}),
      cbHideTray(f, ctl::cbHideTray, "cbHideTray", "Hide icons in system tray", {}, false),
      cbCaptions(f, ctl::cbCaptions, "cbCaptions", "Hide windows by words in their captions", {}, true),
      cbApps(f, ctl::cbApps, "cbApps", "Hide specified applications", {}, true),
      cbSwitchToSer(f, ctl::cbSwitchToSer, "cbSwitchToSer", "Switch to serious application", {}, true),
      cbSw2Stealth(f, ctl::cbSw2Stealth, "cbSw2Stealth", "Switch Hushdesk to Invisible mode", {}, true),
      cbHideNew(f, ctl::cbHideNew, "cbHideNew", "Hide new appearing windows", {}, true),
      cbRestoreAsWere(f, ctl::cbRestoreAsWere, "cbRestoreAsWere", "Restore windows as they were", {}, false),
      grpTerminating(f, ctl::Static, "grpTerminating", "Terminating Hushdesk", {}),
      cbTermHD(f, ctl::cbTermHD, "cbTermHD", "Action with hidden windows", {}, true),
      rbCloseHidden(f, ctl::rbCloseHidden, "rbCloseHidden", "Close windows", {}, true),
      rbShowHidden(f, ctl::rbShowHidden, "rbShowHidden", "Show windows", {}, false),

      labHideHeading(f, ctl::Static, "labHideHeading", "Hide windows in HIDE mode", {}),
      PageControl2(f, ctl::PageControl2, "PageControl2", {},
                   {"By window caption", "By application filename"}),
      butAdd(f, ctl::butAdd, "butAdd", "Add rule", {}),
      butEdit(f, ctl::butEdit, "butEdit", "Edit rule", {}),
      butDelete(f, ctl::butDelete, "butDelete", "Delete rule", {}),
      butClear(f, ctl::butClear, "butClear", "Clear rules list", {}),
      labWords(f, ctl::Static, "labWords", "Words lists", {}),
      labWordsUnread(f, ctl::labWordsUnread, "labWordsUnread", "", {}),
      lbWords(f, ctl::lbWords, "lbWords", {}),
      butFileAdd(f, ctl::butFileAdd, "butFileAdd", "", {}),
      butFileEdit(f, ctl::butFileEdit, "butFileEdit", "", {}),
      butFileDelete(f, ctl::butFileDelete, "butFileDelete", "", {}),
      butFileClear(f, ctl::butFileClear, "butFileClear", "", {}),
      butSysProc(f, ctl::butSysProc, "butSysProc", "", {}),
      labHideFiles(f, ctl::Static, "labHideFiles", "Applications filenames", {}),
      labHideFilesUnread(f, ctl::labHideFilesUnread, "labHideFilesUnread", "", {}),
      lbHideFiles(f, ctl::lbHideFiles, "lbHideFiles", {}),

      labSerHeading(f, ctl::Static, "labSerHeading", "Serious applications list", {}),
      butSevAddFile(f, ctl::butSevAddFile, "butSevAddFile", "", {}),
      butSerEditFile(f, ctl::butSerEditFile, "butSerEditFile", "", {}),
      butSerDelFile(f, ctl::butSerDelFile, "butSerDelFile", "", {}),
      butSerClear(f, ctl::butSerClear, "butSerClear", "", {}),
      butSerSysProc(f, ctl::butSerSysProc, "butSerSysProc", "", {}),
      labSerFiles(f, ctl::Static, "labSerFiles", "Applications filenames", {}),
      labSerFilesUnread(f, ctl::labSerFilesUnread, "labSerFilesUnread", "", {}),
      lbSerFiles(f, ctl::lbSerFiles, "lbSerFiles", {}),
      labNoSerious(f, ctl::Static, "labNoSerious", "If no running serious applications found:", {}),
      rbFirst(f, ctl::rbFirst, "rbFirst", "Run first serious application from the list", {}, true),
      rbAny(f, ctl::rbAny, "rbAny", "&Switch to any other working application", {}, false),

      grpSound(f, ctl::Static, "grpSound", "Sound", {}),
      cbSound(f, ctl::cbSound, "cbSound", "Set sound volume in HIDE mode", {}, false),
      cbSoundMute(f, ctl::cbSoundMute, "cbSoundMute", "Mute sound", {}, false),
      tbSound(f, ctl::tbSound, "tbSound", {}, 0, 100, 70),
      butSoundTest(f, ctl::butSoundTest, "butSoundTest", "&Test", {}),
      grpVideo(f, ctl::Static, "grpVideo", "Graphic mode", {}),
      cbVideo(f, ctl::cbVideo, "cbVideo", "Set graphic mode in HIDE mode", {}, false),
      labGraphMode(f, ctl::labGraphMode, "labGraphMode", "", {}),
      butGraphSelect(f, ctl::butGraphSelect, "butGraphSelect", "Select", {}),
      butGraphTest(f, ctl::butGraphTest, "butGraphTest", "&Test", {}),
      cbMuteHidden(f, ctl::cbMuteHidden, "cbMuteHidden", "Mute the hidden programs only", {}, false),
      labNoSessions(f, ctl::labNoSessions, "labNoSessions", "(Windows Vista and later)", {}),

      grpHotKeys(f, ctl::Static, "grpHotKeys", "Hot keys list", {}),
      labHotKeys1(f, ctl::Static, "labHotKeys1", "Please type hot keys for actions.", {}),
      labHotKeys2(f, ctl::Static, "labHotKeys2", "Rare used combinations are recommended.", {}),
      labMode(f, ctl::Static, "labMode", "Change Hushdesk mode  (HIDE/NORMAL)", {}),
      labVisible(f, ctl::Static, "labVisible", "Change Hushdesk visible mode  (TrayIcon/Invisible)", {}),
      labClose(f, ctl::Static, "labClose", "Terminate Hushdesk", {}),
      hkMode(f, ctl::hkMode, "hkMode", {}, 16576),
      hkVisible(f, ctl::hkVisible, "hkVisible", {}, 16392),
      hkClose(f, ctl::hkClose, "hkClose", {}, 16465),
      labModeConflict(f, ctl::labModeConflict, "labModeConflict", "", {}),
      labVisibleConflict(f, ctl::labVisibleConflict, "labVisibleConflict", "", {}),
      labCloseConflict(f, ctl::labCloseConflict, "labCloseConflict", "", {}),
      grpCorner(f, ctl::Static, "grpCorner", "Screen corner", {}),
      cbCornerHide(f, ctl::cbCornerHide, "cbCornerHide",
                   "Enter HIDE mode when the mouse is pushed into a corner", {}, false),
      rbCornerTopLeft(f, ctl::rbCornerTopLeft, "rbCornerTopLeft", "Top left", {}, true),
      rbCornerTopRight(f, ctl::rbCornerTopRight, "rbCornerTopRight", "Top right", {}, false),
      rbCornerBottomLeft(f, ctl::rbCornerBottomLeft, "rbCornerBottomLeft", "Bottom left", {}, false),
      rbCornerBottomRight(f, ctl::rbCornerBottomRight, "rbCornerBottomRight", "Bottom right", {}, false),
      labCornerDelay(f, ctl::labCornerDelay, "labCornerDelay", "", {}),
      tbCornerDelay(f, ctl::tbCornerDelay, "tbCornerDelay", {}, 0, 2000 / kCornerDelayStepMs, 250 / kCornerDelayStepMs),
      grpAway(f, ctl::Static, "grpAway", "Time away from the keyboard and mouse", {}),
      cbAwayHide(f, ctl::cbAwayHide, "cbAwayHide", "", {}, false),
      tbAwayMinutes(f, ctl::tbAwayMinutes, "tbAwayMinutes", {}, 1, 120, 10),
      butOk(f, ctl::butOk, "butOk", "OK", {}),
      butCancel(f, ctl::butCancel, "butCancel", "Cancel", {}),
      butHelp(f, ctl::butHelp, "butHelp", "Help", {}) {
  butOk.IsDefault = true;
  butCancel.IsCancel = true;
  RadioButton::Group({&rbNormal, &rbBackground, &rbDisable});
  RadioButton::Group({&rbEnable, &rbDisable2});
  RadioButton::Group({&rbCloseHidden, &rbShowHidden});
  RadioButton::Group({&rbFirst, &rbAny});
  RadioButton::Group({&rbCornerTopLeft, &rbCornerTopRight, &rbCornerBottomLeft, &rbCornerBottomRight});
  tbCornerDelay.Frequency = 4;
  tbAwayMinutes.Frequency = 10;
  butSetPass.SetEnabled(false);
  cbHideNew.SetVisible(false);
  cbSoundMute.SetEnabled(false);
  tbSound.SetEnabled(false);
  butSoundTest.SetEnabled(false);
  butGraphSelect.SetEnabled(false);
  butGraphTest.SetEnabled(false);
  labGraphMode.SetEnabled(false);  // always drawn greyed
}

double AppSettings::VolumeLevel() const { return tbSound.Position() * 255.0 / tbSound.Max(); }

}  // namespace hd
