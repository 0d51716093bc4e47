// The registry through advapi32.
#pragma once
#include "platform/Registry.h"

namespace hd {

class Win32Registry : public IRegistry {
public:
  ~Win32Registry() override;  // out of line: one unwind table header for the file
  Handle CreateKey(RegistryRoot root, const std::string& path) override;
  Handle OpenKey(RegistryRoot root, const std::string& path) override;
  Handle OpenKeyToRead(RegistryRoot root, const std::string& path) override;
  bool SetStringValue(Handle key, const std::string& name, const std::string& value) override;
  bool DeleteValue(Handle key, const std::string& name) override;
  std::optional<std::string> QueryStringValue(Handle key, const std::string& name) override;
  void CloseKey(Handle key) override;
};

}  // namespace hd
