// The literal profile calls.
#include "platform/win32/WinApi.h"
#include "platform/win32/Win32Profile.h"

namespace hd {

std::string Win32Profile::GetPrivateProfileString(const std::string& section, const std::string& key,
                                                  const std::string& defaultValue, const std::string& file,
                                                  unsigned bufferSize) {
  if (bufferSize == 0) return {};
  std::string buffer(bufferSize, '\0');
  const DWORD length = ::GetPrivateProfileStringA(section.c_str(), key.c_str(), defaultValue.c_str(), buffer.data(),
                                                  bufferSize, file.c_str());
  buffer.resize(length);
  return buffer;
}

bool Win32Profile::WritePrivateProfileString(const std::string& section, const std::string& key,
                                             const std::string& value, const std::string& file) {
  return ::WritePrivateProfileStringA(section.c_str(), key.c_str(), value.c_str(), file.c_str());
}

void Win32Profile::Flush(const std::string& file) {
  ::WritePrivateProfileStringA(nullptr, nullptr, nullptr, file.c_str());
}

Win32Profile::~Win32Profile() = default;

}  // namespace hd
