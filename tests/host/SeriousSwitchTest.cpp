// The serious application HIDE mode ends on: a running one, a new start, or any window.
#include <gtest/gtest.h>
#include "HideFixture.h"

namespace hd::test {

class SeriousTest : public HideTest {
protected:
  const std::string sheetExe = "C:\\Apps\\Sheet.exe";
  const std::string wordsExe = "C:\\Apps\\Words.exe";
  void SetUp() override {
    HideTest::SetUp();
    desktop.WriteFile(sheetExe, "MZ");
    desktop.WriteFile(wordsExe, "MZ");
    frm().lbSerFiles.SetItems({sheetExe, wordsExe});
  }
  WindowHandle Foreground() { return desktop.state.foreground; }
  const std::vector<ProcessStart>& Starts() { return desktop.state.processStarts; }
  bool ActivationPosted(WindowHandle window) {
    bool activate = false, activateApp = false;
    for (const PostedMessage& m : desktop.state.queue) {
      if (m.window != window || m.wParam != 1 || m.lParam != 0) continue;
      activate = activate || m.message == win::WM_ACTIVATE;
      activateApp = activateApp || m.message == win::WM_ACTIVATEAPP;
    }
    return activate && activateApp;
  }
};

TEST_F(SeriousTest, TheTopmostRunningSeriousWindowIsActivatedNotStarted) {
  const WindowHandle words = App(wordsExe, "Letter");
  desktop.Window(words).iconic = true;
  const WindowHandle sheet = App("c:\\apps\\SHEET.EXE", "Budget");
  App("C:\\Tools\\Editor.exe", "Editor");  // topmost, not serious
  frm().cbSw2Stealth.SetChecked(false);     // the walk alone decides what is seen
  desktop.state.queue.clear();
  frm().EnterHideMode();
  EXPECT_EQ(Foreground(), sheet) << "Z order wins over the list's order";
  EXPECT_TRUE(ActivationPosted(sheet));
  EXPECT_FALSE(Iconic(sheet));
  EXPECT_TRUE(Starts().empty());
  EXPECT_TRUE(Iconic(words)) << "only one window is activated";
}

TEST_F(SeriousTest, AHiddenSeriousApplicationGetsANewStartByItsQuotedPathInItsOwnDirectory) {
  HideCaptionsWith({"budget"});
  App(sheetExe, "Budget");
  App("C:\\Tools\\Editor.exe", "Editor");
  PressMode();
  ASSERT_EQ(Starts().size(), 1u);
  const ProcessStart& start = Starts().front();
  EXPECT_EQ(start.application, sheetExe);
  EXPECT_EQ(start.commandLine, "\"C:\\Apps\\Sheet.exe\"") << "no parameters, and the program's path quoted";
  EXPECT_EQ(start.directory, "C:\\Apps\\");
  EXPECT_EQ(start.showCommand, win::SW_SHOW);
  EXPECT_TRUE(desktop.state.shellExecutes.empty());
}

TEST_F(SeriousTest, AFileThatIsNoProgramGoesToTheShellByItsFullPath) {
  const std::string budget = "C:\\My Documents\\Budget.xls";
  desktop.WriteFile(budget, "sheet");
  desktop.state.files[SimFiles::Key("Sheet.exe")] = SimFile{"Sheet.exe", "MZ"};  // in the current folder
  frm().lbSerFiles.SetItems({"Sheet.exe", budget, sheetExe});
  PressMode();
  EXPECT_TRUE(Starts().empty());
  ASSERT_EQ(desktop.state.shellExecutes.size(), 1u) << "a bare name is passed over";
  const ShellExecuteCall& start = desktop.state.shellExecutes.front();
  EXPECT_EQ(start.owner, frm().Handle());
  EXPECT_EQ(start.verb, "");
  EXPECT_EQ(start.file, budget);
  EXPECT_EQ(start.parameters, "");
  EXPECT_EQ(start.directory, "C:\\My Documents\\");
  EXPECT_EQ(start.showCommand, win::SW_SHOW);
}

TEST_F(SeriousTest, AnyOtherWindowIsTheTopmostWorkingOneOrElseAStart) {
  frm().rbAny.Click();
  const WindowHandle lower = App("C:\\Tools\\Editor.exe", "Editor");
  const WindowHandle upper = App("C:\\Tools\\Mail.exe", "Inbox");
  PressMode();
  EXPECT_EQ(Foreground(), upper);
  EXPECT_NE(Foreground(), lower);
  EXPECT_TRUE(Starts().empty());
  PressMode();

  HideCaptionsWith({"editor", "inbox"});
  PressMode();
  ASSERT_TRUE(frm().WorkingWindowList.empty());
  ASSERT_EQ(Starts().size(), 1u) << "no working window: the first file starts";
  EXPECT_EQ(Starts().front().application, sheetExe);
}

TEST_F(SeriousTest, MissingFilesAreSkippedAndNoneMeansNothingHappens) {
  frm().lbSerFiles.SetItems({"C:\\Gone\\Old.exe", "C:\\Apps", wordsExe});
  desktop.MakeDirectories("C:\\Apps");
  PressMode();
  ASSERT_EQ(Starts().size(), 1u);
  EXPECT_EQ(Starts().front().application, wordsExe) << "a folder is no file to start";
  PressMode();

  frm().lbSerFiles.SetItems({"C:\\Gone\\Old.exe"});
  PressMode();
  PressMode();
  frm().lbSerFiles.Clear();
  PressMode();
  EXPECT_EQ(Starts().size(), 1u);
}

TEST_F(SeriousTest, TheProgramsOwnExecutableIsNeverSerious) {
  frm().lbSerFiles.SetItems({SimDesktop::kProgramPath, sheetExe});
  const WindowHandle second = App(SimDesktop::kProgramPath, "another copy");
  PressMode();
  EXPECT_NE(Foreground(), second);
  ASSERT_EQ(Starts().size(), 1u);
  EXPECT_EQ(Starts().front().application, sheetExe);
}

TEST_F(SeriousTest, LongPathsAreStartedWhole) {
  const std::string deep = "C:\\" + std::string(120, 'd') + "\\" + std::string(100, 'f') + ".exe";
  desktop.WriteFile(deep, "MZ");
  frm().lbSerFiles.SetItems({deep});
  PressMode();
  ASSERT_EQ(Starts().size(), 1u);
  EXPECT_EQ(Starts().front().application, deep);
  EXPECT_EQ(Starts().front().directory, deep.substr(0, 124));
}

}  // namespace hd::test
