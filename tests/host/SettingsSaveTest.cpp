// Saving the settings: exact bytes, part-way failures, the Run value and the password's round trip.
#include <gtest/gtest.h>
#include <random>
#include "ProgramFixture.h"
#include "settings/SettingsError.h"
#include "words/TWordsListUnit.h"

namespace hd::test {

constexpr const char* kRunKey = "software\\microsoft\\windows\\currentversion\\run";

class SettingsSave : public ProgramTest {
protected:
  std::string Dir() { return std::string(kExeDir) + "Settings\\"; }
  bool Exists(const std::string& name) { return desktop.files.FileExists(Dir() + name); }
  std::string Read(const std::string& name) { return desktop.ReadFile(Dir() + name); }
  // The error text of a save, or "" when it succeeds.
  std::string Save() { return SettingsErrorOf(&TfrmConfigure::SaveAllSettings); }
  std::optional<std::string> RunValue(const char* root) {
    auto key = desktop.registry.keys.find(std::string(root) + "\\" + kRunKey);
    if (key == desktop.registry.keys.end() || !key->second.count("vhd")) return std::nullopt;
    return key->second.at("vhd");
  }
};

TEST_F(SettingsSave, FreshSaveWritesTheDefaultsExactly) {
  Start();
  EXPECT_EQ(Save(), "");
  EXPECT_EQ(Read("Main.cfg"),
            "[Common]\r\nrbNormal=1\r\nrbBackground=0\r\nrbDisable=0\r\nrbEnable=0\r\nPwd=\r\n"
            "[Hide_mode]\r\ncbHideTray=0\r\ncbCaptions=1\r\ncbApps=1\r\ncbSwitchToSer=1\r\ncbHideNew=1\r\n"
            "cbSw2Stealth=1\r\ncbTermHD=1\r\nrbCloseHidden=1\r\ncbRestoreAsWere=0\r\n[Switch]\r\nrbFirst=1\r\n"
            "[Triggers]\r\ncbCornerHide=0\r\nCorner=0\r\nCornerDelay=250\r\ncbAwayHide=0\r\nAwayMinutes=10\r\n"
            "[Audio_sessions]\r\ncbMuteHidden=0\r\n");
  EXPECT_EQ(Read("Sound.cfg"), "0\r\n0\r\n178.5\r\n");
  EXPECT_EQ(Read("HotKeys.cfg"), "16576\r\n16392\r\n16465\r\n");
  EXPECT_EQ(Read("HideAppList.lst"), "");
  EXPECT_EQ(Read("SerAppList.lst"), "");
  EXPECT_FALSE(Exists("Video.cfg"));
  EXPECT_TRUE(desktop.files.FindFiles(Dir() + "*.tmp").empty()) << "no temporary file is left behind";
  EXPECT_EQ(RunValue("hklm"), "\"" + std::string(SimDesktop::kProgramPath) + "\"");
}

TEST_F(SettingsSave, EditedSettingsComeBackAfterASaveAndReload) {
  Start();
  TfrmConfigure& f = frm();
  f.rbBackground.Click();
  f.cbTermHD.Click();
  f.rbShowHidden.Click();
  f.cbSound.Click();
  f.cbSoundMute.SetChecked(true);
  f.tbSound.SetPosition(33);
  f.cbMuteHidden.SetChecked(true);
  f.cbVideo.Click();
  f.SelectedGraphicMode = {800, 600, 16, 75};
  f.labGraphMode.SetCaption(FormatGraphicMode(f.SelectedGraphicMode));
  f.hkClose.SetValue(0);
  f.lbHideFiles.SetItems({"C:\\games\\a.exe", "", "C:\\games\\a.exe"});
  f.lbSerFiles.SetItems({"C:\\work\\sheet.exe"});
  EXPECT_EQ(Save(), "");
  EXPECT_EQ(Read("Video.cfg"), "-1\r\n800\r\n600\r\n16\r\n75\r\n");
  EXPECT_EQ(Read("Sound.cfg").substr(0, 8), "-1\r\n-1\r\n") << "a checked box is -1";
  EXPECT_EQ(RunValue("hklm"), "\"" + std::string(SimDesktop::kProgramPath) + "\" /hidden");

  SimDesktop& d = desktop;
  app.reset();
  d.state.mutexes.clear();
  Start();
  TfrmConfigure& g = frm();
  EXPECT_TRUE(g.rbBackground.Checked() && !g.rbNormal.Checked());
  EXPECT_FALSE(g.cbTermHD.Checked());
  EXPECT_FALSE(g.rbShowHidden.Enabled());
  EXPECT_TRUE(g.rbShowHidden.Checked());
  EXPECT_TRUE(g.cbSound.Checked() && g.cbSoundMute.Checked() && g.tbSound.Enabled());
  EXPECT_EQ(g.tbSound.Position(), 33);
  EXPECT_TRUE(g.cbMuteHidden.Checked());
  EXPECT_EQ(g.labGraphMode.Caption(), "800x600 16bits 75Hz");
  EXPECT_EQ(g.hkClose.Value(), 0);
  EXPECT_EQ(g.lbHideFiles.Items(), (std::vector<std::string>{"C:\\games\\a.exe", "", "C:\\games\\a.exe"}));
  EXPECT_EQ(g.lbSerFiles.Items(), std::vector<std::string>{"C:\\work\\sheet.exe"});
}

TEST_F(SettingsSave, TheWordsListsShownAreTheBooksAfterASave) {
  Start();
  TWordsList list;
  list.Caption = "Games";
  list.Words = {"poker"};
  frm().Book->Add(list);
  frm().lbWords.SetItems({"stale"});
  EXPECT_EQ(Save(), "");
  EXPECT_EQ(frm().lbWords.Items(), std::vector<std::string>{"Games"});
}

TEST_F(SettingsSave, VideoCfgIsKeptWhenNoModeWasChosenAndDisableForgetsThePassword) {
  WriteSetting("Settings\\Video.cfg", "0\r\n1\r\n2\r\n3\r\n");
  WriteSetting("Settings\\Main.cfg", "[Common]\r\nrbEnable=1\r\nPwd=secret\r\n");
  Start();
  frm().rbDisable2.Click();
  EXPECT_EQ(Save(), "");
  EXPECT_EQ(Read("Video.cfg"), "0\r\n1\r\n2\r\n3\r\n");
  EXPECT_NE(Read("Main.cfg").find("Pwd=\r\n"), std::string::npos);
  EXPECT_EQ(frm().Pwd, "");
}

TEST_F(SettingsSave, AFailingFileEndsTheSaveAndKeepsEarlierFiles) {
  Start();
  desktop.MakeDirectories(Dir() + "Sound.cfg");  // a folder stands where the file goes
  frm().lbHideFiles.Add("C:\\new.exe");
  frm().hkMode.SetValue(1);
  EXPECT_EQ(Save(), "Settings\\Sound.cfg: File access denied");
  EXPECT_EQ(Read("HideAppList.lst"), "C:\\new.exe\r\n");
  EXPECT_FALSE(Exists("HotKeys.cfg")) << "steps after the failure do not run";
  EXPECT_TRUE(desktop.files.FindFiles(Dir() + "*.tmp").empty());
}

TEST_F(SettingsSave, ADiskFullWriteLeavesTheOldFileWhole) {
  WriteSetting("Settings\\HotKeys.cfg", "16576\r\n16392\r\n16465\r\n");
  Start();
  frm().hkMode.SetValue(0x4041);
  frm().tbSound.SetPosition(100);
  desktop.state.failingWrites["c:\\program files\\hushdesk\\settings\\hotkeys.cfg"] = win::ERROR_DISK_FULL;
  EXPECT_EQ(Save(), "Settings\\HotKeys.cfg: Disk full");
  EXPECT_EQ(Read("Sound.cfg"), "0\r\n0\r\n255\r\n") << "earlier files keep their new content";
  EXPECT_EQ(Read("HotKeys.cfg"), "16576\r\n16392\r\n16465\r\n") << "never half written";
}

TEST_F(SettingsSave, ASettingsFolderThatIsAFileStopsAtMainCfgAndAListFileReportsItsPath) {
  Start();
  desktop.WriteFile(std::string(kExeDir) + "Settings", "not a folder");
  EXPECT_EQ(Save(), "Settings\\Main.cfg: I/O error 3");
  EXPECT_FALSE(RunValue("hklm")) << "the save ended at Main.cfg";
  desktop.files.DeleteFile(std::string(kExeDir) + "Settings");
  desktop.MakeDirectories(Dir() + "HideAppList.lst");
  EXPECT_EQ(Save(), "Cannot create file \"" + Dir() + "HideAppList.lst\". Access is denied.");
  EXPECT_TRUE(RunValue("hklm"));
}

TEST_F(SettingsSave, RunValueFallsBackToTheUserAndDisableRemovesBoth) {
  Start();
  desktop.registry.readOnlyRoots = {RegistryRoot::LocalMachine};
  EXPECT_EQ(Save(), "");
  EXPECT_FALSE(RunValue("hklm"));
  EXPECT_EQ(RunValue("hkcu"), "\"" + std::string(SimDesktop::kProgramPath) + "\"");
  EXPECT_TRUE(Exists("HotKeys.cfg")) << "the save went on";

  desktop.registry.readOnlyRoots.clear();
  EXPECT_EQ(Save(), "");
  EXPECT_TRUE(RunValue("hklm"));
  EXPECT_FALSE(RunValue("hkcu")) << "one start entry, not two";

  frm().rbDisable.Click();
  desktop.registry.keys["hkcu\\" + std::string(kRunKey)]["vhd"] = "stale";
  EXPECT_EQ(Save(), "");
  EXPECT_FALSE(RunValue("hklm"));
  EXPECT_FALSE(RunValue("hkcu"));

  desktop.registry.readOnlyRoots = {RegistryRoot::LocalMachine, RegistryRoot::CurrentUser};
  EXPECT_EQ(Save(), "") << "deleting never fails visibly";
  frm().rbNormal.Click();
  desktop.files.DeleteFile(Dir() + "HideAppList.lst");
  EXPECT_EQ(Save(), "Failed to create key Software\\Microsoft\\Windows\\CurrentVersion\\Run");
  EXPECT_NE(Read("Main.cfg").find("rbNormal=1"), std::string::npos);
  EXPECT_FALSE(Exists("HideAppList.lst"));
}

TEST_F(SettingsSave, AMachineRunValueThatCannotBeRemovedIsToldOnce) {
  Start();
  desktop.registry.readOnlyRoots = {RegistryRoot::LocalMachine};
  EXPECT_EQ(Save(), "");
  EXPECT_TRUE(desktop.state.messageBoxes.empty()) << "no machine value: nothing to tell";
  desktop.registry.keys["hklm\\" + std::string(kRunKey)]["vhd"] = "\"C:\\Old\\hushdesk.exe\"";
  EXPECT_EQ(Save(), "");
  EXPECT_EQ(RunValue("hkcu"), "\"" + std::string(SimDesktop::kProgramPath) + "\"");
  ASSERT_EQ(desktop.state.messageBoxes.size(), 1u);
  EXPECT_EQ(desktop.state.messageBoxes[0].text,
            "\r\nHushdesk still starts with Windows from the value \"vhd\" under HKEY_LOCAL_MACHINE\\Software\\"
            "Microsoft\\Windows\\CurrentVersion\\Run, which this user may not remove. To remove it, start Hushdesk "
            "once as administrator and choose the start-up mode again.");
  frm().rbDisable.Click();
  EXPECT_EQ(Save(), "");
  EXPECT_EQ(desktop.state.messageBoxes.size(), 1u) << "once a run";

  desktop.registry.readOnlyRoots.clear();
  frm().rbBackground.Click();
  EXPECT_EQ(Save(), "");
  EXPECT_TRUE(RunValue("hklm"));
  desktop.registry.readOnlyRoots = {RegistryRoot::LocalMachine};
  EXPECT_EQ(Save(), "");
  EXPECT_FALSE(RunValue("hklm").value_or("").empty()) << "a value this user may not remove stays";
}

TEST_F(SettingsSave, EveryPasswordComesBackExactly) {
  WriteSetting("Settings\\Main.cfg", "[Common]\r\nrbEnable=1\r\nPwd=Q\x05z!\r\n");
  Start();
  EXPECT_EQ(frm().Pwd, "Q\x05z!") << "a plain value of an older file loads unchanged";

  std::vector<std::string> passwords = {"", "hex-pwd:", "hex-pwd:41", " a", "a ", "\"q\"", "'", "a\r\nb",
                                        std::string("\0\0\0\0\0\0\0\0", 8), "\t\x7f\x80\xa0\xff"};
  for (int c = 0; c < 256; ++c) passwords.push_back(std::string(1, static_cast<char>(c)));
  std::mt19937 random(7);
  for (int i = 0; i < 300; ++i) {
    std::string pwd(1 + i % 8, ' ');
    for (char& c : pwd) c = static_cast<char>(random() % 256);
    passwords.push_back(pwd);
  }
  for (const std::string& pwd : passwords) {
    frm().rbEnable.SetChecked(true);
    frm().Pwd = pwd;
    ASSERT_EQ(Save(), "");
    frm().Pwd = "changed";
    frm().LoadAllSettings();
    ASSERT_EQ(frm().Pwd, pwd) << "password of " << pwd.size() << " bytes, first " << int(unsigned(pwd[0]));
  }
}

TEST_F(SettingsSave, EnablingRulesFollowClicks) {
  Start();
  frm().cbSound.Click();
  EXPECT_TRUE(frm().cbSoundMute.Enabled() && frm().tbSound.Enabled() && frm().butSoundTest.Enabled());
  frm().cbVideo.Click();
  EXPECT_TRUE(frm().butGraphSelect.Enabled() && frm().butGraphTest.Enabled());
  frm().cbTermHD.Click();
  EXPECT_FALSE(frm().rbCloseHidden.Enabled() || frm().rbShowHidden.Enabled());
  EXPECT_TRUE(frm().rbCloseHidden.Checked()) << "a disabled control keeps its value";
  frm().rbEnable.Click();
  EXPECT_TRUE(frm().butSetPass.Enabled());
  frm().rbDisable2.Click();
  EXPECT_FALSE(frm().butSetPass.Enabled());
}

}  // namespace hd::test
