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

// A key the user may not write can still be read.
bool MachineValueExists(IRegistry& registry) {
  const Handle key = registry.OpenKeyToRead(RegistryRoot::LocalMachine, kRunKey);
  if (!key) return false;
  const bool exists = registry.QueryStringValue(key, kValueName).has_value();
  registry.CloseKey(key);
  return exists;
}

bool SetRunValue(IRegistry& registry, RegistryRoot root, const std::string& value) {
  const Handle key = registry.CreateKey(root, kRunKey);
  if (!key) return false;
  const bool written = registry.SetStringValue(key, kValueName, value);
  registry.CloseKey(key);
  return written;
}

}  // namespace

bool WriteAutorunValue(const AppSettings& s, IRegistry& registry, const std::string& exePath) {
  if (s.rbDisable.Checked()) {
    DeleteRunValue(registry, RegistryRoot::LocalMachine);
    DeleteRunValue(registry, RegistryRoot::CurrentUser);
    return MachineValueExists(registry);
  }
  const std::string value = "\"" + exePath + "\"" + (s.rbBackground.Checked() ? " /hidden" : "");
  if (SetRunValue(registry, RegistryRoot::LocalMachine, value)) {
    // An older per-user copy would start a second instance with a stale mode.
    DeleteRunValue(registry, RegistryRoot::CurrentUser);
    return false;
  }
  // A user who may not write the machine's key still gets the program started
  // for themselves.
  if (!SetRunValue(registry, RegistryRoot::CurrentUser, value))
    throw SettingsError(std::string("Failed to create key ") + kRunKey, kRunKey);
  // An older machine-wide value would start a second instance.
  DeleteRunValue(registry, RegistryRoot::LocalMachine);
  return MachineValueExists(registry);
}

}  // namespace hd
