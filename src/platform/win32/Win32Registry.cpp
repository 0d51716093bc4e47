// The literal registry calls, with full access as the autorun value needs.
#include "platform/win32/WinApi.h"
#include "platform/win32/Win32Registry.h"

namespace hd {

namespace {
HKEY Root(RegistryRoot root) { return root == RegistryRoot::LocalMachine ? HKEY_LOCAL_MACHINE : HKEY_CURRENT_USER; }
HKEY K(Handle key) { return reinterpret_cast<HKEY>(key); }
}  // namespace

Handle Win32Registry::CreateKey(RegistryRoot root, const std::string& path) {
  HKEY key = nullptr;
  if (::RegCreateKeyExA(Root(root), path.c_str(), 0, nullptr, REG_OPTION_NON_VOLATILE, KEY_ALL_ACCESS, nullptr, &key,
                        nullptr) != ERROR_SUCCESS)
    return 0;
  return reinterpret_cast<Handle>(key);
}

Handle Win32Registry::OpenKey(RegistryRoot root, const std::string& path) {
  HKEY key = nullptr;
  if (::RegOpenKeyExA(Root(root), path.c_str(), 0, KEY_ALL_ACCESS, &key) != ERROR_SUCCESS) return 0;
  return reinterpret_cast<Handle>(key);
}

Handle Win32Registry::OpenKeyToRead(RegistryRoot root, const std::string& path) {
  HKEY key = nullptr;
  if (::RegOpenKeyExA(Root(root), path.c_str(), 0, KEY_QUERY_VALUE, &key) != ERROR_SUCCESS) return 0;
  return reinterpret_cast<Handle>(key);
}

bool Win32Registry::SetStringValue(Handle key, const std::string& name, const std::string& value) {
  return ::RegSetValueExA(K(key), name.c_str(), 0, REG_SZ, reinterpret_cast<const BYTE*>(value.c_str()),
                          static_cast<DWORD>(value.size() + 1)) == ERROR_SUCCESS;
}

bool Win32Registry::DeleteValue(Handle key, const std::string& name) {
  return ::RegDeleteValueA(K(key), name.c_str()) == ERROR_SUCCESS;
}

std::optional<std::string> Win32Registry::QueryStringValue(Handle key, const std::string& name) {
  DWORD type = 0, size = 0;
  if (::RegQueryValueExA(K(key), name.c_str(), nullptr, &type, nullptr, &size) != ERROR_SUCCESS || type != REG_SZ)
    return std::nullopt;
  std::string value(size, '\0');
  if (::RegQueryValueExA(K(key), name.c_str(), nullptr, &type, reinterpret_cast<BYTE*>(value.data()), &size) !=
      ERROR_SUCCESS)
    return std::nullopt;
  value.resize(value.find('\0') == std::string::npos ? size : value.find('\0'));
  return value;
}

void Win32Registry::CloseKey(Handle key) { ::RegCloseKey(K(key)); }

Win32Registry::~Win32Registry() = default;

}  // namespace hd
