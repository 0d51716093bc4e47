// The program's own process and the system it runs on.
#pragma once
#include <cstdint>
#include <functional>
#include <optional>
#include <vector>
#include <string>
#include "platform/Shell.h"
#include "platform/Types.h"

namespace hd {

struct OsVersionInfo {
  std::uint32_t size = 148;  // dwOSVersionInfoSize as passed in
  std::uint32_t majorVersion = 0, minorVersion = 0, buildNumber = 0, platformId = 0;
  std::string csdVersion;
};

// Where the program runs: windows, the notification area and the display
// mode belong to one boot of one session; the volume outlasts a restart.
struct SessionIdentity {
  std::string computer, user;  // GetComputerNameA, GetUserNameA
  std::uint32_t session = 0;   // the Windows session of this process
  std::uint64_t bootTime = 0;  // when the system started, in seconds since 1601 (UTC); 0: unknown
  bool operator==(const SessionIdentity&) const = default;
};

class ISystem {
public:
  virtual ~ISystem() = default;
  // CreateMutexA(NULL, FALSE, name); lastError is GetLastError right after.
  virtual Handle CreateMutex(const std::string& name, std::uint32_t& lastError) = 0;
  virtual bool CloseHandle(Handle handle) = 0;
  virtual std::string GetModuleFileName() = 0;  // the running executable
  virtual std::string GetSystemDirectory() = 0;  // GetSystemDirectoryA, no trailing backslash
  // GetEnvironmentVariableA; "" when the variable is not set.
  virtual std::string GetEnvironmentVariable(const std::string& name) = 0;
  virtual std::vector<std::string> CommandLineParams() = 0;  // without the program
  virtual int ScreenWidth() = 0;   // GetSystemMetrics(SM_CXSCREEN)
  virtual int ScreenHeight() = 0;  // GetSystemMetrics(SM_CYSCREEN)
  // The monitor the point is on, or the nearest one: MonitorFromPoint
  // (MONITOR_DEFAULTTONEAREST), then GetMonitorInfoA's rcMonitor.
  virtual Rect MonitorRectAt(Point point) = 0;
  // GetLastInputInfo's dwTime: the tick count of the session's last keyboard
  // or mouse input.
  virtual std::uint32_t LastInputTick() = 0;
  // GetVersionExA with the size field as given; false when refused.
  virtual bool GetVersionEx(OsVersionInfo& info) = 0;
  // The kernel32 export "RegisterServiceProcess", when it exists: called.
  // Returns false when the export is missing.
  virtual bool CallRegisterServiceProcess(ProcessId processId, std::uint32_t type) = 0;
  virtual bool MessageBeep(unsigned type) = 0;
  virtual void Sleep(unsigned milliseconds) = 0;
  virtual std::uint64_t TickCountMs() = 0;
  // CharLowerBuffA over the whole text.
  virtual std::string CharLower(const std::string& text) = 0;
  // WideCharToMultiByte(CP_ACP, WC_NO_BEST_FIT_CHARS): a character the ANSI
  // code page lacks, or half a surrogate pair, becomes "?".
  virtual std::string WideToAnsi(const std::u16string& text) = 0;
  // lstrcmpiA == 0.
  virtual bool EqualTextIgnoreCase(const std::string& a, const std::string& b) = 0;
  // The user's decimal separator (LOCALE_SDECIMAL).
  virtual char DecimalSeparator() = 0;
  // Runs the handler once when the process is about to end on a crash (an
  // unhandled exception, std::terminate); an empty handler removes it.
  virtual void SetCrashHandler(std::function<void()> handler) = 0;
  virtual SessionIdentity CurrentSession() = 0;
};

}  // namespace hd
