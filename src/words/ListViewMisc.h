// The words list editor's words: their list view and the splitting of a caption.
#pragma once
#include <string>
#include <vector>
#include "ui/Control.h"

namespace hd {

// Blanks and control characters separate words; a word in double quotes may
// hold them, with "" for one quote inside.
std::vector<std::string> SplitCaptionWords(const std::string& caption);

void AddWordItem(ListView& list, const std::string& word);
void WordsToListView(ListView& list, const std::vector<std::string>& words);
void ListViewToWords(const ListView& list, std::vector<std::string>& words);

}  // namespace hd
