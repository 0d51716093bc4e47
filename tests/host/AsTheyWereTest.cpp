// "Restore windows as they were": show states and the front window come back.
#include <gtest/gtest.h>
#include "HideFixture.h"

namespace hd::test {

class AsTheyWereTest : public HideTest {
protected:
  WindowHandle normal = 0, maximised = 0, minimised = 0, front = 0;
  void SetUp() override {
    HideTest::SetUp();
    HideCaptionsWith({"game"});
    normal = App("C:\\Games\\A.exe", "game normal");
    maximised = App("C:\\Games\\B.exe", "game maximised");
    minimised = App("C:\\Games\\C.exe", "game minimised");
    front = App("C:\\Work\\Sheet.exe", "Figures");
    desktop.Window(maximised).zoomed = true;
    desktop.Window(minimised).iconic = true;
    desktop.state.foreground = maximised;
    frm().rbAny.Click();  // the serious switch activates the working window
  }
  bool Zoomed(WindowHandle w) { return desktop.windows.IsZoomed(w); }
};

TEST_F(AsTheyWereTest, EachWindowReturnsInItsStateAndTheFrontWindowInFront) {
  frm().cbRestoreAsWere.SetChecked(true);
  PressMode();
  for (WindowHandle w : {normal, maximised, minimised}) ASSERT_FALSE(Visible(w));
  ASSERT_NE(desktop.state.foreground, maximised) << "the serious switch took the front";
  PressMode();
  EXPECT_TRUE(Visible(normal) && !Iconic(normal) && !Zoomed(normal));
  EXPECT_TRUE(Visible(maximised) && Zoomed(maximised));
  EXPECT_TRUE(Visible(minimised) && Iconic(minimised));
  EXPECT_EQ(desktop.state.foreground, maximised);
  EXPECT_EQ(desktop.state.zOrder.front(), maximised);
  EXPECT_TRUE(frm().HiddenWindowList.empty());
}

TEST_F(AsTheyWereTest, TheExitActionShowsThemAsTheyWereTakenWhateverTheOptionSaysNow) {
  frm().cbRestoreAsWere.SetChecked(true);
  frm().rbShowHidden.Click();
  PressMode();
  frm().cbRestoreAsWere.SetChecked(false);
  PressClose();
  EXPECT_TRUE(Visible(normal) && !Iconic(normal));
  EXPECT_TRUE(Visible(maximised) && Zoomed(maximised));
  EXPECT_EQ(desktop.state.foreground, maximised);
}

TEST_F(AsTheyWereTest, ABusyProgramsFrontWindowIsWaitedForAndComesToTheFront) {
  frm().cbRestoreAsWere.SetChecked(true);
  PressMode();
  desktop.Busy(maximised, 100);
  PressMode();
  EXPECT_TRUE(Visible(maximised) && Zoomed(maximised));
  EXPECT_EQ(desktop.state.foreground, maximised);
}

TEST_F(AsTheyWereTest, AFrontWindowClosedMeanwhileIsLeftAlone) {
  frm().cbRestoreAsWere.SetChecked(true);
  desktop.state.foreground = front;
  PressMode();
  desktop.windows.ShowWindow(front, win::SW_HIDE);  // its program hid it
  const WindowHandle now = desktop.state.foreground;
  PressMode();
  EXPECT_FALSE(Visible(front));
  EXPECT_EQ(desktop.state.foreground, now);
  EXPECT_TRUE(Visible(normal) && !Iconic(normal));
}

TEST_F(AsTheyWereTest, TheOptionIsStoredUnderItsOwnKeyAndOffWithoutIt) {
  EXPECT_FALSE(frm().cbRestoreAsWere.Checked());
  frm().cbRestoreAsWere.SetChecked(true);
  ASSERT_EQ(SettingsErrorOf(&TfrmConfigure::SaveAllSettings), "");
  EXPECT_NE(desktop.ReadFile(std::string(kExeDir) + "Settings\\Main.cfg").find("cbRestoreAsWere=1\r\n[Switch]"),
            std::string::npos);
  frm().cbRestoreAsWere.SetChecked(false);
  ASSERT_EQ(SettingsErrorOf(&TfrmConfigure::LoadAllSettings), "");
  EXPECT_TRUE(frm().cbRestoreAsWere.Checked());

  WriteSetting("Settings\\Main.cfg", "[Hide_mode]\r\ncbApps=1\r\n");  // written by an older version
  frm().cbRestoreAsWere.SetChecked(false);
  ASSERT_EQ(SettingsErrorOf(&TfrmConfigure::LoadAllSettings), "");
  EXPECT_FALSE(frm().cbRestoreAsWere.Checked());
}

}  // namespace hd::test
