// A failure early in the load order must not let the next OK write defaults
// over every later file.
#include "settings/SettingsSet.h"

namespace hd {

void SettingsSet::Add(File file) { files_.push_back(Entry{std::move(file), true, {}}); }

void SettingsSet::LoadAll() {
  for (std::size_t i = 0; i < files_.size(); ++i) {
    try {
      files_[i].loaded = files_[i].file.load();
    } catch (...) {
      MarkNotLoaded(i);
      throw;
    }
    if (!files_[i].loaded) files_[i].valuesAtLoad = files_[i].file.values();
  }
}

void SettingsSet::MarkNotLoaded(std::size_t from) {
  for (std::size_t i = from; i < files_.size(); ++i) {
    files_[i].loaded = false;
    files_[i].valuesAtLoad = files_[i].file.values();
  }
}

void SettingsSet::SaveAll() {
  for (Entry& entry : files_) {
    if (!entry.loaded && entry.file.values() == entry.valuesAtLoad) continue;
    entry.file.save();
    entry.loaded = true;
  }
}

}  // namespace hd
