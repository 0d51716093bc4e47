// The access password as a user meets it: the prompt before "Configure..." and
// "About", the "Enable"/"Disable" choice and the "Change access password" dialog.
#include <gtest/gtest.h>
#include "ProgramFixture.h"
#include "access/frmPassUnit.h"
#include "shell/frmAboutUnit.h"

namespace hd::test {

class AccessPasswordTest : public ProgramTest {
protected:
  TfrmPassword& dialog() { return *app->frmPassword; }
  std::vector<std::string> Notices() const {
    std::vector<std::string> texts;
    for (const auto& box : desktop.state.messageBoxes) texts.push_back(box.text);
    return texts;
  }
  // Opens the configuration window, typing the password when one is asked.
  void OpenConfiguration(std::optional<std::string> typed = std::nullopt) {
    if (typed) desktop.state.inputAnswers.push_back(*typed);
    RightClickTray(kConfigure);
    ASSERT_TRUE(frm().Visible());
  }
  void TypeNewPassword(const std::string& first, const std::string& second) {
    dialog().edNew1.Typed(first);
    dialog().edNew2.Typed(second);
  }
  void Restart() {
    app.reset();
    Start();
  }
};

TEST(PasswordScramble, EachByteXorsTheKeyAtItsPositionModTwentySix) {
  EXPECT_EQ(ScramblePassword(""), "");
  const std::string text = "abcdefghijklmnopqrstuvwxyz0123";
  const std::string scrambled = ScramblePassword(text);
  ASSERT_EQ(scrambled.size(), text.size());
  for (std::size_t k = 0; k < text.size(); ++k)
    EXPECT_EQ(scrambled[k], static_cast<char>(text[k] ^ PasswordKey[k % 26])) << "position " << k;
  EXPECT_EQ(scrambled[26], static_cast<char>('0' ^ 'k')) << "position 26 pairs with the key's first byte again";
  EXPECT_EQ(ScramblePassword(scrambled), text);
  EXPECT_EQ(ScramblePassword("kq7R"), std::string(4, '\0')) << "a character equal to the key's gives a zero byte";
}

TEST_F(AccessPasswordTest, ProtectionOffOpensWithoutAPromptWhateverPwdHolds) {
  WriteSetting("Settings\\Main.cfg", "[Common]\r\nrbEnable=0\r\nPwd=abc\r\n");
  Start();
  RightClickTray(kConfigure);
  EXPECT_TRUE(frm().Visible());
  frm().butCancel.Click();
  RightClickTray(kAbout);
  EXPECT_TRUE(app->frmAbout->Visible());
  EXPECT_TRUE(desktop.state.inputQueries.empty());
}

TEST_F(AccessPasswordTest, PromptLetsOnlyTheRightPasswordInWithItsCase) {
  Start();
  frm().rbEnable.Click();
  frm().Pwd = ScramblePassword("Secret");
  desktop.state.inputAnswers = {"secret", "Secret9", std::nullopt};
  RightClickTray(kConfigure);
  RightClickTray(kAbout);
  RightClickTray(kConfigure);
  ASSERT_EQ(desktop.state.inputQueries.size(), 3u);
  const ShownInputQuery& prompt = desktop.state.inputQueries[0];
  EXPECT_EQ(prompt.caption, "Velmora Hushdesk access password");
  EXPECT_EQ(prompt.prompt, "Type password");
  EXPECT_EQ(prompt.initial, "");
  EXPECT_EQ(prompt.echo, InputEcho::Stars) << "the password is never shown on screen";
  ASSERT_EQ(Notices().size(), 2u) << "Cancel shows nothing";
  EXPECT_EQ(desktop.state.messageBoxes[0].text, "\r\nWrong password");
  EXPECT_EQ(desktop.state.messageBoxes[0].type, win::MB_OK | win::MB_ICONERROR);
  EXPECT_FALSE(frm().Visible());
  EXPECT_FALSE(app->frmAbout->Visible());
  EXPECT_TRUE(ModeHotkeyWorks()) << "a refused prompt leaves the hotkeys registered";

  desktop.state.inputAnswers = {"Secret"};
  RightClickTray(kAbout);
  EXPECT_TRUE(app->frmAbout->Visible());
}

TEST_F(AccessPasswordTest, ALongerAnswerNeverMatchesAnEightCharacterPassword) {
  Start();
  frm().rbEnable.Click();
  frm().Pwd = ScramblePassword("abcdefgh");
  desktop.state.inputAnswers = {"abcdefgh" + std::string(40, 'x')};
  RightClickTray(kConfigure);
  EXPECT_FALSE(frm().Visible());
  EXPECT_EQ(Notices(), std::vector<std::string>{"\r\nWrong password"});
}

TEST_F(AccessPasswordTest, EnableChosenWithTheKeyboardProtectsWithAnEmptyPassword) {
  Start();
  OpenConfiguration();
  frm().rbEnable.Click();  // no mouse-up
  EXPECT_FALSE(dialog().Visible()) << "only the mouse opens the dialog";
  EXPECT_TRUE(frm().butSetPass.Enabled());
  frm().butOk.Click();

  desktop.state.inputAnswers = {"x", ""};
  RightClickTray(kConfigure);
  EXPECT_FALSE(frm().Visible()) << "any other answer is wrong";
  RightClickTray(kConfigure);
  EXPECT_TRUE(frm().Visible()) << "the empty answer passes";
}

TEST_F(AccessPasswordTest, FirstPasswordIsSetTypedTwiceAndSavedAtOnce) {
  Start();
  OpenConfiguration();
  frm().cbHideTray.Click();  // an edit pending in the window
  ClickWithMouse(frm().rbEnable);
  ASSERT_TRUE(dialog().Visible());
  EXPECT_EQ(dialog().Caption(), "Change access password");
  EXPECT_EQ(dialog().Left(), (1024 - dialog().ClientWidth()) / 2) << "centred on the screen";
  EXPECT_FALSE(dialog().edOldPass.Enabled()) << "no old password to type";
  EXPECT_EQ(dialog().ActiveControl(), &dialog().edNew1);
  EXPECT_EQ(dialog().ImageKey.Icon(), frm().ImageKey.Icon());
  EXPECT_NE(dialog().ImageKey.Icon(), Handle{0});
  EXPECT_EQ(dialog().edNew1.PasswordChar, '*');

  TypeNewPassword("123456789", "12345678");
  EXPECT_EQ(dialog().edNew1.Text(), "12345678") << "the edits take no ninth character";
  dialog().botOk.Click();
  EXPECT_FALSE(dialog().Visible());
  EXPECT_EQ(Notices(), std::vector<std::string>{"\r\nRemember Hushdesk access password: 12345678"});
  EXPECT_EQ(desktop.state.messageBoxes[0].type, win::MB_OK | win::MB_ICONINFORMATION);
  EXPECT_TRUE(frm().rbEnable.Checked());
  EXPECT_FALSE(frm().rbDisable2.Checked());
  EXPECT_TRUE(frm().butSetPass.Enabled());
  EXPECT_EQ(frm().Pwd, ScramblePassword("12345678"));
  const std::string saved = desktop.ReadFile(std::string(kExeDir) + "Settings\\Main.cfg");
  EXPECT_NE(saved.find("rbEnable=1"), std::string::npos);
  EXPECT_NE(saved.find("cbHideTray=1"), std::string::npos) << "pending edits are saved with the password";
  EXPECT_TRUE(frm().Visible()) << "the configuration window stays open";
}

TEST_F(AccessPasswordTest, ChangingNeedsTheOldPasswordAndTwoEqualNewOnes) {
  Start();
  frm().rbEnable.Click();
  frm().Pwd = ScramblePassword("old");
  OpenConfiguration("old");
  frm().butSetPass.Click();
  ASSERT_TRUE(dialog().Visible());
  EXPECT_TRUE(dialog().edOldPass.Enabled());
  EXPECT_EQ(dialog().ActiveControl(), &dialog().edOldPass);

  dialog().edOldPass.Typed("OLD");
  TypeNewPassword("new", "new");
  dialog().botOk.Click();
  dialog().edOldPass.Typed("old");
  TypeNewPassword("new", "New");
  dialog().botOk.Click();
  TypeNewPassword("", "");
  dialog().botOk.Click();
  EXPECT_EQ(Notices(), (std::vector<std::string>{"\r\nWrong old pasword", "\r\nTyped passwords should be identical",
                                                 "\r\nTyped passwords should be identical"}));
  EXPECT_EQ(desktop.state.messageBoxes[0].type, win::MB_OK | win::MB_ICONERROR);
  EXPECT_EQ(desktop.state.messageBoxes[1].type, win::MB_OK | win::MB_ICONWARNING);
  EXPECT_TRUE(dialog().Visible()) << "the dialog stays open";
  EXPECT_EQ(dialog().edOldPass.Text(), "old") << "with its fields as they are";
  EXPECT_EQ(frm().Pwd, ScramblePassword("old"));

  TypeNewPassword("new", "new");
  dialog().botOk.Click();
  EXPECT_EQ(frm().Pwd, ScramblePassword("new"));
  frm().butSetPass.Click();
  EXPECT_EQ(dialog().edOldPass.Text(), "") << "each showing starts empty";
}

TEST_F(AccessPasswordTest, CancelOfTheDialogSwitchesProtectionOffOnlyWithoutAPassword) {
  Start();
  OpenConfiguration();
  ClickWithMouse(frm().rbEnable);
  dialog().butCancel.Click();
  EXPECT_FALSE(dialog().Visible());
  EXPECT_TRUE(frm().rbDisable2.Checked());
  EXPECT_FALSE(frm().butSetPass.Enabled());

  // Its close box is no Cancel: protection stays on, without a password.
  ClickWithMouse(frm().rbEnable);
  dialog().Close();
  EXPECT_TRUE(frm().rbEnable.Checked());

  frm().Pwd = ScramblePassword("kept");
  frm().butSetPass.Click();
  dialog().butCancel.Click();
  EXPECT_TRUE(frm().rbEnable.Checked()) << "a set password keeps protection on";
}

TEST_F(AccessPasswordTest, DisableThenCancelKeepsTheStoredPasswordAndOkForgetsIt) {
  Start();
  OpenConfiguration();
  ClickWithMouse(frm().rbEnable);
  TypeNewPassword("pw", "pw");
  dialog().botOk.Click();
  frm().butOk.Click();

  OpenConfiguration("pw");
  ClickWithMouse(frm().rbDisable2);
  EXPECT_EQ(frm().Pwd, "") << "forgotten at once, without asking";
  frm().butCancel.Click();
  EXPECT_EQ(frm().Pwd, ScramblePassword("pw"));
  EXPECT_TRUE(frm().rbEnable.Checked());

  OpenConfiguration("pw");
  frm().rbDisable2.Click();  // with the keyboard: the password stays in memory
  EXPECT_EQ(frm().Pwd, ScramblePassword("pw"));
  frm().butOk.Click();
  const std::size_t asked = desktop.state.inputQueries.size();
  OpenConfiguration();
  EXPECT_EQ(desktop.state.inputQueries.size(), asked) << "protection off: no prompt";
  EXPECT_EQ(frm().Pwd, "") << "a confirmed Disable forgets the password";
}

TEST_F(AccessPasswordTest, EveryPasswordUpToEightCharactersSurvivesTheDialogTheSaveAndARestart) {
  Start();
  OpenConfiguration();
  ClickWithMouse(frm().rbEnable);
  std::string previous;
  // Whole key prefixes scramble to zero bytes; blanks at either end; ANSI letters.
  for (const std::string password : {"kq7Rw2Lp", "k", " lead", "trail  ", "a=b;c", "\xC4\xD6\xFC\xDF\xE9", "[x]"}) {
    SCOPED_TRACE("password \"" + password + "\"");
    if (!previous.empty()) {
      OpenConfiguration(previous);
      frm().butSetPass.Click();
    }
    dialog().edOldPass.Typed(previous);
    TypeNewPassword(password, password);
    dialog().botOk.Click();
    ASSERT_FALSE(dialog().Visible());
    Restart();
    EXPECT_EQ(frm().Pwd, ScramblePassword(password));
    EXPECT_TRUE(frm().rbEnable.Checked());
    previous = password;
  }
}

}  // namespace hd::test
