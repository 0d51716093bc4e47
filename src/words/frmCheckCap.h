// The words list editor: one words list put together, then added to the book
// or put in place of the list edited.
#pragma once
#include <functional>
#include <optional>
#include <string>
#include "platform/Platform.h"
#include "ui/FileDialog.h"
#include "ui/Form.h"
#include "words/TWordsListUnit.h"

namespace hd {

// Stable control ids: end-to-end tests drive the real controls by them.
namespace capctl {
enum : int {
  edRuleCaption = 2100, butOpen, butSave, butAdd, butEdit, butDel, butClear, butList, lstWords, rbOR, rbAnd,
  cbCase, butOk, butCancel, butHelp, Static = 2199
};
}  // namespace capctl

class TfrmCapEdit : public Form {
public:
  // The book and the list box that shows its captions belong to the
  // configuration window.
  TfrmCapEdit(Platform& platform, TBook& book, ListBox& lbWords);

  bool EditMode = false;
  int EditIndex = 0;
  TWordsList WorkList;

  // The caption of a window the user chooses among the running ones, or
  // nothing when the user chose none.
  std::function<std::optional<std::string>()> PickWindowCaption;
  // Reports a failed file operation in the application's error box.
  std::function<void(const std::string&)> ShowError;

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
  TBook& book_;
  ListBox& lbWords_;
};

}  // namespace hd
