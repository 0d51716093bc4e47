// Words lists: the matching rule, the book's operations and its files.
#include <gtest/gtest.h>
#include "ProgramFixture.h"
#include "settings/Convert.h"
#include "settings/SettingsError.h"
#include "words/TWordsListUnit.h"

namespace hd::test {

namespace {
TWordsList List(std::vector<std::string> words, bool oneOfWords = true, bool matchCase = false,
                std::string caption = "rule") {
  TWordsList list;
  list.Caption = std::move(caption);
  list.OneOfWords = oneOfWords;
  list.MatchCase = matchCase;
  list.Words = std::move(words);
  return list;
}
}  // namespace

class WordsMatching : public ::testing::Test {
protected:
  SimDesktop desktop;
  bool Matches(const TWordsList& list, const std::string& caption) {
    return list.MatchesCaption(desktop.system, caption);
  }
};

TEST_F(WordsMatching, CaseIsIgnoredUnlessAskedAndWordsAreSubstrings) {
  EXPECT_TRUE(Matches(List({"NOTE"}), "Untitled - Notepad"));
  EXPECT_FALSE(Matches(List({"NOTE"}, true, true), "Untitled - Notepad"));
  EXPECT_TRUE(Matches(List({"Note"}, true, true), "Untitled - Notepad"));
  EXPECT_TRUE(Matches(List({"pad"}), "Untitled - Notepad"));
  EXPECT_TRUE(Matches(List({"Mine sweeper"}), "Game - mine sweeper"));
  EXPECT_FALSE(Matches(List({"Mine sweeper"}), "Minesweeper"));
  EXPECT_FALSE(Matches(List({"Mine sweeper"}), "Mine  sweeper"));
}

TEST_F(WordsMatching, LettersBeyondAToZFollowTheAnsiCodePage) {
  // "RÉSUMÉ" and "résumé" in Windows-1252.
  EXPECT_TRUE(Matches(List({"R\xC9SUM\xC9"}), "my r\xE9sum\xE9.doc"));
  EXPECT_FALSE(Matches(List({"R\xC9SUM\xC9"}, true, true), "my r\xE9sum\xE9.doc"));
  EXPECT_TRUE(Matches(List({"\x8A"}), "\x9A"));         // S caron
  EXPECT_FALSE(Matches(List({"\xD7"}), "\xF7"))  // multiplication and division signs are not a pair
      << "not every byte 0x20 apart is a letter pair";
}

TEST_F(WordsMatching, AllWordsAndOneOfTheWords) {
  const TWordsList all = List({"Report", "2005"}, false);
  const TWordsList one = List({"Report", "2005"}, true);
  EXPECT_TRUE(Matches(all, "Report 2005.doc"));
  EXPECT_FALSE(Matches(all, "Report 2004.doc"));
  EXPECT_TRUE(Matches(one, "Report 2005.doc"));
  EXPECT_TRUE(Matches(one, "Report 2004.doc"));
  EXPECT_FALSE(Matches(one, "Budget 2004.doc"));
}

TEST_F(WordsMatching, EmptyWordsAndListsWithoutWords) {
  EXPECT_FALSE(Matches(List({""}, true), "anything"));
  EXPECT_FALSE(Matches(List({""}, false), "anything"));
  EXPECT_FALSE(Matches(List({"", "any"}, false), "anything")) << "an empty word is never found";
  EXPECT_TRUE(Matches(List({}, false), "anything"));
  EXPECT_TRUE(Matches(List({}, false), "")) << "no words: every caption";
  EXPECT_FALSE(Matches(List({}, true), "anything"));
  EXPECT_FALSE(Matches(List({"a"}, true), ""));
}

TEST_F(WordsMatching, TheBookMatchesWhenAnyOfItsListsDoes) {
  TBook book;
  EXPECT_FALSE(book.MatchesCaption(desktop.system, "anything"));
  book.Add(List({"R\xC9SUM\xC9", "draft"}, false));
  book.Add(List({"Poker", ""}, true, true));
  book.Add(List({"", "x"}, false, true));
  const PreparedBook prepared(desktop.system, book);
  for (const char* caption : {"", "r\xE9sum\xE9 DRAFT", "r\xE9sum\xE9 only", "Poker night", "poker night", "x"}) {
    bool anyList = false;
    for (int i = 0; i < book.Count(); ++i) anyList = anyList || Matches(book.Items(i), caption);
    EXPECT_EQ(prepared.MatchesCaption(caption), anyList) << caption;
    EXPECT_EQ(book.MatchesCaption(desktop.system, caption), anyList) << caption;
  }
}

TEST(Book, KeepsCopiesAndReportsBadIndices) {
  TBook book;
  TWordsList source = List({"a", "b"}, false, true, "first");
  book.Add(source);
  source.Words.push_back("c");
  EXPECT_EQ(book.Items(0).Words, (std::vector<std::string>{"a", "b"})) << "the book holds its own copy";
  book.Add(List({"x"}, true, false, "second"));
  book.Replace(0, List({"z"}, true, false, "replaced"));
  EXPECT_EQ(book.Items(0).Caption, "replaced");
  EXPECT_TRUE(book.Items(0).OneOfWords);
  book.Delete(0);
  EXPECT_EQ(book.Count(), 1);
  EXPECT_EQ(book.Items(0).Caption, "second");
  try {
    book.Items(1);
    ADD_FAILURE() << "no error for index 1";
  } catch (const ListIndexError& e) {
    EXPECT_STREQ(e.what(), "List index out of bounds (1)");
  }
  EXPECT_THROW(book.Delete(-1), ListIndexError);
  EXPECT_THROW(book.Replace(5, source), ListIndexError);
  book.Clear();
  EXPECT_EQ(book.Count(), 0);

  TWordsList reset = List({"w"}, false, true, "kept");
  reset.Reset();
  EXPECT_EQ(reset.Caption, "kept");
  EXPECT_TRUE(reset.OneOfWords);
  EXPECT_FALSE(reset.MatchCase);
  EXPECT_TRUE(reset.Words.empty());
}

TEST(Conversions, FlagsAndCounts) {
  for (const char* on : {"1", "-1", "TRUE", "true", "7"}) EXPECT_TRUE(StrToBool(on)) << on;
  for (const char* off : {"0", "false", "False"}) EXPECT_FALSE(StrToBool(off)) << off;
  EXPECT_EQ(StrToInt("-3"), -3);
  EXPECT_EQ(StrToInt("$1F"), 31);
  for (const char* bad : {"", "3x", "99999999999"}) EXPECT_THROW(StrToInt(bad), SettingsError) << bad;
}

class BookFiles : public ProgramTest {
protected:
  const std::string dir = std::string(kExeDir) + "Settings\\Book\\";
  void SetUp() override { Start(); }
  std::vector<std::string> BookDirectory() { return desktop.files.FindFiles(dir + "*"); }
};

TEST_F(BookFiles, SaveWritesOneFilePerListAndLoadReadsThemBack) {
  frm().Book->Add(List({"Report", "", "2005"}, false, true, "Work"));
  frm().Book->Add(List({"poker"}, true, false, "Games"));
  frm().SaveBook();
  EXPECT_EQ(desktop.ReadFile(dir + "File"), "2\r\n");
  EXPECT_EQ(desktop.ReadFile(dir + "File.0"), "Work\r\n0\r\n-1\r\nReport\r\n\r\n2005\r\n");
  EXPECT_EQ(desktop.ReadFile(dir + "File.1"), "Games\r\n-1\r\n0\r\npoker\r\n");

  frm().Book->Clear();
  frm().LoadBook();
  ASSERT_EQ(frm().Book->Count(), 2);
  EXPECT_EQ(frm().Book->Items(0).Words, (std::vector<std::string>{"Report", "", "2005"}));
  EXPECT_FALSE(frm().Book->Items(0).OneOfWords);
  EXPECT_TRUE(frm().Book->Items(0).MatchCase);
  EXPECT_EQ(frm().lbWords.Items(), (std::vector<std::string>{"Work", "Games"}));
}

TEST_F(BookFiles, SavingFewerListsRemovesTheOldFiles) {
  desktop.WriteFile(dir + "Notes.txt", "not ours");
  for (int i = 0; i < 5; ++i) frm().Book->Add(List({"w"}, true, false, "L" + std::to_string(i)));
  frm().SaveBook();
  frm().Book->Delete(4);
  frm().Book->Delete(3);
  frm().Book->Delete(2);
  frm().SaveBook();
  std::vector<std::string> names = BookDirectory();
  std::sort(names.begin(), names.end());
  EXPECT_EQ(names, (std::vector<std::string>{"File", "File.0", "File.1", "Notes.txt"}));
}

TEST_F(BookFiles, GapsAndShortFilesAreLeftOut) {
  desktop.WriteFile(dir + "File", "3\r\n");
  desktop.WriteFile(dir + "File.0", "A\r\n-1\r\n0\r\na\r\n");
  desktop.WriteFile(dir + "File.2", "C\r\n1\r\nTRUE\r\nc\r\nc2");  // no line break at the end
  frm().LoadBook();
  ASSERT_EQ(frm().Book->Count(), 2);
  EXPECT_EQ(frm().Book->Items(1).Caption, "C");
  EXPECT_TRUE(frm().Book->Items(1).MatchCase);
  EXPECT_EQ(frm().Book->Items(1).Words, (std::vector<std::string>{"c", "c2"}));
  EXPECT_EQ(frm().lbWords.Items(), (std::vector<std::string>{"A", "C"}));

  // A list without words is written with three lines and does not come back.
  frm().Book->Clear();
  frm().Book->Add(List({}, false, false, "everything"));
  frm().SaveBook();
  frm().LoadBook();
  EXPECT_EQ(frm().Book->Count(), 0);
}

TEST_F(BookFiles, IndexZeroAndNoIndexGiveAnEmptyBook) {
  frm().Book->Add(List({"x"}));
  frm().lbWords.SetItems({"stale"});
  frm().LoadBook();
  EXPECT_EQ(frm().Book->Count(), 0) << "no index file";
  EXPECT_TRUE(frm().lbWords.Items().empty());
  desktop.WriteFile(dir + "File", "0\r\n");
  desktop.WriteFile(dir + "File.0", "A\r\n-1\r\n0\r\na\r\n");
  frm().LoadBook();
  EXPECT_EQ(frm().Book->Count(), 0);
}

TEST_F(BookFiles, BadCountsAndFlagsRaiseTheirConversionErrors) {
  frm().Book->Add(List({"x"}, true, false, "old"));
  desktop.WriteFile(dir + "File", "two\r\n");
  EXPECT_EQ(SettingsErrorOf(&TfrmConfigure::LoadBook), "'two' is not a valid integer value");
  EXPECT_EQ(frm().Book->Count(), 0) << "cleared before the count was read";
  EXPECT_TRUE(frm().lbWords.Items().empty());

  desktop.WriteFile(dir + "File", "2\r\n");
  desktop.WriteFile(dir + "File.0", "A\r\n-1\r\n0\r\na\r\n");
  desktop.WriteFile(dir + "File.1", "B\r\nyes\r\n0\r\nb\r\n");
  EXPECT_EQ(SettingsErrorOf(&TfrmConfigure::LoadBook), "'yes' is not a valid boolean value");
  EXPECT_EQ(frm().Book->Count(), 1) << "the lists before it stay";
  EXPECT_TRUE(frm().lbWords.Items().empty()) << "not refilled";

  desktop.WriteFile(dir + "File.1", "B\r\n1.0\r\n0.0\r\nb\r\n");
  EXPECT_EQ(SettingsErrorOf(&TfrmConfigure::LoadBook), "");
  ASSERT_EQ(frm().Book->Count(), 2);
  EXPECT_TRUE(frm().Book->Items(1).OneOfWords) << "a decimal number is a flag too";
  EXPECT_FALSE(frm().Book->Items(1).MatchCase);
}

TEST_F(BookFiles, AFullDiskLeavesTheOldBookWholeAndNothingPending) {
  frm().Book->Add(List({"x"}, true, false, "old"));
  frm().SaveBook();
  frm().Book->Add(List({"y"}, true, false, "second"));
  desktop.state.diskFull = true;
  EXPECT_EQ(SettingsErrorOf(&TfrmConfigure::SaveBook), "There is not enough space on the disk.");
  desktop.state.diskFull = false;
  std::vector<std::string> names = BookDirectory();
  std::sort(names.begin(), names.end());
  EXPECT_EQ(names, (std::vector<std::string>{"File", "File.0"}));
  frm().LoadBook();
  EXPECT_EQ(frm().lbWords.Items(), std::vector<std::string>{"old"});
}

TEST_F(BookFiles, AListThatCannotTakeItsPlaceIsPutThereByTheNextLoad) {
  frm().Book->Add(List({"x"}, true, false, "old"));
  frm().SaveBook();
  frm().Book->Replace(0, List({"y"}, true, false, "new"));
  frm().Book->Add(List({"z"}, true, false, "added"));
  desktop.HoldOpen(dir + "File.0");
  EXPECT_EQ(SettingsErrorOf(&TfrmConfigure::SaveBook), "Access is denied.");
  EXPECT_EQ(SettingsErrorOf(&TfrmConfigure::LoadBook), "Access is denied.") << "still held";
  desktop.HoldOpen(dir + "File.0", false);
  EXPECT_EQ(SettingsErrorOf(&TfrmConfigure::LoadBook), "");
  EXPECT_EQ(frm().lbWords.Items(), (std::vector<std::string>{"new", "added"})) << "the save was committed";
}

TEST_F(BookFiles, AHugeCountReadsNoFurtherThanTheListFilesThere) {
  desktop.WriteFile(dir + "File", "2147483647\r\n");
  desktop.WriteFile(dir + "File.0", "A\r\n-1\r\n0\r\na\r\n");
  desktop.WriteFile(dir + "File.7", "B\r\n-1\r\n0\r\nb\r\n");
  desktop.WriteFile(dir + "File.08", "not a list file's name\r\n-1\r\n0\r\nc\r\n");
  desktop.WriteFile(dir + "File.9.new", "pending of no save\r\n-1\r\n0\r\nc\r\n");
  const std::uint64_t calls = desktop.state.fileCalls;
  frm().LoadBook();
  EXPECT_LT(desktop.state.fileCalls - calls, 100u);
  EXPECT_EQ(frm().lbWords.Items(), (std::vector<std::string>{"A", "B"}));

  desktop.WriteFile(dir + "File", "3\r\n");
  frm().LoadBook();
  EXPECT_EQ(frm().lbWords.Items(), std::vector<std::string>{"A"}) << "the count still bounds the lists";
}

}  // namespace hd::test
