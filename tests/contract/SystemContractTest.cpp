// Mutexes, hotkeys and window basics behave alike on both backends.
#include <gtest/gtest.h>
#include "Backend.h"

namespace hd::contract {

TEST(SystemContract, SecondMutexOfTheSameNameReportsAlreadyExists) {
  auto backend = MakeBackend();
  ISystem& system = backend->platform().system;
  const std::string name = "HushdeskContract_" + std::to_string(system.TickCountMs());
  std::uint32_t first = 0, second = 0;
  Handle a = system.CreateMutex(name, first);
  Handle b = system.CreateMutex(name, second);
  EXPECT_NE(a, 0u);
  EXPECT_NE(b, 0u);
  EXPECT_NE(first, win::ERROR_ALREADY_EXISTS);
  EXPECT_EQ(second, win::ERROR_ALREADY_EXISTS);
  system.CloseHandle(b);
  system.CloseHandle(a);
  std::uint32_t again = 0;
  Handle c = system.CreateMutex(name, again);
  EXPECT_NE(again, win::ERROR_ALREADY_EXISTS) << "closing every handle frees the name";
  system.CloseHandle(c);
}

TEST(SystemContract, HotkeyTakenOnceAndFreedByUnregister) {
  auto backend = MakeBackend();
  Platform& p = backend->platform();
  WindowHandle a = backend->MakeWindow("hotkey owner a", false);
  WindowHandle b = backend->MakeWindow("hotkey owner b", false);
  const unsigned vk = 0x7B;  // F12 with Ctrl+Alt+Shift: free on a test desktop
  const unsigned mods = win::MOD_CONTROL | win::MOD_ALT | win::MOD_SHIFT;
  EXPECT_TRUE(p.hotkeys.RegisterHotKey(a, 1, mods, vk));
  EXPECT_FALSE(p.hotkeys.RegisterHotKey(b, 1, mods, vk)) << "the same keys are held by another window";
  EXPECT_TRUE(p.hotkeys.UnregisterHotKey(a, 1));
  EXPECT_FALSE(p.hotkeys.UnregisterHotKey(a, 1));
  EXPECT_TRUE(p.hotkeys.RegisterHotKey(b, 1, mods, vk));
  p.hotkeys.UnregisterHotKey(b, 1);
  backend->DestroyWindow(a);
  backend->DestroyWindow(b);
}

TEST(SystemContract, WindowTextAndVisibility) {
  auto backend = MakeBackend();
  IWindows& windows = backend->platform().windows;
  WindowHandle shown = backend->MakeWindow("Untitled - Notepad", true);
  WindowHandle hidden = backend->MakeWindow("", false);
  EXPECT_EQ(windows.GetWindowText(shown, 512), "Untitled - Notepad");
  EXPECT_EQ(windows.GetWindowText(shown, 5), "Unti") << "the buffer holds the terminating zero";
  EXPECT_EQ(windows.GetWindowTextLength(shown), 18);
  EXPECT_EQ(windows.GetWindowText(hidden, 512), "");
  EXPECT_TRUE(windows.IsWindowVisible(shown));
  EXPECT_FALSE(windows.IsWindowVisible(hidden));
  windows.ShowWindow(shown, win::SW_HIDE);
  EXPECT_FALSE(windows.IsWindowVisible(shown));
  const auto all = windows.TopLevelWindows();
  EXPECT_NE(std::find(all.begin(), all.end(), shown), all.end()) << "hidden windows are still in the walk";
  backend->DestroyWindow(shown);
  backend->DestroyWindow(hidden);
  EXPECT_EQ(windows.GetWindowText(shown, 512), "") << "a destroyed window has no text";
}

}  // namespace hd::contract

namespace hd::contract {

TEST(SystemContract, MonitorOfAPointAndTheLastInput) {
  auto backend = MakeBackend();
  ISystem& system = backend->platform().system;
  const Rect primary{0, 0, system.ScreenWidth(), system.ScreenHeight()};
  for (const Point point : {Point{0, 0}, Point{primary.right - 1, primary.bottom - 1}, Point{-30000, -30000}}) {
    const Rect monitor = system.MonitorRectAt(point);
    EXPECT_EQ(monitor.left, primary.left) << "off every monitor: the nearest";
    EXPECT_EQ(monitor.top, primary.top);
    EXPECT_EQ(monitor.right, primary.right);
    EXPECT_EQ(monitor.bottom, primary.bottom);
  }
  const std::uint32_t sinceInput = static_cast<std::uint32_t>(system.TickCountMs()) - system.LastInputTick();
  EXPECT_LT(sinceInput, 0x80000000u) << "the last input is not in the future";
}

TEST(SystemContract, FindWindowOfAnyClassByItsCaption) {
  auto backend = MakeBackend();
  IWindows& windows = backend->platform().windows;
  const std::string caption = "Contract find " + std::to_string(backend->platform().system.TickCountMs());
  const WindowHandle window = backend->MakeWindow(caption, false);
  EXPECT_EQ(windows.FindWindow("", caption), window);
  EXPECT_EQ(windows.FindWindow("", caption + " not"), 0u);
  backend->DestroyWindow(window);
  EXPECT_EQ(windows.FindWindow("", caption), 0u);
}

}  // namespace hd::contract
