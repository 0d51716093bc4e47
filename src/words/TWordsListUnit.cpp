// Words lists keep their files line for line as earlier versions wrote them.
#include "words/TWordsListUnit.h"
#include <algorithm>
#include <cctype>
#include <charconv>
#include <optional>
#include "settings/Convert.h"
#include "settings/ListFiles.h"
#include "settings/SettingsError.h"
#include "settings/SettingsFiles.h"
#include "ui/Control.h"

namespace hd {

namespace {

std::string ReadWhole(IFiles& files, const std::string& path) {
  std::string content;
  std::uint32_t error = 0;
  if (!files.ReadFile(path, content, error)) throw SettingsError(files.SystemErrorText(error), path);
  return content;
}

void WriteWhole(IFiles& files, const std::string& path, const std::string& content) {
  std::uint32_t error = 0;
  if (!ReplaceWhole(files, path, content, error)) throw SettingsError(files.SystemErrorText(error), path);
}

void Rename(IFiles& files, const std::string& from, const std::string& to) {
  std::uint32_t error = 0;
  if (!files.ReplaceFile(from, to, error)) throw SettingsError(files.SystemErrorText(error), to);
}

std::string DirectoryOf(const std::string& path) { return path.substr(0, path.find_last_of("\\:") + 1); }
std::string NameOf(const std::string& path) { return path.substr(path.find_last_of("\\:") + 1); }

bool SameText(const std::string& a, const std::string& b) {
  return std::equal(a.begin(), a.end(), b.begin(), b.end(),
                    [](unsigned char x, unsigned char y) { return std::tolower(x) == std::tolower(y); });
}

// The number in a name made of the index's name, a dot, a number in decimal
// without leading zeros and the suffix: "File.3", "File.3.new".
std::optional<int> ListNumber(const std::string& name, const std::string& indexName, const std::string& suffix) {
  const std::string prefix = indexName + ".";
  if (name.size() <= prefix.size() + suffix.size() || !SameText(name.substr(0, prefix.size()), prefix) ||
      !SameText(name.substr(name.size() - suffix.size()), suffix))
    return std::nullopt;
  const std::string digits = name.substr(prefix.size(), name.size() - prefix.size() - suffix.size());
  int number = 0;
  const auto [end, error] = std::from_chars(digits.data(), digits.data() + digits.size(), number);
  if (error != std::errc() || end != digits.data() + digits.size() || (digits.size() > 1 && digits[0] == '0') ||
      digits[0] == '-')
    return std::nullopt;
  return number;
}

std::string ListPath(const std::string& indexPath, int index) { return indexPath + "." + std::to_string(index); }
std::string PendingIndex(const std::string& indexPath) { return indexPath + ".new"; }
constexpr const char* kPending = ".new";

void CreateDirectories(IFiles& files, const std::string& directory) {
  std::uint32_t error = 0;
  for (std::size_t pos = directory.find('\\'); pos != std::string::npos; pos = directory.find('\\', pos + 1)) {
    const std::string part = directory.substr(0, pos);
    // A refused folder shows up as the write error of the first file.
    if (!part.empty() && part.back() != ':' && !files.DirectoryExists(part)) files.CreateDirectory(part, error);
  }
  if (!files.DirectoryExists(directory)) files.CreateDirectory(directory, error);
}

// The matching rule on a caption and words in their compared form.
template <class Word>
bool MatchWords(const std::string& text, const std::vector<std::string>& words, bool oneOfWords, Word compared) {
  for (const std::string& word : words) {
    const bool found = !word.empty() && !text.empty() && text.find(compared(word)) != std::string::npos;
    if (oneOfWords && found) return true;
    if (!oneOfWords && !found) return false;
  }
  return !oneOfWords;
}

}  // namespace

ListIndexError::ListIndexError(int index)
    : TextError("List index out of bounds (" + std::to_string(index) + ")") {}

void TWordsList::Reset() {
  OneOfWords = true;
  MatchCase = false;
  Words.clear();
}

void TWordsList::CopyFrom(const TWordsList& source) {
  if (&source == this) return;
  Caption = source.Caption;
  MatchCase = source.MatchCase;
  OneOfWords = source.OneOfWords;
  Words = source.Words;
}

bool TWordsList::MatchesCaption(ISystem& system, const std::string& caption) const {
  if (MatchCase) return MatchWords(caption, Words, OneOfWords, [](const std::string& word) { return word; });
  return MatchWords(system.CharLower(caption), Words, OneOfWords,
                    [&](const std::string& word) { return system.CharLower(word); });
}

std::string TWordsList::FileText() const {
  std::string content = Caption + "\r\n" + (OneOfWords ? "-1" : "0") + "\r\n" + (MatchCase ? "-1" : "0") + "\r\n";
  for (const std::string& word : Words) content += word + "\r\n";
  return content;
}

void TWordsList::SaveToFile(IFiles& files, const std::string& path) const { WriteWhole(files, path, FileText()); }

bool TWordsList::LoadFromFile(IFiles& files, const std::string& path) {
  if (!files.FileExists(path)) return false;
  std::vector<std::string> lines = SplitListText(ReadWhole(files, path));
  if (lines.size() < 4) return false;
  bool oneOfWords = false, matchCase = false;
  try {
    oneOfWords = StrToBool(lines[1]);
    matchCase = StrToBool(lines[2]);
  } catch (const SettingsError& error) {
    throw SettingsError(error.what(), path);  // the list file, not the index
  }
  Caption = lines[0];
  OneOfWords = oneOfWords;
  MatchCase = matchCase;
  Words.assign(lines.begin() + 3, lines.end());
  return true;
}

void TBook::Check(int index) const {
  if (index < 0 || index >= Count()) throw ListIndexError(index);
}

TWordsList& TBook::Items(int index) {
  Check(index);
  return *lists_[static_cast<std::size_t>(index)];
}

const TWordsList& TBook::Items(int index) const {
  Check(index);
  return *lists_[static_cast<std::size_t>(index)];
}

ListKey TBook::KeyOf(int index) const {
  Check(index);
  return keys_[static_cast<std::size_t>(index)];
}

int TBook::IndexOfKey(ListKey key) const {
  const auto found = std::find(keys_.begin(), keys_.end(), key);
  return found == keys_.end() ? -1 : static_cast<int>(found - keys_.begin());
}

void TBook::Add(const TWordsList& source) {
  auto list = std::make_unique<TWordsList>();
  list->CopyFrom(source);
  lists_.push_back(std::move(list));
  keys_.push_back(nextKey_++);
}

void TBook::Replace(int index, const TWordsList& source) { Items(index).CopyFrom(source); }

void TBook::Delete(int index) {
  Check(index);
  lists_.erase(lists_.begin() + index);
  keys_.erase(keys_.begin() + index);
}

void TBook::Clear() {
  for (int i = Count() - 1; i >= 0; --i) Delete(i);
}

bool TBook::MatchesCaption(ISystem& system, const std::string& caption) const {
  return PreparedBook(system, *this).MatchesCaption(caption);
}

void FinishBookSave(IFiles& files, const std::string& indexPath) {
  const bool committed = files.FileExists(PendingIndex(indexPath));
  for (const std::string& name : files.FindFiles(indexPath + ".*")) {
    const auto number = ListNumber(name, NameOf(indexPath), kPending);
    if (!number) continue;
    if (committed)
      Rename(files, DirectoryOf(indexPath) + name, ListPath(indexPath, *number));
    else
      files.DeleteFile(DirectoryOf(indexPath) + name);
  }
  if (committed) Rename(files, PendingIndex(indexPath), indexPath);
}

void TBook::SaveToFile(IFiles& files, const std::string& indexPath) const {
  CreateDirectories(files, indexPath.substr(0, indexPath.find_last_of("\\:")));
  FinishBookSave(files, indexPath);
  try {
    for (int i = 0; i < Count(); ++i) Items(i).SaveToFile(files, ListPath(indexPath, i) + kPending);
    WriteWhole(files, PendingIndex(indexPath), std::to_string(Count()) + "\r\n");
  } catch (...) {
    FinishBookSave(files, indexPath);  // not committed: the old book stays
    throw;
  }
  FinishBookSave(files, indexPath);
  // Lists that no longer exist, and anything else named like a book file.
  for (const std::string& name : files.FindFiles(indexPath + ".*")) {
    const auto number = ListNumber(name, NameOf(indexPath), "");
    if (SameText(name, NameOf(indexPath)) || (number && *number < Count())) continue;
    files.DeleteFile(DirectoryOf(indexPath) + name);  // one that stays is left over, silently
  }
}

void TBook::LoadFromFile(IFiles& files, const std::string& indexPath) {
  const std::string content = ReadWhole(files, indexPath);
  const std::string line = content.substr(0, content.find_first_of("\r\n"));
  Clear();
  if (line == "0") return;
  const int count = StrToInt(line);
  // Beyond the highest numbered list file nothing can load, however large the count.
  long long highest = -1;
  for (const std::string& name : files.FindFiles(indexPath + ".*"))
    if (const auto number = ListNumber(name, NameOf(indexPath), "")) highest = std::max<long long>(highest, *number);
  const int end = static_cast<int>(std::min<long long>(count, highest + 1));
  TWordsList scratch;
  // A list that cannot be read leaves no gap: the next one takes its index.
  for (int i = 0; i < end; ++i)
    if (scratch.LoadFromFile(files, ListPath(indexPath, i))) Add(scratch);
}

std::string TBook::FileTexts() const {
  std::string texts = std::to_string(Count()) + "\r\n";
  for (const auto& list : lists_) texts += list->FileText();
  return texts;
}

PreparedBook::PreparedBook(ISystem& system, const TBook& book) : system_(system) {
  for (int i = 0; i < book.Count(); ++i) {
    const TWordsList& list = book.Items(i);
    Rule rule{list.OneOfWords, list.MatchCase, list.Words};
    if (!list.MatchCase)
      for (std::string& word : rule.words) word = system.CharLower(word);
    anyIgnoresCase_ = anyIgnoresCase_ || !list.MatchCase;
    rules_.push_back(std::move(rule));
  }
}

bool PreparedBook::MatchesCaption(const std::string& caption) const {
  const std::string lowered = anyIgnoresCase_ ? system_.CharLower(caption) : std::string();
  const auto same = [](const std::string& word) -> const std::string& { return word; };
  for (const Rule& rule : rules_)
    if (MatchWords(rule.matchCase ? caption : lowered, rule.words, rule.oneOfWords, same)) return true;
  return false;
}

void TBook::FillCaptions(ListBox& items) const {
  std::vector<std::string> captions;
  captions.reserve(lists_.size());
  for (const auto& list : lists_) captions.push_back(list->Caption);
  items.SetItems(std::move(captions));
}

}  // namespace hd
