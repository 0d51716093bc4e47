// How the program ends: the close handler's order, session end and "Exit"
// with the hidden windows still hidden.
#include <gtest/gtest.h>
#include <algorithm>
#include "HideFixture.h"

namespace hd::test {

class TerminationTest : public HideTest {
protected:
  WindowHandle game = 0;
  void SetUp() override {
    HideTest::SetUp();
    desktop.state.logCalls = true;
    HideCaptionsWith({"game"});
    game = App("C:\\Games\\Game.exe", "game");
  }
  std::ptrdiff_t LogIndexOf(const std::string& call) {
    const auto& log = desktop.state.callLog;
    return std::find(log.begin(), log.end(), call) - log.begin();
  }
};

TEST_F(TerminationTest, TheExitActionRunsWhileTheHotkeysAreHeldAndDropsAreRefusedAfter) {
  frm().rbShowHidden.Click();
  PressMode();
  desktop.state.ClearCallLog();
  PressClose();
  ASSERT_TRUE(desktop.state.quitRequested);
  const std::ptrdiff_t shown = LogIndexOf("ShowWindowAsync " + std::to_string(game) + " 5");
  const std::ptrdiff_t unregistered = LogIndexOf("UnregisterHotKey 1");
  ASSERT_LT(shown, static_cast<std::ptrdiff_t>(desktop.state.callLog.size()));
  EXPECT_LT(shown, unregistered) << "the hidden windows come back before the hotkeys go";
  EXPECT_FALSE(ModeHotkeyWorks());
  EXPECT_EQ(desktop.state.dropTargets.count(frm().Handle()), 0u) << "no more dropped files";
}

TEST_F(TerminationTest, SessionEndInHideModeRunsTheExitAction) {
  const ProcessId process = ProcessOf(game);
  PressMode();
  desktop.windows.PostMessage(frm().Handle(), win::WM_QUERYENDSESSION, 0, 0);
  desktop.Pump();
  EXPECT_TRUE(desktop.state.quitRequested);
  EXPECT_FALSE(desktop.ProcessAlive(process)) << "\"Close windows\" ended the hidden window's process";
}

TEST_F(TerminationTest, ExitWhileTheConfigurationWindowIsOpenEndsTheProgramWithTheExitAction) {
  frm().cbSw2Stealth.SetChecked(false);  // the tray menu stays in HIDE mode
  frm().rbShowHidden.Click();
  PressMode();
  frm().mConfigureClick();
  ASSERT_TRUE(frm().Visible());
  frm().mExitClick();
  EXPECT_TRUE(desktop.state.quitRequested);
  EXPECT_TRUE(Visible(game));
  EXPECT_FALSE(ModeHotkeyWorks());
}

}  // namespace hd::test
