// Which windows HIDE mode hides, which it leaves as working windows, and how
// they come back or end.
#include <gtest/gtest.h>
#include <algorithm>
#include "HideFixture.h"

namespace hd::test {

using Handles = std::vector<WindowHandle>;

TEST_F(HideTest, CaptionsAndApplicationsAreHiddenInZOrderAndTheRestAreWorkingWindows) {
  HideCaptionsWith({"poker"});
  frm().lbHideFiles.SetItems({"Editor.exe", "C:\\Games\\Chess.exe"});
  const WindowHandle editor = App("C:\\Tools\\Editor.exe", "Untitled - Editor");
  const WindowHandle hiddenBefore = desktop.AddWindow(desktop.AddProcess("C:\\Tools\\Bg.exe"), "Poker helper",
                                                      {.visible = false});
  const WindowHandle chess = App("c:\\games\\CHESS.EXE", "Chess");
  const WindowHandle poker = App("C:\\Games\\Poker.exe", "Video Poker");
  const WindowHandle dialog =
      desktop.AddWindow(ProcessOf(poker), "Poker options", {.owner = poker});  // topmost of all
  const WindowHandle sheet = App("C:\\Apps\\Sheet.exe", "");

  PressMode();
  ASSERT_TRUE(frm().FHideMode);
  EXPECT_EQ(frm().HiddenWindowList, (Handles{poker, chess})) << "topmost first, each once";
  EXPECT_EQ(frm().WorkingWindowList, (Handles{sheet, editor})) << "an empty caption is still a window";
  for (WindowHandle w : {poker, chess}) {
    EXPECT_FALSE(Visible(w));
    EXPECT_TRUE(Iconic(w));
  }
  EXPECT_TRUE(Visible(dialog)) << "owned windows are never visited";
  EXPECT_FALSE(Visible(hiddenBefore));

  PressMode();
  EXPECT_FALSE(frm().FHideMode);
  for (WindowHandle w : {poker, chess}) {
    EXPECT_TRUE(Visible(w));
    EXPECT_TRUE(Iconic(w)) << "shown again in the minimised state";
  }
  EXPECT_FALSE(Visible(hiddenBefore)) << "never touched";
  EXPECT_TRUE(frm().HiddenWindowList.empty());
  EXPECT_EQ(frm().WorkingWindowList, (Handles{sheet, editor})) << "kept after leaving";
}

TEST_F(HideTest, NeighboursInZOrderAreAllHidden) {
  // Each hidden window sinks to the bottom: asking for the next window after
  // hiding one would end the walk at the first of them.
  HideCaptionsWith({"game"});
  const WindowHandle below = App("C:\\Tools\\Editor.exe", "Editor");
  Handles games;
  for (int i = 0; i < 4; ++i) games.insert(games.begin(), App("C:\\Games\\G.exe", "game " + std::to_string(i)));
  PressMode();
  EXPECT_EQ(frm().HiddenWindowList, games);
  for (WindowHandle w : games) EXPECT_FALSE(Visible(w));
  EXPECT_EQ(frm().WorkingWindowList, (Handles{below}));
}

TEST_F(HideTest, SwitchesOffHideNothingAndSystemProcessesAreNoWorkingWindows) {
  frm().SystemProcessList = {"EXPLORER.EXE"};
  HideCaptionsWith({"poker", "desktop"});
  frm().lbHideFiles.SetItems({"C:\\Games\\Poker.exe"});
  const WindowHandle shell = App("C:\\Windows\\explorer.exe", "Desktop");
  const WindowHandle poker = App("C:\\Games\\Poker.exe", "Video Poker");
  const WindowHandle unknown = UnknownApp("Unknown");

  frm().cbCaptions.SetChecked(false);
  frm().cbApps.SetChecked(false);
  PressMode();
  EXPECT_TRUE(frm().HiddenWindowList.empty());
  EXPECT_EQ(frm().WorkingWindowList, (Handles{unknown, poker})) << "an unknown process is a working window";
  PressMode();

  frm().cbCaptions.SetChecked(true);
  PressMode();
  EXPECT_EQ(frm().HiddenWindowList, (Handles{poker, shell})) << "a system process is still hidden";
  EXPECT_EQ(frm().WorkingWindowList, (Handles{unknown}));
}

TEST_F(HideTest, ApplicationsMatchByWholePathIgnoringCase) {
  frm().lbHideFiles.SetItems({"", "Poker.exe", "C:\\Games", "C:\\TOOLS\\EDITOR.EXE"});
  const WindowHandle editor = App("c:\\tools\\Editor.exe", "Editor");
  const WindowHandle poker = App("C:\\Games\\Poker.exe", "Poker");
  const WindowHandle unknown = UnknownApp("Unknown");
  PressMode();
  EXPECT_EQ(frm().HiddenWindowList, (Handles{editor}));
  EXPECT_TRUE(Visible(poker)) << "a bare file name or a folder matches nothing";
  EXPECT_TRUE(Visible(unknown)) << "an empty entry does not match an unknown process";
}

TEST_F(HideTest, AWindowMatchingBothRulesIsHiddenOnceWithoutAskingForItsProcess) {
  HideCaptionsWith({"poker"});
  frm().lbHideFiles.SetItems({"C:\\Games\\Poker.exe"});
  const WindowHandle poker = App("C:\\Games\\Poker.exe", "Video Poker");
  PressMode();
  EXPECT_EQ(frm().HiddenWindowList, (Handles{poker}));
  EXPECT_EQ(desktop.processes.snapshots, 0u) << "the caption decided";
}

// The question costs a snapshot of every process, which waits for nothing
// the hotkey is for.
TEST_F(HideTest, AWindowThatStaysIsAskedForItsProcessOnlyOnceTheUnwantedHaveVanished) {
  HideCaptionsWith({"poker"});
  const WindowHandle poker = App("C:\\Games\\Poker.exe", "Video Poker");
  desktop.Busy(poker, 100);
  const WindowHandle notes = App("C:\\Tools\\Notes.exe", "Notes");  // above the game
  desktop.state.logCalls = true;
  const std::uint64_t pressed = desktop.state.clockMs;
  PressMode();
  EXPECT_EQ(frm().HiddenWindowList, (Handles{poker}));
  EXPECT_EQ(frm().WorkingWindowList, (Handles{notes}));
  const auto& log = desktop.state.callLog;
  const auto at = [&log](const std::string& entry) { return std::find(log.begin(), log.end(), entry) - log.begin(); };
  const auto snapshot = at("SnapshotProcesses");
  ASSERT_LT(snapshot, static_cast<std::ptrdiff_t>(log.size()));
  EXPECT_GT(snapshot, at("ShowWindowAsync " + std::to_string(poker) + " 0"));
  EXPECT_GE(desktop.state.callClock[snapshot] - pressed, 100u) << "not before the game has vanished";
  EXPECT_EQ(desktop.processes.snapshots, 1u);
}

TEST_F(HideTest, SixtyFourBitProcessesAreFoundByTheirImageName) {
  frm().lbHideFiles.SetItems({"C:\\Program Files\\Big\\Big64.exe"});
  const WindowHandle big = App("C:\\Program Files\\Big\\Big64.exe", "Big");
  desktop.state.processes[ProcessOf(big)].modulesReadable = false;
  PressMode();
  EXPECT_EQ(frm().HiddenWindowList, (Handles{big}));
}

TEST_F(HideTest, TheProgramsOwnWindowsAreNeverHidden) {
  HideCaptionsWith({}, false);  // "All words" without words: every caption
  frm().lbHideFiles.SetItems({SimDesktop::kProgramPath});
  frm().cbSw2Stealth.SetChecked(false);  // Invisible mode would hide them on its own
  desktop.Window(desktop.forms.ApplicationWindow()).visible = true;
  desktop.Window(frm().Handle()).visible = true;
  const WindowHandle other = App("C:\\Tools\\Editor.exe", "Editor");
  PressMode();
  EXPECT_EQ(frm().HiddenWindowList, (Handles{other}));
  EXPECT_TRUE(Visible(desktop.forms.ApplicationWindow()));
  EXPECT_TRUE(Visible(frm().Handle()));
}

TEST_F(HideTest, WindowsOpenedInHideModeAreLeftAlone) {
  HideCaptionsWith({"poker"});
  PressMode();
  const WindowHandle late = App("C:\\Games\\Poker.exe", "Poker");
  PressMode();
  EXPECT_TRUE(Visible(late));
  EXPECT_FALSE(Iconic(late));
}

class ExitActionTest : public HideTest {
protected:
  WindowHandle first = 0, second = 0, other = 0;
  void SetUp() override {
    HideTest::SetUp();
    HideCaptionsWith({"poker"});
    first = App("C:\\Games\\Poker.exe", "Poker table");
    second = desktop.AddWindow(ProcessOf(first), "Poker lobby");
    other = App("C:\\Tools\\Editor.exe", "Editor");
  }
};

TEST_F(ExitActionTest, CloseEndsEachHiddenProcessOnce) {
  const ProcessId poker = ProcessOf(first);
  PressMode();
  PressClose();
  EXPECT_FALSE(desktop.ProcessAlive(poker));
  EXPECT_EQ(desktop.state.processes[poker].exitCode, 0u);
  EXPECT_TRUE(desktop.ProcessAlive(ProcessOf(other)));
  EXPECT_TRUE(frm().HiddenWindowList.empty());
}

TEST_F(ExitActionTest, ShowBringsTheHiddenWindowsBack) {
  frm().rbShowHidden.Click();
  PressMode();
  PressClose();
  EXPECT_TRUE(Visible(first));
  EXPECT_TRUE(Visible(second));
  EXPECT_TRUE(desktop.ProcessAlive(ProcessOf(first)));
}

TEST_F(ExitActionTest, WithoutTheActionHiddenWindowsStayHidden) {
  frm().cbTermHD.SetChecked(false);
  PressMode();
  PressClose();
  EXPECT_FALSE(Visible(first));
  EXPECT_TRUE(desktop.ProcessAlive(ProcessOf(first)));
}

TEST_F(ExitActionTest, InNormalModeNothingIsClosed) {
  PressMode();
  PressMode();
  PressClose();
  EXPECT_TRUE(desktop.ProcessAlive(ProcessOf(first)));
  EXPECT_TRUE(Visible(first));
}

}  // namespace hd::test
