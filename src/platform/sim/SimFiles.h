// A simulated file system with Windows paths: case-insensitive, "\" separated.
#pragma once
#include "platform/Files.h"
#include "platform/sim/SimState.h"

namespace hd {

class SimFiles : public IFiles {
public:
  explicit SimFiles(SimState& state) : s_(state) {}
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

  // Windows wildcard match of a file name ("*" and "?"; "name.*" also matches "name").
  static bool WildcardMatch(const std::string& pattern, const std::string& name);
  // The state's key of a path: "\" separated, lower case, no trailing "\".
  static std::string Key(const std::string& path);

private:
  SimFile* Find(const std::string& path);
  bool ReadOnlyFolder(const std::string& path);
  void Record();
  static std::string Parent(const std::string& path);
  SimState& s_;
};

}  // namespace hd
