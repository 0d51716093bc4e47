// Editing the two application filename lists of the configuration window as
// a user does: the buttons, the open dialog, the questions and dropped files.
#include <gtest/gtest.h>
#include "ProgramFixture.h"
#include "words/frmCheckCap.h"

namespace hd::test {

namespace {
using Items = std::vector<std::string>;
constexpr int kPageHide = 2, kPageSwitch = 3, kPageSound = 4;
constexpr const char* kApp = "C:\\Apps\\App.exe";
constexpr const char* kTool = "C:\\Tools\\Tool.exe";

class FileListsEdit : public ProgramTest {
protected:
  void SetUp() override {
    Start();
    desktop.WriteFile(kApp, "MZ");
    desktop.WriteFile(kTool, "MZ");
    frm().mConfigureClick();
  }
  std::size_t DialogsShown() const { return desktop.state.fileDialogsShown.size(); }
  std::size_t BoxesShown() const { return desktop.state.messageBoxes.size(); }
  // A point of the form's client area inside the control, off its edges.
  static Point Inside(const Control& control) { return {control.Position().x + 5, control.Position().y + 5}; }
};
}  // namespace

TEST_F(FileListsEdit, AddingGoesThroughTheOpenDialogWhichKeepsItsLastFile) {
  desktop.AnswerFileDialog(kApp);
  frm().butSevAddFile.Click();
  desktop.AnswerFileDialog(kApp);
  frm().butSevAddFile.Click();
  EXPECT_EQ(frm().lbSerFiles.Items(), (Items{kApp, kApp})) << "no test for an entry already there";
  const FileDialogOptions& first = desktop.state.fileDialogsShown.at(0);
  EXPECT_FALSE(first.save);
  EXPECT_EQ(first.title, "Select EXE file");
  EXPECT_EQ(first.filter, "Executable files (*.exe)|*.exe");
  EXPECT_TRUE(first.hideReadOnly && first.pathMustExist && first.fileMustExist && first.resizable);
  EXPECT_EQ(desktop.state.fileDialogsShown.at(1).fileName, kApp) << "the last file comes back";
  EXPECT_EQ(desktop.state.fileDialogsShown.at(1).initialDir, "C:\\Apps\\");

  desktop.AnswerFileDialog(std::nullopt);
  frm().butFileAdd.Click();
  EXPECT_TRUE(frm().lbHideFiles.Items().empty()) << "a cancelled dialog adds nothing";
  desktop.AnswerFileDialog("C:\\Apps\\Missing.exe");
  frm().butFileAdd.Click();
  EXPECT_TRUE(frm().lbHideFiles.Items().empty()) << "the dialog takes only a file that is there";
}

TEST_F(FileListsEdit, EditingReplacesTheSelectedEntryInPlaceAndNeedsASelection) {
  frm().lbHideFiles.SetItems({"C:\\A.exe", "C:\\B.exe", "C:\\C.exe"});
  frm().butFileEdit.Click();
  frm().lbHideFiles.DblClick();
  EXPECT_EQ(DialogsShown(), 0u) << "nothing selected: not even the dialog";

  desktop.AnswerFileDialog(kTool);
  frm().lbHideFiles.SetItemIndex(1);
  frm().lbHideFiles.DblClick();
  EXPECT_EQ(frm().lbHideFiles.Items(), (Items{"C:\\A.exe", kTool, "C:\\C.exe"}));
  EXPECT_EQ(desktop.state.fileDialogsShown.at(0).fileName, "") << "not preset with the entry edited";

  frm().lbSerFiles.SetItems({"C:\\S.exe"});
  frm().lbSerFiles.SetItemIndex(0);
  desktop.AnswerFileDialog(std::nullopt);
  frm().butSerEditFile.Click();
  EXPECT_EQ(frm().lbSerFiles.Items(), (Items{"C:\\S.exe"}));
}

// A refill of the real list box scrolls it to its top and, while the mouse
// button is held, changes the row under the pointer.
TEST_F(FileListsEdit, TheRealListIsToldEachChangeAloneAndNothingForTheUsersClick) {
  ListBox& list = frm().lbHideFiles;
  list.SetItems({"C:\\A.exe", "C:\\B.exe", "C:\\C.exe"});
  desktop.state.listChanges.clear();
  list.Selected(1);
  EXPECT_EQ(list.ItemIndex(), 1);
  EXPECT_TRUE(desktop.state.listChanges.empty()) << "the real list shows the user's click already";
  desktop.AnswerFileDialog(kTool);
  frm().butFileEdit.Click();
  desktop.AnswerFileDialog(kApp);
  frm().butFileAdd.Click();
  desktop.AnswerMessageBox(win::IDYES);
  frm().butFileDelete.Click();
  list.SetItemIndex(1);
  using Told = SimState::ListChangeTold;
  EXPECT_EQ(desktop.state.listChanges, (std::vector<Told>{{&list, ListChange::Replaced, 1},
                                                          {&list, ListChange::Added, 3},
                                                          {&list, ListChange::Deleted, 1},
                                                          {&list, ListChange::Selection, 1}}));
  EXPECT_EQ(list.Items(), (Items{"C:\\A.exe", "C:\\C.exe", kApp}));
}

TEST_F(FileListsEdit, DeletingAndClearingAskFirstAndOnlyYesActs) {
  frm().lbSerFiles.SetItems({"C:\\A.exe", "C:\\B.exe", "C:\\C.exe"});
  frm().butSerDelFile.Click();
  EXPECT_EQ(BoxesShown(), 0u) << "nothing selected, nothing asked";

  frm().lbSerFiles.SetItemIndex(1);
  desktop.AnswerMessageBox(win::IDNO);
  frm().butSerDelFile.Click();
  ASSERT_EQ(BoxesShown(), 1u);
  EXPECT_EQ(desktop.state.messageBoxes[0].text, "\r\nDelete file C:\\B.exe from the list?");
  EXPECT_EQ(desktop.state.messageBoxes[0].caption, "Confirm");
  EXPECT_EQ(desktop.state.messageBoxes[0].type, win::MB_YESNO | win::MB_ICONQUESTION);
  EXPECT_EQ(frm().lbSerFiles.Count(), 3) << "No keeps the entry";
  desktop.AnswerMessageBox(win::IDYES);
  frm().butSerDelFile.Click();
  EXPECT_EQ(frm().lbSerFiles.Items(), (Items{"C:\\A.exe", "C:\\C.exe"}));
  EXPECT_EQ(frm().lbSerFiles.ItemIndex(), -1) << "the deleted entry takes the selection along";

  desktop.AnswerMessageBox(win::IDYES);
  frm().butSerClear.Click();
  EXPECT_EQ(desktop.state.messageBoxes.back().text, "\r\nDo you want to clear files list?");
  EXPECT_TRUE(frm().lbSerFiles.Items().empty());
  frm().butFileClear.Click();
  frm().butSerClear.Click();
  EXPECT_EQ(BoxesShown(), 3u) << "an empty list asks nothing";
}

// Insert, Delete and Enter or F2 in a list are its buttons' commands, so a
// keyboard user reaches every one of them.
TEST_F(FileListsEdit, TheKeysOfAListRunItsOwnButtonsCommands) {
  desktop.AnswerFileDialog(kApp);
  EXPECT_TRUE(frm().lbHideFiles.Keys.Press(ListCommand::Add));
  EXPECT_EQ(desktop.state.fileDialogsShown.at(0).title, "Select EXE file");
  EXPECT_EQ(frm().lbHideFiles.Items(), (Items{kApp}));
  EXPECT_TRUE(frm().lbSerFiles.Items().empty()) << "the other list's command";

  frm().lbHideFiles.SetItemIndex(0);
  desktop.AnswerFileDialog(kTool);
  frm().lbHideFiles.Keys.Press(ListCommand::Edit);
  EXPECT_EQ(frm().lbHideFiles.Items(), (Items{kTool}));
  desktop.AnswerMessageBox(win::IDNO);
  frm().lbHideFiles.Keys.Press(ListCommand::Delete);
  ASSERT_EQ(BoxesShown(), 1u);
  EXPECT_EQ(desktop.state.messageBoxes[0].text, "\r\nDelete file C:\\Tools\\Tool.exe from the list?");
  EXPECT_EQ(frm().lbHideFiles.Count(), 1);

  frm().butSevAddFile.SetEnabled(false);
  EXPECT_FALSE(frm().lbSerFiles.Keys.Press(ListCommand::Add)) << "a disabled button's key does nothing";
  EXPECT_EQ(DialogsShown(), 2u);

  frm().lbWords.Keys.Press(ListCommand::Add);
  TfrmCapEdit& editor = *app->frmCapEdit;
  ASSERT_TRUE(editor.Visible()) << "Insert in the words lists adds one";
  desktop.AnswerInput("word");
  editor.lstWords.Keys.Press(ListCommand::Add);
  EXPECT_EQ(desktop.state.inputQueries.at(0).caption, "Add word");
  ASSERT_EQ(editor.lstWords.Count(), 1);
  editor.lstWords.Select(0);
  desktop.AnswerInput("other");
  editor.lstWords.Keys.Press(ListCommand::Edit);
  EXPECT_EQ(editor.lstWords.Items().at(0).caption, "other");
}

TEST_F(FileListsEdit, CancelBringsTheStoredListsBack) {
  WriteSetting("Settings\\SerAppList.lst", "C:\\A.exe\r\nC:\\B.exe\r\n");
  frm().butCancel.Click();
  frm().mConfigureClick();
  frm().lbSerFiles.SetItemIndex(0);
  desktop.AnswerMessageBox(win::IDYES);
  frm().butSerDelFile.Click();
  desktop.AnswerFileDialog(kApp);
  frm().butSevAddFile.Click();
  ASSERT_EQ(frm().lbSerFiles.Items(), (Items{"C:\\B.exe", kApp}));
  frm().butCancel.Click();
  EXPECT_EQ(frm().lbSerFiles.Items(), (Items{"C:\\A.exe", "C:\\B.exe"}));
}

TEST_F(FileListsEdit, ADropOnTheShownListAddsOnlyItsExecutables) {
  frm().MainControl.SetActivePage(kPageSwitch);
  const Handle drop = desktop.DropFiles(frm(), Inside(frm().lbSerFiles),
                                        {"C:\\Apps\\APP.EXE", "C:\\Apps\\readme.txt", "C:\\Apps\\App.lnk",
                                         "C:\\Apps\\exe", "C:\\Apps\\Tool.Exe"});
  EXPECT_EQ(frm().lbSerFiles.Items(), (Items{"C:\\Apps\\APP.EXE", "C:\\Apps\\Tool.Exe"}));
  EXPECT_EQ(desktop.state.drops.at(drop).finishes, 1);
  EXPECT_TRUE(desktop.state.beeps.empty());

  frm().MainControl.SetActivePage(kPageHide);
  frm().PageControl2.SetActivePage(1);
  desktop.DropFiles(frm(), Inside(frm().lbHideFiles), {"C:\\Apps\\Game.exe"});
  EXPECT_EQ(frm().lbHideFiles.Items(), (Items{"C:\\Apps\\Game.exe"}));
}

TEST_F(FileListsEdit, ADropAnywhereElseBeepsAndAddsNothing) {
  const Bounds serFiles = frm().lbSerFiles.Position();
  struct Case { int page, innerPage; Point at; const char* where; };
  const Case cases[] = {
      {kPageHide, 0, Inside(frm().lbWords), "the words list"},
      {kPageSound, 0, Inside(frm().lbSerFiles), "a page without a list, over where the list would be"},
      {kPageSwitch, 0, {serFiles.x, serFiles.y + 5}, "the list's very edge"},
      {kPageSwitch, 0, {serFiles.x - 5, serFiles.y + 5}, "beside the list"},
  };
  for (const Case& c : cases) {
    frm().MainControl.SetActivePage(c.page);
    frm().PageControl2.SetActivePage(c.innerPage);
    const std::size_t beeps = desktop.state.beeps.size();
    const Handle drop = desktop.DropFiles(frm(), c.at, {"C:\\Apps\\App.exe"});
    EXPECT_EQ(desktop.state.beeps.size(), beeps + 1) << c.where;
    EXPECT_EQ(desktop.state.drops.at(drop).finishes, 1) << c.where;
  }
  EXPECT_TRUE(frm().lbSerFiles.Items().empty());
  EXPECT_TRUE(frm().lbHideFiles.Items().empty());
}

}  // namespace hd::test
