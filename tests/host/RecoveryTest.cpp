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
constexpr int kFirst = SimDesktop::kFirstTrayCommand;  // the command id of the taskbar's first button
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
  EXPECT_EQ(Record()->tray, (RecordedTray{false, {kFirst, kFirst + 6}}));
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
    EXPECT_EQ(record->volume, 255) << "for older versions";
    KillAndStartAgain();
    EXPECT_EQ(desktop.state.currentMode.pelsWidth, 1024u);
    EXPECT_EQ(desktop.state.currentMode.pelsHeight, 768u);
    EXPECT_EQ(desktop.state.waveVolume, 0xFFFFFFFFu) << "exactly as read, not level 255";
    EXPECT_EQ(desktop.state.masterVolume, 1.0f);
    EXPECT_TRUE(Visible(game));
  }
  // A record of an older version holds the level alone.
  desktop.WriteFile(RecordPath(), "Hushdesk recovery record 1\r\nVolume=128\r\n");
  KillAndStartAgain();
  EXPECT_EQ(desktop.state.masterVolume, 32768.0f / 65535.0f);
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
  EXPECT_EQ(Record()->tray, (RecordedTray{false, {kFirst, kFirst + 6}})) << "the last save adds the notification area";
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
  PressMode();
  ASSERT_EQ(desktop.state.messageBoxes.size(), 1u) << "told once out of HIDE mode";
  EXPECT_EQ(desktop.state.messageBoxes[0].text,
            "Settings\\Recovery.dat: Disk full\r\nShould Hushdesk end in HIDE mode, "
            "starting it again could not bring the hidden windows back.");
  PressMode();
  PressMode();
  PressMode();
  EXPECT_EQ(desktop.state.messageBoxes.size(), 1u) << "once a run";

  // A crash in the middle of the save leaves half a temporary file.
  desktop.state.failingWrites.clear();
  desktop.WriteFile(RecordPath() + ".tmp", "Hushdesk recovery record 1\r\nWindow=" + std::to_string(game));
  KillAndStartAgain();
  EXPECT_FALSE(desktop.files.FileExists(RecordPath() + ".tmp"));
  EXPECT_FALSE(Visible(game)) << "half a record is no record";
}

// Removed, a record that could not be read would leave its windows hidden
// for good; replaced or removed by this run's HIDE mode, just as well.
TEST_F(RecoveryTest, AnUnreadableRecordIsKeptAndReadAtTheNextStart) {
  PressMode();
  const std::string left = desktop.ReadFile(RecordPath());
  const std::string key = "c:\\program files\\hushdesk\\settings\\recovery.dat";
  const std::pair<std::uint32_t, std::string> errors[] = {{win::ERROR_ACCESS_DENIED, "Access is denied."},
                                                          {win::ERROR_SHARING_VIOLATION, ""}};
  for (const auto& [error, text] : errors) {
    SCOPED_TRACE(error);
    if (error == win::ERROR_SHARING_VIOLATION)
      desktop.state.files[key].heldOpen = true;
    else
      desktop.state.files[key].readError = error;
    desktop.state.messageBoxes.clear();
    KillAndStartAgain();
    EXPECT_FALSE(Visible(game));
    ASSERT_EQ(desktop.state.messageBoxes.size(), 1u);
    EXPECT_EQ(desktop.state.messageBoxes[0].text.rfind("Settings\\Recovery.dat: " + text, 0), 0u);
    EXPECT_NE(desktop.state.messageBoxes[0].text.find("it is kept and read again at the next start"),
              std::string::npos);
    PressMode();
    PressMode();
    ASSERT_TRUE(RecordThere()) << "neither replaced nor removed by this run";
    desktop.state.files[key].heldOpen = false;
    desktop.state.files[key].readError = 0;
    EXPECT_EQ(desktop.ReadFile(RecordPath()), left);
    ASSERT_EQ(desktop.state.messageBoxes.size(), 2u) << "this run's HIDE mode had no record";
  }
  KillAndStartAgain();
  EXPECT_TRUE(Visible(game)) << "read at last";
  EXPECT_FALSE(RecordThere());
}

// A record names where it was written: the windows, the notification area
// and the display mode belong to one boot of one session, the volume stays
// the computer's across a restart.
TEST_F(RecoveryTest, ARecordIsPutBackOnlyWhereItBelongs) {
  desktop.state.displayModes = {DevMode{156, 0, 32, 800, 600, 60}, DevMode{156, 0, 32, 1024, 768, 60}};
  desktop.state.currentMode = desktop.state.displayModes[1];
  WriteSetting("Settings\\Video.cfg", "-1\r\n800\r\n600\r\n32\r\n60\r\n");
  desktop.state.waveVolume = 0xFFFF1234;
  KillAndStartAgain();
  frm().cbSound.SetChecked(true);
  PressMode();
  const std::string left = desktop.ReadFile(RecordPath());
  ASSERT_EQ(Record()->origin, desktop.state.session);
  const SessionIdentity here = desktop.state.session;
  SessionIdentity otherSession = here, otherUser = here, otherComputer = here;
  otherSession.session = 2;
  otherUser.user = "bob";
  otherComputer.computer = "LAPTOP";
  for (const SessionIdentity& elsewhere : {otherSession, otherUser, otherComputer}) {
    SCOPED_TRACE(elsewhere.user + " " + elsewhere.computer);
    desktop.state.session = elsewhere;
    const std::size_t changes = desktop.state.modeChanges.size();
    KillAndStartAgain();
    EXPECT_FALSE(Visible(game));
    EXPECT_EQ(desktop.state.modeChanges.size(), changes);
    EXPECT_NE(desktop.state.waveVolume, 0xFFFF1234u);
    EXPECT_EQ(desktop.ReadFile(RecordPath()), left) << "left alone for its own session";
    EXPECT_TRUE(desktop.state.messageBoxes.empty());
  }
  desktop.state.session = here;
  desktop.state.session.bootTime += 3600;  // restarted since
  const std::size_t changes = desktop.state.modeChanges.size();
  KillAndStartAgain();
  EXPECT_EQ(desktop.state.modeChanges.size(), changes) << "the display mode of another boot";
  EXPECT_FALSE(Visible(game)) << "its handle is no longer that window's";
  EXPECT_EQ(desktop.state.waveVolume, 0xFFFF1234u) << "the volume outlasts the restart";
  EXPECT_FALSE(RecordThere());
}

TEST_F(RecoveryTest, APuttingBackThatEndedTheProgramIsNotTriedAgain) {
  PressMode();
  desktop.state.logCalls = true;
  desktop.state.recordFileHistory = true;
  KillAndStartAgain();
  ASSERT_TRUE(Visible(game));
  const std::vector<std::string>& log = desktop.state.callLog;
  const auto at = [&log](const std::string& entry) { return std::find(log.begin(), log.end(), entry) - log.begin(); };
  EXPECT_LT(at("ReplaceFile " + RecordPath()), at("ShowWindowAsync " + std::to_string(game) + " 5"))
      << "marked before anything is put back";
  std::string marked;
  for (const auto& files : desktop.state.fileHistory)
    for (const auto& [path, file] : files)
      if (file.path == RecordPath() && file.content.find("\r\nPuttingBack=1\r\n") != std::string::npos)
        marked = file.content;
  ASSERT_FALSE(marked.empty());

  // What a start that crashed while putting back leaves behind.
  desktop.windows.ShowWindow(game, win::SW_HIDE);
  desktop.WriteFile(RecordPath(), marked);
  KillAndStartAgain();
  EXPECT_FALSE(Visible(game));
  EXPECT_FALSE(RecordThere());
  ASSERT_EQ(desktop.state.messageBoxes.size(), 1u);
  EXPECT_EQ(desktop.state.messageBoxes[0].text,
            "Settings\\Recovery.dat: putting it back ended the program at its last start.\r\nThe record was "
            "removed; the windows it lists may stay hidden.");
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

TEST_F(RecoveryTest, TheHiddenProgramsSessionsGetTheirOwnMuteBack) {
  desktop.state.version = {148, 10, 0, 19045, 2, ""};
  KillAndStartAgain();
  frm().cbMuteHidden.SetChecked(true);
  const std::string sound = desktop.StartAudioSession(ProcessOf(game));
  const std::string mutedByUser = desktop.StartAudioSession(ProcessOf(game), true);
  const ProcessId helper = desktop.AddProcess("C:\\Games\\Cards.exe");
  const std::string helperSound = desktop.StartAudioSession(helper);
  PressMode();
  const auto record = Record();
  ASSERT_TRUE(record);
  EXPECT_EQ(record->sessions, (std::vector<MutedSession>{{sound, ProcessOf(game), "C:\\Games\\Cards.exe", false},
                                                         {mutedByUser, ProcessOf(game), "C:\\Games\\Cards.exe", true},
                                                         {helperSound, helper, "C:\\Games\\Cards.exe", false}}));
  // The helper ended, and its process id went to another program, whose session this is.
  desktop.state.processes[helper].exePath = "C:\\Tools\\Other.exe";
  KillAndStartAgain();
  EXPECT_EQ(desktop.SessionMuted(sound), false);
  EXPECT_EQ(desktop.SessionMuted(mutedByUser), true);
  EXPECT_EQ(desktop.SessionMuted(helperSound), true) << "not ours to touch";

  frm().cbMuteHidden.SetChecked(true);
  PressMode();
  ASSERT_EQ(desktop.SessionMuted(sound), true);
  desktop.Crash();
  EXPECT_EQ(desktop.SessionMuted(sound), false) << "from memory";
}

TEST(RecoveryRecordText, EveryFieldComesBackAsWritten) {
  RecoveryRecord record;
  record.windows = {{0x10010, 2001, win::SW_SHOW}, {0xFFFFFFF0, 4294967295u, win::SW_SHOWMAXIMIZED}};
  record.graphicMode = GraphicMode{1024, 768, 32, 60};
  record.volume = 192;
  record.exactVolume = VolumeSetting{VolumePath::WaveOut, 0xFFFF3039, 0, false};
  record.tray = RecordedTray{false, {41, -2}};  // command ids, 32 bits each
  record.origin = SessionIdentity{"DESK-7", "Ann Lee", 3, 13'400'000'123};
  record.sessions = {{"{0.0.0.00000000}.{5f1}|\\Device\\A|1%b2001", 2001, "C:\\My Games\\Cards.exe", true},
                     {"id 2", 4294967295u, "", false}};
  const std::string text = FormatRecoveryRecord(record);
  EXPECT_NE(text.find("\r\nWindow=65552 2001 5\r\n"), std::string::npos);
  EXPECT_NE(text.find("\r\nVolume=192\r\n"), std::string::npos) << "the key older versions read";
  EXPECT_EQ(ParseRecoveryRecord(text), record);
  record.tray = RecordedTray{true, {}};
  record.graphicMode.reset();
  record.exactVolume = VolumeSetting{VolumePath::Endpoint, 0, 0.79999995f, true};
  record.puttingBack = true;
  EXPECT_EQ(ParseRecoveryRecord(FormatRecoveryRecord(record)), record);
  record.tray = RecordedTray{false, {}};
  EXPECT_EQ(ParseRecoveryRecord(FormatRecoveryRecord(record)), record);
  EXPECT_EQ(ParseRecoveryRecord("Tray=area\r\n"), std::nullopt) << "no heading, no record";
  EXPECT_EQ(ParseRecoveryRecord("Hushdesk recovery record 1\r\nVolume=256\r\n")->volume, std::nullopt)
      << "no level past 255";
  EXPECT_EQ(ParseRecoveryRecord("Hushdesk recovery record 1\r\nComputer=A\r\nUser=B\r\nSession=1\r\n")->origin,
            std::nullopt)
      << "all four or none";
}

}  // namespace hd::test
