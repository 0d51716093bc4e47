// The notification area in the HIDE and NORMAL sequences and at exit, with a
// shell that restarts or stops answering.
#include <gtest/gtest.h>
#include "HideFixture.h"
#include "hide/HungWindows.h"
#include "hide/tray_man.h"

namespace hd::test {

namespace {
const OsVersionInfo k2000{148, 5, 0, 2195, 2, ""}, kXP{148, 5, 1, 2600, 2, ""}, k7{148, 6, 1, 7601, 2, ""};
const std::vector<bool> kBefore{false, true, false}, kAllHidden{true, true, true};
}  // namespace

class TrayAreaTest : public HideTest {
protected:
  SimDesktop::Taskbar bar;
  void SetUp() override {
    bar = desktop.AddTaskbar(kBefore);  // the shell runs before the program
    HideTest::SetUp();
    frm().cbHideTray.SetChecked(true);
  }
  bool AreaVisible(const SimDesktop::Taskbar& t) { return desktop.Window(t.notify).visible; }
  std::vector<bool> Buttons(const SimDesktop::Taskbar& t) { return desktop.ButtonsHidden(t.trayToolbar); }
  // The shell ends and starts again: new windows, every icon shown; its
  // message may not have come yet.
  SimDesktop::Taskbar RestartShell(bool announced) {
    desktop.processes.TerminateProcess(bar.shell, 0);
    SimDesktop::Taskbar fresh = desktop.AddTaskbar({false, false, false});
    if (announced) AnnounceTaskbar();
    return fresh;
  }
  void AnnounceTaskbar() {
    desktop.windows.PostMessage(win::HWND_BROADCAST, desktop.windows.RegisterWindowMessage("TaskbarCreated"), 0, 0);
    desktop.Pump();
  }
  std::uint64_t WaitedOnPress() {
    const std::uint64_t before = desktop.state.clockMs;
    PressMode();
    return desktop.state.clockMs - before;
  }
};

TEST_F(TrayAreaTest, BothSequencesHideAndShowTheIconsOnXpAndTheAreaElsewhere) {
  desktop.state.version = kXP;
  PressMode();
  EXPECT_EQ(Buttons(bar), kAllHidden);
  EXPECT_TRUE(AreaVisible(bar));
  PressMode();
  EXPECT_EQ(Buttons(bar), kBefore);

  for (const OsVersionInfo& version : {k2000, k7}) {
    desktop.state.version = version;
    PressMode();
    EXPECT_FALSE(AreaVisible(bar)) << version.majorVersion << "." << version.minorVersion;
    PressMode();
    EXPECT_TRUE(AreaVisible(bar));
    EXPECT_EQ(Buttons(bar), kBefore);
  }
}

TEST_F(TrayAreaTest, ExitInHideModeLeavesTheIconsAndTheAreaShown) {
  for (const OsVersionInfo& version : {kXP, k2000, k7}) {
    SimDesktop d;
    d.state.version = version;
    const SimDesktop::Taskbar t = d.AddTaskbar(kBefore);
    Application a(d.platform);
    a.frmConfigure->cbHideTray.SetChecked(true);
    a.frmConfigure->ToggleMode();
    a.frmConfigure->TerminateProgram();
    EXPECT_TRUE(d.state.quitRequested);
    EXPECT_TRUE(d.Window(t.notify).visible) << version.majorVersion << "." << version.minorVersion;
    EXPECT_EQ(d.ButtonsHidden(t.trayToolbar), kBefore);
  }
}

TEST_F(TrayAreaTest, ARestartedShellsTaskbarIsTheOneHiddenEvenBeforeItsMessageCame) {
  desktop.state.version = k2000;
  const SimDesktop::Taskbar fresh = RestartShell(false);
  PressMode();
  EXPECT_FALSE(AreaVisible(fresh));
  PressMode();
  EXPECT_TRUE(AreaVisible(fresh));

  desktop.state.version = kXP;
  PressMode();
  EXPECT_EQ(Buttons(fresh), kAllHidden);
  PressMode();
  EXPECT_EQ(Buttons(fresh), (std::vector<bool>{false, false, false}));
}

TEST_F(TrayAreaTest, ANewTaskbarIsFoundOnTheShellsMessageWhileTheOldOneStillStands) {
  desktop.state.version = k2000;
  // A second shell's taskbar stands above the first, which is still a window.
  const SimDesktop::Taskbar second = desktop.AddTaskbar({false});
  AnnounceTaskbar();
  PressMode();
  EXPECT_FALSE(AreaVisible(second));
  EXPECT_TRUE(AreaVisible(bar));
}

TEST_F(TrayAreaTest, LeavingUndoesWhatEnteringDidWhateverTheOptionsSayNow) {
  desktop.state.version = k7;
  PressMode();
  ASSERT_FALSE(AreaVisible(bar));
  frm().cbHideTray.SetChecked(false);
  frm().cbSw2Stealth.SetChecked(false);
  PressMode();
  EXPECT_TRUE(AreaVisible(bar));
  EXPECT_FALSE(frm().FInvisible) << "the tray icon is back";

  PressMode();  // with neither
  frm().cbHideTray.SetChecked(true);
  frm().cbSw2Stealth.SetChecked(true);
  PressVisible();  // the user's own choice during HIDE mode
  desktop.state.logCalls = true;
  PressMode();
  EXPECT_TRUE(frm().FInvisible) << "leaving switches back only what entering switched";
  for (const std::string& call : desktop.state.callLog)
    EXPECT_EQ(call.find("ShowWindow " + std::to_string(bar.notify)), std::string::npos) << call;
}

TEST_F(TrayAreaTest, IconsTheShellDidNotShowWhenAskedAreShownAtTheNextChance) {
  desktop.state.version = kXP;
  PressMode();
  ASSERT_EQ(Buttons(bar), kAllHidden);
  desktop.Hang(bar.taskbar);
  PressMode();
  desktop.Wake(bar.taskbar);
  EXPECT_EQ(Buttons(bar), kAllHidden) << "the shell answered nothing";
  PressClose();
  EXPECT_EQ(Buttons(bar), kBefore) << "the exit action shows what is still on record";
}

TEST_F(TrayAreaTest, AHungShellDoesNotHoldUpTheHotkey) {
  desktop.Hang(bar.taskbar);  // every window of the shell's one thread
  for (const OsVersionInfo& version : {kXP, k2000}) {
    desktop.state.version = version;
    EXPECT_LT(WaitedOnPress(), 4 * HungWindows::kProbeMs) << version.majorVersion << "." << version.minorVersion;
    EXPECT_TRUE(frm().FHideMode);
    EXPECT_LT(WaitedOnPress(), 4 * HungWindows::kProbeMs);
  }
  EXPECT_TRUE(AreaVisible(bar)) << "the queued requests ran in order";
}

}  // namespace hd::test
