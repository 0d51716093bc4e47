// The editor works on a copy: the book changes only when OK is accepted.
#include "words/frmCheckCap.h"
#include "app/mes_misc.h"
#include "settings/ListFiles.h"
#include "settings/SettingsError.h"
#include "settings/SettingsFiles.h"
#include "shell/HelpUnit.h"
#include "words/ListViewMisc.h"
#include "words/WordsFile.h"

namespace hd {

namespace {
FileDialogOptions WordsFileDialog(bool save, const std::string& title) {
  FileDialogOptions options;
  options.save = save;
  options.title = title;
  options.filter = "Text files (*.txt)|*.txt";
  options.defaultExt = "txt";
  options.hideReadOnly = true;
  return options;
}
}  // namespace

TfrmCapEdit::TfrmCapEdit(Platform& p, THtmlHelpViewer& help, TBook& book, ListBox& lbWords)
    : Form(p.forms, "frmCapEdit", "Words lists management", 336, 376),
      grpCaption(*this, capctl::Static, "grpCaption", " Words list caption ", kAt<8, 6, 320, 50>),
      edRuleCaption(*this, capctl::edRuleCaption, "edRuleCaption", kAt<18, 24, 300, 21>),
      grpWords(*this, capctl::Static, "grpWords", " Words in window caption ", kAt<8, 62, 320, 214>),
      butOpen(*this, capctl::butOpen, "butOpen", "", kAt<18, 80, 24, 22>),
      butSave(*this, capctl::butSave, "butSave", "", kAt<43, 80, 24, 22>),
      butAdd(*this, capctl::butAdd, "butAdd", "", kAt<77, 80, 24, 22>),
      butEdit(*this, capctl::butEdit, "butEdit", "", kAt<102, 80, 24, 22>),
      butDel(*this, capctl::butDel, "butDel", "", kAt<127, 80, 24, 22>),
      butClear(*this, capctl::butClear, "butClear", "", kAt<161, 80, 24, 22>),
      butList(*this, capctl::butList, "butList", "", kAt<186, 80, 24, 22>),
      lstWords(*this, capctl::lstWords, "lstWords", kAt<18, 106, 300, 160>, {{"Word", 280}}),
      grpConditions(*this, capctl::Static, "grpConditions", " Conditions ", kAt<8, 282, 320, 48>),
      rbOR(*this, capctl::rbOR, "rbOR", "One of the words", kAt<18, 302, 120, 18>, true),
      rbAnd(*this, capctl::rbAnd, "rbAnd", "All words", kAt<142, 302, 84, 18>, false),
      cbCase(*this, capctl::cbCase, "cbCase", "Match case", kAt<230, 302, 90, 18>, false),
      butOk(*this, capctl::butOk, "butOk", "OK", kAt<95, 342, 75, 25>),
      butCancel(*this, capctl::butCancel, "butCancel", "Cancel", kAt<174, 342, 75, 25>),
      butHelp(*this, capctl::butHelp, "butHelp", "Help", kAt<253, 342, 75, 25>),
      OD(p.forms, WordsFileDialog(false, "Open words list from file")),
      SD(p.forms, WordsFileDialog(true, "Save words list to file")),
      p_(p),
      help_(help),
      book_(book),
      lbWords_(lbWords) {
  struct Tool { Button& button; Glyph glyph; const char* hint; void (TfrmCapEdit::*click)(); };
  const Tool tools[] = {
      {butOpen, Glyph::FileOpen, "Open words list from file", &TfrmCapEdit::butOpenClick},
      {butSave, Glyph::FileSave, "Save words list to file", &TfrmCapEdit::butSaveClick},
      {butAdd, Glyph::FileNew, "Add word", &TfrmCapEdit::butAddClick},
      {butEdit, Glyph::Properties, "Edit word", &TfrmCapEdit::butEditClick},
      {butDel, Glyph::Delete, "Delete word", &TfrmCapEdit::butDelClick},
      {butClear, Glyph::Cut, "Clear words list", &TfrmCapEdit::butClearClick},
      {butList, Glyph::Details, "View current windows", &TfrmCapEdit::butListClick},
  };
  for (const Tool& tool : tools) {
    tool.button.Flat = true;
    tool.button.Picture = tool.glyph;
    tool.button.Hint = tool.hint;
    tool.button.OnClick = [this, click = tool.click] { (this->*click)(); };
  }
  lstWords.ShowColumnHeaders = false;
  lstWords.GridLines = true;
  lstWords.RowSelect = true;
  lstWords.OnDblClick = [this] { butEditClick(); };
  lstWords.Keys = {&butAdd, &butDel, &butEdit};
  RadioButton::Group({&rbOR, &rbAnd});
  butOk.IsDefault = true;
  butCancel.IsCancel = true;
  butOk.OnClick = [this] { butOkClick(); };
  butCancel.OnClick = [this] { butCancelClick(); };
  butHelp.OnClick = [this] { butHelpClick(); };
}

void TfrmCapEdit::Open(std::optional<int> editIndex) {
  if (!Visible()) {
    editKey_.reset();
    if (editIndex) editKey_ = book_.KeyOf(*editIndex);
  }
  Show();
  p_.forms.BringToFront(*this);
}

void TfrmCapEdit::FormShow() {
  Centre(p_.system.ScreenWidth(), p_.system.ScreenHeight());
  if (EditMode()) {
    WorkList.CopyFrom(book_.Items(book_.IndexOfKey(*editKey_)));
    edRuleCaption.SetText(WorkList.Caption);
    WordsToListView(lstWords, WorkList.Words);
    rbOR.SetChecked(WorkList.OneOfWords);
    rbAnd.SetChecked(!WorkList.OneOfWords);
    cbCase.SetChecked(WorkList.MatchCase);
  } else {
    WorkList.Reset();
    edRuleCaption.SetText("");
    lstWords.Clear();
    rbOR.SetChecked(true);
    cbCase.SetChecked(false);
  }
  edRuleCaption.SetFocus();
}

bool TfrmCapEdit::AskClearWords() {
  return lstWords.Count() > 0 && Confirm(p_.forms, "\rWords list is not empty. Do you want to clear it?");
}

void TfrmCapEdit::AddCaptionWords(bool clear, const std::string& caption) {
  std::vector<std::string> words;
  if (!clear) ListViewToWords(lstWords, words);
  for (std::string& word : SplitCaptionWords(caption)) words.push_back(std::move(word));
  WordsToListView(lstWords, words);
}

void TfrmCapEdit::butAddClick() {
  std::string word;
  if (p_.forms.InputQuery("Add word", "Type word to add", word, InputEcho::AsTyped) && !word.empty()) AddWordItem(lstWords, word);
}

void TfrmCapEdit::butEditClick() {
  const int index = lstWords.ItemIndex();
  if (index < 0) return;
  const std::string selected = lstWords.Items()[static_cast<std::size_t>(index)].caption;
  std::string word = selected;
  if (p_.forms.InputQuery("Edit word", selected, word, InputEcho::AsTyped) && !word.empty()) lstWords.SetItemCaption(index, word);
}

void TfrmCapEdit::butDelClick() {
  if (lstWords.ItemIndex() >= 0) lstWords.Delete(lstWords.ItemIndex());
}

void TfrmCapEdit::butClearClick() {
  if (lstWords.Count() > 0 && Confirm(p_.forms, "\rDo you want to clear words list?")) lstWords.Clear();
}

void TfrmCapEdit::butOpenClick() {
  if (!OD.Execute()) return;
  // Read before anything is emptied: a file that cannot be read changes nothing.
  std::string content;
  std::uint32_t error = 0;
  std::uint64_t size = 0;
  if (p_.files.FileSize(OD.FileName(), size, error) && size > kMaxWordsFileSize) {
    ShowNotice(p_.forms, OD.FileName() + "\r\nis larger than 1 MB and is not read as a words list.", NoticeKind::Warning);
    return;
  }
  if (!p_.files.ReadFile(OD.FileName(), content, error)) {
    if (ShowError) ShowError(p_.files.SystemErrorText(error));
    return;
  }
  std::vector<std::string> words;
  if (!AskClearWords()) ListViewToWords(lstWords, words);
  for (std::string& line : SplitListText(WordsFileText(p_.system, content))) words.push_back(std::move(line));
  WordsToListView(lstWords, words);
}

void TfrmCapEdit::butSaveClick() {
  if (lstWords.Count() == 0 || !SD.Execute()) return;
  std::string content;
  for (const ListItem& item : lstWords.Items()) content += item.caption + "\r\n";
  try {
    WriteSettingsFile(p_.files, SD.FileName(), content);
  } catch (const SettingsError& failure) {
    if (ShowError) ShowError(failure.what());
  }
}

void TfrmCapEdit::butListClick() {
  if (!PickWindowCaption) return;
  const std::optional<std::string> caption = PickWindowCaption();
  if (!caption) return;
  AddCaptionWords(AskClearWords(), *caption);
}

void TfrmCapEdit::butOkClick() {
  if (edRuleCaption.Text().empty() || lstWords.Count() == 0) {
    ShowNotice(p_.forms, "Forgot to specify words", NoticeKind::Information);
    return;
  }
  WorkList.Caption = edRuleCaption.Text();
  ListViewToWords(lstWords, WorkList.Words);
  WorkList.OneOfWords = rbOR.Checked();
  WorkList.MatchCase = cbCase.Checked();
  // The list edited may have been deleted in the configuration window
  // meanwhile: the user's work then becomes a new list, never another's.
  const int index = EditMode() ? book_.IndexOfKey(*editKey_) : -1;
  Hide();
  // The list box follows by one row, so that it keeps its place and shows a new list.
  if (index >= 0) {
    book_.Replace(index, WorkList);
    lbWords_.Replace(index, WorkList.Caption);
  } else {
    book_.Add(WorkList);
    lbWords_.Add(WorkList.Caption);
  }
}

void TfrmCapEdit::butCancelClick() { Hide(); }

void TfrmCapEdit::butHelpClick() { help_.ShowHelpContext(kHelpWordsListEditor, ""); }

TfrmCapEdit::~TfrmCapEdit() = default;

}  // namespace hd
