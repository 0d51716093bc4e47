// The settings files in their load and save order, each knowing whether its
// values were loaded. A file that was not (its load failed, or an earlier
// file's did) still holds values the program never read: it is written only
// once the user has changed its values in the window, and a list kept as it
// is never.
#pragma once
#include <string>
#include <vector>
#include "ui/Event.h"

namespace hd {

class SettingsSet {
public:
  struct File {
    std::string path;  // named in the errors about it
    // Loads the file's values; an exception: not loaded.
    Event load;
    Event save;
    // The values a save would write now.
    Callback<std::string()> values;
    // A failure does not end the load, and is told once until the file loads.
    bool loadGoesOn = false;
    // A list that is kept as it is while its file cannot be read: called with
    // the name of the file that could not be read, or "" once loaded.
    Callback<void(const std::string&)> keep;
  };

  // Errors name files relative to this folder.
  explicit SettingsSet(std::string folder = {}) : folder_(std::move(folder)) {}
  void Add(File file);
  // Every file in order, up to the first failure of a file whose load does
  // not go on; SettingsError with the failures to tell.
  void LoadAll();
  // Each file that is not loaded, read again; SettingsError with the
  // failures not told before.
  void ReloadNotLoaded();
  // Every file in order that was loaded or whose values changed since; a
  // kept list never.
  void SaveAll();
  // The files now live in another folder; what was loaded stays loaded.
  void Relocate(const std::string& from, const std::string& to);
  // Whether the last SaveAll wrote the file added at that index.
  bool Written(std::size_t index) const { return files_.at(index).written; }

private:
  struct Entry {
    File file;
    bool loaded = true;
    bool told = false;  // its failure was told and it has not loaded since
    bool written = false;
    std::string valuesAtLoad;  // of a file that was not loaded
  };
  bool Load(Entry& entry, bool tellAgain, std::vector<std::string>& untold);
  void MarkNotLoaded(std::size_t from);
  std::string Name(const std::string& path) const;
  static std::string About(const Entry& entry);
  std::string Told(const std::exception& error, const Entry& entry) const;
  std::vector<Entry> files_;
  std::string folder_;
};

}  // namespace hd
