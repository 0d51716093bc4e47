// Version tests compare platform id, major and minor version only.
#include "app/OSWorks.h"

namespace hd {

namespace {
// Past this size no version structure of any system is accepted either, and
// a backend that refuses everything must not hang the program.
constexpr std::uint32_t kLargestVersionSize = 512;

bool IsVersion(ISystem& system, unsigned platformId, std::uint32_t major, std::uint32_t minor) {
  const OsVersionInfo info = GetOSVersionInfo(system);
  return info.platformId == platformId && info.majorVersion == major && info.minorVersion == minor;
}
}  // namespace

OsVersionInfo GetOSVersionInfo(ISystem& system) {
  for (std::uint32_t size = 148; size <= kLargestVersionSize; ++size) {
    OsVersionInfo info;
    info.size = size;
    if (system.GetVersionEx(info)) return info;
  }
  return OsVersionInfo{};
}

bool IsWindows95(ISystem& system) { return IsVersion(system, win::VER_PLATFORM_WIN32_WINDOWS, 4, 0); }
bool IsWindows98(ISystem& system) { return IsVersion(system, win::VER_PLATFORM_WIN32_WINDOWS, 4, 10); }
bool IsWindowsMe(ISystem& system) { return IsVersion(system, win::VER_PLATFORM_WIN32_WINDOWS, 4, 90); }
bool IsWindows2000(ISystem& system) { return IsVersion(system, win::VER_PLATFORM_WIN32_NT, 5, 0); }
bool IsWindowsXP(ISystem& system) { return IsVersion(system, win::VER_PLATFORM_WIN32_NT, 5, 1); }

bool IsWindowsVistaOrLater(ISystem& system) {
  const OsVersionInfo info = GetOSVersionInfo(system);
  return info.platformId == win::VER_PLATFORM_WIN32_NT && info.majorVersion >= 6;
}

}  // namespace hd
