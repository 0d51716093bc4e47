// The three hotkeys: registration, dispatch, suspension and termination.
#include <gtest/gtest.h>
#include "ProgramFixture.h"

namespace hd::test {

TEST_F(ProgramTest, DefaultHotkeysToggleModesAndTerminate) {
  Start();
  PressMode();
  EXPECT_TRUE(frm().FHideMode);
  PressMode();
  EXPECT_FALSE(frm().FHideMode);
  const bool invisible = frm().FInvisible;
  PressVisible();
  EXPECT_NE(frm().FInvisible, invisible);
  PressVisible();
  EXPECT_EQ(frm().FInvisible, invisible);
  EXPECT_FALSE(desktop.state.quitRequested);
  PressClose();
  EXPECT_TRUE(frm().FTerminating);
  EXPECT_TRUE(desktop.state.quitRequested);
  EXPECT_TRUE(desktop.state.hotkeys.empty()) << "unregistered for good when the main window closes";
}

TEST_F(ProgramTest, ModifiersFollowTheControlFlags) {
  Start();
  frm().hkMode.SetValue(HotKeyEdit::kCtrl | HotKeyEdit::kAlt | 'M');
  EXPECT_EQ(TfrmConfigure::HotKeyModifiers(frm().hkMode), win::MOD_CONTROL | win::MOD_ALT);
  frm().hkMode.SetValue(HotKeyEdit::kCtrl | HotKeyEdit::kShift | 'M');
  EXPECT_EQ(TfrmConfigure::HotKeyModifiers(frm().hkMode), win::MOD_CONTROL | win::MOD_SHIFT);
  frm().hkMode.SetValue(HotKeyEdit::kAlt | HotKeyEdit::kShift | HotKeyEdit::kCtrl | 'M');
  EXPECT_EQ(TfrmConfigure::HotKeyModifiers(frm().hkMode), 7u);
}

TEST_F(ProgramTest, RegistrationUsesTheCurrentValuesAndSkipsEmptyOnes) {
  Start();
  frm().UnregisterHotKeys();
  EXPECT_TRUE(desktop.state.hotkeys.empty());
  frm().hkMode.SetValue(HotKeyEdit::kCtrl | HotKeyEdit::kAlt | 'H');
  frm().hkVisible.SetValue(0);
  desktop.state.registrationLog.clear();
  frm().RegisterHotKeys();
  EXPECT_TRUE(desktop.HotkeyRegistered(win::MOD_CONTROL | win::MOD_ALT, 'H'));
  EXPECT_FALSE(ModeHotkeyWorks());
  EXPECT_EQ(desktop.state.registrationLog.size(), 2u) << "a value of 0 registers nothing";
  EXPECT_TRUE(desktop.HotkeyRegistered(win::MOD_CONTROL, kVkQ));
}

TEST_F(ProgramTest, EqualHotkeysRegisterTheFirstActionOnly) {
  Start();
  frm().UnregisterHotKeys();
  frm().hkClose.SetValue(frm().hkMode.Value());
  frm().RegisterHotKeys();
  PressMode();
  EXPECT_TRUE(frm().FHideMode) << "the mode action holds the keys";
  EXPECT_FALSE(frm().FTerminating);
}

TEST_F(ProgramTest, CloseRequestsFromOutsideDoNotEndTheProgram) {
  Start();
  desktop.windows.SendMessage(frm().Handle(), win::WM_CLOSE, 0, 0);
  desktop.windows.PostMessage(frm().Handle(), win::WM_CLOSE, 0, 0);
  desktop.Pump();
  EXPECT_FALSE(frm().FTerminating);
  EXPECT_FALSE(desktop.state.quitRequested);
  EXPECT_TRUE(ModeHotkeyWorks());
}

TEST_F(ProgramTest, SessionEndTerminatesAndAllowsTheEnd) {
  Start();
  EXPECT_EQ(desktop.windows.SendMessage(frm().Handle(), win::WM_QUERYENDSESSION, 0, 0), 1);
  EXPECT_TRUE(frm().FTerminating);
  EXPECT_TRUE(desktop.state.quitRequested);
}

TEST_F(ProgramTest, UnknownHotkeyIdsAreIgnored) {
  Start();
  desktop.windows.PostMessage(frm().Handle(), win::WM_HOTKEY, 7, 0);
  desktop.windows.PostMessage(frm().Handle(), win::WM_HOTKEY, 0, 0);
  desktop.Pump();
  EXPECT_FALSE(frm().FHideMode);
  EXPECT_FALSE(frm().FTerminating);
}

TEST_F(ProgramTest, HidingTheConfigurationWindowRegistersTheHotkeysAgain) {
  Start();
  frm().Show();
  frm().UnregisterHotKeys();
  EXPECT_FALSE(ModeHotkeyWorks());
  frm().hkMode.SetValue(HotKeyEdit::kCtrl | 'J');
  frm().Hide();
  EXPECT_TRUE(desktop.HotkeyRegistered(win::MOD_CONTROL, 'J'));
  EXPECT_FALSE(ModeHotkeyWorks());
}

}  // namespace hd::test

namespace hd::test {

TEST_F(ProgramTest, OkRefusesEqualHotkeysAndKeepsTheWindowOpen) {
  Start();
  frm().mConfigureClick();
  frm().hkVisible.SetValue(0);
  frm().hkClose.SetValue(0);
  frm().butOk.Click();
  ASSERT_EQ(desktop.state.messageBoxes.size(), 1u) << "two empty hotkeys count as equal";
  EXPECT_EQ(desktop.state.messageBoxes[0].text, "\r\nHotkeys for actions should be different");
  EXPECT_TRUE(frm().Visible());
  EXPECT_FALSE(ModeHotkeyWorks()) << "still suspended while the window is open";

  frm().butCancel.Click();
  EXPECT_FALSE(frm().Visible());
  EXPECT_TRUE(ModeHotkeyWorks()) << "Cancel closes the window and the hotkeys come back";
}

TEST_F(ProgramTest, OkWithAChangedModeHotkeyMakesItTheOneThatWorks) {
  Start();
  frm().mConfigureClick();
  frm().hkMode.SetValue(HotKeyEdit::kCtrl | HotKeyEdit::kShift | 'H');
  frm().butOk.Click();
  EXPECT_FALSE(frm().Visible());
  EXPECT_FALSE(ModeHotkeyWorks());
  desktop.PressHotkey(win::MOD_CONTROL | win::MOD_SHIFT, 'H');
  EXPECT_TRUE(frm().FHideMode);
}

}  // namespace hd::test
