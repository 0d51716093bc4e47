// The INI profile functions of kernel32.
#pragma once
#include "platform/Profile.h"

namespace hd {

class Win32Profile : public IProfile {
public:
  ~Win32Profile() override;  // out of line: one unwind table header for the file
  std::string GetPrivateProfileString(const std::string& section, const std::string& key,
                                      const std::string& defaultValue, const std::string& file,
                                      unsigned bufferSize) override;
  bool WritePrivateProfileString(const std::string& section, const std::string& key, const std::string& value,
                                 const std::string& file) override;
  void Flush(const std::string& file) override;
};

}  // namespace hd
