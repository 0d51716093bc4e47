// The words lists loaded with the other settings.
#pragma once
#include <string>
#include "platform/Files.h"
#include "ui/Control.h"
#include "words/TWordsListUnit.h"

namespace hd {

// Loads the book from its index file and shows its captions in lbWords; no
// index file gives an empty book.
void LoadBook(TBook& book, ListBox& lbWords, IFiles& files, const std::string& bookFile);

}  // namespace hd
