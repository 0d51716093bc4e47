// The words lists' buttons of the configuration window and the words list
// editor, used as a user does: typing words, choosing files and windows.
#include <gtest/gtest.h>
#include "HideFixture.h"
#include "hide/frmCurrentUnit.h"
#include "words/ListViewMisc.h"
#include "words/frmCheckCap.h"

namespace hd::test {

namespace {
using Items = std::vector<std::string>;

class WordsEditor : public HideTest {
protected:
  void SetUp() override {
    HideTest::SetUp();
    frm().mConfigureClick();
  }
  TfrmCapEdit& ed() { return *app->frmCapEdit; }
  Items Words() {
    Items words;
    for (const ListItem& row : ed().lstWords.Items()) words.push_back(row.caption);
    return words;
  }
  void TypeWord(const std::string& word) {
    desktop.AnswerInput(word);
    ed().butAdd.Click();
  }
  void AddList(const std::string& caption, const Items& words) {
    frm().butAdd.Click();
    ed().edRuleCaption.Typed(caption);
    for (const std::string& word : words) TypeWord(word);
    ed().butOk.Click();
  }
  const std::string& LastBox() { return desktop.state.messageBoxes.back().text; }
};
}  // namespace

TEST_F(WordsEditor, ANewListJoinsTheBookAndHidesItsWindows) {
  frm().butAdd.Click();
  EXPECT_TRUE(ed().Visible());
  EXPECT_TRUE(frm().Visible()) << "the editor is not modal";
  EXPECT_EQ(desktop.state.focused, &ed().edRuleCaption);
  EXPECT_TRUE(ed().rbOR.Checked()) << "\"One of the words\" by default";
  ed().edRuleCaption.Typed("Games");
  TypeWord("Solitaire");
  TypeWord("Minesweeper");
  TypeWord("Solitaire");
  EXPECT_EQ(desktop.state.inputQueries.at(0).caption, "Add word");
  EXPECT_EQ(desktop.state.inputQueries.at(0).prompt, "Type word to add");
  EXPECT_EQ(desktop.state.inputQueries.at(0).initial, "");
  desktop.AnswerInput(std::nullopt);
  ed().butAdd.Click();
  desktop.AnswerInput("");
  ed().butAdd.Click();
  EXPECT_EQ(Words(), (Items{"Solitaire", "Minesweeper", "Solitaire"})) << "Cancel and an empty word add nothing";
  ed().butOk.Click();
  EXPECT_FALSE(ed().Visible());
  EXPECT_EQ(frm().lbWords.Items(), (Items{"Games"}));
  EXPECT_EQ(desktop.state.listChanges.back(), (SimState::ListChangeTold{&frm().lbWords, ListChange::Added, 0}))
      << "added, so that the real list shows it, not filled anew";

  const WindowHandle game = App("C:\\Games\\Sol.exe", "Solitaire");
  const WindowHandle sheet = App("C:\\Office\\Sheet.exe", "Budget");
  frm().butOk.Click();
  PressMode();
  EXPECT_FALSE(Visible(game));
  EXPECT_TRUE(Visible(sheet));
}

TEST_F(WordsEditor, OkWantsACaptionAndWordsAndThenChangesNothing) {
  frm().butAdd.Click();
  ed().edRuleCaption.Typed("Games");
  ed().butOk.Click();
  EXPECT_EQ(LastBox(), "\r\nForgot to specify words");
  ed().edRuleCaption.Typed("");
  TypeWord("Solitaire");
  ed().butOk.Click();
  EXPECT_EQ(desktop.state.messageBoxes.size(), 2u);
  EXPECT_TRUE(ed().Visible());
  EXPECT_EQ(frm().Book->Count(), 0);
  ed().edRuleCaption.Typed("  ");
  ed().butOk.Click();
  EXPECT_EQ(frm().lbWords.Items(), (Items{"  "})) << "a caption of blanks is a caption";
}

TEST_F(WordsEditor, EditingLoadsTheListAndPutsItBackInItsPlace) {
  AddList("One", {"a"});
  AddList("Two", {"b", "c"});
  AddList("Three", {"d"});
  frm().butEdit.Click();
  EXPECT_FALSE(ed().Visible()) << "nothing selected";
  frm().Book->Items(1).MatchCase = true;
  frm().Book->Items(1).OneOfWords = false;
  frm().lbWords.SetItemIndex(1);
  frm().lbWords.DblClick();
  ASSERT_TRUE(ed().Visible());
  EXPECT_EQ(ed().edRuleCaption.Text(), "Two");
  EXPECT_EQ(Words(), (Items{"b", "c"}));
  EXPECT_TRUE(ed().rbAnd.Checked());
  EXPECT_TRUE(ed().cbCase.Checked());

  ed().butEdit.Click();
  EXPECT_TRUE(desktop.state.inputQueries.size() == 4u) << "no word selected: no box";
  ed().lstWords.Select(0);
  desktop.AnswerInput("");
  ed().butEdit.Click();
  EXPECT_EQ(desktop.state.inputQueries.back().caption, "Edit word");
  EXPECT_EQ(desktop.state.inputQueries.back().prompt, "b");
  EXPECT_EQ(desktop.state.inputQueries.back().initial, "b");
  EXPECT_EQ(Words(), (Items{"b", "c"})) << "an empty answer keeps the word";
  desktop.AnswerInput("B2");
  ed().lstWords.DblClick();
  ed().lstWords.Select(1);
  ed().butDel.Click();
  ed().edRuleCaption.Typed("Second");
  ed().rbOR.Click();
  ed().butOk.Click();

  EXPECT_EQ(frm().lbWords.Items(), (Items{"One", "Second", "Three"}));
  const TWordsList& edited = frm().Book->Items(1);
  EXPECT_EQ(edited.Words, (Items{"B2"}));
  EXPECT_TRUE(edited.OneOfWords);
  EXPECT_TRUE(edited.MatchCase);

  frm().butAdd.Click();
  EXPECT_EQ(ed().edRuleCaption.Text(), "") << "adding starts empty";
  EXPECT_TRUE(Words().empty());
  EXPECT_TRUE(ed().rbOR.Checked());
  EXPECT_FALSE(ed().cbCase.Checked());
  ed().butCancel.Click();
  EXPECT_EQ(frm().Book->Count(), 3);
}

// The editor is not modal: the configuration window's commands stay in reach
// while it is open, and none of them may point OK at another list.
TEST_F(WordsEditor, WhileTheEditorIsOpenItsCommandsBringItForwardAsItIs) {
  AddList("One", {"a"});
  AddList("Two", {"b"});
  frm().lbWords.SetItemIndex(0);
  frm().butEdit.Click();
  ed().edRuleCaption.Typed("First");
  TypeWord("a2");
  desktop.forms.BringToFront(frm());
  frm().lbWords.SetItemIndex(1);
  frm().lbWords.DblClick();
  EXPECT_EQ(desktop.state.foreground, ed().Handle()) << "brought forward";
  frm().butEdit.Click();
  frm().butAdd.Click();
  EXPECT_TRUE(ed().EditMode());
  EXPECT_EQ(ed().edRuleCaption.Text(), "First") << "not loaded again";
  EXPECT_EQ(Words(), (Items{"a", "a2"}));
  ed().butOk.Click();
  EXPECT_EQ(frm().lbWords.Items(), (Items{"First", "Two"}));
  EXPECT_EQ(frm().Book->Items(0).Words, (Items{"a", "a2"}));
  EXPECT_EQ(frm().Book->Items(1).Words, (Items{"b"})) << "the list double-clicked keeps its words";

  frm().butAdd.Click();
  frm().lbWords.SetItemIndex(0);
  frm().butEdit.Click();
  EXPECT_FALSE(ed().EditMode()) << "still adding";
  ed().edRuleCaption.Typed("Three");
  TypeWord("c");
  ed().butOk.Click();
  EXPECT_EQ(frm().lbWords.Items(), (Items{"First", "Two", "Three"}));
}

TEST_F(WordsEditor, AListDeletedWhileItIsEditedComesBackAsANewOne) {
  AddList("One", {"a"});
  AddList("Two", {"b"});
  AddList("Three", {"c"});
  frm().lbWords.SetItemIndex(1);
  frm().butEdit.Click();
  frm().lbWords.SetItemIndex(0);
  desktop.AnswerMessageBox(win::IDYES);
  frm().butDelete.Click();
  ed().edRuleCaption.Typed("Second");
  ed().butOk.Click();
  EXPECT_EQ(frm().lbWords.Items(), (Items{"Second", "Three"})) << "the list edited, wherever it moved";

  frm().lbWords.SetItemIndex(0);
  frm().butEdit.Click();
  desktop.AnswerMessageBox(win::IDYES);
  frm().butDelete.Click();
  ed().edRuleCaption.Typed("Again");
  ed().butOk.Click();
  EXPECT_EQ(frm().lbWords.Items(), (Items{"Three", "Again"}));
  EXPECT_EQ(frm().Book->Items(0).Words, (Items{"c"})) << "the list that moved into its place is untouched";
  EXPECT_EQ(frm().Book->Items(1).Words, (Items{"b"}));

  frm().lbWords.SetItemIndex(1);
  frm().butEdit.Click();
  desktop.AnswerMessageBox(win::IDYES);
  frm().butClear.Click();
  ed().butOk.Click();
  EXPECT_EQ(frm().lbWords.Items(), (Items{"Again"})) << "a cleared book gets it back";
  EXPECT_FALSE(ed().Visible());
  EXPECT_EQ(desktop.state.messageBoxes.size(), 3u) << "the three questions, no error";
}

TEST_F(WordsEditor, DeletingAndClearingRulesAsk) {
  AddList("One", {"a"});
  AddList("Two", {"b"});
  frm().butDelete.Click();
  frm().butClear.Click();
  const std::size_t asked = desktop.state.messageBoxes.size();
  frm().lbWords.SetItemIndex(0);
  desktop.AnswerMessageBox(win::IDNO);
  frm().butDelete.Click();
  EXPECT_EQ(LastBox(), "\rDo you want to delete words list 'One'?");
  EXPECT_EQ(frm().Book->Count(), 2);
  desktop.AnswerMessageBox(win::IDYES);
  frm().butDelete.Click();
  EXPECT_EQ(frm().lbWords.Items(), (Items{"Two"}));
  EXPECT_EQ(frm().Book->Items(0).Caption, "Two");
  desktop.AnswerMessageBox(win::IDYES);
  frm().butClear.Click();
  EXPECT_EQ(LastBox(), "\rDo you want to clear all words lists?");
  EXPECT_EQ(frm().Book->Count(), 0);
  EXPECT_TRUE(frm().lbWords.Items().empty());
  frm().butClear.Click();
  EXPECT_EQ(desktop.state.messageBoxes.size(), asked + 3) << "nothing selected or listed: nothing asked";
}

TEST_F(WordsEditor, WordsFileSavedAndOpenedAgainGivesTheSameWords) {
  frm().butAdd.Click();
  ed().butSave.Click();
  EXPECT_TRUE(desktop.state.fileDialogsShown.empty()) << "no words: no dialog";
  for (const char* word : {"alpha", "two words", "", "omega"}) {
    desktop.AnswerInput(word[0] ? word : " ");
    ed().butAdd.Click();
  }
  desktop.AnswerFileDialog("C:\\Lists\\games.txt");
  desktop.MakeDirectories("C:\\Lists");
  ed().butSave.Click();
  const FileDialogOptions& save = desktop.state.fileDialogsShown.at(0);
  EXPECT_TRUE(save.save);
  EXPECT_EQ(save.title, "Save words list to file");
  EXPECT_EQ(save.filter, "Text files (*.txt)|*.txt");
  EXPECT_EQ(save.defaultExt, "txt");
  EXPECT_FALSE(save.overwritePrompt);
  EXPECT_EQ(desktop.ReadFile("C:\\Lists\\games.txt"), "alpha\r\ntwo words\r\n \r\nomega\r\n");

  desktop.AnswerFileDialog("C:\\Lists\\games.txt");
  desktop.AnswerMessageBox(win::IDYES);
  ed().butOpen.Click();
  EXPECT_EQ(desktop.state.fileDialogsShown.at(1).title, "Open words list from file");
  EXPECT_EQ(LastBox(), "\rWords list is not empty. Do you want to clear it?");
  EXPECT_EQ(Words(), (Items{"alpha", "two words", " ", "omega"}));

  desktop.WriteFile("C:\\Lists\\mixed.txt", "x\n\ry\rz");
  desktop.AnswerFileDialog("C:\\Lists\\mixed.txt");
  desktop.AnswerMessageBox(win::IDNO);
  ed().butOpen.Click();
  EXPECT_EQ(Words(), (Items{"alpha", "two words", " ", "omega", "x", "", "y", "z"}))
      << "No appends; any line break, an empty line kept";
}

TEST_F(WordsEditor, AWordsFileThatCannotBeReadChangesNothing) {
  frm().butAdd.Click();
  TypeWord("kept");
  desktop.MakeDirectories("C:\\Lists\\folder.txt");
  desktop.AnswerFileDialog("C:\\Lists\\folder.txt");
  ed().butOpen.Click();
  EXPECT_EQ(Words(), (Items{"kept"}));
  EXPECT_EQ(desktop.state.messageBoxes.back().type, win::MB_OK | win::MB_ICONERROR);
}

TEST_F(WordsEditor, WordsFilesOfOtherEditorsReadAsTextAndAHugeFileIsRefused) {
  frm().butAdd.Click();
  TypeWord("kept");
  desktop.WriteFile("C:\\Lists\\huge.txt", "x");
  SimFile& huge = desktop.state.files.at(SimFiles::Key("C:\\Lists\\huge.txt"));
  huge.size = 3'000'000'000u;
  huge.tooLargeToRead = true;
  desktop.AnswerFileDialog("C:\\Lists\\huge.txt");
  ed().butOpen.Click();
  EXPECT_EQ(Words(), (Items{"kept"}));
  EXPECT_EQ(LastBox(), "C:\\Lists\\huge.txt\r\nis larger than 1 MB and is not read as a words list.");

  const auto open = [&](const std::string& bytes) {
    desktop.WriteFile("C:\\Lists\\words.txt", bytes);
    desktop.AnswerFileDialog("C:\\Lists\\words.txt");
    desktop.AnswerMessageBox(win::IDYES);
    ed().butOpen.Click();
    return Words();
  };
  // Windows-1252: e acute 0xE9, the euro sign 0x80; what it lacks is "?".
  EXPECT_EQ(open("\xEF\xBB\xBF" "caf\xC3\xA9\r\n\xE2\x82\xAC\xE3\x80\xBA\xF0\x9F\x98\x80\xC3\r\n"),
            (Items{"caf\xE9", "\x80???"}));
  EXPECT_EQ(open(std::string("\xFF\xFE" "a\0\xE9\0\r\0\n\0\x3A\x30\x3D\xD8\x00\xDE\x3D\xD8" "b", 19)),
            (Items{"a\xE9", "???"}))
      << "UTF-16: a pair is one character, half a pair and an odd last byte are not";
  EXPECT_EQ(open(std::string("\xFE\xFF\0b\x20\xAC", 6)), (Items{"b\x80"}));
  EXPECT_EQ(open("\xFF\xFE"), (Items{}));
}

TEST_F(WordsEditor, WordsComeFromTheCaptionOfAChosenWindow) {
  App("C:\\Office\\Writer.exe", "Report - final \"Q3 plan\".doc");
  frm().butAdd.Click();
  TypeWord("old");
  desktop.InNextModal([&](Form&) {
    app->frmCurrent->lstCurrent.Select(0);
    app->frmCurrent->butOk.Click();
  });
  desktop.AnswerMessageBox(win::IDNO);
  ed().butList.Click();
  EXPECT_EQ(Words(), (Items{"old", "Report", "-", "final", "Q3 plan", ".doc"}));

  desktop.InNextModal([&](Form&) { app->frmCurrent->butCancel.Click(); });
  ed().butList.Click();
  EXPECT_EQ(Words().size(), 6u) << "Cancel in the dialog changes nothing";
}

// A window that appeared at the top left and then jumped to the middle
// would flash there: each appears where it stays.
TEST_F(WordsEditor, TheEditorAndTheDialogAppearWhereTheyStay) {
  App("C:\\Office\\Writer.exe", "Report");
  frm().butAdd.Click();
  desktop.InNextModal([&](Form&) { app->frmCurrent->butCancel.Click(); });
  ed().butList.Click();
  const int width = desktop.state.screenWidth, height = desktop.state.screenHeight;
  ASSERT_GE(desktop.state.formsShown.size(), 2u);
  const ShownForm& editor = desktop.state.formsShown.end()[-2];
  const ShownForm& dialog = desktop.state.formsShown.back();
  EXPECT_EQ(editor.name, "frmCapEdit");
  EXPECT_EQ(editor.position.x, (width - ed().ClientWidth()) / 2);
  EXPECT_EQ(editor.position.y, (height - ed().ClientHeight()) / 2);
  EXPECT_EQ(dialog.name, "frmCurrent");
  EXPECT_EQ(dialog.position.x, (width - app->frmCurrent->ClientWidth()) / 2);
  EXPECT_EQ(dialog.position.y, (height - app->frmCurrent->ClientHeight()) / 2);
}

TEST(CaptionWords, SplitAtBlanksWithQuotedWordsKeptWhole) {
  EXPECT_EQ(SplitCaptionWords("Report - final \"Q3 plan\".doc"), (Items{"Report", "-", "final", "Q3 plan", ".doc"}));
  EXPECT_EQ(SplitCaptionWords("ab\"cd ef"), (Items{"ab\"cd", "ef"})) << "a quote inside a word is a character";
  EXPECT_EQ(SplitCaptionWords(" \t a\r\n\x01 b  "), (Items{"a", "b"}));
  EXPECT_EQ(SplitCaptionWords("\"say \"\"hi\"\"\" \"\" x"), (Items{"say \"hi\"", "", "x"}));
  EXPECT_EQ(SplitCaptionWords("a \"open end"), (Items{"a", "open en"})) << "an unclosed quote ends the caption";
  EXPECT_TRUE(SplitCaptionWords("").empty());
}

}  // namespace hd::test
