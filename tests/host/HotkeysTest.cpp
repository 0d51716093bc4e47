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
