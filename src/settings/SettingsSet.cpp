// A failure early in the load order must not let the next OK write defaults
// over every later file, nor an edit of a list that was never read replace it.
#include "settings/SettingsSet.h"
#include "settings/SettingsError.h"

namespace hd {

namespace {
std::string Joined(const std::vector<std::string>& texts) {
  std::string text;
  for (const std::string& line : texts) text += (text.empty() ? "" : "\r\n") + line;
  return text;
}
}  // namespace

void SettingsSet::Add(File file) { files_.push_back(Entry{std::move(file), true, false, false, {}}); }

std::string SettingsSet::Name(const std::string& path) const {
  const bool inFolder = !folder_.empty() && path.compare(0, folder_.size(), folder_) == 0;
  return inFolder ? path.substr(folder_.size()) : path;
}

// Called in a handler: the file the failure is about, the step's own unless
// the error names another (asked by throwing it again: the product has no RTTI).
std::string SettingsSet::About(const Entry& entry) {
  try {
    throw;
  } catch (const SettingsError& error) {
    if (!error.About().empty()) return error.About();
  } catch (...) {
  }
  return entry.file.path;
}

// Called in a handler: the error's own text, after the name of its file when
// the text does not name it.
std::string SettingsSet::Told(const std::exception& error, const Entry& entry) const {
  const std::string about = About(entry);
  const std::string text = error.what();
  if (about.empty() || text.find(Name(about)) != std::string::npos) return text;
  return Name(about) + ": " + text;
}

bool SettingsSet::Load(Entry& entry, bool tellAgain, std::vector<std::string>& untold) {
  try {
    entry.file.load();
  } catch (const std::exception& error) {
    entry.loaded = false;
    entry.valuesAtLoad = entry.file.values();
    if (entry.file.keep) entry.file.keep(Name(About(entry)));
    if (!entry.told || tellAgain) untold.push_back(Told(error, entry));
    entry.told = true;
    return false;
  }
  entry.loaded = true;
  entry.told = false;
  if (entry.file.keep) entry.file.keep("");
  return true;
}

void SettingsSet::LoadAll() {
  std::vector<std::string> untold;
  for (std::size_t i = 0; i < files_.size(); ++i) {
    Entry& entry = files_[i];
    if (Load(entry, !entry.file.loadGoesOn, untold) || entry.file.loadGoesOn) continue;
    MarkNotLoaded(i + 1);
    break;
  }
  if (!untold.empty()) throw SettingsError(Joined(untold));
}

void SettingsSet::ReloadNotLoaded() {
  std::vector<std::string> untold;
  for (Entry& entry : files_)
    if (!entry.loaded) Load(entry, false, untold);
  if (!untold.empty()) throw SettingsError(Joined(untold));
}

void SettingsSet::MarkNotLoaded(std::size_t from) {
  for (std::size_t i = from; i < files_.size(); ++i) {
    files_[i].loaded = false;
    files_[i].valuesAtLoad = files_[i].file.values();
  }
}

void SettingsSet::Relocate(const std::string& from, const std::string& to) {
  for (Entry& entry : files_)
    if (entry.file.path.compare(0, from.size(), from) == 0) entry.file.path = to + entry.file.path.substr(from.size());
}

void SettingsSet::SaveAll() {
  for (Entry& entry : files_) entry.written = false;
  for (Entry& entry : files_) {
    if (!entry.loaded && (entry.file.keep || entry.file.values() == entry.valuesAtLoad)) continue;
    try {
      entry.file.save();
    } catch (const std::exception& error) {
      throw SettingsError(Told(error, entry));
    }
    entry.loaded = true;
    entry.told = false;
    entry.written = true;
  }
}

}  // namespace hd
