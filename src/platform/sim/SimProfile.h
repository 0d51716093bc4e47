// The INI profile functions over the simulated file system.
#pragma once
#include "platform/Profile.h"
#include "platform/sim/SimFiles.h"

namespace hd {

class SimProfile : public IProfile {
public:
  explicit SimProfile(SimFiles& files) : files_(files) {}
  std::string GetPrivateProfileString(const std::string& section, const std::string& key,
                                      const std::string& defaultValue, const std::string& file,
                                      unsigned bufferSize) override;
  bool WritePrivateProfileString(const std::string& section, const std::string& key, const std::string& value,
                                 const std::string& file) override;
  void Flush(const std::string& file) override;

private:
  SimFiles& files_;
};

}  // namespace hd
