// Key and value names compare without letter case, as in the real registry.
#include "platform/sim/SimRegistry.h"
#include <algorithm>
#include <cctype>

namespace hd {

namespace {
std::string KeyName(RegistryRoot root, std::string path) {
  std::transform(path.begin(), path.end(), path.begin(), [](unsigned char c) { return std::tolower(c); });
  return (root == RegistryRoot::LocalMachine ? "hklm\\" : "hkcu\\") + path;
}
std::string Lower(std::string text) {
  std::transform(text.begin(), text.end(), text.begin(), [](unsigned char c) { return std::tolower(c); });
  return text;
}
}  // namespace

Handle SimRegistry::CreateKey(RegistryRoot root, const std::string& path) {
  if (readOnlyRoots.count(root)) return 0;
  const std::string name = KeyName(root, path);
  // Missing parent keys are created on the way, as RegCreateKeyEx does.
  for (auto slash = name.find('\\', 5); slash != std::string::npos; slash = name.find('\\', slash + 1))
    keys[name.substr(0, slash)];
  keys[name];
  open_[next_] = name;
  return next_++;
}

Handle SimRegistry::OpenKey(RegistryRoot root, const std::string& path) {
  const std::string name = KeyName(root, path);
  if (readOnlyRoots.count(root) || !keys.count(name)) return 0;
  open_[next_] = name;
  return next_++;
}

Handle SimRegistry::OpenKeyToRead(RegistryRoot root, const std::string& path) {
  const std::string name = KeyName(root, path);
  if (!keys.count(name)) return 0;
  open_[next_] = name;
  readOnly_.insert(next_);
  return next_++;
}

bool SimRegistry::SetStringValue(Handle key, const std::string& name, const std::string& value) {
  auto it = open_.find(key);
  if (it == open_.end() || readOnly_.count(key)) return false;
  keys[it->second][Lower(name)] = value;
  return true;
}

bool SimRegistry::DeleteValue(Handle key, const std::string& name) {
  auto it = open_.find(key);
  return it != open_.end() && !readOnly_.count(key) && keys[it->second].erase(Lower(name)) > 0;
}

std::optional<std::string> SimRegistry::QueryStringValue(Handle key, const std::string& name) {
  auto it = open_.find(key);
  if (it == open_.end()) return std::nullopt;
  const auto& values = keys[it->second];
  auto value = values.find(Lower(name));
  if (value == values.end()) return std::nullopt;
  return value->second;
}

void SimRegistry::CloseKey(Handle key) {
  open_.erase(key);
  readOnly_.erase(key);
}

}  // namespace hd
