// The Run value that starts the program with Windows.
#include "settings/SettingsError.h"
#include "settings/SettingsSteps.h"

namespace hd {

namespace {

constexpr const char* kRunKey = "Software\\Microsoft\\Windows\\CurrentVersion\\Run";
constexpr const char* kValueName = "vhd";

void DeleteRunValue(IRegistry& registry, RegistryRoot root) {
  if (const Handle key = registry.OpenKey(root, kRunKey)) {
    registry.DeleteValue(key, kValueName);
    registry.CloseKey(key);
  }
}

bool SetRunValue(IRegistry& registry, RegistryRoot root, const std::string& value) {
  const Handle key = registry.CreateKey(root, kRunKey);
  if (!key) return false;
  const bool written = registry.SetStringValue(key, kValueName, value);
  registry.CloseKey(key);
  return written;
}

}  // namespace

void WriteAutorunValue(const AppSettings& s, IRegistry& registry, const std::string& exePath) {
  if (s.rbDisable.Checked()) {
    DeleteRunValue(registry, RegistryRoot::LocalMachine);
    DeleteRunValue(registry, RegistryRoot::CurrentUser);
    return;
  }
  const std::string value = "\"" + exePath + "\"" + (s.rbBackground.Checked() ? " /hidden" : "");
  if (SetRunValue(registry, RegistryRoot::LocalMachine, value)) {
    // An older per-user copy would start a second instance with a stale mode.
    DeleteRunValue(registry, RegistryRoot::CurrentUser);
    return;
  }
  // A user who may not write the machine's key still gets the program started
  // for themselves.
  if (!SetRunValue(registry, RegistryRoot::CurrentUser, value))
    throw SettingsError(std::string("Failed to create key ") + kRunKey);
}

}  // namespace hd
