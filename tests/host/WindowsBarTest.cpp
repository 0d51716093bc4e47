// Version tests and the notification-area hiding on a simulated taskbar.
#include <gtest/gtest.h>
#include <array>
#include <numeric>
#include "app/OSWorks.h"
#include "hide/tray_man.h"
#include "platform/sim/SimDesktop.h"

namespace hd::test {

namespace {
const OsVersionInfo k95{148, 4, 0, 950, 1, ""}, k98{148, 4, 10, 1998, 1, ""}, kMe{148, 4, 90, 3000, 1, ""},
    k2000{148, 5, 0, 2195, 2, ""}, kXP{148, 5, 1, 2600, 2, ""}, k2003{148, 5, 2, 3790, 2, ""},
    k7{148, 6, 1, 7601, 2, ""}, kNT4{148, 4, 0, 1381, 2, ""};
}  // namespace

TEST(OSWorks, EachVersionIsToldApart) {
  struct Case {
    OsVersionInfo version;
    std::array<bool, 5> is;  // 95, 98, Me, 2000, XP
  };
  const Case cases[] = {{k95, {1, 0, 0, 0, 0}},   {k98, {0, 1, 0, 0, 0}},   {kMe, {0, 0, 1, 0, 0}},
                        {k2000, {0, 0, 0, 1, 0}}, {kXP, {0, 0, 0, 0, 1}},   {k2003, {0, 0, 0, 0, 0}},
                        {k7, {0, 0, 0, 0, 0}},    {kNT4, {0, 0, 0, 0, 0}}};
  SimDesktop desktop;
  for (const Case& c : cases) {
    desktop.state.version = c.version;  // read afresh by every test
    const std::array<bool, 5> is{IsWindows95(desktop.system), IsWindows98(desktop.system),
                                 IsWindowsMe(desktop.system), IsWindows2000(desktop.system),
                                 IsWindowsXP(desktop.system)};
    EXPECT_EQ(is, c.is) << c.version.platformId << " " << c.version.majorVersion << "." << c.version.minorVersion;
  }
}

TEST(OSWorks, RefusedStructureIsRetriedOneByteLarger) {
  // Takes 156 but not 148, as a system with a larger structure would.
  struct Refuses148 : SimSystem {
    using SimSystem::SimSystem;
    std::vector<std::uint32_t> sizes;
    bool GetVersionEx(OsVersionInfo& info) override {
      sizes.push_back(info.size);
      return info.size != 148 && SimSystem::GetVersionEx(info);
    }
  };
  SimDesktop desktop;
  desktop.state.version = k2000;
  Refuses148 system(desktop.state);
  const OsVersionInfo info = GetOSVersionInfo(system);
  EXPECT_EQ(info.majorVersion, 5u);
  EXPECT_EQ(info.platformId, 2u);
  std::vector<std::uint32_t> expected(9);
  std::iota(expected.begin(), expected.end(), 148u);
  EXPECT_EQ(system.sizes, expected) << "148 to 156, one at a time";
}

class WindowsBarTest : public ::testing::Test {
protected:
  SimDesktop desktop;
  WindowHandle taskbar = 0, notify = 0, trayToolbar = 0, rebarToolbar = 0;
  ProcessId shell = 0;

  // Button 2 of five hidden already.
  void MakeTaskbar() {
    const SimDesktop::Taskbar t = desktop.AddTaskbar({false, false, true, false, false});
    shell = t.shell;
    taskbar = t.taskbar;
    notify = t.notify;
    trayToolbar = t.trayToolbar;
    rebarToolbar = t.rebarToolbar;
  }
  std::vector<bool> Buttons() { return desktop.ButtonsHidden(trayToolbar); }
};

TEST_F(WindowsBarTest, FindsTheTaskbarWindowsOnce) {
  MakeTaskbar();
  desktop.AddWindow(shell, "titled", {true, 0, "Shell_TrayWnd", 0});  // above it, but not untitled
  TWindowsBar bar(desktop.platform);
  EXPECT_EQ(bar.TaskbarHandle, taskbar);
  EXPECT_EQ(bar.TrayNotifyHandle, notify);
  EXPECT_EQ(bar.TrayToolbarHandle, trayToolbar);
  EXPECT_EQ(bar.RebarToolbarHandle, rebarToolbar);
  EXPECT_TRUE(bar.HiddenButtons.empty());
}

TEST_F(WindowsBarTest, OnXpTheVisibleIconsAreHiddenRecordedAndShownBack) {
  MakeTaskbar();
  desktop.state.version = kXP;
  TWindowsBar bar(desktop.platform);
  bar.HideTrayArea();
  const int first = SimDesktop::kFirstTrayCommand;
  EXPECT_EQ(bar.HiddenButtons, (std::vector<int>{first, first + 3, first + 9, first + 12})) << "by command id";
  EXPECT_EQ(Buttons(), (std::vector<bool>{true, true, true, true, true}));
  EXPECT_TRUE(desktop.Window(notify).visible) << "the area itself stays";

  bar.ShowTrayArea();
  EXPECT_EQ(Buttons(), (std::vector<bool>{false, false, true, false, false})) << "the one hidden before stays hidden";
  EXPECT_TRUE(bar.HiddenButtons.empty());
  bar.ShowTrayIcons();
  EXPECT_EQ(Buttons(), (std::vector<bool>{false, false, true, false, false}));
}

TEST_F(WindowsBarTest, HidingTwiceOnXpForgetsTheFirstRecord) {
  MakeTaskbar();
  desktop.state.version = kXP;
  TWindowsBar bar(desktop.platform);
  bar.HideTrayArea();
  bar.HideTrayArea();
  EXPECT_TRUE(bar.HiddenButtons.empty());
  bar.ShowTrayArea();
  EXPECT_EQ(Buttons(), (std::vector<bool>{true, true, true, true, true})) << "nothing recorded, nothing shown";
}

TEST_F(WindowsBarTest, OtherVersionsHideTheWholeArea) {
  MakeTaskbar();
  TWindowsBar bar(desktop.platform);
  for (const OsVersionInfo& version : {k2000, k2003, k7, k98}) {
    desktop.state.version = version;  // asked at each call
    bar.HideTrayArea();
    EXPECT_FALSE(desktop.Window(notify).visible) << version.majorVersion << "." << version.minorVersion;
    EXPECT_TRUE(bar.HiddenButtons.empty());
    EXPECT_EQ(Buttons(), (std::vector<bool>{false, false, true, false, false}));
    bar.ShowTrayArea();
    EXPECT_TRUE(desktop.Window(notify).visible);
  }
}

}  // namespace hd::test
