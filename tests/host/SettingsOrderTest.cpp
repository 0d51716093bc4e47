// Where the words lists stand in the load and save order: after the list
// files, before the sound, display and hotkey files.
#include <gtest/gtest.h>
#include "ProgramFixture.h"
#include "words/TWordsListUnit.h"

namespace hd::test {

class SettingsOrder : public ProgramTest {
protected:
  std::string Dir() { return std::string(kExeDir) + "Settings\\"; }
};

TEST_F(SettingsOrder, TheBookIsLoadedBeforeASoundFileThatFails) {
  WriteSetting("Settings\\Book\\File", "1\r\n");
  WriteSetting("Settings\\Book\\File.0", "Games\r\n-1\r\n0\r\nsolitaire\r\n");
  WriteSetting("Settings\\Sound.cfg", "maybe\r\n");
  Start();
  ASSERT_FALSE(desktop.state.messageBoxes.empty()) << "the sound file failed";
  ASSERT_EQ(frm().Book->Count(), 1);
}

TEST_F(SettingsOrder, TheBookIsSavedBeforeASoundFileThatFails) {
  Start();
  TWordsList list;
  list.Caption = "Games";
  list.Words = {"solitaire"};
  frm().Book->Add(list);
  desktop.MakeDirectories(Dir() + "Sound.cfg");  // a folder stands where the file goes
  EXPECT_NE(SettingsErrorOf(&TfrmConfigure::SaveAllSettings), "");
  EXPECT_TRUE(desktop.files.FileExists(Dir() + "Book\\File.0"));
  EXPECT_FALSE(desktop.files.FileExists(Dir() + "HotKeys.cfg")) << "the save stopped at the sound file";
}

TEST_F(SettingsOrder, AFailingSoundFileStopsTheLoadBeforeTheVideoFileAndAFailingBookDoesNot) {
  WriteSetting("Settings\\SerAppList.lst", "C:\\serious.exe\r\n");
  WriteSetting("Settings\\Book\\File", "x\r\n");
  WriteSetting("Settings\\Sound.cfg", "-1\r\n0\r\nloud\r\n");
  WriteSetting("Settings\\Video.cfg", "-1\r\n800\r\n600\r\n16\r\n60\r\n");
  Start();
  EXPECT_EQ(frm().lbSerFiles.Items(), std::vector<std::string>{"C:\\serious.exe"}) << "the list files came first";
  EXPECT_FALSE(frm().lbWords.Enabled()) << "the book is kept as it is";
  EXPECT_TRUE(frm().cbSound.Checked()) << "the load went on after the book, up to the failing line";
  EXPECT_FALSE(frm().cbVideo.Checked()) << "the video file comes after the sound file";
  ASSERT_EQ(desktop.state.messageBoxes.size(), 1u);
  EXPECT_EQ(desktop.state.messageBoxes[0].text,
            "Settings\\Book\\File: 'x' is not a valid integer value\r\n"
            "Settings\\Sound.cfg: 'loud' is not a valid floating point value");
}

}  // namespace hd::test
