#include "platform/win32/WinApi.h"
#include "platform/win32/Win32LateBound.h"
#include "platform/win32/Win32Processes.h"

namespace hd {

std::vector<ProcessEntry> Win32Processes::SnapshotProcesses() {
  std::vector<ProcessEntry> entries;
  const LateBoundCalls& calls = LateBound();
  if (!calls.createToolhelp32Snapshot || !calls.process32First || !calls.process32Next) return entries;
  HANDLE snapshot = calls.createToolhelp32Snapshot(TH32CS_SNAPPROCESS, 0);
  if (snapshot == INVALID_HANDLE_VALUE) return entries;
  PROCESSENTRY32 entry{};
  entry.dwSize = sizeof entry;
  for (BOOL more = calls.process32First(snapshot, &entry); more; more = calls.process32Next(snapshot, &entry))
    entries.push_back({entry.th32ProcessID, entry.szExeFile});
  ::CloseHandle(snapshot);
  return entries;
}

std::optional<std::string> Win32Processes::FirstModulePath(ProcessId processId) {
  const LateBoundCalls& calls = LateBound();
  if (!calls.createToolhelp32Snapshot || !calls.module32First) return std::nullopt;
  HANDLE snapshot = calls.createToolhelp32Snapshot(TH32CS_SNAPMODULE, processId);
  if (snapshot == INVALID_HANDLE_VALUE) return std::nullopt;
  MODULEENTRY32 module{};
  module.dwSize = sizeof module;
  std::optional<std::string> path;
  if (calls.module32First(snapshot, &module)) path = std::string(module.szExePath);
  ::CloseHandle(snapshot);
  return path;
}

std::optional<std::string> Win32Processes::QueryFullProcessImageName(ProcessId processId) {
  const LateBoundCalls& calls = LateBound();
  if (!calls.queryFullProcessImageNameA) return std::nullopt;
  constexpr DWORD kQueryLimitedInformation = 0x1000;
  HANDLE process = ::OpenProcess(kQueryLimitedInformation, FALSE, processId);
  if (!process) return std::nullopt;
  char path[MAX_PATH * 4] = {};
  DWORD size = sizeof path;
  std::optional<std::string> result;
  if (calls.queryFullProcessImageNameA(process, 0, path, &size)) result = std::string(path, size);
  ::CloseHandle(process);
  return result;
}

bool Win32Processes::CreateProcess(const std::string& application, const std::string& commandLine,
                                   const std::string& directory, int showCommand) {
  STARTUPINFOA startup{};
  startup.cb = sizeof startup;
  startup.dwFlags = STARTF_USESHOWWINDOW;
  startup.wShowWindow = static_cast<WORD>(showCommand);
  PROCESS_INFORMATION started{};
  std::string line = commandLine;  // CreateProcessA may write into it
  if (!::CreateProcessA(application.c_str(), line.data(), nullptr, nullptr, FALSE, 0, nullptr,
                        directory.empty() ? nullptr : directory.c_str(), &startup, &started))
    return false;
  ::CloseHandle(started.hThread);
  ::CloseHandle(started.hProcess);
  return true;
}

bool Win32Processes::TerminateProcess(ProcessId processId, unsigned exitCode) {
  HANDLE process = ::OpenProcess(0x1F0FFF, FALSE, processId);
  if (!process) return false;
  const bool ended = ::TerminateProcess(process, exitCode);
  ::CloseHandle(process);
  return ended;
}

ProcessId Win32Processes::GetCurrentProcessId() { return ::GetCurrentProcessId(); }

Win32Processes::~Win32Processes() = default;

}  // namespace hd
