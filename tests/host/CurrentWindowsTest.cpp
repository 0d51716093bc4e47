// The dialog of current windows and processes: which windows it lists, their
// icons, choosing one, and the configuration window taking the choice.
#include <gtest/gtest.h>
#include "ProgramFixture.h"
#include "hide/frmCurrentUnit.h"

namespace hd::test {

namespace {
using Items = std::vector<std::string>;

class CurrentWindows : public ProgramTest {
protected:
  void SetUp() override {
    WriteSetting("Settings\\SysProcs.lst", "EXPLORER.EXE\r\n");
    Start();
  }
  TfrmCurrent& dlg() { return *app->frmCurrent; }
  std::vector<std::string> Captions() {
    std::vector<std::string> captions;
    for (const ListItem& row : dlg().lstCurrent.Items()) captions.push_back(row.caption);
    return captions;
  }
  std::size_t IconCopies() { return desktop.state.imageLists.at(dlg().Icons.HostHandle()).size(); }
  // The user picks the row with this caption and presses OK.
  void ChooseInNextDialog(const std::string& caption) {
    desktop.InNextModal([this, caption](Form&) {
      const auto captions = Captions();
      const auto it = std::find(captions.begin(), captions.end(), caption);
      ASSERT_NE(it, captions.end()) << caption;
      dlg().lstCurrent.Select(static_cast<int>(it - captions.begin()));
      dlg().butOk.Click();
    });
  }
};
}  // namespace

TEST_F(CurrentWindows, ListsVisibleUnownedCaptionedWindowsOfOrdinaryProcessesInZOrder) {
  const ProcessId editor = desktop.AddProcess("C:\\Tools\\Editor.exe");
  desktop.AddWindow(editor, "First - Editor");
  desktop.AddWindow(editor, "", {});
  desktop.AddWindow(editor, "Invisible", {.visible = false});
  const WindowHandle second = desktop.AddWindow(editor, "Second - Editor");
  desktop.AddWindow(editor, "Find", {.owner = second});
  desktop.AddWindow(desktop.AddProcess("C:\\WINDOWS\\Explorer.exe"), "My Documents");
  dlg().ShowModal();

  EXPECT_EQ(Captions(), (Items{"Second - Editor", "First - Editor"})) << "topmost first; program's own left out";
  for (const ListItem& row : dlg().lstCurrent.Items())
    EXPECT_EQ(row.subItems, (Items{"Editor.exe", "C:\\Tools\\Editor.exe"})) << "two windows, one program";
  EXPECT_EQ(dlg().lstCurrent.Columns().size(), 2u);
  EXPECT_EQ(dlg().lstCurrent.Columns()[0].caption, "Windows caption");
  EXPECT_EQ(dlg().lstCurrent.Columns()[1].caption, "Process filename");

  dlg().lstCurrent.Select(0);
  EXPECT_EQ(dlg().labCaption.Caption(), "Second - Editor");
  EXPECT_EQ(dlg().labProcess.Caption(), "C:\\Tools\\Editor.exe") << "the group shows the full path";
  dlg().lstCurrent.Select(-1);
  EXPECT_EQ(dlg().GetSelectedCaption(), "");
  EXPECT_EQ(dlg().GetSelectedProcess(), "");
}

TEST_F(CurrentWindows, AnUnknownProcessStillGetsARowAndRefreshReadsTheDesktopAgain) {
  const WindowHandle secret = desktop.AddWindow(desktop.AddProcess("C:\\Secret\\x.exe"), "Secret");
  auto& process = desktop.state.processes[desktop.Window(secret).processId];
  process.modulesReadable = process.imagePathQueryable = false;
  desktop.InNextModal([&](Form&) {
    EXPECT_EQ(Captions(), (Items{"Secret"}));
    EXPECT_EQ(dlg().lstCurrent.Items()[0].subItems, (Items{"", ""}));
    desktop.AddWindow(desktop.AddProcess("C:\\Tools\\New.exe"), "New one");
    dlg().lstCurrent.Select(0);
    dlg().mList.Choose(0);  // "Refresh list"
    EXPECT_EQ(Captions(), (Items{"New one", "Secret"}));
    EXPECT_EQ(dlg().labCaption.Caption(), "") << "the refreshed list has no row chosen";
  });
  EXPECT_EQ(dlg().ShowModal(), mrCancel);
}

TEST_F(CurrentWindows, IconsComeFromTheClassThenTheWindowThenTheFileAndNoneLeaks) {
  desktop.AddWindow(desktop.AddProcess("C:\\A.exe"), "class", {.classIcon = 0x501, .smallIcon = 0x503});
  desktop.AddWindow(desktop.AddProcess("C:\\B.exe"), "small", {.smallIcon = 0x502});
  desktop.AddWindow(desktop.AddProcess("C:\\C.exe"), "file");
  const ProcessId bare = desktop.AddProcess("C:\\D.exe");
  desktop.state.processes[bare].exeHasIcon = false;
  desktop.AddWindow(bare, "none");
  dlg().ShowModal();
  std::vector<int> images;
  for (const ListItem& row : dlg().lstCurrent.Items()) images.push_back(row.imageIndex);
  EXPECT_EQ(images, (std::vector<int>{-1, 0, 1, 2})) << "none, file, small, class (topmost first)";
  const auto& copies = desktop.state.imageLists.at(dlg().Icons.HostHandle());
  ASSERT_EQ(copies.size(), 3u);
  EXPECT_TRUE(copies[0] != 0 && copies[0] != 0x501 && copies[0] != 0x502 && copies[0] != 0x503) << "the file's icon";
  EXPECT_EQ(copies[1], 0x502u) << "the window's small icon when the class has none";
  EXPECT_EQ(copies[2], 0x501u) << "the class icon first";

  for (int i = 0; i < 20; ++i) dlg().Refresh1Click();
  EXPECT_TRUE(desktop.state.extractedIcons.empty()) << "icons taken from files are freed once copied";
  EXPECT_EQ(IconCopies(), 3u) << "the copies of earlier refreshes are freed";
}

TEST_F(CurrentWindows, AStoreAppsRowNamesTheAppItselfNotTheFrameHost) {
  const std::string calculatorExe = "C:\\Program Files\\WindowsApps\\Calculator\\Calculator.exe";
  desktop.AddStoreApp(calculatorExe, "Calculator");
  desktop.AddStoreFrame("Starting");
  dlg().ShowModal();

  ASSERT_EQ(Captions(), (Items{"Starting", "Calculator"})) << "the frames, not the windows inside them";
  EXPECT_EQ(dlg().lstCurrent.Items()[1].subItems, (Items{"Calculator.exe", calculatorExe}));
  EXPECT_EQ(dlg().lstCurrent.Items()[0].subItems, (Items{"ApplicationFrameHost.exe", SimDesktop::kFrameHostPath}))
      << "a frame still without its app";
  dlg().lstCurrent.Select(1);
  EXPECT_EQ(dlg().labProcess.Caption(), calculatorExe);

  // What OK hands over is the app's file, for the hide list.
  frm().mConfigureClick();
  ChooseInNextDialog("Calculator");
  frm().butSysProc.Click();
  EXPECT_EQ(frm().lbHideFiles.Items(), (Items{calculatorExe}));
}

TEST_F(CurrentWindows, OkNeedsARowAndTheChosenPathIsAppendedEvenWhenThere) {
  desktop.AddWindow(desktop.AddProcess("C:\\Office\\Sheet.exe"), "Budget - Sheet");
  frm().mConfigureClick();
  frm().lbSerFiles.SetItems({"C:\\Office\\Sheet.exe"});
  ChooseInNextDialog("Budget - Sheet");
  frm().butSerSysProc.Click();
  EXPECT_EQ(frm().lbSerFiles.Items(), (Items{"C:\\Office\\Sheet.exe", "C:\\Office\\Sheet.exe"}));

  desktop.InNextModal([&](Form&) {
    dlg().butOk.Click();
    EXPECT_EQ(dlg().ModalResult, mrNone) << "the dialog stays";
    ASSERT_FALSE(desktop.state.messageBoxes.empty());
    EXPECT_EQ(desktop.state.messageBoxes.back().text, "\r\nSpecify window caption or process");
    dlg().butCancel.Click();
  });
  frm().butSysProc.Click();
  EXPECT_TRUE(frm().lbHideFiles.Items().empty()) << "Cancel changes nothing";

  desktop.InNextModal([&](Form&) {
    dlg().lstCurrent.Select(0);
    dlg().lstCurrent.DblClick();
  });
  frm().butSysProc.Click();
  EXPECT_EQ(frm().lbHideFiles.Items(), (Items{"C:\\Office\\Sheet.exe"})) << "a double click is OK";
  EXPECT_EQ(desktop.state.modalsShown, (Items{"frmCurrent", "frmCurrent", "frmCurrent"}));
}

}  // namespace hd::test
