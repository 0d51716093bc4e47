// "Mute the hidden programs only": the audio sessions of the hidden programs
// muted while HIDE mode lasts, each given its own state back.
#include <gtest/gtest.h>
#include <algorithm>
#include "HideFixture.h"
#include "hide/frmCurrentUnit.h"

namespace hd::test {

namespace {
constexpr const char* kCards = "C:\\Games\\Cards.exe";
constexpr const char* kBrowser = "C:\\Web\\Browser.exe";
constexpr const char* kSheet = "C:\\Apps\\Sheet.exe";
}  // namespace

class HiddenSoundTest : public HideTest {
protected:
  void SetUp() override {
    desktop.state.version = {148, 10, 0, 19045, 2, ""};  // audio sessions and cloaked windows
    HideTest::SetUp();
    HideCaptionsWith({"game", "video"});
    frm().cbMuteHidden.SetChecked(true);
    frm().cbSw2Stealth.SetChecked(false);
    desktop.WriteFile(kSheet, "MZ");
    frm().lbSerFiles.SetItems({kSheet});
  }
  std::optional<bool> Muted(const std::string& session) { return desktop.SessionMuted(session); }
};

TEST_F(HiddenSoundTest, OnlyTheHiddenProgramsAreMutedAndEachGetsItsOwnStateBack) {
  const WindowHandle game = App(kCards, "game of cards");
  const std::string cards = desktop.StartAudioSession(ProcessOf(game));
  const std::string cardsMutedByUser = desktop.StartAudioSession(ProcessOf(game), true);
  // Its sound comes from a helper process of the same executable.
  const std::string helper = desktop.StartAudioSession(desktop.AddProcess("c:\\games\\CARDS.EXE"));
  const std::string ending = desktop.StartAudioSession(desktop.AddProcess(kCards));
  const WindowHandle editor = App("C:\\Tools\\Editor.exe", "Editor");
  const std::string editorSound = desktop.StartAudioSession(ProcessOf(editor));

  PressMode();
  ASSERT_FALSE(Visible(game));
  EXPECT_EQ(Muted(cards), true);
  EXPECT_EQ(Muted(cardsMutedByUser), true);
  EXPECT_EQ(Muted(helper), true) << "the same executable";
  EXPECT_EQ(Muted(editorSound), false) << "a program left on the screen";
  // While HIDE mode lasts: a new session of a hidden program is muted as it appears.
  const std::string later = desktop.StartAudioSession(ProcessOf(game));
  const std::string editorLater = desktop.StartAudioSession(ProcessOf(editor));
  desktop.Pump();
  EXPECT_EQ(Muted(later), true);
  EXPECT_EQ(Muted(editorLater), false);
  desktop.EndAudioSession(ending);

  PressMode();
  EXPECT_EQ(Muted(cards), false);
  EXPECT_EQ(Muted(cardsMutedByUser), true) << "the user's own mute stays";
  EXPECT_EQ(Muted(helper), false);
  EXPECT_EQ(Muted(later), false);
  EXPECT_EQ(Muted(editorSound), false);
  const std::string afterLeaving = desktop.StartAudioSession(ProcessOf(game));
  desktop.Pump();
  EXPECT_EQ(Muted(afterLeaving), false) << "nothing is watched out of HIDE mode";
  EXPECT_FALSE(desktop.state.audioWatch) << "the watch ends with HIDE mode";

  // The exit action gives it back as well, and the option off mutes nothing.
  PressMode();
  EXPECT_EQ(Muted(cards), true);
  frm().rbShowHidden.Click();
  PressClose();
  EXPECT_EQ(Muted(cards), false);
  EXPECT_EQ(Muted(cardsMutedByUser), true);
}

TEST_F(HiddenSoundTest, TheSeriousApplicationAndTheFrontWindowKeepTheirSound) {
  // Three windows of one program, each in a process of its own.
  const WindowHandle budget = App(kSheet, "Budget");
  const WindowHandle video = App(kSheet, "video in a sheet");
  const WindowHandle accounts = App(kSheet, "Accounts");
  const std::string budgetSound = desktop.StartAudioSession(ProcessOf(budget));
  const std::string videoSound = desktop.StartAudioSession(ProcessOf(video));
  const std::string accountsSound = desktop.StartAudioSession(ProcessOf(accounts));
  PressMode();
  ASSERT_EQ(desktop.state.foreground, accounts);
  EXPECT_EQ(Muted(videoSound), true) << "the hidden window's process";
  EXPECT_EQ(Muted(accountsSound), false) << "the serious window brought to the front";
  EXPECT_EQ(Muted(budgetSound), false) << "a serious window left on the screen";
  PressMode();

  // Switched to any other working application, only the front one is kept.
  frm().rbAny.Click();
  frm().lbSerFiles.SetItems({});
  PressMode();
  ASSERT_EQ(desktop.state.foreground, accounts);
  EXPECT_EQ(Muted(accountsSound), false);
  EXPECT_EQ(Muted(videoSound), true);
  EXPECT_EQ(Muted(budgetSound), true) << "no longer serious: the executable of a hidden window";
}

TEST_F(HiddenSoundTest, CloakedWindowsAreHiddenByTheirRulesButNeverBroughtToTheFront) {
  frm().rbAny.Click();
  frm().lbSerFiles.SetItems({});
  const WindowHandle shown = App("C:\\Tools\\Editor.exe", "Editor");
  const WindowHandle elsewhere = App("C:\\Tools\\Notes.exe", "Notes");  // on another virtual desktop
  desktop.Window(elsewhere).cloaked = true;
  const WindowHandle cloakedGame = App(kCards, "game of cards");
  desktop.Window(cloakedGame).cloaked = true;
  PressMode();
  EXPECT_FALSE(Visible(cloakedGame)) << "hidden by its rule all the same";
  EXPECT_EQ(desktop.state.foreground, shown) << "not the topmost working window nobody can see";
  EXPECT_EQ(frm().WorkingWindowList, std::vector<WindowHandle>{shown});
  PressMode();

  // Listed with a mark beside its file, which no list takes; its caption stays as it is.
  TfrmCurrent& current = *app->frmCurrent;
  current.ShowModal();
  std::vector<std::string> names;
  for (const ListItem& row : current.lstCurrent.Items())
    names.push_back(row.caption + " / " + row.subItems[0] + " / " + row.subItems[1]);
  std::sort(names.begin(), names.end());
  EXPECT_EQ(names, (std::vector<std::string>{"Editor / Editor.exe / C:\\Tools\\Editor.exe",
                                             "Notes / Notes.exe (not shown) / C:\\Tools\\Notes.exe",
                                             "game of cards / Cards.exe (not shown) / C:\\Games\\Cards.exe"}));
}

TEST_F(HiddenSoundTest, OfferedOnlyWhereTheSystemHasAudioSessions) {
  EXPECT_TRUE(frm().cbMuteHidden.Enabled());
  EXPECT_FALSE(frm().labNoSessions.Visible());
  app.reset();
  desktop.state.mutexes.clear();
  desktop.state.hotkeys.clear();
  desktop.state.version = {148, 5, 1, 2600, 2, "Service Pack 3"};
  Start();
  EXPECT_FALSE(frm().cbMuteHidden.Enabled());
  EXPECT_TRUE(frm().labNoSessions.Visible());
  // An option left on from a later system does no harm.
  frm().cbMuteHidden.SetChecked(true);
  HideCaptionsWith({"game"});
  const WindowHandle game = App(kCards, "game of cards");
  PressMode();
  EXPECT_FALSE(Visible(game));
  PressMode();
  EXPECT_TRUE(Visible(game));
  EXPECT_EQ(Boxes(), std::vector<std::string>{});
}

}  // namespace hd::test
