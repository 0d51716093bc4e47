// The INI profile functions.
#pragma once
#include <string>

namespace hd {

class IProfile {
public:
  virtual ~IProfile() = default;
  // GetPrivateProfileStringA with a buffer of bufferSize characters.
  virtual std::string GetPrivateProfileString(const std::string& section, const std::string& key,
                                              const std::string& defaultValue,
                                              const std::string& file, unsigned bufferSize) = 0;
  virtual bool WritePrivateProfileString(const std::string& section, const std::string& key,
                                         const std::string& value, const std::string& file) = 0;
  // Writes out what the system still caches of the file (Windows 9x keeps
  // profile writes in memory).
  virtual void Flush(const std::string& file) = 0;
};

}  // namespace hd
