// Nothing the user stored is lost: files that could not be read are not
// overwritten, and a save cut short at any point leaves old or new files.
#include <gtest/gtest.h>
#include "ProgramFixture.h"
#include "access/frmPassUnit.h"
#include "words/TWordsListUnit.h"

namespace hd::test {

namespace {
const std::string kSettings = std::string(kExeDir) + "Settings\\";
}  // namespace

class SettingsSafety : public ProgramTest {
protected:
  std::string Read(const std::string& name) { return desktop.ReadFile(kSettings + name); }
  std::string Save() { return SettingsErrorOf(&TfrmConfigure::SaveAllSettings); }
  void WriteAll() {
    WriteSetting("Settings\\Main.cfg", "[Common]\r\nrbNormal=0\r\nrbDisable=1\r\n[Hide_mode]\r\ncbHideTray=1\r\n");
    WriteSetting("Settings\\HideAppList.lst", "C:\\games\\solitaire.exe\r\n");
    WriteSetting("Settings\\SerAppList.lst", "C:\\work\\sheet.exe\r\n");
    WriteSetting("Settings\\Book\\File", "1\r\n");
    WriteSetting("Settings\\Book\\File.0", "Games\r\n-1\r\n0\r\npoker\r\n");
    WriteSetting("Settings\\Sound.cfg", "-1\r\n0\r\n51\r\n");
    WriteSetting("Settings\\Video.cfg", "-1\r\n800\r\n600\r\n16\r\n60\r\n");
    WriteSetting("Settings\\HotKeys.cfg", "16465\r\n16392\r\n16576\r\n");
  }
};

TEST_F(SettingsSafety, AListFileHeldOpenIsReadWhenTheWindowOpensAndKeptAsItIsWhileItCannotBe) {
  WriteAll();
  desktop.HoldOpen(kSettings + "HideAppList.lst");
  Start();
  EXPECT_EQ(Boxes(), std::vector<std::string>{"Cannot open file \"" + kSettings +
                                              "HideAppList.lst\". The process cannot access the file because it is "
                                              "being used by another process."});
  EXPECT_EQ(frm().hkMode.Value(), 16465) << "the later files load";
  EXPECT_TRUE(frm().rbDisable.Checked());

  // Still held when the window opens: the list cannot be edited, a note names
  // the file, and neither OK nor Cancel touches it or tells it again.
  frm().mConfigureClick();
  EXPECT_FALSE(frm().lbHideFiles.Enabled());
  EXPECT_FALSE(frm().butFileAdd.Enabled());
  EXPECT_FALSE(frm().butSysProc.Enabled());
  EXPECT_TRUE(frm().lbSerFiles.Enabled());
  EXPECT_TRUE(frm().labHideFilesUnread.Visible());
  EXPECT_EQ(frm().labHideFilesUnread.Caption(), "Could not read Settings\\HideAppList.lst");
  frm().lbHideFiles.Add("C:\\chat.exe");  // as a drop or a test could
  frm().hkMode.SetValue(0x4041);
  frm().butOkClick();
  EXPECT_FALSE(frm().Visible());
  desktop.HoldOpen(kSettings + "HideAppList.lst", false);
  EXPECT_EQ(Read("HideAppList.lst"), "C:\\games\\solitaire.exe\r\n");
  EXPECT_EQ(Read("HotKeys.cfg"), "16449\r\n16392\r\n16576\r\n") << "the files that were read are saved";
  desktop.HoldOpen(kSettings + "HideAppList.lst");
  frm().mConfigureClick();
  frm().butCancelClick();
  EXPECT_FALSE(frm().Visible()) << "Cancel closes";
  EXPECT_EQ(Boxes().size(), 1u) << "told once";

  // Released: the next opening reads it, and an edit keeps what it holds.
  desktop.HoldOpen(kSettings + "HideAppList.lst", false);
  frm().mConfigureClick();
  EXPECT_EQ(frm().lbHideFiles.Items(), std::vector<std::string>{"C:\\games\\solitaire.exe"});
  EXPECT_TRUE(frm().lbHideFiles.Enabled());
  EXPECT_FALSE(frm().labHideFilesUnread.Visible());
  frm().lbHideFiles.Add("C:\\chat.exe");
  frm().butOkClick();
  EXPECT_EQ(Read("HideAppList.lst"), "C:\\games\\solitaire.exe\r\nC:\\chat.exe\r\n");
  EXPECT_EQ(Boxes().size(), 1u);
}

TEST_F(SettingsSafety, ABookListFileThatCannotBeReadIsNamedAndTheBookKept) {
  WriteAll();
  WriteSetting("Settings\\Book\\File", "2\r\n");
  WriteSetting("Settings\\Book\\File.1", "Cards\r\n-1\r\n0\r\nsolitaire\r\n");
  desktop.HoldOpen(kSettings + "Book\\File.1");
  Start();
  EXPECT_EQ(Boxes(), std::vector<std::string>{"Settings\\Book\\File.1: The process cannot access the file because it "
                                              "is being used by another process."});
  frm().mConfigureClick();
  EXPECT_FALSE(frm().lbWords.Enabled());
  EXPECT_FALSE(frm().butAdd.Enabled());
  EXPECT_EQ(frm().labWordsUnread.Caption(), "Could not read Settings\\Book\\File.1");
  // Released while the window is open: what the window shows was still not read.
  desktop.HoldOpen(kSettings + "Book\\File.1", false);
  frm().Book->Add(TWordsList{});
  frm().butOkClick();
  EXPECT_FALSE(frm().Visible());
  EXPECT_EQ(Read("Book\\File"), "2\r\n");
  EXPECT_EQ(Read("Book\\File.0"), "Games\r\n-1\r\n0\r\npoker\r\n");
  EXPECT_EQ(Read("Book\\File.1"), "Cards\r\n-1\r\n0\r\nsolitaire\r\n");
  EXPECT_TRUE(desktop.files.FindFiles(kSettings + "Book\\File.2*").empty());

  // A settings file's own error text names no file: its name comes first.
  WriteSetting("Settings\\Sound.cfg", "-1\r\n0\r\n51\r\n");
  desktop.state.failingWrites[SimFiles::Key(kSettings + "Sound.cfg")] = win::ERROR_ACCESS_DENIED;
  frm().tbSound.SetPosition(10);
  EXPECT_EQ(Save(), "Settings\\Sound.cfg: File access denied");
}

TEST_F(SettingsSafety, AnUnreadableMainCfgIsToldOnceAndNeitherOverwrittenNorTheRunValueWritten) {
  WriteAll();
  desktop.HoldOpen(kSettings + "Main.cfg");
  Start();
  EXPECT_EQ(Boxes(), std::vector<std::string>{"Settings\\Main.cfg: The process cannot access the file because it is "
                                              "being used by another process."});
  EXPECT_EQ(frm().hkMode.Value(), 16465) << "the later files load";
  frm().mConfigureClick();
  frm().butCancelClick();
  EXPECT_FALSE(frm().Visible());
  EXPECT_EQ(Boxes().size(), 1u) << "told once";
  desktop.HoldOpen(kSettings + "Main.cfg", false);
  const std::string before = Read("Main.cfg");
  EXPECT_EQ(Save(), "");
  EXPECT_EQ(Read("Main.cfg"), before);
  EXPECT_TRUE(desktop.registry.keys.empty()) << "the start-up choice read was not the user's";

  frm().rbBackground.Click();
  EXPECT_EQ(Save(), "");
  EXPECT_NE(Read("Main.cfg").find("rbBackground=1"), std::string::npos);
  EXPECT_FALSE(desktop.registry.keys.empty());
}

TEST_F(SettingsSafety, AMainCfgThatCannotBeWrittenIsReportedAndNoPasswordToldAsStored) {
  Start();
  desktop.MakeDirectories(kSettings + "Main.cfg");  // a folder stands where the file goes
  frm().mConfigureClick();
  frm().cbHideTray.Click();
  frm().butOkClick();
  EXPECT_EQ(Boxes(), std::vector<std::string>{"Settings\\Main.cfg: File access denied"});
  EXPECT_EQ(desktop.state.messageBoxes.back().type, win::MB_OK | win::MB_ICONERROR);
  EXPECT_TRUE(frm().Visible()) << "the window stays open";
  EXPECT_FALSE(desktop.files.FileExists(kSettings + "HotKeys.cfg")) << "the save ended there";
  EXPECT_TRUE(desktop.files.FindFiles(kSettings + "*.tmp").empty());

  ClickWithMouse(frm().rbEnable);
  TfrmPassword& dialog = *app->frmPassword;
  ASSERT_TRUE(dialog.Visible());
  dialog.edNew1.Typed("secret");
  dialog.edNew2.Typed("secret");
  dialog.botOk.Click();
  ASSERT_EQ(Boxes().size(), 2u);
  EXPECT_EQ(Boxes().back(), "Settings\\Main.cfg: File access denied") << "no \"Remember\" for a password not stored";
}

TEST_F(SettingsSafety, AFailingLineKeepsItsFileAndTheLaterOnesOnTheNextOk) {
  WriteAll();
  WriteSetting("Settings\\Sound.cfg", "-1\r\n0\r\nloud\r\n");
  Start();
  EXPECT_EQ(Boxes(), std::vector<std::string>{"Settings\\Sound.cfg: 'loud' is not a valid floating point value"});
  EXPECT_EQ(Save(), "");
  EXPECT_EQ(Read("Sound.cfg"), "-1\r\n0\r\nloud\r\n");
  EXPECT_EQ(Read("Video.cfg"), "-1\r\n800\r\n600\r\n16\r\n60\r\n");
  EXPECT_EQ(Read("HotKeys.cfg"), "16465\r\n16392\r\n16576\r\n");
  EXPECT_EQ(Read("SerAppList.lst"), "C:\\work\\sheet.exe\r\n") << "earlier files were loaded and saved";
}

TEST_F(SettingsSafety, OutOfMemoryWhileLoadingIsReportedLikeAFileError) {
  WriteAll();
  desktop.state.files.at(SimFiles::Key(kSettings + "Video.cfg")).tooLargeToRead = true;
  Start();
  ASSERT_EQ(Boxes().size(), 1u);
  EXPECT_NE(Boxes()[0].find("bad_alloc"), std::string::npos) << Boxes()[0];
  EXPECT_TRUE(ModeHotkeyWorks()) << "the program runs on";
  EXPECT_EQ(SettingsErrorOf(&TfrmConfigure::SaveAllSettings), "");
  desktop.state.files.at(SimFiles::Key(kSettings + "Video.cfg")).tooLargeToRead = false;
  EXPECT_EQ(Read("HotKeys.cfg"), "16465\r\n16392\r\n16576\r\n") << "not loaded, so not overwritten";
}

TEST_F(SettingsSafety, AnUnreadableSystemProcessListIsReported) {
  WriteSetting("Settings\\SysProcs.lst", "explorer.exe\r\n");
  desktop.HoldOpen(kSettings + "SysProcs.lst");
  Start();
  ASSERT_EQ(Boxes().size(), 1u);
  EXPECT_NE(Boxes()[0].find("SysProcs.lst"), std::string::npos);
  EXPECT_TRUE(ModeHotkeyWorks());
}

// Every state the files pass through while saving, each loaded by a program
// started afresh on it.
class KilledSave : public ProgramTest {
protected:
  std::vector<std::map<std::string, SimFile>> StatesOf(void (TfrmConfigure::*save)()) {
    desktop.state.recordFileHistory = true;
    (frm().*save)();
    desktop.state.recordFileHistory = false;
    return desktop.state.fileHistory;
  }
  template <typename Check>
  void LoadEach(const std::vector<std::map<std::string, SimFile>>& states, Check check) {
    for (std::size_t i = 0; i < states.size(); ++i) {
      SimDesktop d;
      d.state.files = states[i];
      Application a(d.platform);
      check(*a.frmConfigure, i);
      EXPECT_TRUE(d.state.messageBoxes.empty()) << "state " << i << ": " << d.state.messageBoxes[0].text;
    }
  }
};

namespace {
std::vector<std::string> Lists(const TBook& book) {
  std::vector<std::string> texts;
  for (int i = 0; i < book.Count(); ++i) texts.push_back(book.Items(i).FileText());
  return texts;
}
TWordsList Rule(const std::string& caption, std::vector<std::string> words) {
  TWordsList list;
  list.Caption = caption;
  list.Words = std::move(words);
  return list;
}
}  // namespace

TEST_F(KilledSave, ABookSaveCutShortLeavesTheOldBookOrTheNewOne) {
  Start();
  const std::string dir = kSettings + "Book\\";
  for (const auto& [from, to] : {std::pair{3, 2}, std::pair{2, 4}}) {
    frm().Book->Clear();
    for (int i = 0; i < from; ++i) frm().Book->Add(Rule("old" + std::to_string(i), {"o", std::to_string(i)}));
    frm().SaveBook();
    const std::vector<std::string> oldBook = Lists(*frm().Book);
    frm().Book->Clear();
    for (int i = 0; i < to; ++i) frm().Book->Add(Rule("new" + std::to_string(i), {"n"}));
    const std::vector<std::string> newBook = Lists(*frm().Book);
    desktop.state.fileHistory.clear();
    const auto states = StatesOf(&TfrmConfigure::SaveBook);
    ASSERT_GT(states.size(), 4u);
    int sawOld = 0, sawNew = 0;
    LoadEach(states, [&](TfrmConfigure& f, std::size_t i) {
      const auto loaded = Lists(*f.Book);
      EXPECT_TRUE(loaded == oldBook || loaded == newBook) << from << " to " << to << ", state " << i;
      sawOld += loaded == oldBook;
      sawNew += loaded == newBook;
    });
    EXPECT_GT(sawOld, 0);
    EXPECT_GT(sawNew, 0);
    std::vector<std::string> names = desktop.files.FindFiles(dir + "*");
    std::sort(names.begin(), names.end());
    std::vector<std::string> expected{"File"};
    for (int i = 0; i < to; ++i) expected.push_back("File." + std::to_string(i));
    EXPECT_EQ(names, expected) << "nothing pending is left";
  }
}

TEST_F(KilledSave, AMainCfgSaveCutShortLeavesTheOldFileOrTheNewOne) {
  WriteSetting("Settings\\Main.cfg", "; kept\r\n[Common]\r\nrbNormal=1\r\n[Other]\r\nx=1\r\n");
  Start();
  frm().rbDisable.Click();
  frm().rbAny.Click();
  const auto states = StatesOf(&TfrmConfigure::SaveAllSettings);
  ASSERT_FALSE(states.empty());
  int sawOld = 0, sawNew = 0;
  LoadEach(states, [&](TfrmConfigure& f, std::size_t i) {
    const bool oldValues = f.rbNormal.Checked() && f.rbFirst.Checked();
    const bool newValues = f.rbDisable.Checked() && f.rbAny.Checked();
    EXPECT_TRUE(oldValues || newValues) << "state " << i;
    sawOld += oldValues;
    sawNew += newValues;
  });
  EXPECT_GT(sawOld, 0);
  EXPECT_GT(sawNew, 0);
  const std::string saved = desktop.ReadFile(kSettings + "Main.cfg");
  EXPECT_EQ(saved.find("; kept\r\n[Common]\r\nrbNormal=0\r\n"), 0u) << "the rest of the file stays: " << saved;
  EXPECT_NE(saved.find("[Other]\r\nx=1\r\n"), std::string::npos);
  EXPECT_TRUE(desktop.files.FindFiles(kSettings + "*.tmp").empty());
}

}  // namespace hd::test
