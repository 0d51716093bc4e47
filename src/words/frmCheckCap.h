// The words list editor: one words list put together, then added to the book
// or put in place of the list edited.
#pragma once
#include <optional>
#include <string>
#include "platform/Platform.h"
#include "ui/FileDialog.h"
#include "ui/Event.h"
#include "ui/Form.h"
#include "words/TWordsListUnit.h"

namespace hd {

class THtmlHelpViewer;

// Stable control ids: end-to-end tests drive the real controls by them.
namespace capctl {
enum : int {
  edRuleCaption = 2100, butOpen, butSave, butAdd, butEdit, butDel, butClear, butList, lstWords, rbOR, rbAnd,
  cbCase, butOk, butCancel, butHelp, Static = 2199
};
}  // namespace capctl

class TfrmCapEdit : public Form {
public:
  ~TfrmCapEdit() override;  // out of line: one unwind table header for the file
  // The book and the list box that shows its captions belong to the
  // configuration window.
  TfrmCapEdit(Platform& platform, THtmlHelpViewer& help, TBook& book, ListBox& lbWords);

  // Shows the editor for a new list (no index) or for the book's list at the
  // index. While it is open it only comes forward as it is: it edits one list
  // at a time.
  void Open(std::optional<int> editIndex);
  // Whether OK puts the list back in place of the one it was loaded from.
  bool EditMode() const { return editKey_.has_value(); }
  TWordsList WorkList;

  // The caption of a window the user chooses among the running ones, or
  // nothing when the user chose none.
  Callback<std::optional<std::string>()> PickWindowCaption;
  // Reports a failed file operation in the application's error box.
  Callback<void(const std::string&)> ShowError;

  GroupBox grpCaption;
  Edit edRuleCaption;
  GroupBox grpWords;
  Button butOpen, butSave, butAdd, butEdit, butDel, butClear, butList;
  ListView lstWords;
  GroupBox grpConditions;
  RadioButton rbOR, rbAnd;
  CheckBox cbCase;
  Button butOk, butCancel, butHelp;
  FileDialog OD, SD;

  void butOpenClick();
  void butSaveClick();
  void butAddClick();
  void butEditClick();
  void butDelClick();
  void butClearClick();
  void butListClick();
  void butOkClick();
  void butCancelClick();
  void butHelpClick();

  bool AskClearWords();
  void AddCaptionWords(bool clear, const std::string& caption);

protected:
  void FormShow() override;

private:
  Platform& p_;
  THtmlHelpViewer& help_;
  TBook& book_;
  ListBox& lbWords_;
  std::optional<ListKey> editKey_;
};

}  // namespace hd
