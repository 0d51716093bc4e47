// A save cut short is finished before anything is read, so the book loaded is
// the old one or the new one, never a mix.
#include "words/BookSettings.h"

namespace hd {

void LoadBook(TBook& book, ListBox& lbWords, IFiles& files, const std::string& bookFile) {
  lbWords.Clear();
  FinishBookSave(files, bookFile);
  if (files.FileExists(bookFile)) {
    book.LoadFromFile(files, bookFile);
    book.FillCaptions(lbWords);
  } else {
    book.Clear();
  }
}

}  // namespace hd
