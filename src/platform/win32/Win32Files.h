// Files through kernel32.
#pragma once
#include "platform/Files.h"

namespace hd {

class Win32Files : public IFiles {
public:
  ~Win32Files() override;  // out of line: one unwind table header for the file
  bool FileExists(const std::string& path) override;
  bool DirectoryExists(const std::string& path) override;
  bool FileSize(const std::string& path, std::uint64_t& size, std::uint32_t& error) override;
  bool ReadFile(const std::string& path, std::string& content, std::uint32_t& error) override;
  bool WriteFile(const std::string& path, const std::string& content, std::uint32_t& error) override;
  bool ReplaceFile(const std::string& from, const std::string& to, std::uint32_t& error) override;
  bool DeleteFile(const std::string& path) override;
  bool CreateDirectory(const std::string& path, std::uint32_t& error) override;
  std::vector<std::string> FindFiles(const std::string& pattern) override;
  std::string SystemErrorText(std::uint32_t error) override;
};

}  // namespace hd
