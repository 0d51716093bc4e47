// The settings files in their load and save order, each knowing whether its
// values were loaded. A file that was not (its load failed, or an earlier
// file's did) still holds values the program never read: it is written only
// once the user has changed its values in the window.
#pragma once
#include <functional>
#include <string>
#include <vector>

namespace hd {

class SettingsSet {
public:
  struct File {
    // Loads the file's values. False: not loaded, and the load goes on; an
    // exception: not loaded, and it ends the load.
    std::function<bool()> load;
    std::function<void()> save;
    // The values a save would write now.
    std::function<std::string()> values;
  };

  void Add(File file);
  // Every file in order, up to the first one whose load throws (rethrown).
  void LoadAll();
  // Every file in order that was loaded or whose values changed since.
  void SaveAll();

private:
  struct Entry {
    File file;
    bool loaded = true;
    std::string valuesAtLoad;  // of a file that was not loaded
  };
  void MarkNotLoaded(std::size_t from);
  std::vector<Entry> files_;
};

}  // namespace hd
