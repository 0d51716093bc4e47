// The HIDE and NORMAL sequences: their gating settings and hung programs.
#include <gtest/gtest.h>
#include "HideFixture.h"

namespace hd::test {

TEST_F(HideTest, InvisibleDuringHideModeAndTrayIconModeAfterIt) {
  PressVisible();
  ASSERT_TRUE(frm().FInvisible);
  PressMode();
  EXPECT_TRUE(frm().FInvisible);
  PressMode();
  EXPECT_FALSE(frm().FInvisible) << "leaving always ends in TrayIcon mode";
}

TEST_F(HideTest, WithoutTheStealthSwitchTheVisibleModeIsLeftToTheUser) {
  frm().cbSw2Stealth.SetChecked(false);
  PressMode();
  EXPECT_FALSE(frm().FInvisible) << "the tray icon stays";
  PressVisible();
  EXPECT_TRUE(frm().FInvisible) << "the visible hotkey works in HIDE mode";
  PressMode();
  EXPECT_TRUE(frm().FInvisible) << "leaving does not touch the visible mode";
  EXPECT_FALSE(frm().FHideMode);
}

TEST_F(HideTest, LeavingFollowsTheSettingsInForceWhenItRuns) {
  PressMode();
  frm().cbSw2Stealth.SetChecked(false);
  PressMode();
  EXPECT_TRUE(frm().FInvisible) << "stealth was switched off in HIDE mode: no TrayIcon mode";
}

class HungProgramTest : public HideTest {
protected:
  static constexpr std::uint64_t kPerHungApp = 200;
  WindowHandle stuck = 0, stuck2 = 0, fine = 0, editor = 0;
  void SetUp() override {
    HideTest::SetUp();
    HideCaptionsWith({"game"});
    editor = App("C:\\Tools\\Editor.exe", "Editor");
    stuck = App("C:\\Games\\Stuck.exe", "game one");
    stuck2 = desktop.AddWindow(ProcessOf(stuck), "game two");
    fine = App("C:\\Games\\Fine.exe", "game three");
    desktop.Window(stuck).hung = desktop.Window(stuck2).hung = true;
  }
  // What pressing the mode hotkey cost on the virtual clock.
  std::uint64_t WaitedOnPress() {
    const std::uint64_t before = desktop.state.clockMs;
    PressMode();
    return desktop.state.clockMs - before;
  }
};

TEST_F(HungProgramTest, HidingAndShowingWaitOnlyBrieflyAndHandleTheOthers) {
  EXPECT_LT(WaitedOnPress(), kPerHungApp);
  ASSERT_TRUE(frm().FHideMode);
  EXPECT_EQ(frm().HiddenWindowList, (std::vector<WindowHandle>{fine, stuck2, stuck}));
  for (WindowHandle w : {stuck, stuck2, fine}) EXPECT_FALSE(Visible(w));
  EXPECT_TRUE(Iconic(stuck)) << "minimised by the queued request";
  EXPECT_TRUE(Visible(editor));

  EXPECT_LT(WaitedOnPress(), kPerHungApp) << "the hotkey still answers";
  EXPECT_FALSE(frm().FHideMode);
  for (WindowHandle w : {stuck, stuck2, fine}) EXPECT_TRUE(Visible(w));
}

TEST_F(HungProgramTest, EachHungProgramCostsOneProbe) {
  const WindowHandle other = App("C:\\Games\\Frozen.exe", "game frozen");
  desktop.Window(other).hung = true;
  EXPECT_LT(WaitedOnPress(), 2 * kPerHungApp);
  EXPECT_FALSE(Visible(other));
}

TEST_F(HungProgramTest, AHungWindowIsActivatedWithoutWaiting) {
  frm().rbAny.Click();
  desktop.Window(editor).hung = true;
  EXPECT_LT(WaitedOnPress(), 2 * kPerHungApp);
  EXPECT_FALSE(Iconic(editor));
  EXPECT_TRUE(Visible(editor));
}

}  // namespace hd::test
