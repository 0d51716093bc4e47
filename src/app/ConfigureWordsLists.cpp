// The words lists' buttons of the configuration window: the editor adds and
// edits a list, the questions guard deleting and clearing.
#include "app/Application.h"
#include "app/frmConfUnit.h"
#include "app/mes_misc.h"
#include "words/TWordsListUnit.h"
#include "words/frmCheckCap.h"

namespace hd {

void TfrmConfigure::WireWordsButtons() {
  butAdd.OnClick = [this] { butAddClick(); };
  butEdit.OnClick = [this] { butEditClick(); };
  butDelete.OnClick = [this] { butDeleteClick(); };
  butClear.OnClick = [this] { butClearClick(); };
  lbWords.OnDblClick = [this] { butEditClick(); };
  lbWords.Keys = {&butAdd, &butDelete, &butEdit};
}

void TfrmConfigure::butAddClick() { app_.frmCapEdit->Open(std::nullopt); }

void TfrmConfigure::butEditClick() {
  if (lbWords.ItemIndex() >= 0) app_.frmCapEdit->Open(lbWords.ItemIndex());
}

void TfrmConfigure::butDeleteClick() {
  const int index = lbWords.ItemIndex();
  if (index < 0) return;
  if (!Confirm(p_.forms, "\rDo you want to delete words list '" + lbWords.Items()[static_cast<std::size_t>(index)] + "'?"))
    return;
  Book->Delete(index);
  lbWords.Delete(index);
}

void TfrmConfigure::butClearClick() {
  if (lbWords.Count() == 0 || !Confirm(p_.forms, "\rDo you want to clear all words lists?")) return;
  Book->Clear();
  lbWords.Clear();
}

}  // namespace hd
