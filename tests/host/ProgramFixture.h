// A running program on the simulated desktop, started as the entry starts it.
#pragma once
#include <gtest/gtest.h>
#include <memory>
#include "app/Application.h"
#include "app/frmConfUnit.h"
#include "platform/sim/SimDesktop.h"
#include "platform/sim/SimWindows.h"
#include "settings/SettingsError.h"
#include "shell/TrayIcon.h"

namespace hd::test {

// Virtual keys of the default hotkeys.
constexpr unsigned kVkOem3 = 0xC0, kVkBack = 0x08, kVkQ = 0x51;
constexpr const char* kExeDir = "C:\\Program Files\\Hushdesk\\";
// Items of the tray icon's menu.
enum TrayItem { kConfigure = 0, kAbout = 1, kHelp = 3, kExit = 5 };

class ProgramTest : public ::testing::Test {
protected:
  SimDesktop desktop;
  std::unique_ptr<Application> app;

  // Starts the program with these command-line parameters.
  void Start(std::vector<std::string> params = {}) {
    desktop.state.commandLine = std::move(params);
    app = std::make_unique<Application>(desktop.platform);
    app->Run();
  }
  TfrmConfigure& frm() { return *app->frmConfigure; }
  void PressMode() { desktop.PressHotkey(win::MOD_CONTROL, kVkOem3); }
  void PressVisible() { desktop.PressHotkey(win::MOD_CONTROL, kVkBack); }
  void PressClose() { desktop.PressHotkey(win::MOD_CONTROL, kVkQ); }
  bool ModeHotkeyWorks() { return desktop.HotkeyRegistered(win::MOD_CONTROL, kVkOem3); }
  // The error text of a settings load or save, or "" when it succeeds.
  std::string SettingsErrorOf(void (TfrmConfigure::*step)()) {
    try {
      (frm().*step)();
    } catch (const SettingsError& error) {
      return error.what();
    }
    return "";
  }
  // Right-clicks the tray icon and chooses the item of its menu (-1: none).
  void RightClickTray(int choice) {
    desktop.state.popupChoices.push_back(choice);
    const unsigned callback = desktop.windows.RegisterWindowMessage("WM_TOOLTRAYICON");
    SimWindows::Dispatch(desktop.state, frm().TrayIcon->Window(), callback, 0, win::WM_RBUTTONUP);
  }
  // A click with the mouse: the click, then the button's release.
  static void ClickWithMouse(Control& control) {
    control.Click();
    control.MouseUp();
  }
  // The texts of the message boxes shown so far.
  std::vector<std::string> Boxes() {
    std::vector<std::string> texts;
    for (const auto& box : desktop.state.messageBoxes) texts.push_back(box.text);
    return texts;
  }
  void WriteSetting(const std::string& relative, const std::string& content) {
    desktop.WriteFile(std::string(kExeDir) + relative, content);
  }
};

}  // namespace hd::test
