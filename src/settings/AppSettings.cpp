// The configuration window's controls with their captions, defaults and places.
#include "settings/AppSettings.h"

namespace hd {

std::string FormatGraphicMode(const GraphicMode& mode) {
  return std::to_string(mode.width) + "x" + std::to_string(mode.height) + " " +
         std::to_string(mode.bitsPerPixel) + "bits " + std::to_string(mode.frequency) + "Hz";
}

namespace {
constexpr int kPageCommon = 0, kPageHideMode = 1, kPageHide = 2, kPageSwitch = 3, kPageMedia = 4,
              kPageHotKeys = 5;
constexpr int kRow = 22;
Bounds Row(int x, int y, int width = 300) { return {x, y, width, 18}; }
}  // namespace

AppSettings::AppSettings(Form& f)
    : MainControl(f, ctl::MainControl, "MainControl", {8, 8, 379, 354},
                  {"Common", "HIDE mode", "Hide", "Switch to", "Sound and Video", "Hot Keys"}),
      butOk(f, ctl::butOk, "butOk", "OK", {148, 372, 75, 25}),
      butCancel(f, ctl::butCancel, "butCancel", "Cancel", {230, 372, 75, 25}),
      butHelp(f, ctl::butHelp, "butHelp", "Help", {312, 372, 75, 25}),

      grpStartup(f, ctl::Static, "grpStartup", "Start-up", {20, 42, 355, 118}),
      labStartup(f, ctl::Static, "labStartup", "Please select Hushdesk start-up mode", Row(34, 62)),
      rbNormal(f, ctl::rbNormal, "rbNormal", "Normal  (TrayIcon)", Row(48, 84), true),
      rbBackground(f, ctl::rbBackground, "rbBackground", "Background  (Invisible)", Row(48, 84 + kRow), false),
      rbDisable(f, ctl::rbDisable, "rbDisable", "Disable", Row(48, 84 + 2 * kRow), false),
      grpPassword(f, ctl::Static, "grpPassword", "Password protection", {20, 172, 355, 96}),
      labPassword(f, ctl::Static, "labPassword", "Set password to Hushdesk access", Row(34, 192)),
      rbEnable(f, ctl::rbEnable, "rbEnable", "Enable", Row(48, 214, 150), false),
      rbDisable2(f, ctl::rbDisable2, "rbDisable2", "Disable", Row(48, 214 + kRow, 150), true),
      butSetPass(f, ctl::butSetPass, "butSetPass", "Set Password...", {250, 222, 110, 25}),

      grpDescription(f, ctl::Static, "grpDescription", "HIDE mode description", {20, 42, 355, 76}),
      labDescription(f, ctl::Static, "labDescription",
                     "You should press HIDE hotkey only - and all \"unwanted\" windows will be hided and "
                     "\"serious\" window will be activated to show that you are working.",
                     {34, 60, 330, 52}),
      cbHideTray(f, ctl::cbHideTray, "cbHideTray", "Hide icons in system tray", Row(34, 128), false),
      cbCaptions(f, ctl::cbCaptions, "cbCaptions", "Hide windows by words in their captions", Row(34, 128 + kRow), true),
      cbApps(f, ctl::cbApps, "cbApps", "Hide specified applications", Row(34, 128 + 2 * kRow), true),
      cbSwitchToSer(f, ctl::cbSwitchToSer, "cbSwitchToSer", "Switch to serious application", Row(34, 128 + 3 * kRow), true),
      cbSw2Stealth(f, ctl::cbSw2Stealth, "cbSw2Stealth", "Switch Hushdesk to Invisible mode", Row(34, 128 + 4 * kRow), true),
      cbHideNew(f, ctl::cbHideNew, "cbHideNew", "Hide new appearing windows", Row(34, 128 + 5 * kRow), true),
      grpTerminating(f, ctl::Static, "grpTerminating", "Terminating Hushdesk", {20, 250, 355, 100}),
      cbTermHD(f, ctl::cbTermHD, "cbTermHD", "Action with hidden windows", Row(34, 270), true),
      rbCloseHidden(f, ctl::rbCloseHidden, "rbCloseHidden", "Close windows", Row(54, 270 + kRow), true),
      rbShowHidden(f, ctl::rbShowHidden, "rbShowHidden", "Show windows", Row(54, 270 + 2 * kRow), false),

      labHideHeading(f, ctl::Static, "labHideHeading", "Hide windows in HIDE mode", Row(20, 42)),
      PageControl2(f, ctl::PageControl2, "PageControl2", {20, 64, 355, 290},
                   {"By window caption", "By application filename"}),
      butAdd(f, ctl::butAdd, "butAdd", "Add rule", {30, 96, 80, 25}),
      butEdit(f, ctl::butEdit, "butEdit", "Edit rule", {114, 96, 80, 25}),
      butDelete(f, ctl::butDelete, "butDelete", "Delete rule", {198, 96, 80, 25}),
      butClear(f, ctl::butClear, "butClear", "Clear rules list", {282, 96, 84, 25}),
      labWords(f, ctl::Static, "labWords", "Words lists", Row(30, 130)),
      lbWords(f, ctl::lbWords, "lbWords", {30, 150, 336, 196}),
      butFileAdd(f, ctl::butFileAdd, "butFileAdd", "Add", {30, 96, 60, 25}),
      butFileEdit(f, ctl::butFileEdit, "butFileEdit", "Edit", {94, 96, 60, 25}),
      butFileDelete(f, ctl::butFileDelete, "butFileDelete", "Delete", {158, 96, 60, 25}),
      butFileClear(f, ctl::butFileClear, "butFileClear", "Clear", {222, 96, 60, 25}),
      butSysProc(f, ctl::butSysProc, "butSysProc", "Running...", {286, 96, 80, 25}),
      labHideFiles(f, ctl::Static, "labHideFiles", "Applications filenames", Row(30, 130)),
      lbHideFiles(f, ctl::lbHideFiles, "lbHideFiles", {30, 150, 336, 196}),

      labSerHeading(f, ctl::Static, "labSerHeading", "Serious applications list", Row(20, 42)),
      butSevAddFile(f, ctl::butSevAddFile, "butSevAddFile", "Add", {20, 64, 60, 25}),
      butSerEditFile(f, ctl::butSerEditFile, "butSerEditFile", "Edit", {84, 64, 60, 25}),
      butSerDelFile(f, ctl::butSerDelFile, "butSerDelFile", "Delete", {148, 64, 60, 25}),
      butSerClear(f, ctl::butSerClear, "butSerClear", "Clear", {212, 64, 60, 25}),
      butSerSysProc(f, ctl::butSerSysProc, "butSerSysProc", "Running...", {276, 64, 80, 25}),
      labSerFiles(f, ctl::Static, "labSerFiles", "Applications filenames", Row(20, 98)),
      lbSerFiles(f, ctl::lbSerFiles, "lbSerFiles", {20, 118, 355, 160}),
      labNoSerious(f, ctl::Static, "labNoSerious", "If no running serious applications found:", Row(20, 288)),
      rbFirst(f, ctl::rbFirst, "rbFirst", "Run first serious application from the list", Row(34, 288 + kRow), true),
      rbAny(f, ctl::rbAny, "rbAny", "&Switch to any other working application", Row(34, 288 + 2 * kRow), false),

      grpSound(f, ctl::Static, "grpSound", "Sound", {20, 42, 355, 130}),
      cbSound(f, ctl::cbSound, "cbSound", "Set sound volume in HIDE mode", Row(34, 62), false),
      cbSoundMute(f, ctl::cbSoundMute, "cbSoundMute", "Mute sound", Row(54, 62 + kRow), false),
      tbSound(f, ctl::tbSound, "tbSound", {34, 112, 250, 40}, 0, 100, 70),
      butSoundTest(f, ctl::butSoundTest, "butSoundTest", "&Test", {292, 118, 70, 25}),
      grpVideo(f, ctl::Static, "grpVideo", "Graphic mode", {20, 184, 355, 110}),
      cbVideo(f, ctl::cbVideo, "cbVideo", "Set graphic mode in HIDE mode", Row(34, 204), false),
      labGraphMode(f, ctl::labGraphMode, "labGraphMode", "", {34, 232, 328, 18}),
      butGraphSelect(f, ctl::butGraphSelect, "butGraphSelect", "Select", {212, 258, 70, 25}),
      butGraphTest(f, ctl::butGraphTest, "butGraphTest", "&Test", {292, 258, 70, 25}),

      grpHotKeys(f, ctl::Static, "grpHotKeys", "Hot keys list", {20, 42, 355, 300}),
      labHotKeys1(f, ctl::Static, "labHotKeys1", "Please type hot keys for actions.", Row(34, 62)),
      labHotKeys2(f, ctl::Static, "labHotKeys2", "Rare used combinations are recommended.", Row(34, 80)),
      labMode(f, ctl::Static, "labMode", "Change Hushdesk mode  (HIDE/NORMAL)", Row(34, 112)),
      labVisible(f, ctl::Static, "labVisible", "Change Hushdesk visible mode  (TrayIcon/Invisible)", Row(34, 168)),
      labClose(f, ctl::Static, "labClose", "Terminate Hushdesk", Row(34, 224)),
      hkMode(f, ctl::hkMode, "hkMode", {34, 132, 320, 22}, 16576),
      hkVisible(f, ctl::hkVisible, "hkVisible", {34, 188, 320, 22}, 16392),
      hkClose(f, ctl::hkClose, "hkClose", {34, 244, 320, 22}, 16465) {
  butOk.IsDefault = true;
  butCancel.IsCancel = true;
  RadioButton::Group({&rbNormal, &rbBackground, &rbDisable});
  RadioButton::Group({&rbEnable, &rbDisable2});
  RadioButton::Group({&rbCloseHidden, &rbShowHidden});
  RadioButton::Group({&rbFirst, &rbAny});
  butSetPass.SetEnabled(false);
  cbHideNew.SetVisible(false);
  cbSoundMute.SetEnabled(false);
  tbSound.SetEnabled(false);
  butSoundTest.SetEnabled(false);
  butGraphSelect.SetEnabled(false);
  butGraphTest.SetEnabled(false);
  labGraphMode.SetEnabled(false);  // always drawn greyed
  for (Label* bold : {&labWords, &labHideFiles, &labSerFiles}) bold->SetBold(true);
  lbHideFiles.ItemHeight = lbSerFiles.ItemHeight = 18;

  auto place = [](const PageControl& pages, int page, std::initializer_list<Control*> controls) {
    for (Control* c : controls) c->PlaceOn(pages, page);
  };
  place(MainControl, kPageCommon, {&grpStartup, &labStartup, &rbNormal, &rbBackground, &rbDisable,
                                   &grpPassword, &labPassword, &rbEnable, &rbDisable2, &butSetPass});
  place(MainControl, kPageHideMode, {&grpDescription, &labDescription, &cbHideTray, &cbCaptions, &cbApps,
                                     &cbSwitchToSer, &cbSw2Stealth, &cbHideNew, &grpTerminating, &cbTermHD,
                                     &rbCloseHidden, &rbShowHidden});
  place(MainControl, kPageHide, {&labHideHeading, &PageControl2});
  place(PageControl2, 0, {&butAdd, &butEdit, &butDelete, &butClear, &labWords, &lbWords});
  place(PageControl2, 1, {&butFileAdd, &butFileEdit, &butFileDelete, &butFileClear, &butSysProc,
                          &labHideFiles, &lbHideFiles});
  place(MainControl, kPageSwitch, {&labSerHeading, &butSevAddFile, &butSerEditFile, &butSerDelFile,
                                   &butSerClear, &butSerSysProc, &labSerFiles, &lbSerFiles, &labNoSerious,
                                   &rbFirst, &rbAny});
  place(MainControl, kPageMedia, {&grpSound, &cbSound, &cbSoundMute, &tbSound, &butSoundTest, &grpVideo,
                                  &cbVideo, &labGraphMode, &butGraphSelect, &butGraphTest});
  place(MainControl, kPageHotKeys, {&grpHotKeys, &labHotKeys1, &labHotKeys2, &labMode, &labVisible,
                                    &labClose, &hkMode, &hkVisible, &hkClose});
}

double AppSettings::VolumeLevel() const { return tbSound.Position() * 255.0 / tbSound.Max(); }

}  // namespace hd
