// Loading and saving the words lists with the other settings.
#include "app/frmConfUnit.h"
#include "words/TWordsListUnit.h"

namespace hd {

std::string TfrmConfigure::BookFile() const { return ExeDir + "Settings\\Book\\File"; }

void TfrmConfigure::LoadBook() {
  lbWords.Clear();
  if (p_.files.FileExists(BookFile())) {
    Book->LoadFromFile(p_.files, BookFile());
    Book->FillCaptions(lbWords);
  } else {
    Book->Clear();
  }
}

void TfrmConfigure::SaveBook() {
  DeleteBookFiles(BookFile());
  Book->SaveToFile(p_.files, BookFile());
}

void TfrmConfigure::DeleteBookFiles(const std::string& bookFile) {
  const std::string directory = bookFile.substr(0, bookFile.find_last_of("\\:") + 1);
  // Files that stay (in use, read-only) are overwritten or left over, silently.
  for (const std::string& name : p_.files.FindFiles(bookFile + ".*")) p_.files.DeleteFile(directory + name);
}

}  // namespace hd
