// The visible modes, the tray menu and the windows it opens, on the whole program.
#include <gtest/gtest.h>
#include "ProgramFixture.h"
#include "access/frmPassUnit.h"
#include "platform/sim/SimWindows.h"
#include "shell/TrayIcon.h"
#include "shell/frmAboutUnit.h"

namespace hd::test {

class VisibilityTest : public ProgramTest {
protected:
  bool IconShown() const { return !desktop.state.notifyIcons.empty(); }
  WindowHandle AppWindow() { return desktop.forms.ApplicationWindow(); }
  // The taskbar shows a button for the application window, and with which title.
  bool TaskbarButton() {
    return desktop.windows.IsWindowVisible(AppWindow()) &&
           (desktop.windows.GetWindowLong(AppWindow(), win::GWL_EXSTYLE) & win::WS_EX_APPWINDOW);
  }
  std::string AppTitle() { return desktop.windows.GetWindowText(AppWindow(), 256); }
};

TEST_F(VisibilityTest, StartsWithTheIconAndItsTooltip) {
  Start();
  ASSERT_TRUE(IconShown());
  EXPECT_EQ(desktop.state.notifyIcons.at(0).szTip, "Velmora Hushdesk 1.5");
  EXPECT_EQ(desktop.state.notifyIcons.at(0).hIcon, desktop.state.applicationIcon);
  EXPECT_FALSE(frm().FInvisible);
  EXPECT_FALSE(TaskbarButton());
}

TEST_F(VisibilityTest, VisibleHotkeyTogglesInNormalAndHideMode) {
  Start({"/hidden"});
  EXPECT_FALSE(IconShown());
  PressVisible();
  EXPECT_TRUE(IconShown());
  PressVisible();
  EXPECT_FALSE(IconShown());
  EXPECT_TRUE(frm().FInvisible);

  PressMode();
  ASSERT_TRUE(frm().FHideMode);
  PressVisible();
  EXPECT_TRUE(IconShown()) << "the icon comes back while HIDE mode lasts";
  EXPECT_TRUE(frm().FHideMode) << "the visible hotkey does not change the mode";
  PressVisible();
  EXPECT_FALSE(IconShown());
  EXPECT_TRUE(frm().FHideMode);
  EXPECT_EQ(desktop.state.notifyIcons.size(), 0u);
}

TEST_F(VisibilityTest, TrayMenuOrderAndDefaultItem) {
  Start();
  RightClickTray(-1);
  ASSERT_EQ(desktop.state.popupsShown.size(), 1u);
  EXPECT_EQ(desktop.state.popupsShown[0],
            (std::vector<std::string>{"Configure...", "About", "-", "Help", "-", "Exit"}));
  const auto& items = frm().TrayMenu.Items();
  for (std::size_t i = 0; i < items.size(); ++i) EXPECT_EQ(items[i].isDefault, i == kConfigure) << i;
}

TEST_F(VisibilityTest, ConfigureShowsATaskbarButtonAndSuspendsTheHotkeys) {
  Start();
  RightClickTray(kConfigure);
  EXPECT_TRUE(frm().Visible());
  EXPECT_TRUE(desktop.windows.IsWindowVisible(frm().Handle()));
  EXPECT_EQ(frm().Left(), (desktop.state.screenWidth - frm().ClientWidth()) / 2) << "centred";
  EXPECT_TRUE(TaskbarButton());
  EXPECT_EQ(AppTitle(), "Velmora Hushdesk");
  EXPECT_FALSE(ModeHotkeyWorks());
  EXPECT_EQ(desktop.state.foreground, frm().Handle());

  frm().CloseConfigWindow();
  EXPECT_FALSE(desktop.windows.IsWindowVisible(frm().Handle()));
  EXPECT_FALSE(desktop.windows.IsWindowVisible(AppWindow()));
  EXPECT_EQ(AppTitle(), "");
  EXPECT_TRUE(desktop.windows.GetWindowLong(AppWindow(), win::GWL_EXSTYLE) & win::WS_EX_TOOLWINDOW);
  EXPECT_TRUE(ModeHotkeyWorks());
  EXPECT_TRUE(IconShown());
}

TEST_F(VisibilityTest, AboutBoxSuspendsTheHotkeysUntilItCloses) {
  Start();
  RightClickTray(kAbout);
  EXPECT_TRUE(app->frmAbout->Visible());
  EXPECT_TRUE(TaskbarButton());
  EXPECT_EQ(AppTitle(), "Velmora Hushdesk");
  EXPECT_FALSE(ModeHotkeyWorks());

  app->frmAbout->butOk.Click();
  EXPECT_FALSE(app->frmAbout->Visible());
  EXPECT_FALSE(desktop.windows.IsWindowVisible(AppWindow()));
  EXPECT_EQ(AppTitle(), "");
  EXPECT_TRUE(ModeHotkeyWorks());

  RightClickTray(kConfigure);
  RightClickTray(kAbout);
  app->frmAbout->butOk.Click();
  EXPECT_FALSE(desktop.windows.IsWindowVisible(frm().Handle())) << "an open configuration window goes too";
  EXPECT_TRUE(ModeHotkeyWorks());
}

TEST_F(VisibilityTest, RefusedPasswordOpensNothing) {
  Start();
  frm().rbEnable.Click();
  frm().Pwd = ScramblePassword("pass");
  desktop.state.inputAnswers = {std::nullopt, "wrong"};
  RightClickTray(kConfigure);
  RightClickTray(kAbout);
  EXPECT_EQ(desktop.state.inputQueries.size(), 2u);
  EXPECT_FALSE(frm().Visible());
  EXPECT_FALSE(app->frmAbout->Visible());
  EXPECT_FALSE(TaskbarButton());
  EXPECT_TRUE(ModeHotkeyWorks());

  desktop.state.inputAnswers = {"pass"};
  RightClickTray(kConfigure);
  EXPECT_TRUE(frm().Visible()) << "the right password lets the user in";
}

TEST_F(VisibilityTest, DoubleClickOpensNothingAndExitEndsTheProgram) {
  Start();
  const unsigned callback = desktop.windows.RegisterWindowMessage("WM_TOOLTRAYICON");
  SimWindows::Dispatch(desktop.state, frm().TrayIcon->Window(), callback, 0, win::WM_LBUTTONDBLCLK);
  EXPECT_FALSE(frm().Visible());
  EXPECT_FALSE(TaskbarButton());
  EXPECT_TRUE(IconShown());

  RightClickTray(kExit);
  EXPECT_TRUE(frm().FTerminating);
  EXPECT_TRUE(desktop.state.quitRequested);
  EXPECT_FALSE(ModeHotkeyWorks());
}

TEST_F(VisibilityTest, ServiceProcessFollowsTheModeOn9xOnly) {
  struct Case {
    const char* name;
    OsVersionInfo version;
    bool registers;
    bool looksUp;  // 2000 asks, and finds nothing
  };
  const Case cases[] = {{"95", {148, 4, 0, 950, 1, ""}, true, true},   {"98", {148, 4, 10, 1998, 1, ""}, true, true},
                        {"Me", {148, 4, 90, 3000, 1, ""}, true, true},  {"2000", {148, 5, 0, 2195, 2, ""}, false, true},
                        {"XP", {148, 5, 1, 2600, 2, ""}, false, false}, {"7", {148, 6, 1, 7601, 2, ""}, false, false}};
  for (const Case& c : cases) {
    SimDesktop d;
    d.state.version = c.version;
    d.state.commandLine = {"/hidden"};
    Application a(d.platform);
    a.frmConfigure->ToggleVisibleMode();
    using Calls = std::vector<std::pair<ProcessId, std::uint32_t>>;
    const ProcessId self = d.state.programProcess;
    const Calls expected = c.registers ? Calls{{self, 1}, {self, 0}} : Calls{};
    EXPECT_EQ(d.state.serviceProcessCalls, expected) << c.name;
    EXPECT_EQ(d.state.serviceProcessLookups > 0, c.looksUp) << c.name;
  }
}

}  // namespace hd::test
