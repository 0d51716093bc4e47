// The simulated system: mutexes, version, screen, clock, ANSI text.
#pragma once
#include "platform/System.h"
#include "platform/sim/SimState.h"

namespace hd {

class SimSystem : public ISystem {
public:
  explicit SimSystem(SimState& state) : s_(state) {}
  Handle CreateMutex(const std::string& name, std::uint32_t& lastError) override;
  bool CloseHandle(Handle handle) override;
  std::string GetModuleFileName() override;
  std::string GetSystemDirectory() override { return s_.systemDirectory; }
  std::string GetEnvironmentVariable(const std::string& name) override;
  std::vector<std::string> CommandLineParams() override { return s_.commandLine; }
  int ScreenWidth() override { return s_.screenWidth; }
  int ScreenHeight() override { return s_.screenHeight; }
  Rect MonitorRectAt(Point point) override;
  std::uint32_t LastInputTick() override { return s_.lastInputTick; }
  bool GetVersionEx(OsVersionInfo& info) override;
  bool CallRegisterServiceProcess(ProcessId processId, std::uint32_t type) override;
  bool MessageBeep(unsigned type) override;
  void Sleep(unsigned milliseconds) override { s_.clockMs += milliseconds; }
  std::uint64_t TickCountMs() override { return s_.clockMs; }
  std::string CharLower(const std::string& text) override;
  std::string WideToAnsi(const std::u16string& text) override;
  bool EqualTextIgnoreCase(const std::string& a, const std::string& b) override;
  char DecimalSeparator() override { return s_.decimalSeparator; }
  void SetCrashHandler(std::function<void()> handler) override { s_.crashHandler = std::move(handler); }
  SessionIdentity CurrentSession() override { return s_.session; }

private:
  SimState& s_;
};

}  // namespace hd
