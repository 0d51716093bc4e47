// The program's process and the system, through kernel32 and user32.
#pragma once
#include "platform/System.h"

namespace hd {

class Win32System : public ISystem {
public:
  ~Win32System() override;  // out of line: one unwind table header for the file
  Handle CreateMutex(const std::string& name, std::uint32_t& lastError) override;
  bool CloseHandle(Handle handle) override;
  std::string GetModuleFileName() override;
  std::string GetSystemDirectory() override;
  std::string GetEnvironmentVariable(const std::string& name) override;
  std::vector<std::string> CommandLineParams() override;
  int ScreenWidth() override;
  int ScreenHeight() override;
  Rect MonitorRectAt(Point point) override;
  std::uint32_t LastInputTick() override;
  bool GetVersionEx(OsVersionInfo& info) override;
  bool CallRegisterServiceProcess(ProcessId processId, std::uint32_t type) override;
  bool MessageBeep(unsigned type) override;
  void Sleep(unsigned milliseconds) override;
  std::uint64_t TickCountMs() override;
  std::string CharLower(const std::string& text) override;
  std::string WideToAnsi(const std::u16string& text) override;
  bool EqualTextIgnoreCase(const std::string& a, const std::string& b) override;
  char DecimalSeparator() override;
  void SetCrashHandler(std::function<void()> handler) override;
  SessionIdentity CurrentSession() override;
};

}  // namespace hd
