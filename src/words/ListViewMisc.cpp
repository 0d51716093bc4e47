// A quote that is never closed gives the rest of the caption less its last
// character, as earlier versions split it, and ends the caption.
#include "words/ListViewMisc.h"

namespace hd {

namespace {
bool IsSeparator(char c) {
  const auto code = static_cast<unsigned char>(c);
  return code >= 1 && code <= 32;
}
}  // namespace

std::vector<std::string> SplitCaptionWords(const std::string& caption) {
  std::vector<std::string> words;
  const std::size_t n = caption.size();
  std::size_t i = 0;
  while (i < n) {
    if (IsSeparator(caption[i])) {
      ++i;
      continue;
    }
    std::string word;
    if (caption[i] == '"') {
      std::size_t j = i + 1;
      bool closed = false;
      while (j < n) {
        if (caption[j] != '"') {
          word += caption[j++];
        } else if (j + 1 < n && caption[j + 1] == '"') {
          word += '"';
          j += 2;
        } else {
          closed = true;
          ++j;
          break;
        }
      }
      if (!closed) {
        if (!word.empty()) word.pop_back();
        words.push_back(word);
        break;
      }
      i = j;
    } else {
      while (i < n && !IsSeparator(caption[i])) word += caption[i++];
    }
    words.push_back(word);
  }
  return words;
}

void AddWordItem(ListView& list, const std::string& word) { list.Add({word, {}, -1}); }

void WordsToListView(ListView& list, const std::vector<std::string>& words) {
  std::vector<ListItem> rows;
  for (const std::string& word : words) rows.push_back({word, {}, -1});
  list.SetItems(std::move(rows));
}

void ListViewToWords(const ListView& list, std::vector<std::string>& words) {
  words.clear();
  for (const ListItem& item : list.Items()) words.push_back(item.caption);
}

}  // namespace hd
