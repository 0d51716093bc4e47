// The About box: name and version, links handed to the shell, Escape closing it.
#include <gtest/gtest.h>
#include "ProgramFixture.h"
#include "shell/frmAboutUnit.h"

namespace hd::test {

class AboutBoxTest : public ProgramTest {
protected:
  TfrmAbout& about() { return *app->frmAbout; }
};

TEST_F(AboutBoxTest, ShowsTheNameTheVersionAndTheIconCentred) {
  Start();
  RightClickTray(kAbout);
  ASSERT_TRUE(about().Visible());
  EXPECT_EQ(about().Caption(), "About");
  EXPECT_EQ(about().labName.Caption(), "Velmora Hushdesk");
  EXPECT_EQ(about().labV.Caption(), "v.");
  EXPECT_EQ(about().labVer.Caption(), "1.5");
  EXPECT_TRUE(about().labName.Bold() && about().labV.Bold() && about().labVer.Bold());
  EXPECT_EQ(about().Image.Icon(), desktop.state.applicationIcon);
  const Bounds& icon = about().Image.Position();
  EXPECT_EQ(icon.x + icon.width / 2, about().ClientWidth() / 2);
  EXPECT_EQ(about().Left(), (desktop.state.screenWidth - about().ClientWidth()) / 2);
  EXPECT_EQ(about().grpContact.Caption(), " Contact information ");
  EXPECT_TRUE(about().labWeb.IsLink && about().labEmail.IsLink);
}

TEST_F(AboutBoxTest, LinksGoToTheShellAndLeaveTheBoxOpen) {
  Start();
  RightClickTray(kAbout);
  about().labWeb.Click();
  about().labEmail.Click();
  ASSERT_EQ(desktop.state.shellExecutes.size(), 2u);
  const ShellExecuteCall& web = desktop.state.shellExecutes[0];
  EXPECT_EQ(web.file, about().labWeb.Caption());
  EXPECT_EQ(web.verb, "Open");
  EXPECT_EQ(web.owner, WindowHandle{0});
  EXPECT_EQ(web.parameters, "");
  EXPECT_EQ(web.directory, "C:\\WINDOWS\\system32") << "the browser starts in the system folder";
  EXPECT_EQ(web.showCommand, 1);
  EXPECT_EQ(desktop.state.shellExecutes[1].file, "mailto:" + about().labEmail.Caption());
  EXPECT_EQ(desktop.state.shellExecutes[1].file, "mailto:hushdesk@example.org");
  EXPECT_TRUE(about().Visible());
  EXPECT_TRUE(desktop.state.messageBoxes.empty());

  desktop.state.shellAccepts = false;
  about().labWeb.Click();
  EXPECT_TRUE(desktop.state.messageBoxes.empty()) << "a link that cannot open is not reported";
}

TEST_F(AboutBoxTest, EscapeClosesItAndTheHotkeysWorkAgain) {
  Start();
  RightClickTray(kAbout);
  EXPECT_FALSE(ModeHotkeyWorks());
  EXPECT_TRUE(about().butOk.IsCancel && about().butOk.IsDefault) << "Escape and Enter press Close";
  SimWindows::Dispatch(desktop.state, about().Handle(), win::WM_CLOSE, 0, 0);  // its close box
  EXPECT_FALSE(about().Visible());
  EXPECT_TRUE(ModeHotkeyWorks());
  PressMode();
  EXPECT_TRUE(frm().FHideMode);
}

}  // namespace hd::test
