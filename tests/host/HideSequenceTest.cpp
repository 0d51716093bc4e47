// The HIDE and NORMAL sequences: their gating settings and hung programs.
#include <gtest/gtest.h>
#include <algorithm>
#include "HideFixture.h"
#include "hide/HungWindows.h"

namespace hd::test {

TEST_F(HideTest, InvisibleDuringHideModeAndTrayIconModeAfterIt) {
  HideCaptionsWith({"game"});
  const WindowHandle game = App("C:\\Games\\Game.exe", "game");
  const auto& log = desktop.state.callLog;
  desktop.state.logCalls = true;
  PressMode();
  const auto removed = std::find(log.begin(), log.end(), "NotifyIcon " + std::to_string(win::NIM_DELETE));
  EXPECT_LT(removed - log.begin(), std::find(log.begin(), log.end(), "ShowWindowAsync " + std::to_string(game) + " 0") -
                                       log.begin())
      << "the tray icon goes before any window";
  PressMode();
  PressVisible();
  ASSERT_TRUE(frm().FInvisible);
  PressMode();
  EXPECT_TRUE(frm().FInvisible);
  PressMode();
  EXPECT_FALSE(frm().FInvisible) << "leaving always ends in TrayIcon mode";
}

TEST_F(HideTest, WithoutTheStealthSwitchTheVisibleModeIsLeftToTheUser) {
  frm().cbSw2Stealth.SetChecked(false);
  PressMode();
  EXPECT_FALSE(frm().FInvisible) << "the tray icon stays";
  PressVisible();
  EXPECT_TRUE(frm().FInvisible) << "the visible hotkey works in HIDE mode";
  PressMode();
  EXPECT_TRUE(frm().FInvisible) << "leaving does not touch the visible mode";
  EXPECT_FALSE(frm().FHideMode);
}

TEST_F(HideTest, TheProgramsOwnNoticeBoxIsHiddenWithTheUnwantedWindowsAndNeverWorking) {
  frm().rbAny.Click();
  PressVisible();  // the notice comes in a box, not a balloon
  frm().UnregisterHotKeys();
  const WindowHandle other = desktop.AddWindow(desktop.AddProcess("C:\\Tools\\Grabber.exe"), "Grabber");
  ASSERT_TRUE(desktop.hotkeys.RegisterHotKey(other, 7, win::MOD_CONTROL, kVkBack));
  desktop.state.logCalls = true;
  frm().RegisterHotKeys();  // tells the conflict through the queue
  // The mode hotkey twice while the box is open: its loop takes them.
  for (int press = 0; press < 2; ++press)
    desktop.windows.PostMessage(frm().Handle(), win::WM_HOTKEY, kHotKeyMode, 0);
  desktop.Pump();
  ASSERT_EQ(desktop.state.messageBoxes.size(), 1u);
  const WindowHandle box = desktop.state.messageBoxes[0].window;
  std::vector<std::string> calls;
  for (const std::string& call : desktop.state.callLog)
    if (call.find(" " + std::to_string(box) + " ") != std::string::npos) calls.push_back(call);
  const std::string async = "ShowWindowAsync " + std::to_string(box);
  EXPECT_EQ(calls, (std::vector<std::string>{async + " 0", async + " 5"})) << "hidden, not minimised, and shown again";
  EXPECT_NE(desktop.state.foreground, box) << "never the working window brought forward";
}

class HungProgramTest : public HideTest {
protected:
  static constexpr std::uint64_t kPerHungApp = 200;
  WindowHandle stuck = 0, stuck2 = 0, fine = 0, editor = 0;
  void SetUp() override {
    HideTest::SetUp();
    HideCaptionsWith({"game"});
    editor = App("C:\\Tools\\Editor.exe", "Editor");
    stuck = App("C:\\Games\\Stuck.exe", "game one");
    stuck2 = desktop.AddWindow(ProcessOf(stuck), "game two");
    fine = App("C:\\Games\\Fine.exe", "game three");
    desktop.Hang(stuck);  // and stuck2, on the same thread
  }
  // What pressing the mode hotkey cost on the virtual clock.
  std::uint64_t WaitedOnPress() {
    const std::uint64_t before = desktop.state.clockMs;
    PressMode();
    return desktop.state.clockMs - before;
  }
};

TEST_F(HungProgramTest, AHungProgramHoldsNothingUpAndTakesItsRequestsWhenItWakes) {
  desktop.Window(stuck2).iconic = true;  // minimised already: no call that waits on it either
  EXPECT_LT(WaitedOnPress(), kPerHungApp);
  ASSERT_TRUE(frm().FHideMode);
  EXPECT_EQ(frm().HiddenWindowList, (std::vector<WindowHandle>{fine, stuck2, stuck}));
  EXPECT_FALSE(Visible(fine));
  EXPECT_TRUE(Visible(editor));
  desktop.Wake(stuck);
  for (WindowHandle w : {stuck, stuck2}) {
    EXPECT_FALSE(Visible(w));
    EXPECT_TRUE(Iconic(w)) << "minimised by the queued requests";
  }

  desktop.Hang(stuck);
  EXPECT_LT(WaitedOnPress(), kPerHungApp) << "the hotkey still answers";
  EXPECT_FALSE(frm().FHideMode);
  EXPECT_TRUE(Visible(fine));
  EXPECT_FALSE(Visible(stuck)) << "asked, not waited for";
  desktop.Wake(stuck);
  for (WindowHandle w : {stuck, stuck2}) EXPECT_TRUE(Visible(w));
}

TEST_F(HungProgramTest, EachHungProgramCostsOneProbe) {
  const WindowHandle other = App("C:\\Games\\Frozen.exe", "game frozen");
  desktop.Hang(other);
  EXPECT_LT(WaitedOnPress(), 2 * kPerHungApp);
  desktop.Wake(other);
  EXPECT_FALSE(Visible(other));
}

TEST_F(HungProgramTest, ABusyProgramIsWaitedForUntilItsWindowsAreBack) {
  desktop.Wake(stuck);
  PressMode();
  desktop.Busy(fine, 100);
  EXPECT_GE(WaitedOnPress(), 100u);
  EXPECT_TRUE(Visible(fine)) << "back before leaving ends";
  PressMode();
  desktop.Busy(fine, 1000);
  const std::uint64_t waited = WaitedOnPress();
  EXPECT_GE(waited, HungWindows::kProbeMs);
  EXPECT_LT(waited, kPerHungApp) << "one that answers no sooner counts as hung";
  EXPECT_FALSE(frm().FHideMode);
  EXPECT_FALSE(Visible(fine)) << "not waited for past the bound";
  desktop.system.Sleep(1000);
  EXPECT_TRUE(Visible(fine)) << "its show was queued, not lost";
}

TEST_F(HungProgramTest, SlowProgramsBehindAHungOneAreWaitedForUntilHiddenAndMinimised) {
  desktop.Wake(stuck);
  const WindowHandle slow = App("C:\\Games\\Slow.exe", "game slow");
  const WindowHandle frozen = App("C:\\Games\\Frozen.exe", "game frozen");  // on top: asked first
  desktop.Hang(frozen);
  desktop.Busy(fine, 100);
  desktop.Busy(slow, 200);  // done later than the hung one's probe
  PressMode();
  ASSERT_EQ(frm().HiddenWindowList.front(), frozen);
  for (WindowHandle w : {fine, slow}) {
    EXPECT_FALSE(Visible(w)) << w;
    EXPECT_TRUE(Iconic(w)) << w << " is not taken as hung";
  }
  EXPECT_TRUE(Visible(frozen));
  desktop.Wake(frozen);
  EXPECT_FALSE(Visible(frozen));
  EXPECT_TRUE(Iconic(frozen)) << "its requests were queued";
}

TEST_F(HungProgramTest, AHungWindowIsActivatedWithoutWaiting) {
  frm().rbAny.Click();
  desktop.Hang(editor);
  EXPECT_LT(WaitedOnPress(), 2 * kPerHungApp);
  EXPECT_FALSE(Iconic(editor));
  EXPECT_TRUE(Visible(editor));
}

}  // namespace hd::test

namespace hd::test {

// The calls the sequence made on the given windows, in order.
class HideOrderTest : public HideTest {
protected:
  void SetUp() override {
    HideTest::SetUp();
    desktop.state.logCalls = true;
  }
  std::vector<std::string> CallsOn(std::initializer_list<WindowHandle> windows) {
    std::vector<std::string> calls;
    for (const std::string& call : desktop.state.callLog)
      for (WindowHandle w : windows)
        if (call.find(" " + std::to_string(w)) != std::string::npos) calls.push_back(call);
    return calls;
  }
  static std::string Call(const char* name, WindowHandle w, int command = -1) {
    return std::string(name) + " " + std::to_string(w) + (command < 0 ? "" : " " + std::to_string(command));
  }
};

TEST_F(HideOrderTest, EveryWindowVanishesBeforeAnyIsMinimisedAndEachKeepsItsOwnOrder) {
  HideCaptionsWith({"game"});
  const WindowHandle c = App("C:\\Games\\C.exe", "game c");
  const WindowHandle editor = App("C:\\Tools\\Editor.exe", "Editor");
  const WindowHandle b = App("C:\\Games\\B.exe", "game b");
  const WindowHandle a = desktop.AddWindow(ProcessOf(b), "game a");
  PressMode();
  EXPECT_EQ(frm().HiddenWindowList, (std::vector<WindowHandle>{a, b, c}));
  using Calls = std::vector<std::string>;
  EXPECT_EQ(CallsOn({a, b, c, editor}),
            (Calls{Call("ShowWindowAsync", a, 0), Call("ShowWindowAsync", b, 0), Call("ShowWindowAsync", c, 0),
                   Call("ShowWindowAsync", a, 6), Call("ShowWindowAsync", a, 0), Call("ShowWindowAsync", b, 6),
                   Call("ShowWindowAsync", b, 0), Call("ShowWindowAsync", c, 6), Call("ShowWindowAsync", c, 0)}))
      << "all without waiting, the minimising as CloseWindow does it";
  for (WindowHandle w : {a, b, c}) {
    EXPECT_FALSE(Visible(w));
    EXPECT_TRUE(Iconic(w));
  }

  desktop.state.ClearCallLog();
  PressMode();
  EXPECT_EQ(CallsOn({a, b, c, editor}),
            (Calls{Call("ShowWindowAsync", a, 5), Call("ShowWindowAsync", b, 5), Call("ShowWindowAsync", c, 5)}));
}

TEST_F(HideOrderTest, NoWindowIsMinimisedBeforeTheSlowestProgramsHaveVanished) {
  HideCaptionsWith({"game"});
  const WindowHandle quick = App("C:\\Games\\Quick.exe", "game quick");
  const WindowHandle slow = App("C:\\Games\\Slow.exe", "game slow");
  desktop.Busy(slow, 100);
  const std::uint64_t pressed = desktop.state.clockMs;
  PressMode();
  const auto& log = desktop.state.callLog;
  const auto minimising = std::find(log.begin(), log.end(), Call("ShowWindowAsync", quick, 6));
  ASSERT_NE(minimising, log.end());
  EXPECT_GE(desktop.state.callClock[minimising - log.begin()] - pressed, 100u)
      << "minimising shows a window again, so it waits until the slow one is gone too";
  for (WindowHandle w : {quick, slow}) {
    EXPECT_FALSE(Visible(w));
    EXPECT_TRUE(Iconic(w));
  }
}

TEST_F(HideOrderTest, AWindowMinimisedAlreadyIsMinimisedByCallsThatWait) {
  HideCaptionsWith({"game"});
  const WindowHandle minimised = App("C:\\Games\\A.exe", "game minimised");
  desktop.Window(minimised).iconic = true;
  PressMode();
  using Calls = std::vector<std::string>;
  EXPECT_EQ(CallsOn({minimised}), (Calls{Call("ShowWindowAsync", minimised, 0), Call("CloseWindow", minimised),
                                         Call("ShowWindow", minimised, 0)}))
      << "its state would not tell when asynchronous steps are done";
  EXPECT_FALSE(Visible(minimised));
  EXPECT_TRUE(Iconic(minimised));
}

TEST_F(HideOrderTest, AHungThreadIsAskedWithoutWaitingWhileItsProcessesOtherThreadAnswers) {
  HideCaptionsWith({"game"});
  const WindowHandle stuck = App("C:\\Games\\Two.exe", "game stuck");
  const ThreadId worker = desktop.AddThread();
  const WindowHandle answering = desktop.AddWindow(ProcessOf(stuck), "game fine", {.thread = worker});
  desktop.Hang(stuck);
  const std::uint64_t before = desktop.state.clockMs;
  PressMode();
  EXPECT_LT(desktop.state.clockMs - before, 2 * HungWindows::kProbeMs) << "one wait for the hung thread";
  using Calls = std::vector<std::string>;
  EXPECT_EQ(CallsOn({answering}), (Calls{Call("ShowWindowAsync", answering, 0), Call("ShowWindowAsync", answering, 6),
                                         Call("ShowWindowAsync", answering, 0)}))
      << "the answering thread's window is hidden and minimised as any other";
  EXPECT_EQ(CallsOn({stuck}), (Calls{Call("ShowWindowAsync", stuck, 0), Call("ShowWindowAsync", stuck, 6),
                                     Call("ShowWindowAsync", stuck, 0)}));
  desktop.Wake(stuck);
  EXPECT_FALSE(Visible(stuck));
  EXPECT_TRUE(Iconic(answering));
}

}  // namespace hd::test
