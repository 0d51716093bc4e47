// Hotkeys that cannot be registered: what the user is told, where, and how often.
#include <gtest/gtest.h>
#include "ProgramFixture.h"
#include "app/HotKeyConflicts.h"

namespace hd::test {

namespace {
constexpr const char* kModeTaken =
    "Ctrl+` (HIDE/NORMAL) is used by another program: choose another on the Hot Keys page.";
}  // namespace

class HotKeyConflictTest : public ProgramTest {
protected:
  WindowHandle other = 0;
  // Another program holds the mode hotkey before the program starts.
  void OtherProgramHoldsModeKeys() {
    other = desktop.AddWindow(desktop.AddProcess("C:\\Tools\\Grabber.exe"), "Grabber");
    ASSERT_TRUE(desktop.hotkeys.RegisterHotKey(other, 7, win::MOD_CONTROL, kVkOem3));
  }
  std::vector<std::string> Balloons() {
    std::vector<std::string> texts;
    for (const NotifyIconData& b : desktop.state.balloons) texts.push_back(b.szInfo);
    return texts;
  }
};

TEST_F(HotKeyConflictTest, InTrayIconModeABalloonNamesTheKeysAndTheOtherHotkeysWork) {
  OtherProgramHoldsModeKeys();
  Start();
  EXPECT_EQ(Balloons(), std::vector<std::string>{kModeTaken});
  ASSERT_EQ(desktop.state.balloons.size(), 1u);
  EXPECT_EQ(desktop.state.balloons[0].szInfoTitle, "Velmora Hushdesk");
  EXPECT_EQ(desktop.state.balloons[0].dwInfoFlags, win::NIIF_WARNING);
  EXPECT_TRUE(desktop.state.messageBoxes.empty()) << "no box takes the focus";
  PressVisible();
  EXPECT_TRUE(frm().FInvisible);
  PressClose();
  EXPECT_TRUE(frm().FTerminating);
}

TEST_F(HotKeyConflictTest, InInvisibleModeTheNoticeBoxTellsIt) {
  OtherProgramHoldsModeKeys();
  Start({"/hidden"});
  EXPECT_TRUE(desktop.state.balloons.empty());
  ASSERT_EQ(desktop.state.messageBoxes.size(), 1u);
  EXPECT_EQ(desktop.state.messageBoxes[0].text, std::string("\r\n") + kModeTaken);
  EXPECT_EQ(desktop.state.messageBoxes[0].type, win::MB_OK | win::MB_ICONWARNING);
}

TEST_F(HotKeyConflictTest, EachRegistrationTellsOnceAndAFreedKeyIsNotTold) {
  OtherProgramHoldsModeKeys();
  Start();
  desktop.Pump();
  EXPECT_EQ(Balloons().size(), 1u);
  frm().mConfigureClick();
  frm().butCancel.Click();
  desktop.Pump();
  EXPECT_EQ(Balloons().size(), 2u) << "Cancel registers again, and it fails again";

  desktop.hotkeys.UnregisterHotKey(other, 7);
  frm().mConfigureClick();
  frm().butCancel.Click();
  desktop.Pump();
  EXPECT_EQ(Balloons().size(), 2u);
  EXPECT_TRUE(ModeHotkeyWorks());
  EXPECT_TRUE(desktop.state.messageBoxes.empty());
}

TEST_F(HotKeyConflictTest, EqualKeysInAHandEditedFileNameTheActionHoldingThem) {
  WriteSetting("Settings\\HotKeys.cfg", "16576\r\n16392\r\n16576\r\n");
  Start({"/hidden"});
  ASSERT_EQ(desktop.state.messageBoxes.size(), 1u);
  EXPECT_EQ(desktop.state.messageBoxes[0].text,
            "\r\nCtrl+` (Terminate Hushdesk) is also the hotkey of (HIDE/NORMAL): choose another on the Hot Keys page.");
}

TEST_F(HotKeyConflictTest, SeveralFailuresAreToldTogetherOnePerLine) {
  OtherProgramHoldsModeKeys();
  desktop.hotkeys.RegisterHotKey(other, 8, win::MOD_CONTROL, kVkQ);
  Start();
  EXPECT_EQ(Balloons(), std::vector<std::string>{
                            std::string(kModeTaken) +
                            "\r\nCtrl+Q (Terminate Hushdesk) is used by another program: choose another on the Hot Keys page."});
}

TEST_F(HotKeyConflictTest, AShellWithoutBalloonsGetsTheNoticeBox) {
  OtherProgramHoldsModeKeys();
  desktop.state.shellShowsBalloons = false;
  Start();
  ASSERT_EQ(desktop.state.messageBoxes.size(), 1u);
  EXPECT_EQ(desktop.state.messageBoxes[0].text, std::string("\r\n") + kModeTaken);
}

TEST_F(HotKeyConflictTest, TheFailedEditIsMarkedUntilOtherKeysAreTyped) {
  OtherProgramHoldsModeKeys();
  Start();
  frm().mConfigureClick();
  EXPECT_TRUE(frm().labModeConflict.Visible());
  EXPECT_EQ(frm().labModeConflict.Caption(), "Used by another program: choose another.");
  EXPECT_FALSE(frm().labVisibleConflict.Visible());
  EXPECT_FALSE(frm().labCloseConflict.Visible());
  frm().hkMode.Typed(HotKeyEdit::kCtrl | HotKeyEdit::kAlt | 'H');
  EXPECT_FALSE(frm().labModeConflict.Visible()) << "the mark spoke of the keys typed over";
  frm().butOk.Click();
  desktop.Pump();
  EXPECT_EQ(Balloons().size(), 1u) << "the new keys registered";
  EXPECT_FALSE(frm().labModeConflict.Visible());
}

TEST(HotKeyNames, KeysAreNamedAsOnTheKeyboard) {
  EXPECT_EQ(ShortcutToText(16576), "Ctrl+`");
  EXPECT_EQ(ShortcutToText(16392), "Ctrl+Backspace");
  EXPECT_EQ(ShortcutToText(HotKeyEdit::kCtrl | HotKeyEdit::kShift | HotKeyEdit::kAlt | 0x74), "Ctrl+Shift+Alt+F5");
  EXPECT_EQ(ShortcutToText(HotKeyEdit::kAlt | 0x63), "Alt+Num 3");
  EXPECT_EQ(ShortcutToText(HotKeyEdit::kShift | '7'), "Shift+7");
  EXPECT_EQ(ShortcutToText(HotKeyEdit::kCtrl | 0xDC), "Ctrl+\\");
}

}  // namespace hd::test
