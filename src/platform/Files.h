// Files under the program's folder, with Windows paths ("C:\dir\file").
#pragma once
#include <cstdint>
#include <string>
#include <vector>

namespace hd {

class IFiles {
public:
  virtual ~IFiles() = default;
  virtual bool FileExists(const std::string& path) = 0;       // a file, not a folder
  virtual bool DirectoryExists(const std::string& path) = 0;
  // GetFileAttributesExA: the size in bytes; false with the system error code.
  virtual bool FileSize(const std::string& path, std::uint64_t& size, std::uint32_t& error) = 0;
  // Whole file; false with the system error code when it cannot be read.
  virtual bool ReadFile(const std::string& path, std::string& content, std::uint32_t& error) = 0;
  // Creates or truncates and writes; false with the system error code.
  virtual bool WriteFile(const std::string& path, const std::string& content, std::uint32_t& error) = 0;
  // Flushes the source to the disk, then MoveFileExA(MOVEFILE_REPLACE_EXISTING).
  virtual bool ReplaceFile(const std::string& from, const std::string& to, std::uint32_t& error) = 0;
  virtual bool DeleteFile(const std::string& path) = 0;
  virtual bool CreateDirectory(const std::string& path, std::uint32_t& error) = 0;
  // FindFirstFileA/FindNextFileA with a wildcard pattern: the names found.
  virtual std::vector<std::string> FindFiles(const std::string& pattern) = 0;
  // FormatMessageA for a system error code, without the trailing line break.
  virtual std::string SystemErrorText(std::uint32_t error) = 0;
};

}  // namespace hd
