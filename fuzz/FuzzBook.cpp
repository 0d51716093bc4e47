// The book loader under an arbitrary folder: the input, cut at NUL bytes, is
// the index file and the list files File.0, File.1 ... What loads saves and
// loads back the same, but for lists without words, which a save cannot keep.
#include "FuzzReader.h"
#include "words/BookSettings.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  static hd::fuzz::Reader r;
  const std::string dir = "C:\\Book\\";
  const std::string index = dir + "File";
  for (const std::string& name : r.desktop.files.FindFiles(dir + "*")) r.desktop.files.DeleteFile(dir + name);
  const std::string input(reinterpret_cast<const char*>(data), size);
  std::size_t start = 0;
  for (int piece = -1; start <= input.size() && piece < 12; ++piece) {
    const std::size_t end = std::min(input.find('\0', start), input.size());
    r.desktop.WriteFile(piece < 0 ? index : index + "." + std::to_string(piece), input.substr(start, end - start));
    start = end + 1;
  }
  hd::TBook book;
  try {
    hd::LoadBook(book, r.settings.lbWords, r.desktop.files, index);
  } catch (const hd::SettingsError&) {
    return 0;
  }
  hd::TBook kept;
  for (int i = 0; i < book.Count(); ++i)
    if (!book.Items(i).Words.empty()) kept.Add(book.Items(i));
  book.SaveToFile(r.desktop.files, index);
  hd::LoadBook(book, r.settings.lbWords, r.desktop.files, index);
  if (book.FileTexts() != kept.FileTexts()) __builtin_trap();
  return 0;
}
