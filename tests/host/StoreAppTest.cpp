// Store apps, whose top-level frames all belong to the frame host: each is
// known by the app's own process, which owns a child window of its frame.
#include <gtest/gtest.h>
#include "HideFixture.h"
#include "hide/proc_misc.h"

namespace hd::test {

using Handles = std::vector<WindowHandle>;

class StoreAppTest : public HideTest {
protected:
  const std::string calculatorExe = "C:\\Program Files\\WindowsApps\\Calculator\\Calculator.exe";
  const std::string mailExe = "C:\\Program Files\\WindowsApps\\Mail\\HxOutlook.exe";
};

TEST_F(StoreAppTest, FramesMatchTheHideListByTheirAppsOwnFile) {
  const SimDesktop::StoreApp calculator = desktop.AddStoreApp(calculatorExe, "Calculator");
  const SimDesktop::StoreApp mail = desktop.AddStoreApp(mailExe, "Mail");
  const WindowHandle starting = desktop.AddStoreFrame("To Do");
  frm().lbHideFiles.SetItems({"c:\\program files\\windowsapps\\calculator\\CALCULATOR.EXE"});

  PressMode();
  EXPECT_EQ(frm().HiddenWindowList, (Handles{calculator.frame}));
  EXPECT_FALSE(Visible(calculator.frame)) << "the frame is what is hidden";
  EXPECT_EQ(frm().WorkingWindowList, (Handles{starting, mail.frame}));
  PressMode();
  EXPECT_TRUE(Visible(calculator.frame));

  // The frame host's own path stands only for frames without an app window.
  frm().lbHideFiles.SetItems({SimDesktop::kFrameHostPath});
  PressMode();
  EXPECT_EQ(frm().HiddenWindowList, (Handles{starting}));
  EXPECT_TRUE(Visible(calculator.frame) && Visible(mail.frame));
}

TEST_F(StoreAppTest, SeriousListAndSystemProcessesSeeTheApp) {
  const SimDesktop::StoreApp mail = desktop.AddStoreApp(mailExe, "Mail");
  const SimDesktop::StoreApp calculator = desktop.AddStoreApp(calculatorExe, "Calculator");
  desktop.WriteFile(mailExe, "MZ");
  frm().lbSerFiles.SetItems({mailExe});
  frm().SystemProcessList = {"Calculator.exe"};

  PressMode();
  EXPECT_EQ(frm().WorkingWindowList, (Handles{mail.frame})) << "not the frame host that draws both";
  EXPECT_EQ(desktop.state.foreground, mail.frame) << "the running serious app, not a new start";
  EXPECT_TRUE(desktop.state.processStarts.empty());
  EXPECT_TRUE(Visible(calculator.frame));
}

TEST_F(StoreAppTest, ClosingAHiddenFrameEndsItsAppNotTheFrameHost) {
  const SimDesktop::StoreApp calculator = desktop.AddStoreApp(calculatorExe, "Calculator");
  const SimDesktop::StoreApp mail = desktop.AddStoreApp(mailExe, "Mail");
  const ProcessId frameHost = ProcessOf(calculator.frame);
  frm().lbHideFiles.SetItems({calculatorExe});
  PressMode();
  ASSERT_EQ(frm().HiddenWindowList, (Handles{calculator.frame}));
  PressClose();
  EXPECT_FALSE(desktop.ProcessAlive(calculator.process));
  EXPECT_TRUE(desktop.ProcessAlive(frameHost));
  EXPECT_TRUE(Visible(mail.frame)) << "the other app's frame stays";
}

TEST_F(StoreAppTest, OnlyTheFrameHostsWindowsAreLookedIntoAndOnlyForAnotherProcess) {
  // An ordinary program with a child window of another process keeps its own file.
  const WindowHandle host = App("C:\\Tools\\Host.exe", "Host");
  desktop.AddWindow(desktop.AddProcess(calculatorExe), "", {.parent = host});
  EXPECT_EQ(GetWindowProcessFile(desktop.platform, host), "C:\\Tools\\Host.exe");

  // A child of the frame host's own comes before the app's window.
  const SimDesktop::StoreApp calculator = desktop.AddStoreApp(calculatorExe, "Calculator");
  EXPECT_EQ(GetWindowProcessFile(desktop.platform, calculator.frame), calculatorExe);
  EXPECT_EQ(GetWindowProcessFile(desktop.platform, desktop.AddStoreFrame("Starting")), SimDesktop::kFrameHostPath);
}

}  // namespace hd::test
