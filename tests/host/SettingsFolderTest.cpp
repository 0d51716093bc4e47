// The settings' folder: beside the exe when it can be written, else the
// user's application data, with the first OK after the switch copying them.
#include <gtest/gtest.h>
#include "HideFixture.h"
#include "recovery/RecoveryRecord.h"
#include "shell/frmAboutUnit.h"

namespace hd::test {

namespace {
constexpr const char* kBeside = "C:\\Program Files\\Hushdesk\\Settings\\";
constexpr const char* kUser = "C:\\Documents and Settings\\User\\Application Data\\Hushdesk\\Settings\\";
}  // namespace

class SettingsFolderTest : public HideTest {
protected:
  void SetUp() override {}  // each test starts the program once it has set up the folder
  void Restart() {
    PressClose();
    app.reset();
    Start();
  }
  void ReadOnlyExeFolder() { desktop.MakeReadOnly("C:\\Program Files\\Hushdesk"); }
  void Ok() { frm().butOk.Click(); }
  std::string AboutFolder() {
    RightClickTray(kAbout);
    const std::string folder = app->frmAbout->labSettings.Caption();
    app->frmAbout->butOk.Click();
    return folder;
  }
};

TEST_F(SettingsFolderTest, BesideTheExeWhenItCanBeWrittenElseInTheUsersApplicationData) {
  Start();
  EXPECT_EQ(AboutFolder(), kBeside);
  frm().lbHideFiles.Add("C:\\a.exe");
  Ok();
  EXPECT_TRUE(desktop.files.FileExists(std::string(kBeside) + "HideAppList.lst"));
  EXPECT_FALSE(desktop.files.DirectoryExists(kUser));
  EXPECT_TRUE(desktop.files.FindFiles(std::string(kBeside) + "*.tmp").empty()) << "the probe is removed";

}

TEST_F(SettingsFolderTest, AnExeFolderThatCannotBeWrittenKeepsThemInTheUsersApplicationData) {
  ReadOnlyExeFolder();
  Start();
  EXPECT_EQ(AboutFolder(), kUser);
  frm().lbHideFiles.Add("C:\\a.exe");
  Ok();
  EXPECT_TRUE(Boxes().empty()) << "nothing to copy, nothing to tell";
  EXPECT_EQ(desktop.ReadFile(std::string(kUser) + "HideAppList.lst"), "C:\\a.exe\r\n");
  Restart();
  EXPECT_EQ(frm().lbHideFiles.Items(), std::vector<std::string>{"C:\\a.exe"});
}

TEST_F(SettingsFolderTest, TheFirstOkAfterTheSwitchTellsAndCopiesAndTheExeFolderStaysAsItWas) {
  WriteSetting("Settings\\HideAppList.lst", "C:\\beside.exe\r\n");
  WriteSetting("Settings\\Book\\Notes.txt", "a user's own file");
  ReadOnlyExeFolder();
  Start();
  EXPECT_EQ(frm().lbHideFiles.Items(), std::vector<std::string>{"C:\\beside.exe"}) << "read from beside the exe";
  EXPECT_EQ(AboutFolder(), kBeside);
  EXPECT_TRUE(Boxes().empty()) << "nothing is told before the first OK";

  frm().lbSerFiles.Add("C:\\work.exe");
  Ok();
  ASSERT_EQ(Boxes().size(), 1u);
  EXPECT_EQ(Boxes()[0], std::string("\r\nThe folder \"") + kBeside + "\" cannot be written. The settings were copied to \"" +
                              kUser + "\" and are kept there from now on.");
  EXPECT_EQ(desktop.ReadFile(std::string(kUser) + "HideAppList.lst"), "C:\\beside.exe\r\n");
  EXPECT_EQ(desktop.ReadFile(std::string(kUser) + "SerAppList.lst"), "C:\\work.exe\r\n");
  EXPECT_EQ(desktop.ReadFile(std::string(kUser) + "Book\\Notes.txt"), "a user's own file");
  EXPECT_FALSE(desktop.files.FileExists(std::string(kUser) + "SysProcs.lst")) << "read from beside the exe";
  EXPECT_EQ(desktop.ReadFile(std::string(kBeside) + "HideAppList.lst"), "C:\\beside.exe\r\n");
  EXPECT_FALSE(desktop.files.FileExists(std::string(kBeside) + "SerAppList.lst"));
  EXPECT_EQ(AboutFolder(), kUser);

  // A failure after the switch names the file where it is now.
  desktop.files.DeleteFile(std::string(kUser) + "HotKeys.cfg");
  desktop.MakeDirectories(std::string(kUser) + "HotKeys.cfg");
  Ok();
  ASSERT_EQ(Boxes().size(), 2u);
  EXPECT_NE(Boxes()[1].find(std::string(kUser) + "HotKeys.cfg: "), std::string::npos) << Boxes()[1];
  desktop.state.files.erase(SimFiles::Key(std::string(kUser) + "HotKeys.cfg"));

  frm().lbHideFiles.Add("C:\\later.exe");
  Ok();
  EXPECT_EQ(Boxes().size(), 2u) << "the switch is told once";
  Restart();
  EXPECT_EQ(AboutFolder(), kUser);
  EXPECT_EQ(frm().lbHideFiles.Items(), (std::vector<std::string>{"C:\\beside.exe", "C:\\later.exe"}));
  EXPECT_EQ(Boxes().size(), 2u);
}

TEST_F(SettingsFolderTest, TheRecoveryRecordFollowsTheFolder) {
  ReadOnlyExeFolder();
  Start();
  HideCaptionsWith({"game"});
  const WindowHandle game = App("C:\\Games\\Cards.exe", "game of cards");
  PressMode();
  ASSERT_FALSE(Visible(game));
  const std::string record = std::string(kUser) + "Recovery.dat";
  ASSERT_TRUE(desktop.files.FileExists(record));
  EXPECT_EQ(ParseRecoveryRecord(desktop.ReadFile(record))->windows.size(), 1u);
  // Killed in HIDE mode: the next start finds the record there.
  auto killed = std::move(app);
  desktop.state.hotkeys.clear();
  desktop.state.crashHandler = nullptr;
  Start();
  EXPECT_TRUE(Visible(game));
  EXPECT_FALSE(desktop.files.FileExists(record));
}

}  // namespace hd::test
