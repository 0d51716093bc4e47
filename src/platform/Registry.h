// The registry, as far as the autorun value needs it.
#pragma once
#include <cstdint>
#include <optional>
#include <string>
#include "platform/Types.h"

namespace hd {

enum class RegistryRoot { CurrentUser, LocalMachine };

class IRegistry {
public:
  virtual ~IRegistry() = default;
  // RegCreateKeyExA with KEY_ALL_ACCESS; 0 on failure.
  virtual Handle CreateKey(RegistryRoot root, const std::string& path) = 0;
  // RegOpenKeyExA with KEY_ALL_ACCESS; 0 on failure.
  virtual Handle OpenKey(RegistryRoot root, const std::string& path) = 0;
  // RegOpenKeyExA with KEY_QUERY_VALUE: a key this user may read only.
  virtual Handle OpenKeyToRead(RegistryRoot root, const std::string& path) = 0;
  virtual bool SetStringValue(Handle key, const std::string& name, const std::string& value) = 0;
  virtual bool DeleteValue(Handle key, const std::string& name) = 0;
  virtual std::optional<std::string> QueryStringValue(Handle key, const std::string& name) = 0;
  virtual void CloseKey(Handle key) = 0;
};

}  // namespace hd
