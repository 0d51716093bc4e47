// The real program under Wine: start-up, single instance, hotkeys, closing.
#include <gtest/gtest.h>
#include "Harness.h"

namespace e2e {

TEST(Startup, NothingVisibleAndNoTaskbarWindowAfterStart) {
  Hushdesk program("hdstart");
  ASSERT_TRUE(program.Start());
  for (HWND window : WindowsOfProcess(program.process().Id())) {
    const LONG exStyle = ::GetWindowLongA(window, GWL_EXSTYLE);
    EXPECT_FALSE(::IsWindowVisible(window)) << WindowText(window);
    EXPECT_FALSE(::IsWindowVisible(window) && (exStyle & WS_EX_APPWINDOW)) << "taskbar-style window";
  }
  RECT rect{};
  ::GetWindowRect(program.ConfigWindow(), &rect);
  EXPECT_GE(rect.left, ::GetSystemMetrics(SM_CXSCREEN)) << "placed beyond the right edge";
  EXPECT_EQ(program.TerminateByHotkey(), 0u);
}

TEST(Startup, SecondCopyEndsAtOnceAndTheFirstKeepsRunning) {
  Hushdesk program("hdsingle");
  ASSERT_TRUE(program.Start());
  Process second(program.Exe(), "", program.Dir());
  EXPECT_EQ(second.WaitForExit(10000), 0u);
  EXPECT_TRUE(program.process().Running());
  PressModeHotkey();  // the first copy still owns its hotkeys
  EXPECT_EQ(program.TerminateByHotkey(), 0u);
}

TEST(Startup, CloseMessageFromAnotherProgramDoesNotEndIt) {
  Hushdesk program("hdclose");
  ASSERT_TRUE(program.Start());
  ::PostMessageA(program.ConfigWindow(), WM_CLOSE, 0, 0);
  ::SendMessageTimeoutA(program.ConfigWindow(), WM_CLOSE, 0, 0, SMTO_ABORTIFHUNG, 2000, nullptr);
  EXPECT_EQ(program.process().WaitForExit(500), static_cast<DWORD>(STILL_ACTIVE));
  EXPECT_EQ(program.TerminateByHotkey(), 0u) << "the terminate hotkey still works";
}

TEST(Startup, SessionEndTerminatesWithExitCodeZero) {
  Hushdesk program("hdsession");
  ASSERT_TRUE(program.Start());
  DWORD_PTR result = 0;
  ::SendMessageTimeoutA(program.ConfigWindow(), WM_QUERYENDSESSION, 0, 0, SMTO_ABORTIFHUNG, 5000, &result);
  EXPECT_EQ(result, 1u) << "the session may end";
  EXPECT_EQ(program.process().WaitForExit(10000), 0u);
}

}  // namespace e2e
