// An install the user cannot write to must still keep what OK saves; files
// are never moved behind the user's back, only copied on the first save.
#include "settings/SettingsFolder.h"
#include "settings/SettingsError.h"
#include "settings/SettingsFiles.h"

namespace hd {

namespace {
constexpr const char* kProbe = "Hushdesk.tmp";

// Windows has no cheap question for it across shares and access rules: a
// file is written and removed.
bool CanWrite(IFiles& files, const std::string& exeDir) {
  const std::string settings = exeDir + "Settings";
  if (files.FileExists(settings)) return false;
  const std::string probe = (files.DirectoryExists(settings) ? settings + "\\" : exeDir) + kProbe;
  std::uint32_t error = 0;
  if (!files.WriteFile(probe, "", error)) return false;
  files.DeleteFile(probe);
  return true;
}

// The files a save writes or a user put there; the shipped list, the
// recovery record and what a save left unfinished are no settings.
std::vector<std::string> SettingsFileNames(IFiles& files, const std::string& folder) {
  std::vector<std::string> names;
  for (const std::string& name : files.FindFiles(folder + "*")) {
    const bool skipped = name == "SysProcs.lst" || name == "Recovery.dat" ||
                         (name.size() > 4 && name.compare(name.size() - 4, 4, ".tmp") == 0);
    if (!skipped && files.FileExists(folder + name)) names.push_back(name);
  }
  return names;
}

bool HoldsSettings(IFiles& files, const std::string& folder) {
  return !SettingsFileNames(files, folder).empty() || files.DirectoryExists(folder + "Book");
}
}  // namespace

SettingsFolder ChooseSettingsFolder(IFiles& files, const std::string& exeDir, const std::string& appData) {
  const std::string beside = exeDir + "Settings\\";
  if (appData.empty() || CanWrite(files, exeDir)) return {beside, beside};
  const std::string user = appData + (appData.back() == '\\' ? "" : "\\") + "Hushdesk\\Settings\\";
  const bool fromBeside = !HoldsSettings(files, user) && HoldsSettings(files, beside);
  return {user, fromBeside ? beside : user};
}

void CopySettings(IFiles& files, const std::string& from, const std::string& to) {
  for (const char* sub : {"", "Book\\"}) {
    for (const std::string& name : SettingsFileNames(files, from + sub)) {
      const std::string source = from + sub + name, target = to + sub + name;
      std::string content;
      std::uint32_t error = 0;
      if (!files.ReadFile(source, content, error))
        throw SettingsError("Cannot open file \"" + source + "\". " + files.SystemErrorText(error));
      EnsureFileDirectory(files, target);
      WriteListFile(files, target, content);
    }
  }
}

}  // namespace hd
