// Whole-file reads and writes with the system's own error codes.
#include "platform/win32/WinApi.h"
#include "platform/win32/Win32Files.h"

namespace hd {

bool Win32Files::FileExists(const std::string& path) {
  const DWORD attributes = ::GetFileAttributesA(path.c_str());
  return attributes != INVALID_FILE_ATTRIBUTES && !(attributes & FILE_ATTRIBUTE_DIRECTORY);
}

bool Win32Files::DirectoryExists(const std::string& path) {
  const DWORD attributes = ::GetFileAttributesA(path.c_str());
  return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY);
}

bool Win32Files::FileSize(const std::string& path, std::uint64_t& size, std::uint32_t& error) {
  WIN32_FILE_ATTRIBUTE_DATA data{};
  if (!::GetFileAttributesExA(path.c_str(), GetFileExInfoStandard, &data)) {
    error = ::GetLastError();
    return false;
  }
  size = (static_cast<std::uint64_t>(data.nFileSizeHigh) << 32) | data.nFileSizeLow;
  return true;
}

bool Win32Files::ReadFile(const std::string& path, std::string& content, std::uint32_t& error) {
  HANDLE file = ::CreateFileA(path.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr,
                              OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
  if (file == INVALID_HANDLE_VALUE) {
    error = ::GetLastError();
    return false;
  }
  content.clear();
  char buffer[65536];
  DWORD read = 0;
  bool ok = true;
  while ((ok = ::ReadFile(file, buffer, sizeof buffer, &read, nullptr)) && read > 0) content.append(buffer, read);
  if (!ok) error = ::GetLastError();
  ::CloseHandle(file);
  return ok;
}

bool Win32Files::WriteFile(const std::string& path, const std::string& content, std::uint32_t& error) {
  HANDLE file = ::CreateFileA(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
  if (file == INVALID_HANDLE_VALUE) {
    error = ::GetLastError();
    return false;
  }
  DWORD written = 0;
  bool ok = content.empty() ||
            ::WriteFile(file, content.data(), static_cast<DWORD>(content.size()), &written, nullptr);
  if (ok && written != content.size()) {
    ok = false;
    ::SetLastError(ERROR_DISK_FULL);
  }
  if (!ok) error = ::GetLastError();
  if (!::CloseHandle(file) && ok) {
    ok = false;
    error = ::GetLastError();
  }
  return ok;
}

bool Win32Files::ReplaceFile(const std::string& from, const std::string& to, std::uint32_t& error) {
  // The new content reaches the disk before the name points at it, whoever
  // wrote it: a crash of the system then leaves the old file or the new one.
  HANDLE file = ::CreateFileA(from.c_str(), GENERIC_WRITE, 0, nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
  if (file == INVALID_HANDLE_VALUE) {
    error = ::GetLastError();
    return false;
  }
  const bool flushed = ::FlushFileBuffers(file);
  if (!flushed) error = ::GetLastError();
  ::CloseHandle(file);
  if (!flushed) return false;
  if (::MoveFileExA(from.c_str(), to.c_str(), MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH)) return true;
  error = ::GetLastError();
  return false;
}

bool Win32Files::DeleteFile(const std::string& path) { return ::DeleteFileA(path.c_str()); }

bool Win32Files::CreateDirectory(const std::string& path, std::uint32_t& error) {
  if (::CreateDirectoryA(path.c_str(), nullptr)) return true;
  error = ::GetLastError();
  return false;
}

std::vector<std::string> Win32Files::FindFiles(const std::string& pattern) {
  std::vector<std::string> names;
  WIN32_FIND_DATAA data{};
  HANDLE find = ::FindFirstFileA(pattern.c_str(), &data);
  if (find == INVALID_HANDLE_VALUE) return names;
  do {
    names.emplace_back(data.cFileName);
  } while (::FindNextFileA(find, &data));
  ::FindClose(find);
  return names;
}

std::string Win32Files::SystemErrorText(std::uint32_t error) {
  char* text = nullptr;
  const DWORD length = ::FormatMessageA(
      FORMAT_MESSAGE_ALLOCATE_BUFFER | FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS, nullptr, error, 0,
      reinterpret_cast<LPSTR>(&text), 0, nullptr);
  std::string result = length && text ? std::string(text, length) : "Unknown error " + std::to_string(error) + ".";
  if (text) ::LocalFree(text);
  while (!result.empty() && (result.back() == '\n' || result.back() == '\r' || result.back() == ' ')) result.pop_back();
  return result;
}

Win32Files::~Win32Files() = default;

}  // namespace hd
