// A Store app played on the real desktop: a program named like the frame host
// draws the frame, and a second program puts its window into it.
#include <gtest/gtest.h>
#include <cstdio>
#include "Harness.h"

namespace e2e {

TEST(StoreApp, AHideListEntryOfTheAppHidesItsFrame) {
  Hushdesk program{"hdstore"};
  const std::string apps = program.Dir() + "apps\\";
  const std::string frameHost = CopySelfTo(apps + "ApplicationFrameHost.exe");
  const std::string calculator = CopySelfTo(apps + "Calculator.exe");
  program.WriteSetting("Settings\\HideAppList.lst", calculator + "\r\n");

  Process frames = StartHelperApp(frameHost, "Calculator");
  Process starting = StartHelperApp(frameHost, "Starting app");
  HWND frame = FindWindowOfProcess(frames.Id(), "Calculator");
  HWND startingFrame = FindWindowOfProcess(starting.Id(), "Starting app");
  ASSERT_TRUE(frame && startingFrame);
  char into[32];
  std::snprintf(into, sizeof into, "--into %llx",
                static_cast<unsigned long long>(reinterpret_cast<std::uintptr_t>(frame)));
  Process app(calculator, std::string("--app \"Calculator view\" ") + into);
  HWND view = nullptr;
  ASSERT_TRUE(WaitUntil([&] { return (view = ::FindWindowExA(frame, nullptr, nullptr, "Calculator view")) != nullptr; }));
  DWORD viewProcess = 0;
  ::GetWindowThreadProcessId(view, &viewProcess);
  ASSERT_EQ(viewProcess, app.Id()) << "the child belongs to the second program";

  ASSERT_TRUE(program.Start());
  PressModeHotkey();
  EXPECT_TRUE(WaitUntil([&] { return !::IsWindowVisible(frame) && ::IsIconic(frame); }));
  EXPECT_TRUE(::IsWindowVisible(startingFrame)) << "a frame without an app window is the frame host's";
  PressModeHotkey();
  EXPECT_TRUE(WaitUntil([&] { return ::IsWindowVisible(frame) != FALSE; }));
  EXPECT_EQ(program.TerminateByHotkey(), 0u);
}

}  // namespace e2e
