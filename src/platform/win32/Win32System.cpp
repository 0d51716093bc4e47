// Each operation is the one kernel32 or user32 call of the same purpose.
#include "platform/win32/WinApi.h"
#include "platform/win32/Win32LateBound.h"
#include "platform/win32/Win32System.h"
#include <atomic>
#include <cstdlib>
#include <exception>

namespace hd {

Handle Win32System::CreateMutex(const std::string& name, std::uint32_t& lastError) {
  HANDLE mutex = ::CreateMutexA(nullptr, FALSE, name.c_str());
  lastError = ::GetLastError();
  return reinterpret_cast<Handle>(mutex);
}

bool Win32System::CloseHandle(Handle handle) { return ::CloseHandle(reinterpret_cast<HANDLE>(handle)); }

std::string Win32System::GetSystemDirectory() {
  char folder[MAX_PATH];
  const UINT length = ::GetSystemDirectoryA(folder, MAX_PATH);
  return length < MAX_PATH ? std::string(folder, length) : std::string();
}

// A folder longer than MAX_PATH could not be used by the ANSI file calls anyway.
std::string Win32System::GetEnvironmentVariable(const std::string& name) {
  char value[MAX_PATH];
  const DWORD length = ::GetEnvironmentVariableA(name.c_str(), value, MAX_PATH);
  return length < MAX_PATH ? std::string(value, length) : std::string();
}

std::string Win32System::GetModuleFileName() {
  std::string path(MAX_PATH, '\0');
  for (;;) {
    const DWORD length = ::GetModuleFileNameA(nullptr, path.data(), static_cast<DWORD>(path.size()));
    if (length < path.size()) {
      path.resize(length);
      return path;
    }
    path.resize(path.size() * 2);
  }
}

std::vector<std::string> Win32System::CommandLineParams() {
  // The C runtime splits the command line as every Windows program does.
  std::vector<std::string> params;
  for (int i = 1; i < __argc; ++i) params.emplace_back(__argv[i]);
  return params;
}

int Win32System::ScreenWidth() { return ::GetSystemMetrics(SM_CXSCREEN); }
int Win32System::ScreenHeight() { return ::GetSystemMetrics(SM_CYSCREEN); }

Rect Win32System::MonitorRectAt(Point point) {
  MONITORINFO info{};
  info.cbSize = sizeof info;
  ::GetMonitorInfoA(::MonitorFromPoint({point.x, point.y}, MONITOR_DEFAULTTONEAREST), &info);
  return {info.rcMonitor.left, info.rcMonitor.top, info.rcMonitor.right, info.rcMonitor.bottom};
}

std::uint32_t Win32System::LastInputTick() {
  LASTINPUTINFO info{sizeof info, 0};
  ::GetLastInputInfo(&info);
  return info.dwTime;
}

bool Win32System::GetVersionEx(OsVersionInfo& info) {
  // A buffer larger than any version structure, with the size field as asked.
  union {
    OSVERSIONINFOA v;
    char bytes[512];
  } buffer{};
  if (info.size > sizeof buffer) return false;
  buffer.v.dwOSVersionInfoSize = info.size;
  if (!::GetVersionExA(&buffer.v)) return false;
  info.majorVersion = buffer.v.dwMajorVersion;
  info.minorVersion = buffer.v.dwMinorVersion;
  info.buildNumber = buffer.v.dwBuildNumber;
  info.platformId = buffer.v.dwPlatformId;
  info.csdVersion = buffer.v.szCSDVersion;
  return true;
}

bool Win32System::CallRegisterServiceProcess(ProcessId processId, std::uint32_t type) {
  auto call = LateBound().registerServiceProcess;
  if (!call) return false;
  call(processId, type);
  return true;
}

bool Win32System::MessageBeep(unsigned type) { return ::MessageBeep(type); }
void Win32System::Sleep(unsigned milliseconds) { ::Sleep(milliseconds); }
std::uint64_t Win32System::TickCountMs() { return ::GetTickCount(); }

std::string Win32System::CharLower(const std::string& text) {
  std::string lower = text;
  if (!lower.empty()) ::CharLowerBuffA(lower.data(), static_cast<DWORD>(lower.size()));
  return lower;
}

// No best fit: a character the code page lacks is not turned into a look-alike.
std::string Win32System::WideToAnsi(const std::u16string& text) {
  if (text.empty()) return {};
  const auto* wide = reinterpret_cast<const wchar_t*>(text.data());
  const int length = static_cast<int>(text.size());
  const int size = ::WideCharToMultiByte(CP_ACP, WC_NO_BEST_FIT_CHARS, wide, length, nullptr, 0, nullptr, nullptr);
  std::string ansi(static_cast<std::size_t>(size), '\0');
  ::WideCharToMultiByte(CP_ACP, WC_NO_BEST_FIT_CHARS, wide, length, ansi.data(), size, nullptr, nullptr);
  return ansi;
}

bool Win32System::EqualTextIgnoreCase(const std::string& a, const std::string& b) {
  return ::lstrcmpiA(a.c_str(), b.c_str()) == 0;
}

char Win32System::DecimalSeparator() {
  char separator[4] = {};
  return ::GetLocaleInfoA(LOCALE_USER_DEFAULT, LOCALE_SDECIMAL, separator, sizeof separator) > 1 ? separator[0] : '.';
}

namespace {

std::function<void()> crashHandler;
std::terminate_handler previousTerminate = nullptr;

void RunCrashHandler() {
  // A crash inside the handler itself ends here instead of going round again.
  static std::atomic<bool> ran{false};
  if (ran.exchange(true) || !crashHandler) return;
  try {
    crashHandler();
  } catch (...) {
  }
}

LONG WINAPI CrashFilter(EXCEPTION_POINTERS*) {
  RunCrashHandler();
  return EXCEPTION_CONTINUE_SEARCH;  // the system reports the crash as usual
}

[[noreturn]] void CrashTerminate() {
  RunCrashHandler();
  if (previousTerminate) previousTerminate();
  std::abort();
}

}  // namespace

void Win32System::SetCrashHandler(std::function<void()> handler) {
  const bool installed = static_cast<bool>(crashHandler);
  crashHandler = std::move(handler);
  if (crashHandler && !installed) {
    ::SetUnhandledExceptionFilter(CrashFilter);
    previousTerminate = std::set_terminate(CrashTerminate);
  } else if (!crashHandler && installed) {
    ::SetUnhandledExceptionFilter(nullptr);
    std::set_terminate(previousTerminate);
  }
}

namespace {
// SystemTimeOfDayInformation as far as every NT version has it.
struct TimeOfDay {
  LARGE_INTEGER bootTime, currentTime, timeZoneBias;
  ULONG timeZoneId, reserved;
};
constexpr ULONG kSystemTimeOfDayInformation = 3;

// The kernel's own record of the boot, unlike the tick count, which wraps
// after 49.7 days.
std::uint64_t BootTimeSeconds() {
  auto query = LateBound().ntQuerySystemInformation;
  TimeOfDay time{};
  if (!query || query(kSystemTimeOfDayInformation, &time, sizeof time, nullptr) < 0) return 0;
  return static_cast<std::uint64_t>(time.bootTime.QuadPart) / 10'000'000;
}
}  // namespace

SessionIdentity Win32System::CurrentSession() {
  SessionIdentity identity;
  char name[MAX_COMPUTERNAME_LENGTH + 1];
  DWORD size = sizeof name;
  if (::GetComputerNameA(name, &size)) identity.computer.assign(name, size);
  char user[257];  // UNLEN + 1
  size = sizeof user;
  if (::GetUserNameA(user, &size)) identity.user = user;
  DWORD session = 0;
  if (::ProcessIdToSessionId(::GetCurrentProcessId(), &session)) identity.session = session;
  identity.bootTime = BootTimeSeconds();
  return identity;
}

Win32System::~Win32System() = default;

}  // namespace hd
