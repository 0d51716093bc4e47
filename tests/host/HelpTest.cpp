// The help buttons and the tray menu's "Help" open the help file at their topics
// through HTML Help, and the program's end closes what they opened.
#include <gtest/gtest.h>
#include "ProgramFixture.h"
#include "access/frmPassUnit.h"
#include "hide/frmCurrentUnit.h"
#include "shell/HelpUnit.h"
#include "shell/frmAboutUnit.h"
#include "words/frmCheckCap.h"

namespace hd::test {

class HelpTest : public ProgramTest {
protected:
  const std::string helpFile = std::string(kExeDir) + "Help\\Help.chm";
  void InstallHelpFile() { desktop.WriteFile(helpFile, "ITSF"); }
  const std::vector<HtmlHelpCall>& Calls() const { return desktop.state.htmlHelpCalls; }
};

// Buttons are found by their caption, so that a window given a "Help" button
// later cannot go unchecked.
TEST_F(HelpTest, EveryHelpButtonOfEveryWindowOpensItsContext) {
  InstallHelpFile();
  Start();
  RightClickTray(kConfigure);
  const std::vector<std::pair<Form*, std::vector<unsigned>>> windows{
      {&frm(), {20, 40, 50, 100, 90, 60, 70}},  // one per page, in the pages' order
      {app->frmCurrent.get(), {120}},
      {app->frmCapEdit.get(), {130}},
      {app->frmAbout.get(), {}},
      {app->frmPassword.get(), {}},
  };
  for (const auto& [form, contexts] : windows) {
    SCOPED_TRACE(form->Caption());
    std::vector<Control*> helpButtons;
    for (Control* control : form->Controls())
      if (control->Kind() == ControlKind::Button && control->Caption() == "Help") helpButtons.push_back(control);
    ASSERT_EQ(helpButtons.size(), contexts.empty() ? 0u : 1u);
    const std::size_t before = Calls().size();
    if (form == &frm()) {
      for (int page = 0; page < static_cast<int>(frm().MainControl.Pages().size()); ++page) {
        frm().MainControl.SetActivePage(page);
        helpButtons[0]->Click();
      }
    } else if (!helpButtons.empty()) {
      helpButtons[0]->Click();
    }
    ASSERT_EQ(Calls().size() - before, contexts.size());
    for (std::size_t i = 0; i < contexts.size(); ++i) {
      const HtmlHelpCall& call = Calls()[before + i];
      EXPECT_EQ(call.command, win::HH_HELP_CONTEXT);
      EXPECT_EQ(call.data, contexts[i]);
      EXPECT_EQ(call.file, helpFile);
      EXPECT_EQ(call.owner, desktop.forms.ApplicationWindow());
    }
  }
  const std::size_t opened = Calls().size();
  ShowConfigurePageHelp(*app->Help, 7);
  ShowConfigurePageHelp(*app->Help, -1);
  EXPECT_EQ(Calls().size(), opened) << "no page shown: nothing";
}

TEST_F(HelpTest, TrayHelpShowsTheContentsWithoutAskingForThePassword) {
  InstallHelpFile();
  Start();
  frm().rbEnable.Click();
  frm().Pwd = ScramblePassword("pw");
  RightClickTray(kHelp);
  ASSERT_EQ(Calls().size(), 1u);
  EXPECT_EQ(Calls()[0].command, win::HH_DISPLAY_TOC);
  EXPECT_EQ(Calls()[0].file, helpFile);
  EXPECT_EQ(Calls()[0].data, 0u);
  EXPECT_TRUE(desktop.state.inputQueries.empty());
  EXPECT_EQ(desktop.state.helpWindows.size(), 1u);
}

TEST_F(HelpTest, WithoutTheHelpFileNothingOpensAndNothingIsSaid) {
  Start();
  RightClickTray(kHelp);
  RightClickTray(kConfigure);
  frm().butHelp.Click();
  app->frmCurrent->butHelp.Click();
  app->frmCapEdit->butHelp.Click();
  EXPECT_TRUE(Calls().empty());
  EXPECT_TRUE(desktop.state.messageBoxes.empty());
}

TEST_F(HelpTest, TheCurrentHelpFileOrAGivenOneIsChosenWhenItExists) {
  InstallHelpFile();
  desktop.WriteFile("C:\\Other\\Other.chm", "ITSF");
  Start();
  THtmlHelpViewer& help = *app->Help;
  EXPECT_EQ(help.ChooseHelpFile("C:\\Other\\Other.chm"), "C:\\Other\\Other.chm");
  EXPECT_EQ(help.ChooseHelpFile("C:\\Other\\Missing.chm"), std::nullopt);
  app->HelpFile = "C:\\Other\\Other.chm";
  EXPECT_EQ(help.ChooseHelpFile(""), "C:\\Other\\Other.chm");
  app->HelpFile.clear();
  EXPECT_EQ(help.ChooseHelpFile(""), helpFile) << "the application's help file beside the exe";
}

TEST_F(HelpTest, MissingLibraryWarnsOnceAndHelpDoesNothing) {
  InstallHelpFile();
  desktop.state.htmlHelpInstalled = false;
  Start();
  ASSERT_EQ(desktop.state.messageBoxes.size(), 1u);
  EXPECT_EQ(desktop.state.messageBoxes[0].caption, "Warning!");
  EXPECT_EQ(desktop.state.messageBoxes[0].text,
            "Unable to view HTML help (*.chm). Update windows help system. Get new \"HHCTRL.OCX\" library.");
  EXPECT_EQ(desktop.state.messageBoxes[0].type, win::MB_OK | win::MB_ICONWARNING);
  RightClickTray(kHelp);
  RightClickTray(kConfigure);
  frm().butHelp.Click();
  frm().butOk.Click();
  app.reset();
  EXPECT_EQ(desktop.state.messageBoxes.size(), 1u);
}

TEST_F(HelpTest, MissingExportMakesEveryRequestDoNothing) {
  InstallHelpFile();
  desktop.state.htmlHelpExport = false;
  Start();
  RightClickTray(kHelp);
  RightClickTray(kConfigure);
  frm().butHelp.Click();
  frm().butOk.Click();
  app.reset();
  EXPECT_TRUE(desktop.state.messageBoxes.empty()) << "the library itself loaded";
  EXPECT_FALSE(desktop.state.htmlHelpLoaded) << "and is freed at the end";
}

TEST_F(HelpTest, TheEndOfTheProgramClosesItsHelpWindowsThenFreesTheLibrary) {
  InstallHelpFile();
  Start();
  RightClickTray(kHelp);
  RightClickTray(kConfigure);
  frm().butHelp.Click();
  ASSERT_EQ(desktop.state.helpWindows.size(), 2u);
  const WindowHandle helpWindow = desktop.state.helpWindows[0];
  EXPECT_EQ(desktop.Window(helpWindow).className, "HH Parent");
  const std::uint64_t before = desktop.state.clockMs;
  PressClose();
  app.reset();
  EXPECT_TRUE(desktop.state.helpWindows.empty());
  EXPECT_EQ(desktop.state.windows.count(helpWindow), 0u);
  ASSERT_FALSE(Calls().empty());
  EXPECT_EQ(Calls().back().command, win::HH_CLOSE_ALL);
  EXPECT_EQ(Calls().back().owner, WindowHandle{0});
  EXPECT_EQ(Calls().back().file, "") << "no file";
  EXPECT_FALSE(desktop.state.htmlHelpLoaded);
  EXPECT_GE(desktop.state.clockMs - before, 100u) << "a pause before the library goes";
}

}  // namespace hd::test
