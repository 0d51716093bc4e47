// Words lists: named caption rules, their matching and their files.
#pragma once
#include <cstdint>
#include <memory>
#include <string>
#include <vector>
#include "platform/Files.h"
#include "platform/System.h"
#include "settings/SettingsError.h"

namespace hd {

class ListBox;

// An index outside the book: "List index out of bounds (%d)".
class ListIndexError : public TextError {
public:
  explicit ListIndexError(int index);
};

class TWordsList {
public:
  std::string Caption;
  bool OneOfWords = true;
  bool MatchCase = false;
  std::vector<std::string> Words;

  void Reset();
  void CopyFrom(const TWordsList& source);
  bool MatchesCaption(ISystem& system, const std::string& caption) const;
  // The list file's lines.
  std::string FileText() const;
  // Replaces the file whole; failures raise SettingsError with the system's text.
  void SaveToFile(IFiles& files, const std::string& path) const;
  // False, the list unchanged, when the file is missing or too short.
  bool LoadFromFile(IFiles& files, const std::string& path);
};

// Names one list of a book for as long as the book holds it; a key is never
// given to another list.
using ListKey = std::uint64_t;

class TBook {
public:
  int Count() const { return static_cast<int>(lists_.size()); }
  TWordsList& Items(int index);
  const TWordsList& Items(int index) const;
  ListKey KeyOf(int index) const;
  // The list's index now, or -1 once it left the book.
  int IndexOfKey(ListKey key) const;
  void Add(const TWordsList& source);
  void Replace(int index, const TWordsList& source);
  void Delete(int index);
  void Clear();
  bool MatchesCaption(ISystem& system, const std::string& caption) const;
  // The new lists go in under pending names, the pending index commits them,
  // and they take their places with the index last: a save cut short at any
  // point leaves the old book or, once committed, the new one, which
  // FinishBookSave puts in place. Leaves no other file beginning "File.".
  void SaveToFile(IFiles& files, const std::string& indexPath) const;
  // Reads no further than the highest numbered list file there is.
  void LoadFromFile(IFiles& files, const std::string& indexPath);
  void FillCaptions(ListBox& items) const;
  // The index and every list file as a save writes them.
  std::string FileTexts() const;

private:
  void Check(int index) const;
  std::vector<std::unique_ptr<TWordsList>> lists_;
  std::vector<ListKey> keys_;  // beside lists_
  ListKey nextKey_ = 1;
};

// Completes a save of the book that was cut short after it was committed, or
// removes the pending files of one cut short before.
void FinishBookSave(IFiles& files, const std::string& indexPath);

// The book's words brought into the form they are compared in, once for a
// whole walk: the same answers as asking each list while the book stays.
class PreparedBook {
public:
  PreparedBook(ISystem& system, const TBook& book);
  bool MatchesCaption(const std::string& caption) const;

private:
  struct Rule {
    bool oneOfWords, matchCase;
    std::vector<std::string> words;
  };
  ISystem& system_;
  std::vector<Rule> rules_;
  bool anyIgnoresCase_ = false;
};

}  // namespace hd
