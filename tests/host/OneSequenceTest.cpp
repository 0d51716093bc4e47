// One sequence at a time: what other programs send during the waits of a
// sequence (a click on the tray icon, a hotkey, the session's end) never runs
// inside it, and the record always holds what is hidden.
#include <gtest/gtest.h>
#include "HideFixture.h"
#include "recovery/RecoveryRecord.h"

namespace hd::test {

class OneSequenceTest : public HideTest {
protected:
  WindowHandle game = 0, slow = 0;
  void SetUp() override {
    HideTest::SetUp();
    HideCaptionsWith({"game"});
    game = App("C:\\Games\\Game.exe", "game");
    slow = App("C:\\Games\\Slow.exe", "slow game");
  }
  // The next sequence waits for the slow program.
  void SlowToAnswer() { desktop.Busy(slow, 60); }
  void ShellSendsTrayClick(int choice) {
    desktop.state.popupChoices.push_back(choice);
    desktop.SendDuringNextWait(frm().TrayIcon->Window(), desktop.windows.RegisterWindowMessage("WM_TOOLTRAYICON"), 0,
                            win::WM_RBUTTONUP);
  }
  std::string RecordPath() { return std::string(kExeDir) + "Settings\\Recovery.dat"; }
  std::vector<WindowHandle> RecordedWindows() {
    std::vector<WindowHandle> windows;
    if (!desktop.files.FileExists(RecordPath())) return windows;
    const std::optional<RecoveryRecord> record = ParseRecoveryRecord(desktop.ReadFile(RecordPath()));
    if (record)
      for (const RecordedWindow& w : record->windows) windows.push_back(w.window);
    return windows;
  }
};

TEST_F(OneSequenceTest, ATrayClickDuringEnteringOrLeavingOpensNothing) {
  frm().cbSw2Stealth.SetChecked(false);  // the icon stays, and answers between the sequences
  SlowToAnswer();
  ShellSendsTrayClick(kExit);
  PressMode();
  EXPECT_TRUE(desktop.state.sentMessages.empty()) << "the click was answered during the wait";
  EXPECT_TRUE(desktop.state.popupsShown.empty());
  EXPECT_FALSE(desktop.state.quitRequested);
  ASSERT_TRUE(frm().FHideMode);
  EXPECT_EQ(frm().HiddenWindowList, (std::vector<WindowHandle>{slow, game}));
  EXPECT_EQ(RecordedWindows(), frm().HiddenWindowList);

  SlowToAnswer();
  ShellSendsTrayClick(kConfigure);
  PressMode();
  EXPECT_TRUE(desktop.state.popupsShown.empty());
  EXPECT_FALSE(frm().Visible()) << "no configuration window";
  EXPECT_FALSE(frm().FHideMode);
  EXPECT_TRUE(Visible(game) && Visible(slow));
  EXPECT_TRUE(frm().HiddenWindowList.empty());
  EXPECT_FALSE(desktop.files.FileExists(RecordPath()));

  RightClickTray(-1);
  EXPECT_EQ(desktop.state.popupsShown.size(), 1u) << "between sequences the menu opens";
}

TEST_F(OneSequenceTest, HotkeysAndTheSessionsEndDuringASequenceAreTakenAfterItInOrder) {
  // A macro tool sends the mode hotkey while entering waits: enter, then leave.
  SlowToAnswer();
  desktop.SendDuringNextWait(frm().Handle(), win::WM_HOTKEY, kHotKeyMode, 0);
  PressMode();
  EXPECT_FALSE(frm().FHideMode);
  EXPECT_TRUE(Visible(game) && Visible(slow));
  EXPECT_TRUE(frm().HiddenWindowList.empty());
  EXPECT_FALSE(desktop.files.FileExists(RecordPath()));
  EXPECT_TRUE(frm().TrayIcon->Active());

  // Twice while leaving waits: leave, enter, leave.
  PressMode();
  SlowToAnswer();
  desktop.SendDuringNextWait(frm().Handle(), win::WM_HOTKEY, kHotKeyMode, 0);
  desktop.SendDuringNextWait(frm().Handle(), win::WM_HOTKEY, kHotKeyMode, 0);
  PressMode();
  EXPECT_FALSE(frm().FHideMode);
  EXPECT_TRUE(Visible(game) && Visible(slow));
  EXPECT_FALSE(desktop.files.FileExists(RecordPath()));

  // The session ends while entering waits: entering ends, then the exit action
  // shows what it hid.
  frm().rbShowHidden.Click();
  SlowToAnswer();
  desktop.SendDuringNextWait(frm().Handle(), win::WM_QUERYENDSESSION, 0, 0);
  PressMode();
  EXPECT_TRUE(desktop.state.quitRequested);
  EXPECT_TRUE(Visible(game) && Visible(slow));
  EXPECT_TRUE(frm().HiddenWindowList.empty());
  EXPECT_FALSE(desktop.files.FileExists(RecordPath()));
}

TEST_F(OneSequenceTest, TheExitActionFinishesBeforeAnythingElseRuns) {
  frm().rbShowHidden.Click();
  PressMode();
  SlowToAnswer();
  ShellSendsTrayClick(kConfigure);
  desktop.SendDuringNextWait(frm().Handle(), win::WM_HOTKEY, kHotKeyMode, 0);
  PressClose();
  EXPECT_TRUE(desktop.state.quitRequested);
  EXPECT_TRUE(desktop.state.popupsShown.empty());
  EXPECT_TRUE(Visible(game) && Visible(slow)) << "no HIDE mode entered after the exit action";
  EXPECT_FALSE(desktop.files.FileExists(RecordPath()));
}

}  // namespace hd::test
