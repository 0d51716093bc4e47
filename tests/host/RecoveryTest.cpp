// The recovery record: kept while HIDE mode lasts, put back after the program
// ended without leaving it, and by the crash handler.
#include <gtest/gtest.h>
#include <algorithm>
#include <cctype>
#include "HideFixture.h"
#include "recovery/RecoveryRecord.h"

namespace hd::test {

namespace {
constexpr const char* kRecord = "Settings\\Recovery.dat";
}  // namespace

class RecoveryTest : public HideTest {
protected:
  WindowHandle game = 0, other = 0, notify = 0, trayToolbar = 0;
  void SetUp() override {
    HideTest::SetUp();
    HideCaptionsWith({"game"});
    game = App("C:\\Games\\Cards.exe", "game of cards");
    other = App("C:\\Work\\Sheet.exe", "Figures");
  }
  std::string RecordPath() { return std::string(kExeDir) + kRecord; }
  bool RecordThere() { return desktop.files.FileExists(RecordPath()); }
  std::optional<RecoveryRecord> Record() { return ParseRecoveryRecord(desktop.ReadFile(RecordPath())); }
  // The program ends without leaving HIDE mode (killed), and starts again.
  void KillAndStartAgain(std::vector<std::string> params = {}) {
    killed_.push_back(std::move(app));  // a killed process runs nothing more: kept until the test ends
    desktop.state.hotkeys.clear();
    desktop.state.crashHandler = nullptr;
    Start(std::move(params));
    HideCaptionsWith({"game"});  // the rule was never saved
  }
  std::vector<std::unique_ptr<Application>> killed_;
  void MakeTaskbar() {
    const SimDesktop::Taskbar t = desktop.AddTaskbar({false, true, false});
    notify = t.notify;
    trayToolbar = t.trayToolbar;
  }
};

TEST_F(RecoveryTest, WrittenOnEnteringAndRemovedOnLeaving) {
  EXPECT_FALSE(RecordThere());
  PressMode();
  ASSERT_TRUE(RecordThere());
  const auto record = Record();
  ASSERT_TRUE(record);
  EXPECT_EQ(record->windows, (std::vector<RecordedWindow>{{game, ProcessOf(game), win::SW_SHOW}}));
  EXPECT_FALSE(record->tray);
  EXPECT_TRUE(desktop.files.FindFiles(std::string(kExeDir) + "Settings\\*.tmp").empty());
  PressMode();
  EXPECT_FALSE(RecordThere());
}

TEST_F(RecoveryTest, RemovedAfterTheExitActionAndKeptWithoutIt) {
  frm().rbShowHidden.Click();
  PressMode();
  PressClose();
  EXPECT_FALSE(RecordThere());
  EXPECT_TRUE(Visible(game));

  KillAndStartAgain();
  frm().cbTermHD.SetChecked(false);
  PressMode();
  PressClose();
  EXPECT_TRUE(RecordThere()) << "the windows stay hidden, and come back at the next start";
  EXPECT_FALSE(Visible(game));
  KillAndStartAgain();
  EXPECT_TRUE(Visible(game));
  EXPECT_FALSE(RecordThere());
}

TEST_F(RecoveryTest, StartAfterAKillShowsTheRecordedWindowsOfTheirProcessesOnly) {
  const WindowHandle game2 = App("C:\\Games\\Dice.exe", "game of dice");
  PressMode();
  ASSERT_FALSE(Visible(game) || Visible(game2));
  // Dice ended meanwhile, and its handle went to a window of another program.
  const ProcessId stranger = desktop.AddProcess("C:\\Tools\\Private.exe");
  desktop.Window(game2).processId = stranger;
  KillAndStartAgain();
  EXPECT_TRUE(Visible(game));
  EXPECT_TRUE(Iconic(game)) << "as NORMAL mode shows them";
  EXPECT_FALSE(Visible(game2)) << "not ours to show";
  EXPECT_FALSE(RecordThere());
  EXPECT_FALSE(frm().FHideMode);
  EXPECT_TRUE(ModeHotkeyWorks()) << "then the program starts as usual";
}

TEST_F(RecoveryTest, AWindowVisibleAgainIsLeftAsItIs) {
  frm().cbRestoreAsWere.SetChecked(true);
  PressMode();
  const auto record = Record();
  ASSERT_TRUE(record && record->windows.size() == 1);
  EXPECT_EQ(record->windows[0].showCommand, win::SW_SHOWNOACTIVATE) << "the state it had, for the next start";
  desktop.windows.ShowWindow(game, win::SW_SHOWMAXIMIZED);  // its program showed it meanwhile
  KillAndStartAgain();
  EXPECT_TRUE(desktop.windows.IsZoomed(game));
}

TEST_F(RecoveryTest, TheNotificationAreaComesBack) {
  MakeTaskbar();
  KillAndStartAgain();  // a program that knows the taskbar
  frm().cbHideTray.SetChecked(true);
  PressMode();  // XP: the icons one by one
  EXPECT_EQ(Record()->tray, (RecordedTray{false, {0, 2}}));
  KillAndStartAgain();
  EXPECT_EQ(desktop.ButtonsHidden(trayToolbar), (std::vector<bool>{false, true, false}));

  desktop.state.version = {148, 5, 0, 2195, 2, ""};  // 2000: the whole area
  frm().cbHideTray.SetChecked(true);
  PressMode();
  ASSERT_FALSE(desktop.Window(notify).visible);
  KillAndStartAgain();
  EXPECT_TRUE(desktop.Window(notify).visible);
}

TEST_F(RecoveryTest, TheDisplayModeAndTheVolumeComeBack) {
  desktop.state.displayModes = {DevMode{156, 0, 32, 800, 600, 60}, DevMode{156, 0, 32, 1024, 768, 60}};
  desktop.state.currentMode = desktop.state.displayModes[1];
  WriteSetting("Settings\\Video.cfg", "-1\r\n800\r\n600\r\n32\r\n60\r\n");
  for (const std::uint32_t major : {5u, 6u}) {  // XP's wave-out volume, then Vista's endpoint
    SCOPED_TRACE(major);
    desktop.state.version.majorVersion = major;
    desktop.state.waveVolume = 0xFFFFFFFF;
    desktop.state.masterVolume = 1.0f;
    KillAndStartAgain();
    frm().cbSound.SetChecked(true);
    frm().tbSound.SetPosition(10);
    PressMode();
    ASSERT_EQ(desktop.state.currentMode.pelsWidth, 800u);
    const auto record = Record();
    ASSERT_TRUE(record);
    EXPECT_EQ(record->graphicMode, (GraphicMode{1024, 768, 32, 60}));
    EXPECT_EQ(record->volume, 255);
    KillAndStartAgain();
    EXPECT_EQ(desktop.state.currentMode.pelsWidth, 1024u);
    EXPECT_EQ(desktop.state.currentMode.pelsHeight, 768u);
    if (major == 5)
      EXPECT_EQ(desktop.state.waveVolume, 0xFF00FF00u) << "level 255 on both channels";
    else
      EXPECT_FLOAT_EQ(desktop.state.masterVolume, 65280.0f / 65535.0f);
    EXPECT_TRUE(Visible(game));
  }
  // Without the settings nothing was changed, and nothing is put back.
  WriteSetting("Settings\\Video.cfg", "0\r\n800\r\n600\r\n32\r\n60\r\n");
  KillAndStartAgain();
  PressMode();
  EXPECT_EQ(Record()->graphicMode, std::nullopt);
  EXPECT_EQ(Record()->volume, std::nullopt);
}

TEST_F(RecoveryTest, AKillBeforeTheSequenceEndsFindsTheHiddenWindowsOnRecord) {
  MakeTaskbar();
  KillAndStartAgain();
  frm().cbHideTray.SetChecked(true);
  desktop.state.logCalls = true;
  desktop.state.recordFileHistory = true;
  PressMode();
  const std::vector<std::string>& log = desktop.state.callLog;
  const auto at = [&log](const std::string& entry) { return std::find(log.begin(), log.end(), entry) - log.begin(); };
  const auto saved = at("ReplaceFile " + RecordPath());
  ASSERT_LT(saved, static_cast<std::ptrdiff_t>(log.size()));
  EXPECT_LT(at("ShowWindowAsync " + std::to_string(game) + " 0"), saved) << "the windows vanish first";
  EXPECT_LT(saved, at("CloseWindow " + std::to_string(game))) << "the record does not wait for the minimising";

  // What a program killed right after that first save leaves behind.
  std::string key = RecordPath();
  std::transform(key.begin(), key.end(), key.begin(), [](unsigned char c) { return std::tolower(c); });
  const auto first = std::find_if(desktop.state.fileHistory.begin(), desktop.state.fileHistory.end(),
                                  [&key](const auto& files) { return files.count(key) != 0; });
  ASSERT_NE(first, desktop.state.fileHistory.end());
  const auto early = ParseRecoveryRecord(first->at(key).content);
  ASSERT_TRUE(early);
  EXPECT_EQ(early->windows, (std::vector<RecordedWindow>{{game, ProcessOf(game), win::SW_SHOW}}));
  EXPECT_FALSE(early->tray) << "not hidden yet";
  EXPECT_EQ(Record()->tray, (RecordedTray{false, {0, 2}})) << "the last save adds the notification area";
}

TEST_F(RecoveryTest, ADamagedOrEmptyRecordIsIgnoredAndRemoved) {
  PressMode();
  const std::string good = desktop.ReadFile(RecordPath());
  for (const std::string& bad : {std::string(), std::string("garbage\r\nWindow=1 2 5\r\n"),
                                 good.substr(1), std::string("\0", 1) + good}) {
    desktop.WriteFile(RecordPath(), bad);
    KillAndStartAgain();
    EXPECT_FALSE(Visible(game)) << "a record that does not read shows nothing";
    EXPECT_FALSE(RecordThere());
  }
  desktop.WriteFile(RecordPath(), good + "Window=12x 1 5\r\nWindow=" + std::to_string(game) + "\r\nVideo=1 2\r\n");
  KillAndStartAgain();
  EXPECT_TRUE(Visible(game)) << "the lines that read are used";
}

TEST_F(RecoveryTest, ASaveCutShortLeavesNoRecordAndDoesNotStopHideMode) {
  desktop.state.failingWrites["c:\\program files\\hushdesk\\settings\\recovery.dat.tmp"] = win::ERROR_DISK_FULL;
  PressMode();
  EXPECT_FALSE(Visible(game));
  EXPECT_FALSE(RecordThere());
  EXPECT_TRUE(desktop.state.messageBoxes.empty());
  EXPECT_FALSE(desktop.files.FileExists(RecordPath() + ".tmp")) << "the failed save cleaned up";

  // A crash in the middle of the save leaves half a temporary file.
  desktop.state.failingWrites.clear();
  desktop.WriteFile(RecordPath() + ".tmp", "Hushdesk recovery record 1\r\nWindow=" + std::to_string(game));
  KillAndStartAgain();
  EXPECT_FALSE(desktop.files.FileExists(RecordPath() + ".tmp"));
  EXPECT_FALSE(Visible(game)) << "half a record is no record";
}

TEST_F(RecoveryTest, ACrashInHideModePutsBackFromMemory) {
  MakeTaskbar();
  desktop.state.version = {148, 5, 0, 2195, 2, ""};
  KillAndStartAgain();
  frm().cbHideTray.SetChecked(true);
  PressMode();
  desktop.Crash();
  EXPECT_TRUE(Visible(game));
  EXPECT_TRUE(desktop.Window(notify).visible);
  EXPECT_FALSE(RecordThere());
}

TEST(RecoveryRecordText, EveryFieldComesBackAsWritten) {
  RecoveryRecord record;
  record.windows = {{0x10010, 2001, win::SW_SHOW}, {0xFFFFFFF0, 4294967295u, win::SW_SHOWMAXIMIZED}};
  record.graphicMode = GraphicMode{1024, 768, 32, 60};
  record.volume = 192;
  record.tray = RecordedTray{false, {0, 3}};
  const std::string text = FormatRecoveryRecord(record);
  EXPECT_EQ(text.find("Window=65552 2001 5\r\n"), text.find('\n') + 1);
  EXPECT_EQ(ParseRecoveryRecord(text), record);
  record.tray = RecordedTray{true, {}};
  record.graphicMode.reset();
  EXPECT_EQ(ParseRecoveryRecord(FormatRecoveryRecord(record)), record);
  record.tray = RecordedTray{false, {}};
  EXPECT_EQ(ParseRecoveryRecord(FormatRecoveryRecord(record)), record);
  EXPECT_EQ(ParseRecoveryRecord("Tray=area\r\n"), std::nullopt) << "no heading, no record";
  EXPECT_EQ(ParseRecoveryRecord("Hushdesk recovery record 1\r\nVolume=256\r\n")->volume, std::nullopt)
      << "no level past 255";
}

}  // namespace hd::test
