// A simulated registry: keys by path, string values, and keys a user may not write.
#pragma once
#include <map>
#include <set>
#include "platform/Registry.h"
#include "platform/sim/SimState.h"

namespace hd {

class SimRegistry : public IRegistry {
public:
  explicit SimRegistry(SimState&) {}
  Handle CreateKey(RegistryRoot root, const std::string& path) override;
  Handle OpenKey(RegistryRoot root, const std::string& path) override;
  Handle OpenKeyToRead(RegistryRoot root, const std::string& path) override;
  bool SetStringValue(Handle key, const std::string& name, const std::string& value) override;
  bool DeleteValue(Handle key, const std::string& name) override;
  std::optional<std::string> QueryStringValue(Handle key, const std::string& name) override;
  void CloseKey(Handle key) override;

  // Test set-up: keys under this root may be neither created nor opened for writing.
  std::set<RegistryRoot> readOnlyRoots;
  // The values, by key ("HKLM\path" or "HKCU\path", lower case) and value name.
  std::map<std::string, std::map<std::string, std::string>> keys;

private:
  std::map<Handle, std::string> open_;
  std::set<Handle> readOnly_;  // opened to read
  Handle next_ = 0x2000;
};

}  // namespace hd
