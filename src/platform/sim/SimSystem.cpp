// Lower-casing follows the Windows-1252 code page, as CharLowerBuffA does there.
#include "platform/sim/SimSystem.h"
#include <algorithm>

namespace hd {

namespace {
unsigned char Lower1252(unsigned char c) {
  if ((c >= 'A' && c <= 'Z') || (c >= 0xC0 && c <= 0xDE && c != 0xD7)) return static_cast<unsigned char>(c + 0x20);
  switch (c) {
    case 0x8A: return 0x9A;  // S caron
    case 0x8C: return 0x9C;  // OE
    case 0x8E: return 0x9E;  // Z caron
    case 0x9F: return 0xFF;  // Y diaeresis
    default: return c;
  }
}
}  // namespace

Handle SimSystem::CreateMutex(const std::string& name, std::uint32_t& lastError) {
  lastError = s_.mutexes.insert(name).second ? 0 : win::ERROR_ALREADY_EXISTS;
  Handle handle = s_.nextKernelHandle++;
  s_.mutexHandles[handle] = name;
  return handle;
}

bool SimSystem::CloseHandle(Handle handle) {
  auto it = s_.mutexHandles.find(handle);
  if (it == s_.mutexHandles.end()) return false;
  const std::string name = it->second;
  s_.mutexHandles.erase(it);
  bool stillOpen = false;
  for (const auto& [h, n] : s_.mutexHandles) stillOpen = stillOpen || n == name;
  if (!stillOpen) s_.mutexes.erase(name);
  return true;
}

std::string SimSystem::GetEnvironmentVariable(const std::string& name) {
  const auto found = s_.environment.find(CharLower(name));
  return found == s_.environment.end() ? std::string() : found->second;
}

std::string SimSystem::GetModuleFileName() { return s_.processes.at(s_.programProcess).exePath; }

// Off every monitor, Windows picks the nearest, as the pointer cannot be there.
Rect SimSystem::MonitorRectAt(Point point) {
  if (s_.monitors.empty()) return {0, 0, s_.screenWidth, s_.screenHeight};
  const Rect* nearest = nullptr;
  long long best = 0;
  for (const Rect& monitor : s_.monitors) {
    const long long dx = std::clamp(point.x, monitor.left, monitor.right - 1) - point.x;
    const long long dy = std::clamp(point.y, monitor.top, monitor.bottom - 1) - point.y;
    if (!nearest || dx * dx + dy * dy < best) {
      nearest = &monitor;
      best = dx * dx + dy * dy;
    }
  }
  return *nearest;
}

bool SimSystem::GetVersionEx(OsVersionInfo& info) {
  if (info.size != 148 && info.size != 156) return false;
  const std::uint32_t size = info.size;
  info = s_.version;
  info.size = size;
  return true;
}

bool SimSystem::CallRegisterServiceProcess(ProcessId processId, std::uint32_t type) {
  ++s_.serviceProcessLookups;
  const bool has9xExport = s_.version.platformId == win::VER_PLATFORM_WIN32_WINDOWS;
  if (!has9xExport) return false;
  s_.serviceProcessCalls.emplace_back(processId, type);
  return true;
}

bool SimSystem::MessageBeep(unsigned type) {
  s_.beeps.push_back(type);
  return true;
}

std::string SimSystem::CharLower(const std::string& text) {
  std::string lower = text;
  for (char& c : lower) c = static_cast<char>(Lower1252(static_cast<unsigned char>(c)));
  return lower;
}

// Windows-1252 as WideCharToMultiByte maps it: its five unassigned bytes
// stand for the control characters of the same number.
std::string SimSystem::WideToAnsi(const std::u16string& text) {
  static constexpr char16_t k80To9F[32] = {0x20AC, 0x81,   0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021,
                                           0x02C6, 0x2030, 0x0160, 0x2039, 0x0152, 0x8D,   0x017D, 0x8F,
                                           0x90,   0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,
                                           0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x9D,   0x017E, 0x0178};
  std::string ansi;
  for (std::size_t i = 0; i < text.size(); ++i) {
    const char16_t c = text[i];
    const bool pair = c >= 0xD800 && c <= 0xDBFF && i + 1 < text.size() && text[i + 1] >= 0xDC00 && text[i + 1] <= 0xDFFF;
    i += pair;
    char mapped = '?';
    if (c < 0x80 || (c >= 0xA0 && c <= 0xFF)) mapped = static_cast<char>(c);
    for (int b = 0; b < 32; ++b)
      if (k80To9F[b] == c) mapped = static_cast<char>(0x80 + b);
    ansi += mapped;
  }
  return ansi;
}

bool SimSystem::EqualTextIgnoreCase(const std::string& a, const std::string& b) {
  return CharLower(a) == CharLower(b);
}

}  // namespace hd
