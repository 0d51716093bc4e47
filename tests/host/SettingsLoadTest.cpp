// Loading the settings: defaults, value forms, partial failures and Cancel-style reloads.
#include <gtest/gtest.h>
#include "ProgramFixture.h"
#include "settings/SettingsError.h"

namespace hd::test {

class SettingsLoad : public ProgramTest {
protected:
  std::vector<std::string> ErrorBoxes() {
    std::vector<std::string> texts;
    for (const auto& box : desktop.state.messageBoxes) texts.push_back(box.text);
    return texts;
  }
  // The error text of a reload, or "" when it succeeds.
  std::string Reload() { return SettingsErrorOf(&TfrmConfigure::LoadAllSettings); }
};

TEST_F(SettingsLoad, WithoutSettingsDirectoryEverythingIsDefault) {
  Start();
  TfrmConfigure& f = frm();
  for (const Control* on : std::initializer_list<const Control*>{&f.rbNormal, &f.cbCaptions, &f.cbApps,
       &f.cbSwitchToSer, &f.cbHideNew, &f.cbSw2Stealth, &f.cbTermHD, &f.rbCloseHidden, &f.rbFirst, &f.rbDisable2}) {
    const bool checked = on->Kind() == ControlKind::CheckBox ? static_cast<const CheckBox*>(on)->Checked()
                                                             : static_cast<const RadioButton*>(on)->Checked();
    EXPECT_TRUE(checked) << on->Name();
  }
  EXPECT_FALSE(f.rbBackground.Checked() || f.rbDisable.Checked() || f.rbEnable.Checked() || f.cbHideTray.Checked() ||
               f.cbSound.Checked() || f.cbSoundMute.Checked() || f.cbVideo.Checked());
  EXPECT_EQ(f.tbSound.Position(), 70);
  EXPECT_EQ(f.labGraphMode.Caption(), "");
  EXPECT_EQ(f.Pwd, "");
  EXPECT_TRUE(f.lbHideFiles.Items().empty() && f.lbSerFiles.Items().empty());
  EXPECT_FALSE(f.tbSound.Enabled() || f.cbSoundMute.Enabled() || f.butGraphSelect.Enabled() || f.butSetPass.Enabled());
  EXPECT_TRUE(f.rbCloseHidden.Enabled());
  EXPECT_TRUE(ErrorBoxes().empty());
}

TEST_F(SettingsLoad, MainCfgFlagsAcceptIntegerFormsAndIgnoreTheRest) {
  struct Case { const char* value; bool offDefaultBecomes, onDefaultBecomes; };
  const Case cases[] = {{"2", true, true},   {"-1", true, true},  {"0x1", true, true}, {"0X1", true, true},
                        {"$10", true, true}, {"0", false, false}, {"yes", false, true}, {"", false, true},
                        {"1.0", false, true}};
  for (const Case& c : cases) {
    SimDesktop d;
    d.WriteFile(std::string(kExeDir) + "Settings\\Main.cfg",
                std::string("[Hide_mode]\r\ncbHideTray=") + c.value + "\r\ncbCaptions=" + c.value + "\r\n");
    Application a(d.platform);
    EXPECT_EQ(a.frmConfigure->cbHideTray.Checked(), c.offDefaultBecomes) << c.value;
    EXPECT_EQ(a.frmConfigure->cbCaptions.Checked(), c.onDefaultBecomes) << c.value;
    EXPECT_TRUE(d.state.messageBoxes.empty()) << "Main.cfg never reports";
  }
}

TEST_F(SettingsLoad, StartUpGroupAndOppositeChoices) {
  WriteSetting("Settings\\Main.cfg",
               "[Common]\r\nrbNormal=0\r\nrbBackground=0\r\nrbDisable=0\r\nrbEnable=1\r\nPwd=abc\r\n"
               "[Hide_mode]\r\ncbTermHD=0\r\nrbCloseHidden=0\r\n[Switch]\r\nrbFirst=0\r\n");
  Start();
  EXPECT_FALSE(frm().rbNormal.Checked() || frm().rbBackground.Checked() || frm().rbDisable.Checked());
  EXPECT_TRUE(frm().rbEnable.Checked());
  EXPECT_FALSE(frm().rbDisable2.Checked());
  EXPECT_TRUE(frm().butSetPass.Enabled()) << "the password button follows rbEnable after loading";
  EXPECT_EQ(frm().Pwd, "abc");
  EXPECT_TRUE(frm().rbShowHidden.Checked());
  EXPECT_FALSE(frm().rbCloseHidden.Enabled()) << "the exit action follows cbTermHD after loading";
  EXPECT_TRUE(frm().rbAny.Checked());

  WriteSetting("Settings\\Main.cfg", "[Common]\r\nrbNormal=1\r\nrbBackground=1\r\n");
  EXPECT_EQ(Reload(), "");
  EXPECT_TRUE(frm().rbBackground.Checked()) << "a later start-up key read as on wins";
  EXPECT_FALSE(frm().rbNormal.Checked());
}

TEST_F(SettingsLoad, CancelReloadsStoredValuesAndKeepsEditsOfMissingOnes) {
  WriteSetting("Settings\\Main.cfg", "[Hide_mode]\r\ncbApps=1\r\n");
  WriteSetting("Settings\\HideAppList.lst", "C:\\a.exe\r\n");
  Start();
  TfrmConfigure& f = frm();
  f.cbApps.SetChecked(false);
  f.cbHideTray.SetChecked(true);  // its key is missing: the edit stays
  f.Pwd = "typed";                // "Pwd" missing: empties
  f.lbHideFiles.Add("C:\\b.exe");
  f.lbSerFiles.Add("C:\\s.exe");  // no SerAppList.lst: empties
  f.cbSound.SetChecked(true);     // no Sound.cfg, Video.cfg, HotKeys.cfg: edits stay
  f.tbSound.SetPosition(10);
  f.cbVideo.SetChecked(true);
  f.hkMode.SetValue(1234);
  EXPECT_EQ(Reload(), "");
  EXPECT_TRUE(f.cbApps.Checked());
  EXPECT_TRUE(f.cbHideTray.Checked());
  EXPECT_EQ(f.Pwd, "");
  EXPECT_EQ(f.lbHideFiles.Items(), std::vector<std::string>{"C:\\a.exe"});
  EXPECT_TRUE(f.lbSerFiles.Items().empty());
  EXPECT_TRUE(f.cbSound.Checked());
  EXPECT_EQ(f.tbSound.Position(), 10);
  EXPECT_TRUE(f.cbVideo.Checked());
  EXPECT_EQ(f.hkMode.Value(), 1234);
}

TEST_F(SettingsLoad, SoundFlagsAndVolumeWithTheLocaleSeparator) {
  Start();
  struct Case { const char* flag; bool on; };
  for (const Case& c : {Case{"1", true}, Case{"-1", true}, Case{"TRUE", true}, Case{"tRuE", true},
                        Case{"0", false}, Case{"False", false}}) {
    WriteSetting("Settings\\Sound.cfg", std::string(c.flag) + "\r\n" + c.flag + "\r\n255\r\n");
    EXPECT_EQ(Reload(), "") << c.flag;
    EXPECT_EQ(frm().cbSound.Checked(), c.on) << c.flag;
    EXPECT_EQ(frm().cbSoundMute.Checked(), c.on) << c.flag;
    EXPECT_EQ(frm().tbSound.Enabled(), c.on) << "the sound controls follow cbSound after loading";
    EXPECT_EQ(frm().tbSound.Position(), 100);
  }
  WriteSetting("Settings\\Sound.cfg", "0\r\n0\r\n2.55\r\n");
  EXPECT_EQ(Reload(), "");
  EXPECT_EQ(frm().tbSound.Position(), 1);
  WriteSetting("Settings\\Sound.cfg", "-1\r\n0\r\n178,5\r\n");
  desktop.state.decimalSeparator = ',';
  EXPECT_EQ(Reload(), "");
  EXPECT_EQ(frm().tbSound.Position(), 70);
  WriteSetting("Settings\\Sound.cfg", "maybe\r\n0\r\n0\r\n");
  EXPECT_EQ(Reload(), "Settings\\Sound.cfg: 'maybe' is not a valid boolean value");
}

TEST_F(SettingsLoad, AFailingLineStopsTheLoadAndKeepsWhatCameBefore) {
  Start();
  WriteSetting("Settings\\SerAppList.lst", "C:\\serious.exe\r\n");
  WriteSetting("Settings\\Sound.cfg", "-1\r\n0\r\n178,5\r\n");  // written under a comma locale
  WriteSetting("Settings\\Video.cfg", "-1\r\n800\r\n600\r\n16\r\n60\r\n");
  WriteSetting("Settings\\HotKeys.cfg", "1\r\n2\r\n3\r\n");
  EXPECT_EQ(Reload(), "Settings\\Sound.cfg: '178,5' is not a valid floating point value");
  EXPECT_EQ(frm().lbSerFiles.Items(), std::vector<std::string>{"C:\\serious.exe"});
  EXPECT_TRUE(frm().cbSound.Checked()) << "line 1 was loaded before line 3 failed";
  EXPECT_TRUE(frm().tbSound.Enabled()) << "the rule follows the changed check box even after a failure";
  EXPECT_FALSE(frm().cbVideo.Checked()) << "later files are not read";
  EXPECT_EQ(frm().hkMode.Value(), 16576);

  WriteSetting("Settings\\Sound.cfg", "0\r\n0\r\n");
  EXPECT_EQ(Reload(), "Settings\\Sound.cfg: '' is not a valid floating point value") << "a missing line reads as empty";
}

TEST_F(SettingsLoad, VideoCfgNeedsExactlyFiveLines) {
  Start();
  WriteSetting("Settings\\Video.cfg", "-1\r\n1024\r\n768\r\n32\r\n60\r\n");
  EXPECT_EQ(Reload(), "");
  EXPECT_TRUE(frm().cbVideo.Checked());
  EXPECT_EQ(frm().SelectedGraphicMode, (GraphicMode{1024, 768, 32, 60}));
  EXPECT_EQ(frm().labGraphMode.Caption(), "1024x768 32bits 60Hz");
  EXPECT_TRUE(frm().butGraphSelect.Enabled() && frm().butGraphTest.Enabled());

  WriteSetting("Settings\\Video.cfg", "0\r\n640\r\n480\r\nbad\r\n60\r\n");
  EXPECT_EQ(Reload(), "") << "the mode lines are not converted when the flag is off";
  EXPECT_FALSE(frm().cbVideo.Checked());
  EXPECT_FALSE(frm().butGraphSelect.Enabled());
  EXPECT_EQ(frm().labGraphMode.Caption(), "1024x768 32bits 60Hz");

  frm().cbVideo.SetChecked(true);
  WriteSetting("Settings\\Video.cfg", "-1\r\n800\r\n600\r\n16\r\n60\r\n\r\n");  // a sixth, empty line
  EXPECT_EQ(Reload(), "");
  EXPECT_FALSE(frm().cbVideo.Checked());
  EXPECT_EQ(frm().SelectedGraphicMode, (GraphicMode{1024, 768, 32, 60}));

  frm().cbVideo.SetChecked(true);
  WriteSetting("Settings\\Video.cfg", "-1\r\n800\r\n");
  EXPECT_EQ(Reload(), "");
  EXPECT_FALSE(frm().cbVideo.Checked());

  WriteSetting("Settings\\Video.cfg", "1.0\r\n640\r\n480\r\ndeep\r\n75\r\n");
  EXPECT_EQ(Reload(), "Settings\\Video.cfg: 'deep' is not a valid integer value");
  EXPECT_TRUE(frm().cbVideo.Checked()) << "1.0 is a number, so on";
  EXPECT_EQ(frm().SelectedGraphicMode, (GraphicMode{640, 480, 32, 60})) << "the lines before the failing one load";
  EXPECT_EQ(frm().labGraphMode.Caption(), "1024x768 32bits 60Hz");

  WriteSetting("Settings\\Video.cfg", "-1\r\n-1\r\n$10\r\n16\r\n60\r\n");
  EXPECT_EQ(Reload(), "");
  EXPECT_EQ(SettingsErrorOf(&TfrmConfigure::SaveAllSettings), "");
  EXPECT_EQ(desktop.ReadFile(std::string(kExeDir) + "Settings\\Video.cfg"), "-1\r\n4294967295\r\n16\r\n16\r\n60\r\n");
  EXPECT_EQ(Reload(), "") << "what is saved loads back";
  EXPECT_EQ(frm().SelectedGraphicMode, (GraphicMode{4294967295u, 16, 16, 60}));
}

TEST_F(SettingsLoad, HotKeysCfgValues) {
  WriteSetting("Settings\\HotKeys.cfg", "0\r\n$4051\r\n16465\r\n");
  Start();
  EXPECT_EQ(frm().hkMode.Value(), 0) << "0 is no hotkey";
  EXPECT_EQ(frm().hkVisible.Value(), 0x4051);
  EXPECT_FALSE(ModeHotkeyWorks());

  WriteSetting("Settings\\HotKeys.cfg", "16576\r\n16392\r\n");
  EXPECT_EQ(Reload(), "Settings\\HotKeys.cfg: '' is not a valid integer value");
  EXPECT_EQ(frm().hkMode.Value(), 16576) << "lines before the failing one are loaded";
  EXPECT_EQ(frm().hkVisible.Value(), 16392);
}

TEST_F(SettingsLoad, ListFilesKeepEmptyLinesAndStopAtNul) {
  Start();
  const struct { std::string text; std::vector<std::string> entries; } cases[] = {
      {"a\r\n\r\nb\r\n", {"a", "", "b"}},
      {"x\ny\rz", {"x", "y", "z"}},
      {std::string("p\r\nq\0r\r\ns\r\n", 11), {"p", "q"}},
      {"", {}}};
  for (const auto& c : cases) {
    WriteSetting("Settings\\HideAppList.lst", c.text);
    EXPECT_EQ(Reload(), "");
    EXPECT_EQ(frm().lbHideFiles.Items(), c.entries);
  }
}

TEST_F(SettingsLoad, StartUpAfterAFailedLoadReportsAndStillRegistersTheHotkeys) {
  WriteSetting("Settings\\Main.cfg", "[Hide_mode]\r\ncbHideTray=1\r\n");
  WriteSetting("Settings\\Sound.cfg", "-1\r\nnot a flag\r\n70\r\n");
  WriteSetting("Settings\\HotKeys.cfg", "16465\r\n16392\r\n16576\r\n");
  Start();
  EXPECT_EQ(ErrorBoxes(), std::vector<std::string>{"Settings\\Sound.cfg: 'not a flag' is not a valid boolean value"});
  EXPECT_TRUE(frm().cbHideTray.Checked()) << "values loaded before the failure are in force";
  EXPECT_EQ(frm().hkMode.Value(), 16576) << "the rest keep their defaults";
  EXPECT_TRUE(ModeHotkeyWorks());
  EXPECT_FALSE(frm().FInvisible);
}

}  // namespace hd::test
