// Never left hidden, never silent: a killed program's windows come back at
// the next start, and a hotkey held by another program is told.
#include <gtest/gtest.h>
#include <cstdio>
#include "Harness.h"

namespace e2e {

namespace {

constexpr const char* kModeTaken =
    "Ctrl+` (HIDE/NORMAL) is used by another program: choose another on the Hot Keys page.";

bool Hidden(HWND w) { return w && !::IsWindowVisible(w); }
bool Minimised(HWND w) { return Hidden(w) && ::IsIconic(w); }

// The text of a balloon the shell shows, or "".
std::string BalloonText() {
  for (HWND tip = ::FindWindowA("tooltips_class32", nullptr); tip;
       tip = ::FindWindowExA(nullptr, tip, "tooltips_class32", nullptr)) {
    if (!::IsWindowVisible(tip) || !(::GetWindowLongA(tip, GWL_STYLE) & 0x40 /* TTS_BALLOON */)) continue;
    char buffer[512] = {};
    DWORD_PTR length = 0;
    if (::SendMessageTimeoutA(tip, WM_GETTEXT, sizeof buffer, reinterpret_cast<LPARAM>(buffer), SMTO_ABORTIFHUNG,
                              2000, &length) &&
        buffer[0])
      return buffer;
  }
  return "";
}

class Recovery : public ::testing::Test {
protected:
  Hushdesk program{"hdrecover"};
  std::string apps = program.Dir() + "apps\\";
  void SetUp() override {
    program.WriteSetting("Settings\\Book\\File", "1\r\n");
    program.WriteSetting("Settings\\Book\\File.0", "Games\r\n-1\r\n0\r\nsolitaire\r\n");
  }
  Process App(const std::string& exeName, const std::string& caption, const std::string& options = "") {
    return StartHelperApp(CopySelfTo(apps + exeName), caption, options);
  }
};

}  // namespace

TEST_F(Recovery, WindowsHiddenByAKilledProgramComeBackAtItsNextStart) {
  Process game = App("Player.exe", "Solitaire game");
  Process cards = App("Cards.exe", "Solitaire cards");
  HWND gameWindow = FindWindowOfProcess(game.Id(), "Solitaire game");
  HWND cardsWindow = FindWindowOfProcess(cards.Id(), "Solitaire cards");
  ASSERT_TRUE(program.Start());
  PressModeHotkey();
  // Hidden and minimised: a kill while they are minimised would leave a minimised window shown.
  ASSERT_TRUE(WaitUntil([&] { return Minimised(gameWindow) && Minimised(cardsWindow); }));
  ASSERT_TRUE(WaitUntil([&] { return FileExists(program.Dir() + "Settings\\Recovery.dat"); }));
  program.process().Kill();  // TerminateProcess: no exit action runs
  // A window is iconic halfway through its minimising, before it is shown
  // minimised and hidden again: the last hide request may still be queued.
  ASSERT_TRUE(WaitUntil([&] { return Hidden(gameWindow) && Hidden(cardsWindow); }));

  const DWORD start = ::GetTickCount();
  Process again(program.Exe(), "", program.Dir());
  ASSERT_TRUE(WaitUntil([&] { return ::IsWindowVisible(gameWindow) && ::IsWindowVisible(cardsWindow); }, 10000));
  std::printf("windows visible again %lu ms after the start\n", ::GetTickCount() - start);
  EXPECT_TRUE(::IsIconic(gameWindow)) << "as leaving HIDE mode shows them";
  EXPECT_TRUE(WaitUntil([&] { return !FileExists(program.Dir() + "Settings\\Recovery.dat"); }));
  EXPECT_TRUE(game.Running() && cards.Running());
  again.Kill();
}

TEST_F(Recovery, ACrashInHideModeShowsTheWindowsBeforeTheProcessEnds) {
  Process game = App("Player.exe", "Solitaire game");
  HWND gameWindow = FindWindowOfProcess(game.Id(), "Solitaire game");
  ASSERT_TRUE(program.Start());
  PressModeHotkey();
  // The crash comes from another thread while the sequence may still run: it
  // waits for the sequence's end, which follows the minimising by milliseconds.
  ASSERT_TRUE(WaitUntil([&] { return Minimised(gameWindow); }));
  ASSERT_TRUE(WaitUntil([&] { return FileExists(program.Dir() + "Settings\\Recovery.dat"); }));
  ::Sleep(500);
  // A thread that starts at address 0 faults at once, with no handler of its own.
  HANDLE process = ::OpenProcess(PROCESS_ALL_ACCESS, FALSE, program.process().Id());
  ASSERT_NE(process, nullptr);
  HANDLE thread = ::CreateRemoteThread(process, nullptr, 0, nullptr, nullptr, 0, nullptr);
  EXPECT_NE(thread, nullptr);
  if (thread) ::CloseHandle(thread);
  ::CloseHandle(process);
  EXPECT_TRUE(WaitUntil([&] { return ::IsWindowVisible(gameWindow) != FALSE; }, 10000));
  EXPECT_NE(program.process().WaitForExit(20000), static_cast<DWORD>(STILL_ACTIVE)) << "the crash still ends it";
  EXPECT_FALSE(FileExists(program.Dir() + "Settings\\Recovery.dat"));
}

TEST_F(Recovery, AModeHotkeyHeldElsewhereIsToldInTheNoticeBoxAndTheOtherHotkeysWork) {
  Process grabber = App("Grabber.exe", "Grabber", "--hold-mode-keys");
  ASSERT_TRUE(program.Start("/hidden"));
  HWND box = nullptr;
  ASSERT_TRUE(WaitUntil([&] { return (box = FindMessageBox(program.process().Id())) != nullptr; }));
  EXPECT_NE(DialogText(box).find(kModeTaken), std::string::npos) << DialogText(box);
  Screenshot("hotkey-conflict-notice");
  DismissDialog(box);
  ASSERT_TRUE(WaitUntil([&] { return FindMessageBox(program.process().Id()) == nullptr; }));
  const int icons = TrayIconCount();
  PressVisibleHotkey();
  EXPECT_TRUE(WaitUntil([&] { return TrayIconCount() == icons + 1; })) << "the visible hotkey works";
  EXPECT_EQ(program.TerminateByHotkey(), 0u);
}

TEST_F(Recovery, AModeHotkeyHeldElsewhereIsToldInABalloonInTrayIconMode) {
  Process grabber = App("Grabber.exe", "Grabber", "--hold-mode-keys");
  ASSERT_TRUE(program.Start());
  std::string text;
  EXPECT_TRUE(WaitUntil([&] { return (text = BalloonText()).find(kModeTaken) != std::string::npos; }, 10000))
      << "balloon: " << text;
  Screenshot("hotkey-conflict-balloon");
  EXPECT_EQ(FindMessageBox(program.process().Id()), nullptr) << "no box takes the focus";
  EXPECT_EQ(program.TerminateByHotkey(), 0u) << "the terminate hotkey works";
}

}  // namespace e2e
