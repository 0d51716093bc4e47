// The calls the hiding engine relies on behave alike on both backends.
#include <gtest/gtest.h>
#include <algorithm>
#include "Backend.h"
#include "hide/WindowHider.h"
#include "hide/WindowsAsTheyWere.h"
#include "hide/proc_misc.h"

namespace hd::contract {

TEST(HideContract, WalkListsTopLevelWindowsTopmostFirst) {
  auto backend = MakeBackend();
  IWindows& windows = backend->platform().windows;
  const WindowHandle lower = backend->MakeWindow("walk lower", true);
  const WindowHandle upper = backend->MakeWindow("walk upper", true);
  const auto all = windows.TopLevelWindows();
  const auto lowerAt = std::find(all.begin(), all.end(), lower);
  const auto upperAt = std::find(all.begin(), all.end(), upper);
  ASSERT_NE(lowerAt, all.end());
  ASSERT_NE(upperAt, all.end());
  EXPECT_LT(upperAt, lowerAt) << "the newer window is above";
  EXPECT_EQ(windows.GetWindow(upper, win::GW_OWNER), 0u);
  WindowHandle next = upper;
  for (std::size_t steps = 0; next && next != lower && steps < all.size(); ++steps)
    next = windows.GetWindow(next, win::GW_HWNDNEXT);
  EXPECT_EQ(next, lower) << "GW_HWNDNEXT walks the same order";
  backend->DestroyWindow(upper);
  backend->DestroyWindow(lower);
}

TEST(HideContract, ChildWindowsComeInTheOrderTheyWereCreated) {
  auto backend = MakeBackend();
  IWindows& windows = backend->platform().windows;
  const WindowHandle parent = backend->MakeWindow("parent", false);
  const WindowHandle first = backend->MakeChildWindow(parent, "first");
  const WindowHandle second = backend->MakeChildWindow(parent, "second");
  const WindowHandle grandchild = backend->MakeChildWindow(first, "grandchild");
  EXPECT_EQ(windows.ChildWindows(parent), (std::vector<WindowHandle>{first, second})) << "direct children only";
  EXPECT_EQ(windows.ChildWindows(first), (std::vector<WindowHandle>{grandchild}));
  EXPECT_TRUE(windows.ChildWindows(second).empty());
  EXPECT_TRUE(windows.ChildWindows(0).empty()) << "no window has no children";
  backend->DestroyWindow(parent);
}

TEST(HideContract, CaptionsStopAt511Characters) {
  auto backend = MakeBackend();
  Platform& p = backend->platform();
  std::string text;
  for (int i = 0; i < 600; ++i) text += static_cast<char>('a' + i % 26);
  const WindowHandle longCaption = backend->MakeWindow(text, false);
  const WindowHandle noCaption = backend->MakeWindow("", false);
  EXPECT_EQ(GetWindowCaption(p, longCaption), text.substr(0, 511));
  EXPECT_EQ(GetWindowCaption(p, noCaption), "");
  backend->DestroyWindow(longCaption);
  backend->DestroyWindow(noCaption);
  EXPECT_EQ(GetWindowCaption(p, longCaption), "") << "a destroyed window";
  EXPECT_EQ(GetWindowProcessFile(p, longCaption), "");
}

TEST(HideContract, ProcessFilesAreFullPathsAndTerminateEndsTheProcess) {
  auto backend = MakeBackend();
  Platform& p = backend->platform();
  std::string exePath;
  const ProcessId child = backend->StartProcess(exePath);
  ASSERT_NE(child, 0u);
  EXPECT_TRUE(p.system.EqualTextIgnoreCase(GetProcessFile(p, child), exePath)) << GetProcessFile(p, child);
  const WindowHandle own = backend->MakeWindow("own", false);
  EXPECT_TRUE(p.system.EqualTextIgnoreCase(GetWindowProcessFile(p, own), p.system.GetModuleFileName()));

  EXPECT_TRUE(KillProcess(p, child));
  for (int i = 0; i < 100 && backend->ProcessRunning(child); ++i) p.system.Sleep(50);
  EXPECT_FALSE(backend->ProcessRunning(child));
  EXPECT_EQ(GetProcessFile(p, child), "") << "an ended process has no file";
  backend->DestroyWindow(own);
}

TEST(HideContract, HiddenWindowsComeBackMinimised) {
  auto backend = MakeBackend();
  Platform& p = backend->platform();
  const WindowHandle window = backend->MakeWindow("to hide", true);
  WindowHider hider(p);
  hider.HideWindow(window);
  EXPECT_FALSE(p.windows.IsWindowVisible(window));
  EXPECT_TRUE(p.windows.IsIconic(window));
  hider.UnhideWindow(window);
  EXPECT_TRUE(p.windows.IsWindowVisible(window));
  EXPECT_TRUE(p.windows.IsIconic(window));
  backend->DestroyWindow(window);
}

TEST(HideContract, HiddenWindowsComeBackAsTheyWere) {
  auto backend = MakeBackend();
  Platform& p = backend->platform();
  const WindowHandle normal = backend->MakeWindow("was normal", true);
  const WindowHandle maximised = backend->MakeWindow("was maximised", true);
  const WindowHandle minimised = backend->MakeWindow("was minimised", true);
  p.windows.ShowWindow(maximised, win::SW_SHOWMAXIMIZED);
  p.windows.ShowWindow(minimised, win::SW_SHOWMINNOACTIVE);
  ASSERT_TRUE(p.windows.IsZoomed(maximised));
  WindowsAsTheyWere asTheyWere(p);
  asTheyWere.Take();
  WindowHider hider(p);
  std::vector<WindowHandle> hidden{normal, maximised, minimised};
  for (WindowHandle w : hidden) hider.HideWindow(w);
  ASSERT_FALSE(p.windows.IsZoomed(maximised)) << "minimised by hiding";
  asTheyWere.Restore(hider, hidden);
  EXPECT_TRUE(p.windows.IsWindowVisible(normal));
  EXPECT_FALSE(p.windows.IsIconic(normal) || p.windows.IsZoomed(normal));
  EXPECT_TRUE(p.windows.IsWindowVisible(maximised) && p.windows.IsZoomed(maximised));
  EXPECT_TRUE(p.windows.IsWindowVisible(minimised) && p.windows.IsIconic(minimised));
  for (WindowHandle w : {normal, maximised, minimised}) backend->DestroyWindow(w);
}

}  // namespace hd::contract

namespace hd::contract {

TEST(HideContract, MinimisingShowsAHiddenWindow) {
  auto backend = MakeBackend();
  IWindows& windows = backend->platform().windows;
  const WindowHandle closed = backend->MakeWindow("closed while hidden", false);
  const WindowHandle minimised = backend->MakeWindow("minimised while hidden", false);
  windows.CloseWindow(closed);
  windows.ShowWindow(minimised, win::SW_MINIMIZE);
  for (WindowHandle window : {closed, minimised}) {
    EXPECT_TRUE(windows.IsWindowVisible(window));
    EXPECT_TRUE(windows.IsIconic(window));
    backend->DestroyWindow(window);
  }
}

TEST(HideContract, ToolbarButtonsAreNamedByTheirCommandIds) {
  auto backend = MakeBackend();
  IWindows& windows = backend->platform().windows;
  const WindowHandle toolbar = backend->MakeToolbar({{7, false}, {3, true}});
  EXPECT_EQ(windows.SendMessage(toolbar, win::TB_BUTTONCOUNT, 0, 0), 2);
  EXPECT_EQ(windows.SendMessage(toolbar, win::TB_ISBUTTONHIDDEN, 7, 0), 0);
  EXPECT_NE(windows.SendMessage(toolbar, win::TB_ISBUTTONHIDDEN, 3, 0), 0);
  EXPECT_EQ(windows.SendMessage(toolbar, win::TB_ISBUTTONHIDDEN, 0, 0), -1) << "no button has command 0";
  EXPECT_EQ(windows.SendMessage(toolbar, win::TB_ISBUTTONHIDDEN, 1, 0), -1) << "position 1 is no command";
  EXPECT_EQ(windows.SendMessage(toolbar, win::TB_HIDEBUTTON, 1, 1), 0);
  EXPECT_NE(windows.SendMessage(toolbar, win::TB_HIDEBUTTON, 7, 1), 0);
  EXPECT_NE(windows.SendMessage(toolbar, win::TB_ISBUTTONHIDDEN, 7, 0), 0);
  int command = 0;
  EXPECT_TRUE(windows.ToolbarButtonCommand(toolbar, 1, 500, command));
  EXPECT_EQ(command, 3) << "the command id at a position";
  EXPECT_TRUE(windows.ToolbarButtonCommand(toolbar, 0, 500, command));
  EXPECT_EQ(command, 7);
  EXPECT_FALSE(windows.ToolbarButtonCommand(toolbar, 2, 500, command)) << "past the last button";
  backend->DestroyWindow(toolbar);
}

}  // namespace hd::contract
