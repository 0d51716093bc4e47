// Paths are compared without letter case and a file needs its folder, as on Windows.
#include "platform/sim/SimFiles.h"
#include <algorithm>
#include <cctype>
#include <new>
#include <string_view>

namespace hd {

std::string SimFiles::Key(const std::string& path) {
  std::string key = path;
  std::replace(key.begin(), key.end(), '/', '\\');
  while (key.size() > 3 && key.back() == '\\') key.pop_back();
  std::transform(key.begin(), key.end(), key.begin(), [](unsigned char c) { return std::tolower(c); });
  return key;
}

std::string SimFiles::Parent(const std::string& path) {
  const std::string key = Key(path);
  const auto slash = key.find_last_of('\\');
  return slash == std::string::npos ? std::string() : key.substr(0, slash);
}

SimFile* SimFiles::Find(const std::string& path) {
  ++s_.fileCalls;
  auto it = s_.files.find(Key(path));
  return it == s_.files.end() ? nullptr : &it->second;
}

bool SimFiles::FileExists(const std::string& path) {
  SimFile* f = Find(path);
  return f && !f->directory;
}

bool SimFiles::DirectoryExists(const std::string& path) {
  const std::string key = Key(path);
  if (key.size() >= 2 && key[1] == ':' && key.find_first_not_of('\\', 2) == std::string::npos) return true;  // a drive
  SimFile* f = Find(path);
  return f && f->directory;
}

// Its access rights pass to what is created in it, as inherited ones do.
bool SimFiles::ReadOnlyFolder(const std::string& path) {
  for (std::string key = Key(path); !key.empty(); key = Parent(key))
    if (auto f = s_.files.find(key); f != s_.files.end() && f->second.readOnly) return true;
  return false;
}

void SimFiles::Record() {
  if (s_.recordFileHistory) s_.fileHistory.push_back(s_.files);
}

bool SimFiles::FileSize(const std::string& path, std::uint64_t& size, std::uint32_t& error) {
  SimFile* f = Find(path);
  if (!f) {
    error = DirectoryExists(Parent(path)) ? win::ERROR_FILE_NOT_FOUND : win::ERROR_PATH_NOT_FOUND;
    return false;
  }
  // A file held open still tells its size, as its directory entry does.
  size = f->directory ? 0 : f->size ? f->size : f->content.size();
  return true;
}

bool SimFiles::ReadFile(const std::string& path, std::string& content, std::uint32_t& error) {
  SimFile* f = Find(path);
  if (!f) {
    error = DirectoryExists(Parent(path)) ? win::ERROR_FILE_NOT_FOUND : win::ERROR_PATH_NOT_FOUND;
    return false;
  }
  if (f->directory) {
    error = win::ERROR_ACCESS_DENIED;
    return false;
  }
  if (f->heldOpen) {
    error = win::ERROR_SHARING_VIOLATION;
    return false;
  }
  if (f->readError) {
    error = f->readError;
    return false;
  }
  if (f->tooLargeToRead) throw std::bad_alloc();
  content = f->content;
  return true;
}

namespace {
// Characters Windows refuses in a file name (the drive's colon aside).
bool InvalidName(const std::string& path) {
  for (std::size_t i = 0; i < path.size(); ++i) {
    const unsigned char c = path[i];
    if (c < 0x20 || std::string_view("<>\"|?*").find(static_cast<char>(c)) != std::string_view::npos ||
        (c == ':' && i != 1))
      return true;
  }
  return false;
}
}  // namespace

bool SimFiles::WriteFile(const std::string& path, const std::string& content, std::uint32_t& error) {
  if (InvalidName(path)) {
    error = win::ERROR_INVALID_NAME;
    return false;
  }
  const auto failing = s_.failingWrites.find(Key(path));
  if (failing != s_.failingWrites.end() || s_.diskFull) {
    // The file was created or truncated before the write failed part-way.
    if (SimFile* f = Find(path); !f || !f->directory)
      s_.files[Key(path)] = SimFile{f ? f->path : path, content.substr(0, content.size() / 2), false};
    Record();
    error = failing != s_.failingWrites.end() ? failing->second : win::ERROR_DISK_FULL;
    return false;
  }
  const std::string parent = Parent(path);
  if (!DirectoryExists(parent)) {
    error = win::ERROR_PATH_NOT_FOUND;
    return false;
  }
  if (ReadOnlyFolder(parent)) {
    error = win::ERROR_ACCESS_DENIED;
    return false;
  }
  SimFile* f = Find(path);
  if (f && f->directory) {
    error = win::ERROR_ACCESS_DENIED;
    return false;
  }
  if (f && f->heldOpen) {
    error = win::ERROR_SHARING_VIOLATION;
    return false;
  }
  if (!f) f = &(s_.files[Key(path)] = SimFile{path, {}, false});
  f->content.clear();
  Record();
  f->content = content;
  Record();
  return true;
}

bool SimFiles::ReplaceFile(const std::string& from, const std::string& to, std::uint32_t& error) {
  SimFile* source = Find(from);
  SimFile* target = Find(to);
  if (!source || source->directory) {
    error = win::ERROR_FILE_NOT_FOUND;
    return false;
  }
  if ((target && (target->directory || target->heldOpen)) || ReadOnlyFolder(Parent(to))) {
    error = win::ERROR_ACCESS_DENIED;
    return false;
  }
  if (auto failing = s_.failingWrites.find(Key(to)); failing != s_.failingWrites.end()) {
    error = failing->second;
    return false;
  }
  SimFile moved{target ? target->path : to, source->content, false};
  s_.files.erase(Key(from));
  s_.files[Key(to)] = moved;
  s_.LogCall("ReplaceFile " + to);
  Record();
  return true;
}

bool SimFiles::DeleteFile(const std::string& path) {
  SimFile* f = Find(path);
  if (!f || f->directory || f->heldOpen || ReadOnlyFolder(Parent(path))) return false;
  s_.files.erase(Key(path));
  Record();
  return true;
}

bool SimFiles::CreateDirectory(const std::string& path, std::uint32_t& error) {
  if (InvalidName(path)) {
    error = win::ERROR_INVALID_NAME;
    return false;
  }
  if (Find(path)) {
    error = win::ERROR_ALREADY_EXISTS;
    return false;
  }
  if (!DirectoryExists(Parent(path))) {
    error = win::ERROR_PATH_NOT_FOUND;
    return false;
  }
  if (ReadOnlyFolder(Parent(path))) {
    error = win::ERROR_ACCESS_DENIED;
    return false;
  }
  s_.files[Key(path)] = SimFile{path, {}, true};
  Record();
  return true;
}

bool SimFiles::WildcardMatch(const std::string& pattern, const std::string& name) {
  auto lower = [](std::string t) {
    std::transform(t.begin(), t.end(), t.begin(), [](unsigned char c) { return std::tolower(c); });
    return t;
  };
  const std::string p = lower(pattern), n = lower(name);
  // "*.*"-style endings also match a name without a dot, as FindFirstFile does.
  if (p.size() >= 2 && p.compare(p.size() - 2, 2, ".*") == 0 && n.find('.') == std::string::npos &&
      WildcardMatch(p.substr(0, p.size() - 2), n))
    return true;
  std::size_t pi = 0, ni = 0, starP = std::string::npos, starN = 0;
  while (ni < n.size()) {
    if (pi < p.size() && (p[pi] == '?' || p[pi] == n[ni])) {
      ++pi;
      ++ni;
    } else if (pi < p.size() && p[pi] == '*') {
      starP = pi++;
      starN = ni;
    } else if (starP != std::string::npos) {
      pi = starP + 1;
      ni = ++starN;
    } else {
      return false;
    }
  }
  while (pi < p.size() && p[pi] == '*') ++pi;
  return pi == p.size();
}

std::vector<std::string> SimFiles::FindFiles(const std::string& pattern) {
  const std::string folder = Parent(pattern);
  const auto slash = pattern.find_last_of("\\/");
  const std::string namePattern = slash == std::string::npos ? pattern : pattern.substr(slash + 1);
  std::vector<std::string> names;
  for (const auto& [key, file] : s_.files) {
    if (Parent(key) != folder) continue;
    const auto nameStart = file.path.find_last_of("\\/");
    const std::string name = nameStart == std::string::npos ? file.path : file.path.substr(nameStart + 1);
    if (WildcardMatch(namePattern, name)) names.push_back(name);
  }
  return names;
}

std::string SimFiles::SystemErrorText(std::uint32_t error) {
  switch (error) {
    case win::ERROR_FILE_NOT_FOUND: return "The system cannot find the file specified.";
    case win::ERROR_PATH_NOT_FOUND: return "The system cannot find the path specified.";
    case win::ERROR_ACCESS_DENIED: return "Access is denied.";
    case win::ERROR_SHARING_VIOLATION:
      return "The process cannot access the file because it is being used by another process.";
    case win::ERROR_DISK_FULL: return "There is not enough space on the disk.";
    case win::ERROR_INVALID_NAME: return "The filename, directory name, or volume label syntax is incorrect.";
    default: return "Unknown error " + std::to_string(error) + ".";
  }
}

}  // namespace hd
