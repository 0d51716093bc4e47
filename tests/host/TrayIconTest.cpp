// The tray icon component on the simulated shell: what reaches the shell and when.
#include <gtest/gtest.h>
#include "platform/sim/SimDesktop.h"
#include "platform/sim/SimWindows.h"
#include "shell/TrayIcon.h"

namespace hd::test {

class TrayIconTest : public ::testing::Test {
protected:
  SimDesktop desktop;
  std::vector<std::string> log;
  TTrayIcon tray{desktop.platform, {[this](bool visible) { log.push_back(visible ? "show" : "hide"); },
                                    [] { return WindowHandle{0}; }, nullptr}};

  unsigned Message(const char* name) { return desktop.windows.RegisterWindowMessage(name); }
  void Mouse(unsigned code) {
    SimWindows::Dispatch(desktop.state, tray.Window(), Message("WM_TOOLTRAYICON"), 0, code);
  }
  std::size_t Calls(unsigned nim) const {
    std::size_t n = 0;
    for (const auto& call : desktop.state.notifyCalls) n += call.first == nim;
    return n;
  }
  void Tick() { SimWindows::Dispatch(desktop.state, tray.Window(), 0x0113, 1, 0); }
};

TEST_F(TrayIconTest, ActiveAddsOnceAndRemovesOnceWithTheFullRecord) {
  tray.SetIcon(0x5005);
  tray.SetToolTip("tip");
  tray.SetActive(true);
  tray.SetActive(true);
  ASSERT_EQ(desktop.state.notifyIcons.size(), 1u);
  EXPECT_EQ(Calls(win::NIM_ADD), 1u);
  const NotifyIconData& icon = desktop.state.notifyIcons.front();
  EXPECT_EQ(icon.cbSize, 88u);
  EXPECT_EQ(icon.hWnd, tray.Window());
  EXPECT_EQ(icon.uID, 0u);
  EXPECT_EQ(icon.uFlags, win::NIF_MESSAGE | win::NIF_ICON | win::NIF_TIP);
  EXPECT_EQ(icon.uCallbackMessage, Message("WM_TOOLTRAYICON"));
  EXPECT_EQ(icon.hIcon, 0x5005u);
  EXPECT_EQ(icon.szTip, "tip");
  tray.SetActive(false);
  tray.SetActive(false);
  EXPECT_TRUE(desktop.state.notifyIcons.empty());
  EXPECT_EQ(Calls(win::NIM_DELETE), 1u);
}

TEST_F(TrayIconTest, ChangesWhileInactiveWaitForTheNextAdd) {
  tray.SetIcon(0x5005);
  tray.SetIcon(0x5005);
  tray.SetToolTip(std::string(70, 'x') + "tail");
  EXPECT_TRUE(desktop.state.notifyCalls.empty()) << "nothing is sent while inactive";
  EXPECT_EQ(tray.ToolTip(), std::string(62, 'x'));
  tray.SetActive(true);
  EXPECT_EQ(desktop.state.notifyIcons.at(0).szTip, std::string(62, 'x'));
  EXPECT_EQ(desktop.state.notifyIcons.at(0).hIcon, 0x5005u);

  const std::size_t before = desktop.state.notifyCalls.size();
  tray.SetIcon(0x5005);
  EXPECT_EQ(desktop.state.notifyCalls.size(), before) << "the very same icon sends nothing";
  tray.SetIcon(0x6006);
  EXPECT_EQ(desktop.state.notifyCalls.back().first, win::NIM_MODIFY);
  EXPECT_EQ(desktop.state.notifyIcons.at(0).hIcon, 0x6006u);
}

TEST_F(TrayIconTest, EmptyIconAndTipAreFilledOnAdd) {
  tray.SetActive(true);
  EXPECT_EQ(tray.Icon(), desktop.state.applicationIcon);
  EXPECT_EQ(desktop.state.notifyIcons.at(0).hIcon, desktop.state.applicationIcon);
  const std::size_t before = desktop.state.notifyCalls.size();
  desktop.Pump();
  ASSERT_EQ(desktop.state.notifyCalls.size(), before + 1) << "an empty tip is sent again later";
  EXPECT_EQ(desktop.state.notifyCalls.back().first, win::NIM_MODIFY);
  EXPECT_EQ(desktop.state.notifyCalls.back().second.uFlags, win::NIF_ICON | win::NIF_TIP);
}

TEST_F(TrayIconTest, RightClickPopsTheMenuAtTheCursorThenRaisesOnRightClick) {
  PopupMenu menu("menu");
  menu.Add({"a", "First", true, [this] { log.push_back("first"); }});
  menu.Add({"b", "Second", false, [this] { log.push_back("second"); }});
  tray.PopupMenu = &menu;
  tray.OnRightClick = [this](TTrayIcon& sender, MouseButton button, ShiftState shift, int x, int y) {
    EXPECT_EQ(&sender, &tray);
    EXPECT_EQ(button, MouseButton::Right);
    EXPECT_EQ(shift, 0u);
    log.push_back("right " + std::to_string(x) + "," + std::to_string(y));
  };
  desktop.state.cursor = {300, 200};
  desktop.state.popupChoices.push_back(1);
  Mouse(win::WM_RBUTTONUP);
  EXPECT_EQ(desktop.state.popupsShown, (std::vector<std::vector<std::string>>{{"First", "Second"}}));
  ASSERT_EQ(desktop.state.popupPoints.size(), 1u);
  EXPECT_EQ(desktop.state.popupPoints[0].x, 300);
  EXPECT_EQ(desktop.state.popupPoints[0].y, 200);
  EXPECT_EQ(log, (std::vector<std::string>{"second", "right 300,200"}));

  log.clear();
  Mouse(win::WM_RBUTTONUP);  // dismissed
  tray.OnClick = [this](TTrayIcon&) { log.push_back("click"); };
  Mouse(win::WM_LBUTTONUP);
  Mouse(0x0201);  // button down: ignored
  EXPECT_EQ(log, (std::vector<std::string>{"right 300,200", "click"}));
}

TEST_F(TrayIconTest, DefaultDoubleClickRestoresTheApplicationOnlyWhenActive) {
  const WindowHandle app = desktop.forms.ApplicationWindow();
  Mouse(win::WM_LBUTTONDBLCLK);
  EXPECT_TRUE(log.empty()) << "inactive: nothing to restore";
  tray.SetActive(true);
  Mouse(win::WM_LBUTTONDBLCLK);
  EXPECT_EQ(log, (std::vector<std::string>{"show"}));
  EXPECT_TRUE(desktop.Window(app).visible);
  EXPECT_EQ(desktop.state.foreground, app);
  EXPECT_FALSE(tray.Active());
  EXPECT_TRUE(desktop.state.notifyIcons.empty());

  tray.MinimizeToTray();
  EXPECT_EQ(log.back(), "hide");
  EXPECT_FALSE(desktop.Window(app).visible);
  EXPECT_TRUE(tray.Active());
  tray.MinimizeToTray();
  EXPECT_EQ(log.size(), 2u) << "already in the tray";
}

TEST_F(TrayIconTest, AnimationNeedsFramesAndAnActiveIcon) {
  tray.SetAnimate(true);
  EXPECT_FALSE(tray.Animate()) << "no frames";
  tray.Images = {0xA1, 0xA2, 0xA3};
  tray.SetAnimate(true);
  EXPECT_FALSE(tray.Animate()) << "inactive";
  EXPECT_TRUE(desktop.state.timers.empty());

  tray.SetIcon(0x5005);
  tray.SetActive(true);
  tray.SetAnimateInterval(250);
  tray.SetAnimateInterval(0);
  tray.SetAnimateInterval(-5);
  EXPECT_EQ(tray.AnimateInterval(), 250);
  tray.SetAnimate(true);
  ASSERT_TRUE(tray.Animate());
  EXPECT_EQ(desktop.state.timers.at({tray.Window(), 1}), 250u);

  std::vector<Handle> shown;
  for (int i = 0; i < 4; ++i) {
    Tick();
    shown.push_back(desktop.state.notifyIcons.at(0).hIcon);
  }
  EXPECT_EQ(shown, (std::vector<Handle>{0xA2, 0xA3, 0xA1, 0xA2})) << "starts at the second frame and wraps";

  tray.SetAnimate(false);
  EXPECT_TRUE(desktop.state.timers.empty());
  EXPECT_EQ(tray.Icon(), 0x5005u) << "the icon from before the animation is back";
}

TEST_F(TrayIconTest, StoppingAnAnimationThatNeverRanEmptiesTheIcon) {
  tray.SetIcon(0x5005);
  tray.SetAnimate(false);
  EXPECT_EQ(tray.Icon(), 0u);
  tray.SetIcon(0x6006);
  EXPECT_EQ(tray.Icon(), 0x6006u) << "an icon given afterwards stays";
}

TEST_F(TrayIconTest, NewTaskbarGetsTheIconBackOnlyWhenActive) {
  auto restartShell = [this] {
    desktop.state.notifyIcons.clear();
    desktop.windows.PostMessage(win::HWND_BROADCAST, Message("TaskbarCreated"), 0, 0);
    desktop.Pump();
  };
  tray.SetToolTip("tip");
  restartShell();
  EXPECT_TRUE(desktop.state.notifyIcons.empty()) << "an inactive icon stays away";

  tray.SetActive(true);
  restartShell();
  ASSERT_EQ(desktop.state.notifyIcons.size(), 1u);
  EXPECT_EQ(desktop.state.notifyIcons.at(0).szTip, "tip");
  EXPECT_EQ(desktop.state.notifyIcons.at(0).hWnd, tray.Window());
  EXPECT_TRUE(tray.Active());

  tray.SetActive(false);
  restartShell();
  EXPECT_TRUE(desktop.state.notifyIcons.empty());
}

TEST(TrayIconRights, AProgramRunAsAdministratorHearsTheNewTaskbar) {
  SimDesktop desktop;
  desktop.state.elevated = true;
  TTrayIcon tray(desktop.platform, {});
  tray.SetActive(true);
  desktop.state.notifyIcons.clear();
  desktop.windows.PostMessage(win::HWND_BROADCAST, desktop.windows.RegisterWindowMessage("TaskbarCreated"), 0, 0);
  desktop.Pump();
  EXPECT_EQ(desktop.state.notifyIcons.size(), 1u);
}

TEST(TrayIconLifetime, DestroyingAnActiveIconRemovesItAndItsWindow) {
  SimDesktop desktop;
  WindowHandle window = 0;
  {
    TTrayIcon tray(desktop.platform, {});
    window = tray.Window();
    tray.SetActive(true);
    ASSERT_EQ(desktop.state.notifyIcons.size(), 1u);
  }
  EXPECT_TRUE(desktop.state.notifyIcons.empty());
  EXPECT_FALSE(desktop.windows.IsWindow(window));
}

}  // namespace hd::test
