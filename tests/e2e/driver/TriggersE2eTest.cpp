// The other ways into HIDE mode on the real desktop: the mouse pushed into a
// screen corner, a minute away and the command line handed to the running
// copy; and, as a figure, what watching the corner costs while the pointer
// is elsewhere.
#include <gtest/gtest.h>
#include <cstdio>
#include <cstdlib>
#include "Harness.h"

namespace e2e {

namespace {

bool Hidden(HWND w) { return w && !::IsWindowVisible(w); }

class Triggers : public ::testing::Test {
protected:
  Hushdesk program{"hdtrigger"};
  std::string apps = program.Dir() + "apps\\";
  Process game;
  HWND gameWindow = nullptr;

  void SetUp() override {
    program.WriteSetting("Settings\\Book\\File", "1\r\n");
    program.WriteSetting("Settings\\Book\\File.0", "Games\r\n-1\r\n0\r\nsolitaire\r\n");
    game = StartHelperApp(CopySelfTo(apps + "Player.exe"), "Solitaire game");
    gameWindow = FindWindowOfProcess(game.Id(), "Solitaire game");
    MovePointer(500, 400);
  }
  void CornerOn(int corner) {
    program.WriteSetting("Settings\\Main.cfg", "[Triggers]\r\ncbCornerHide=1\r\nCorner=" + std::to_string(corner) +
                                                   "\r\nCornerDelay=250\r\n");
  }
  // The X pointer; X stops it at the screen's edges.
  static void MovePointer(int x, int y) {
    RunUnixTool("/usr/bin/xdotool mousemove " + std::to_string(x) + " " + std::to_string(y));
  }
  // A second copy started with the switches: its exit code once it ended.
  DWORD SecondCopy(const std::string& arguments) {
    Process second(program.Exe(), arguments, program.Dir());
    return second.WaitForExit(10000);
  }
};

// A program's processor time (kernel and user) in ms, as Linux counts it:
// Wine answers 0 for another process's times from GetProcessTimes. The
// program is the one whose command line holds its folder's name.
double LinuxCpuMs(const std::string& folderName) {
  const std::string unixFile = "/tmp/" + folderName + ".cpu";
  std::string file = "Z:" + unixFile;
  for (char& c : file)
    if (c == '/') c = '\\';
  ::DeleteFileA(file.c_str());
  // The last letter in brackets: the pattern does not find this shell itself.
  const std::string pattern = folderName.substr(0, folderName.size() - 1) + "[" + folderName.back() + "].*hushdesk";
  RunUnixTool("/bin/sh -c \"awk -v t=$(getconf CLK_TCK) '{print ($14+$15)*1000/t}' /proc/$(pgrep -f '" + pattern +
              "' | head -n 1)/stat > " + unixFile + ".part; mv " + unixFile + ".part " + unixFile + "\"");
  WaitUntil([&] { return FileExists(file); }, 10000);
  return std::atof(ReadTextFile(file).c_str());
}

}  // namespace

TEST_F(Triggers, TheMousePushedIntoTheCornerHidesTheUnwantedWindows) {
  ASSERT_TRUE(gameWindow);
  CornerOn(3);  // bottom right
  ASSERT_TRUE(program.Start());
  MovePointer(5000, 0);  // the top right corner: not the one chosen
  ::Sleep(600);
  EXPECT_TRUE(::IsWindowVisible(gameWindow));
  MovePointer(5000, 5000);
  EXPECT_TRUE(WaitUntil([&] { return Hidden(gameWindow); }));
  PressModeHotkey();
  EXPECT_TRUE(WaitUntil([&] { return ::IsWindowVisible(gameWindow) != FALSE; })) << "the hotkey leaves";
  EXPECT_EQ(program.TerminateByHotkey(), 0u);
}

// Under Wine the pointer moved by xdotool outside Wine's windows is no input,
// so the minute passes without any; the hotkey then leaves for good.
TEST_F(Triggers, AMinuteAwayHidesTheUnwantedWindowsOnce) {
  ASSERT_TRUE(gameWindow);
  program.WriteSetting("Settings\\Main.cfg", "[Triggers]\r\ncbAwayHide=1\r\nAwayMinutes=1\r\n");
  ASSERT_TRUE(program.Start());
  ::Sleep(50000);
  EXPECT_TRUE(::IsWindowVisible(gameWindow)) << "before the minute";
  EXPECT_TRUE(WaitUntil([&] { return Hidden(gameWindow); }, 15000));
  PressModeHotkey();
  EXPECT_TRUE(WaitUntil([&] { return ::IsWindowVisible(gameWindow) != FALSE; })) << "the hotkey leaves";
  ::Sleep(2500);
  EXPECT_TRUE(::IsWindowVisible(gameWindow)) << "not entered again without new input";
  EXPECT_EQ(program.TerminateByHotkey(), 0u);
}

TEST_F(Triggers, ToggleFromTheCommandLineHidesAndShowsAndEachSecondCopyEndsAtOnce) {
  ASSERT_TRUE(gameWindow);
  ASSERT_TRUE(program.Start());
  EXPECT_EQ(SecondCopy("/toggle"), 0u);
  EXPECT_TRUE(WaitUntil([&] { return Hidden(gameWindow); }));
  EXPECT_EQ(SecondCopy("/toggle"), 0u);
  EXPECT_TRUE(WaitUntil([&] { return ::IsWindowVisible(gameWindow) != FALSE; }));
  EXPECT_TRUE(program.process().Running());
  EXPECT_EQ(program.TerminateByHotkey(), 0u);
}

TEST_F(Triggers, ExitFromTheCommandLineEndsTheRunningCopyWithTheExitAction) {
  ASSERT_TRUE(gameWindow);
  ASSERT_TRUE(program.Start());
  EXPECT_EQ(SecondCopy("/hide"), 0u);
  ASSERT_TRUE(WaitUntil([&] { return Hidden(gameWindow); }));
  EXPECT_EQ(SecondCopy("/exit"), 0u);
  EXPECT_EQ(program.process().WaitForExit(10000), 0u);
  EXPECT_TRUE(WaitUntil([&] { return !game.Running(); })) << "the hidden window's program was closed";
}

// Not pass/fail: the figure in the test's output, with the corner off and on.
// scripts/bench watches a minute; the suite's run, long enough to see a cost, less.
void PrintIdleProcessorTime(bool cornerOn) {
  const char* seconds = std::getenv("HD_BENCH_IDLE_SECONDS");
  const int idleSeconds = seconds ? std::atoi(seconds) : 10;
  const std::string folder = cornerOn ? "hdidleon" : "hdidleoff";
  Hushdesk idle(folder);
  if (cornerOn) idle.WriteSetting("Settings\\Main.cfg", "[Triggers]\r\ncbCornerHide=1\r\nCorner=0\r\n");
  RunUnixTool("/usr/bin/xdotool mousemove 500 400");
  ASSERT_TRUE(idle.Start());
  const double before = LinuxCpuMs(folder);
  ::Sleep(static_cast<DWORD>(idleSeconds) * 1000);
  const double after = LinuxCpuMs(folder);
  std::printf("idle processor time over %d s, screen corner %s: %.0f ms (%.0f ms from the start)\n", idleSeconds,
              cornerOn ? "on" : "off", after - before, after);
  EXPECT_EQ(idle.TerminateByHotkey(), 0u);
}

// What the rejected design would cost: a low-level mouse hook is called for
// every mouse move of the session, and the move waits for it. Mouse moves
// sent with SendInput, timed without and with such a hook on another thread.
LONG hookCalls = 0;
LRESULT CALLBACK CornerHook(int code, WPARAM wParam, LPARAM lParam) {
  if (code == HC_ACTION) {
    ++hookCalls;
    // What the hook would do: find the pointer's monitor and compare.
    const auto* move = reinterpret_cast<const MSLLHOOKSTRUCT*>(lParam);
    MONITORINFO info{};
    info.cbSize = sizeof info;
    ::GetMonitorInfoA(::MonitorFromPoint(move->pt, MONITOR_DEFAULTTONEAREST), &info);
  }
  return ::CallNextHookEx(nullptr, code, wParam, lParam);
}

double MicrosecondsPerMove(int moves) {
  LARGE_INTEGER start, end, frequency;
  ::QueryPerformanceFrequency(&frequency);
  ::QueryPerformanceCounter(&start);
  for (int i = 0; i < moves; ++i) {
    INPUT input{};
    input.type = INPUT_MOUSE;
    input.mi.dx = (i % 2) ? -1 : 1;
    input.mi.dwFlags = MOUSEEVENTF_MOVE;
    ::SendInput(1, &input, sizeof input);
  }
  ::QueryPerformanceCounter(&end);
  return 1e6 * static_cast<double>(end.QuadPart - start.QuadPart) / static_cast<double>(frequency.QuadPart) / moves;
}

DWORD WINAPI HookThread(LPVOID ready) {
  HHOOK hook = ::SetWindowsHookExA(WH_MOUSE_LL, CornerHook, ::GetModuleHandleA(nullptr), 0);
  MSG message;
  ::PeekMessageA(&message, nullptr, 0, 0, PM_NOREMOVE);
  ::SetEvent(ready);
  while (::GetMessageA(&message, nullptr, 0, 0) > 0) ::DispatchMessageA(&message);
  ::UnhookWindowsHookEx(hook);
  return 0;
}

TEST(TriggersBenchmark, MouseMoveCostWithoutAndWithALowLevelHook) {
  constexpr int kMoves = 2000;
  const double bare = MicrosecondsPerMove(kMoves);
  HANDLE ready = ::CreateEventA(nullptr, TRUE, FALSE, nullptr);
  DWORD threadId = 0;
  HANDLE thread = ::CreateThread(nullptr, 0, HookThread, ready, 0, &threadId);
  ASSERT_EQ(::WaitForSingleObject(ready, 5000), WAIT_OBJECT_0);
  const double hooked = MicrosecondsPerMove(kMoves);
  ::PostThreadMessageA(threadId, WM_QUIT, 0, 0);
  ::WaitForSingleObject(thread, 5000);
  ::CloseHandle(thread);
  ::CloseHandle(ready);
  std::printf("mouse move through SendInput: %.1f us without a hook, %.1f us with a low-level hook (%ld calls)\n",
              bare, hooked, hookCalls);
  EXPECT_EQ(hookCalls, kMoves) << "the hook saw every move";
}

TEST(TriggersBenchmark, IdleProcessorTimeWithTheCornerOff) { PrintIdleProcessorTime(false); }
TEST(TriggersBenchmark, IdleProcessorTimeWithTheCornerOn) { PrintIdleProcessorTime(true); }

}  // namespace e2e
