// Where the settings files live: beside the executable when that folder can
// be written, else in the user's application data.
#pragma once
#include <string>
#include "platform/Files.h"

namespace hd {

struct SettingsFolder {
  std::string kept;      // where the settings are written, with a trailing backslash
  std::string readFrom;  // where they are read until the first save: kept, or the one beside the exe
  bool Moving() const { return readFrom != kept; }
};

// Chosen once, before anything is read: exeDir's "Settings" when it can be
// written (or no application data folder is known), else appData's
// "Hushdesk\Settings", read from exeDir's until the first save when only
// that one holds settings.
SettingsFolder ChooseSettingsFolder(IFiles& files, const std::string& exeDir, const std::string& appData);

// Copies every file of the folder and of its "Book" into another, each whole;
// SysProcs.lst and the recovery record stay. SettingsError on a failure.
void CopySettings(IFiles& files, const std::string& from, const std::string& to);

}  // namespace hd
