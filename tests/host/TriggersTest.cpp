// The ways into HIDE mode besides the hotkey: the screen corner, time away
// and the command line handed to the running copy.
#include <gtest/gtest.h>
#include "HideFixture.h"
#include "app/CommandLine.h"
#include "app/OneAppRun.h"
#include "shell/frmAboutUnit.h"
#include "triggers/HideTriggers.h"

namespace hd::test {

class TriggersTest : public HideTest {
protected:
  WindowHandle game = 0;
  void SetUp() override {
    HideTest::SetUp();
    HideCaptionsWith({"game"});
    game = App("C:\\Games\\Game.exe", "game");
    desktop.MoveCursor({500, 400});
    // The running copy's, as its entry took it.
    Handle mutex = 0;
    CheckSingleInstance(desktop.system, mutex);
  }
  // Set in the configuration window and confirmed with OK.
  void Configure(const std::function<void()>& change) {
    RightClickTray(kConfigure);
    ASSERT_TRUE(frm().Visible());
    change();
    ClickWithMouse(frm().butOk);
    ASSERT_FALSE(frm().Visible());
  }
  void CornerOn(RadioButton& corner, int delayMs) {
    Configure([&] {
      ClickWithMouse(frm().cbCornerHide);
      ClickWithMouse(corner);
      frm().tbCornerDelay.SetPosition(delayMs / AppSettings::kCornerDelayStepMs);
    });
  }
  // A second copy started with these parameters: its exit code.
  int SecondCopy(std::vector<std::string> params) {
    desktop.state.commandLine = std::move(params);
    return RunProgram(desktop.platform);
  }
  void Leave() {
    ASSERT_TRUE(frm().FHideMode);
    PressMode();
    ASSERT_FALSE(frm().FHideMode);
  }
};

TEST_F(TriggersTest, TheCornerEntersHideModeOnceAfterTheDelayAndNeverLeavesIt) {
  constexpr unsigned kDelayMs = 250;
  CornerOn(frm().rbCornerBottomRight, kDelayMs);
  EXPECT_EQ(frm().labCornerDelay.Caption(), "Stay in the corner for 250 ms");
  desktop.MoveCursor({1023, 767});
  desktop.Wait(kDelayMs - 50);
  desktop.MoveCursor({1000, 767});
  desktop.Wait(1000);
  EXPECT_FALSE(frm().FHideMode) << "a pass shorter than the delay";
  desktop.MoveCursor({0, 0});
  desktop.Wait(1000);
  EXPECT_FALSE(frm().FHideMode) << "another corner";

  desktop.MoveCursor({1023, 767});
  desktop.Wait(kDelayMs + 2 * HideTriggers::kCornerPeriodMs);
  EXPECT_TRUE(frm().FHideMode);
  EXPECT_FALSE(Visible(game));
  Leave();
  desktop.Wait(5000);
  EXPECT_FALSE(frm().FHideMode) << "not again while the pointer stays";

  desktop.MoveCursor({1023, 700});
  desktop.Wait(HideTriggers::kCornerPeriodMs);
  desktop.MoveCursor({1023, 767});
  desktop.Wait(kDelayMs + 2 * HideTriggers::kCornerPeriodMs);
  EXPECT_TRUE(frm().FHideMode) << "again after the pointer left";
  desktop.MoveCursor({1023, 700});
  desktop.Wait(HideTriggers::kCornerPeriodMs);
  desktop.MoveCursor({1023, 767});
  desktop.Wait(kDelayMs + 2 * HideTriggers::kCornerPeriodMs);
  EXPECT_TRUE(frm().FHideMode) << "the corner never leaves HIDE mode";
  EXPECT_FALSE(Visible(game));
}

TEST_F(TriggersTest, TheCornerIsThatOfTheMonitorThePointerIsOn) {
  desktop.state.monitors = {{0, 0, 1024, 768}, {1024, -200, 2304, 824}};
  CornerOn(frm().rbCornerTopRight, 0);
  desktop.MoveCursor({2303, 0});
  desktop.Wait(300);
  EXPECT_FALSE(frm().FHideMode) << "the edge at the primary screen's top is no corner";
  desktop.MoveCursor({2303, -200});
  desktop.Wait(HideTriggers::kCornerPeriodMs);
  EXPECT_TRUE(frm().FHideMode);
}

TEST_F(TriggersTest, TheOptionsAreReadFromASectionOfTheirOwnInMainCfg) {
  WriteSetting("Settings\\Main.cfg",
               "[Switch]\r\nrbFirst=0\r\n[Triggers]\r\ncbCornerHide=1\r\nCorner=2\r\nCornerDelay=99999\r\n"
               "cbAwayHide=1\r\nAwayMinutes=0\r\n");
  EXPECT_EQ(SettingsErrorOf(&TfrmConfigure::LoadAllSettings), "");
  EXPECT_TRUE(frm().cbCornerHide.Checked());
  EXPECT_TRUE(frm().rbCornerBottomLeft.Checked());
  EXPECT_FALSE(frm().rbCornerTopLeft.Checked());
  EXPECT_EQ(frm().labCornerDelay.Caption(), "Stay in the corner for 2000 ms") << "out of range: the nearest";
  EXPECT_TRUE(frm().cbAwayHide.Checked());
  EXPECT_EQ(frm().cbAwayHide.Caption(), "Enter HIDE mode after 1 minute without input");
  EXPECT_TRUE(frm().rbAny.Checked()) << "the older sections are read as before";
}

TEST_F(TriggersTest, TimeAwayEntersOnceAndAgainOnlyAfterInput) {
  Configure([&] {
    ClickWithMouse(frm().cbAwayHide);
    frm().tbAwayMinutes.SetPosition(2);
  });
  EXPECT_EQ(frm().cbAwayHide.Caption(), "Enter HIDE mode after 2 minutes without input");
  desktop.Wait(119000);
  EXPECT_FALSE(frm().FHideMode);
  desktop.Wait(2000);
  EXPECT_TRUE(frm().FHideMode);
  EXPECT_FALSE(Visible(game));

  // A script brings the windows back, with no input from the user.
  EXPECT_EQ(SecondCopy({"/show"}), 0);
  desktop.Pump();
  ASSERT_FALSE(frm().FHideMode);
  desktop.Wait(600000);
  EXPECT_FALSE(frm().FHideMode) << "the same time away";
  desktop.Input();
  desktop.Wait(119000);
  EXPECT_FALSE(frm().FHideMode);
  desktop.Wait(2000);
  EXPECT_TRUE(frm().FHideMode);
}

TEST_F(TriggersTest, NothingButExitIsTakenWhileTheSettingsOrTheAboutBoxAreOpen) {
  CornerOn(frm().rbCornerTopLeft, 0);
  Configure([&] {
    ClickWithMouse(frm().cbAwayHide);
    frm().tbAwayMinutes.SetPosition(1);
    desktop.MoveCursor({0, 0});
    desktop.Wait(120000);
    EXPECT_FALSE(frm().FHideMode) << "corner or time away while editing";
    EXPECT_EQ(SecondCopy({"/hide"}), 1);
    EXPECT_EQ(SecondCopy({"/toggle"}), 1);
    desktop.Pump();
    EXPECT_FALSE(frm().FHideMode);
    desktop.MoveCursor({500, 400});
  });
  RightClickTray(kAbout);
  ASSERT_TRUE(app->frmAbout->Visible());
  desktop.MoveCursor({0, 0});
  desktop.Wait(1000);
  EXPECT_EQ(SecondCopy({"/hide"}), 1);
  desktop.Pump();
  EXPECT_FALSE(frm().FHideMode);
  EXPECT_EQ(SecondCopy({"/exit"}), 0) << "as the tray menu's Exit";
  desktop.Pump();
  EXPECT_TRUE(frm().FTerminating);
}

TEST_F(TriggersTest, CommandsReachTheRunningCopyAndTheExitCodeTellsWhetherItTookThem) {
  const std::size_t windowsBefore = desktop.state.windows.size();
  EXPECT_EQ(SecondCopy({"/toggle"}), 0);
  EXPECT_EQ(desktop.state.windows.size(), windowsBefore) << "the second copy made no window";
  desktop.Pump();
  EXPECT_TRUE(frm().FHideMode);
  EXPECT_EQ(SecondCopy({"/HIDE"}), 0);
  desktop.Pump();
  EXPECT_TRUE(frm().FHideMode) << "hide does not toggle";
  EXPECT_EQ(SecondCopy({"/toggle"}), 0);
  desktop.Pump();
  EXPECT_FALSE(frm().FHideMode);
  EXPECT_TRUE(Visible(game));
  EXPECT_EQ(SecondCopy({"/show"}), 0);
  EXPECT_EQ(SecondCopy({"/other"}), 0) << "an unknown switch, as before";
  EXPECT_EQ(SecondCopy({}), 0);
  EXPECT_EQ(desktop.windows.SendMessage(frm().Handle(), kWmCommandLine, 99, 0), 0) << "no command of ours";
  desktop.Pump();
  EXPECT_FALSE(frm().FHideMode);

  EXPECT_EQ(SecondCopy({"/hide"}), 0);
  desktop.Pump();
  frm().rbShowHidden.SetChecked(true);
  EXPECT_EQ(SecondCopy({"/exit"}), 0);
  desktop.Pump();
  EXPECT_TRUE(desktop.state.quitRequested);
  EXPECT_TRUE(Visible(game)) << "the exit action showed the hidden window";
  EXPECT_TRUE(desktop.state.hotkeys.empty());
  EXPECT_TRUE(desktop.state.messageBoxes.empty());
}

TEST_F(TriggersTest, ATriggerDuringASequenceWaitsForIt) {
  const WindowHandle slow = App("C:\\Games\\Slow.exe", "slow game");
  desktop.Busy(slow, 60);
  desktop.SendDuringNextWait(frm().Handle(), kWmCommandLine, static_cast<WParam>(Command::Toggle), 0);
  PressMode();
  EXPECT_FALSE(frm().FHideMode) << "entered, then the toggle left";
  EXPECT_TRUE(Visible(game) && Visible(slow));
  EXPECT_TRUE(frm().HiddenWindowList.empty());
  EXPECT_TRUE(frm().TrayIcon->Active()) << "leaving undid all that entering did";
  EXPECT_FALSE(desktop.files.FileExists(std::string(kExeDir) + "Settings\\Recovery.dat"));
}

TEST(CommandLine, WithNoCopyRunningTheProgramStartsAndActs) {
  SimDesktop desktop;
  const WindowHandle other = desktop.AddWindow(desktop.AddProcess("C:\\Games\\Game.exe"), "game");
  desktop.WriteFile(std::string(kExeDir) + "Settings\\HideAppList.lst", "C:\\Games\\Game.exe\r\n");
  desktop.state.commandLine = {"/hidden", "/hide"};
  EXPECT_EQ(RunProgram(desktop.platform), 0);
  EXPECT_FALSE(desktop.windows.IsWindowVisible(other)) << "started, then entered HIDE mode";

  SimDesktop fresh;
  fresh.state.commandLine = {"/exit"};
  EXPECT_EQ(RunProgram(fresh.platform), 0);
  EXPECT_TRUE(fresh.state.quitRequested);
  EXPECT_TRUE(fresh.state.mutexes.empty());

  // A copy that holds the mutex but has no window yet cannot take it.
  SimDesktop starting;
  Handle mutex = 0;
  ASSERT_TRUE(CheckSingleInstance(starting.system, mutex));
  starting.state.commandLine = {"/toggle"};
  EXPECT_EQ(RunProgram(starting.platform), 1);
}

TEST(CommandLine, QuestionMarkListsTheSwitchesAndStartsNothing) {
  SimDesktop desktop;
  desktop.state.commandLine = {"/?"};
  EXPECT_EQ(RunProgram(desktop.platform), 0);
  ASSERT_EQ(desktop.state.messageBoxes.size(), 1u);
  for (const char* name : {"/hidden", "/hide", "/show", "/toggle", "/exit"})
    EXPECT_NE(desktop.state.messageBoxes[0].text.find(name), std::string::npos) << name;
  EXPECT_TRUE(desktop.state.mutexes.empty());
  EXPECT_TRUE(desktop.state.hotkeys.empty());
}

}  // namespace hd::test
