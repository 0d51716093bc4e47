// The configuration window's controls with their captions and defaults; the
// window lays them out on its pages.
#include "settings/AppSettings.h"

namespace hd {

std::string FormatGraphicMode(const GraphicMode& mode) {
  return std::to_string(mode.width) + "x" + std::to_string(mode.height) + " " +
         std::to_string(mode.bitsPerPixel) + "bits " + std::to_string(mode.frequency) + "Hz";
}

namespace {
// The window's layout places every control (app/ConfigureLayout.cpp).
constexpr Bounds kLaidOut{};
}  // namespace

AppSettings::AppSettings(Form& f)
    : MainControl(f, ctl::MainControl, "MainControl", kLaidOut,
                  {"Common", "HIDE mode", "Hide", "Switch to", "Sound and Video", "Hot Keys", "Triggers"}),

      grpStartup(f, ctl::Static, "grpStartup", "Start-up", kLaidOut),
      labStartup(f, ctl::Static, "labStartup", "Please select Hushdesk start-up mode", kLaidOut),
      rbNormal(f, ctl::rbNormal, "rbNormal", "Normal  (TrayIcon)", kLaidOut, true),
      rbBackground(f, ctl::rbBackground, "rbBackground", "Background  (Invisible)", kLaidOut, false),
      rbDisable(f, ctl::rbDisable, "rbDisable", "Disable", kLaidOut, false),
      grpPassword(f, ctl::Static, "grpPassword", "Password protection", kLaidOut),
      labPassword(f, ctl::Static, "labPassword", "Set password to Hushdesk access", kLaidOut),
      ImageKey(f, ctl::ImageKey, "ImageKey", kLaidOut),
      rbEnable(f, ctl::rbEnable, "rbEnable", "Enable", kLaidOut, false),
      rbDisable2(f, ctl::rbDisable2, "rbDisable2", "Disable", kLaidOut, true),
      butSetPass(f, ctl::butSetPass, "butSetPass", "Set Password...", kLaidOut),

      grpDescription(f, ctl::Static, "grpDescription", "HIDE mode description", kLaidOut),
      labDescription(f, ctl::Static, "labDescription",
                     "You should press HIDE hotkey only - and all \"unwanted\" windows will be hided and "
                     "\"serious\" window will be activated to show that you are working.",
                     kLaidOut),
      cbHideTray(f, ctl::cbHideTray, "cbHideTray", "Hide icons in system tray", kLaidOut, false),
      cbCaptions(f, ctl::cbCaptions, "cbCaptions", "Hide windows by words in their captions", kLaidOut, true),
      cbApps(f, ctl::cbApps, "cbApps", "Hide specified applications", kLaidOut, true),
      cbSwitchToSer(f, ctl::cbSwitchToSer, "cbSwitchToSer", "Switch to serious application", kLaidOut, true),
      cbSw2Stealth(f, ctl::cbSw2Stealth, "cbSw2Stealth", "Switch Hushdesk to Invisible mode", kLaidOut, true),
      cbHideNew(f, ctl::cbHideNew, "cbHideNew", "Hide new appearing windows", kLaidOut, true),
      cbRestoreAsWere(f, ctl::cbRestoreAsWere, "cbRestoreAsWere", "Restore windows as they were", kLaidOut, false),
      grpTerminating(f, ctl::Static, "grpTerminating", "Terminating Hushdesk", kLaidOut),
      cbTermHD(f, ctl::cbTermHD, "cbTermHD", "Action with hidden windows", kLaidOut, true),
      rbCloseHidden(f, ctl::rbCloseHidden, "rbCloseHidden", "Close windows", kLaidOut, true),
      rbShowHidden(f, ctl::rbShowHidden, "rbShowHidden", "Show windows", kLaidOut, false),

      labHideHeading(f, ctl::Static, "labHideHeading", "Hide windows in HIDE mode", kLaidOut),
      PageControl2(f, ctl::PageControl2, "PageControl2", kLaidOut,
                   {"By window caption", "By application filename"}),
      butAdd(f, ctl::butAdd, "butAdd", "Add rule", kLaidOut),
      butEdit(f, ctl::butEdit, "butEdit", "Edit rule", kLaidOut),
      butDelete(f, ctl::butDelete, "butDelete", "Delete rule", kLaidOut),
      butClear(f, ctl::butClear, "butClear", "Clear rules list", kLaidOut),
      labWords(f, ctl::Static, "labWords", "Words lists", kLaidOut),
      labWordsUnread(f, ctl::labWordsUnread, "labWordsUnread", "", kLaidOut),
      lbWords(f, ctl::lbWords, "lbWords", kLaidOut),
      butFileAdd(f, ctl::butFileAdd, "butFileAdd", "", kLaidOut),
      butFileEdit(f, ctl::butFileEdit, "butFileEdit", "", kLaidOut),
      butFileDelete(f, ctl::butFileDelete, "butFileDelete", "", kLaidOut),
      butFileClear(f, ctl::butFileClear, "butFileClear", "", kLaidOut),
      butSysProc(f, ctl::butSysProc, "butSysProc", "", kLaidOut),
      labHideFiles(f, ctl::Static, "labHideFiles", "Applications filenames", kLaidOut),
      labHideFilesUnread(f, ctl::labHideFilesUnread, "labHideFilesUnread", "", kLaidOut),
      lbHideFiles(f, ctl::lbHideFiles, "lbHideFiles", kLaidOut),

      labSerHeading(f, ctl::Static, "labSerHeading", "Serious applications list", kLaidOut),
      butSevAddFile(f, ctl::butSevAddFile, "butSevAddFile", "", kLaidOut),
      butSerEditFile(f, ctl::butSerEditFile, "butSerEditFile", "", kLaidOut),
      butSerDelFile(f, ctl::butSerDelFile, "butSerDelFile", "", kLaidOut),
      butSerClear(f, ctl::butSerClear, "butSerClear", "", kLaidOut),
      butSerSysProc(f, ctl::butSerSysProc, "butSerSysProc", "", kLaidOut),
      labSerFiles(f, ctl::Static, "labSerFiles", "Applications filenames", kLaidOut),
      labSerFilesUnread(f, ctl::labSerFilesUnread, "labSerFilesUnread", "", kLaidOut),
      lbSerFiles(f, ctl::lbSerFiles, "lbSerFiles", kLaidOut),
      labNoSerious(f, ctl::Static, "labNoSerious", "If no running serious applications found:", kLaidOut),
      rbFirst(f, ctl::rbFirst, "rbFirst", "Run first serious application from the list", kLaidOut, true),
      rbAny(f, ctl::rbAny, "rbAny", "&Switch to any other working application", kLaidOut, false),

      grpSound(f, ctl::Static, "grpSound", "Sound", kLaidOut),
      cbSound(f, ctl::cbSound, "cbSound", "Set sound volume in HIDE mode", kLaidOut, false),
      cbSoundMute(f, ctl::cbSoundMute, "cbSoundMute", "Mute sound", kLaidOut, false),
      tbSound(f, ctl::tbSound, "tbSound", kLaidOut, 0, 100, 70),
      butSoundTest(f, ctl::butSoundTest, "butSoundTest", "&Test", kLaidOut),
      grpVideo(f, ctl::Static, "grpVideo", "Graphic mode", kLaidOut),
      cbVideo(f, ctl::cbVideo, "cbVideo", "Set graphic mode in HIDE mode", kLaidOut, false),
      labGraphMode(f, ctl::labGraphMode, "labGraphMode", "", kLaidOut),
      butGraphSelect(f, ctl::butGraphSelect, "butGraphSelect", "Select", kLaidOut),
      butGraphTest(f, ctl::butGraphTest, "butGraphTest", "&Test", kLaidOut),
      cbMuteHidden(f, ctl::cbMuteHidden, "cbMuteHidden", "Mute the hidden programs only", kLaidOut, false),
      labNoSessions(f, ctl::labNoSessions, "labNoSessions", "(Windows Vista and later)", kLaidOut),

      grpHotKeys(f, ctl::Static, "grpHotKeys", "Hot keys list", kLaidOut),
      labHotKeys1(f, ctl::Static, "labHotKeys1", "Please type hot keys for actions.", kLaidOut),
      labHotKeys2(f, ctl::Static, "labHotKeys2", "Rare used combinations are recommended.", kLaidOut),
      labMode(f, ctl::Static, "labMode", "Change Hushdesk mode  (HIDE/NORMAL)", kLaidOut),
      labVisible(f, ctl::Static, "labVisible", "Change Hushdesk visible mode  (TrayIcon/Invisible)", kLaidOut),
      labClose(f, ctl::Static, "labClose", "Terminate Hushdesk", kLaidOut),
      hkMode(f, ctl::hkMode, "hkMode", kLaidOut, 16576),
      hkVisible(f, ctl::hkVisible, "hkVisible", kLaidOut, 16392),
      hkClose(f, ctl::hkClose, "hkClose", kLaidOut, 16465),
      labModeConflict(f, ctl::labModeConflict, "labModeConflict", "", kLaidOut),
      labVisibleConflict(f, ctl::labVisibleConflict, "labVisibleConflict", "", kLaidOut),
      labCloseConflict(f, ctl::labCloseConflict, "labCloseConflict", "", kLaidOut),
      grpCorner(f, ctl::Static, "grpCorner", "Screen corner", kLaidOut),
      cbCornerHide(f, ctl::cbCornerHide, "cbCornerHide",
                   "Enter HIDE mode when the mouse is pushed into a corner", kLaidOut, false),
      rbCornerTopLeft(f, ctl::rbCornerTopLeft, "rbCornerTopLeft", "Top left", kLaidOut, true),
      rbCornerTopRight(f, ctl::rbCornerTopRight, "rbCornerTopRight", "Top right", kLaidOut, false),
      rbCornerBottomLeft(f, ctl::rbCornerBottomLeft, "rbCornerBottomLeft", "Bottom left", kLaidOut, false),
      rbCornerBottomRight(f, ctl::rbCornerBottomRight, "rbCornerBottomRight", "Bottom right", kLaidOut, false),
      labCornerDelay(f, ctl::labCornerDelay, "labCornerDelay", "", kLaidOut),
      tbCornerDelay(f, ctl::tbCornerDelay, "tbCornerDelay", kLaidOut, 0, 2000 / kCornerDelayStepMs,
                    250 / kCornerDelayStepMs),
      grpAway(f, ctl::Static, "grpAway", "Time away from the keyboard and mouse", kLaidOut),
      cbAwayHide(f, ctl::cbAwayHide, "cbAwayHide", "", kLaidOut, false),
      tbAwayMinutes(f, ctl::tbAwayMinutes, "tbAwayMinutes", kLaidOut, 1, 120, 10),
      butOk(f, ctl::butOk, "butOk", "OK", kLaidOut),
      butCancel(f, ctl::butCancel, "butCancel", "Cancel", kLaidOut),
      butHelp(f, ctl::butHelp, "butHelp", "Help", kLaidOut) {
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
