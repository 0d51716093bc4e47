// The ToolHelp and image-name functions are looked up at first use, so the
// program still starts on systems that lack them.
#include "platform/win32/WinApi.h"
#include "platform/win32/Win32Processes.h"
#include <tlhelp32.h>

namespace hd {

namespace {

struct ToolHelp {
  using Snapshot = HANDLE(WINAPI*)(DWORD, DWORD);
  using ProcessWalk = BOOL(WINAPI*)(HANDLE, PROCESSENTRY32*);
  using ModuleWalk = BOOL(WINAPI*)(HANDLE, MODULEENTRY32*);
  using QueryImage = BOOL(WINAPI*)(HANDLE, DWORD, LPSTR, PDWORD);
  Snapshot createSnapshot = nullptr;
  ProcessWalk processFirst = nullptr, processNext = nullptr;
  ModuleWalk moduleFirst = nullptr;
  QueryImage queryImage = nullptr;

  ToolHelp() {
    HMODULE kernel = ::GetModuleHandleA("kernel32.dll");
    if (!kernel) return;
    createSnapshot = reinterpret_cast<Snapshot>(reinterpret_cast<void*>(::GetProcAddress(kernel, "CreateToolhelp32Snapshot")));
    processFirst = reinterpret_cast<ProcessWalk>(reinterpret_cast<void*>(::GetProcAddress(kernel, "Process32First")));
    processNext = reinterpret_cast<ProcessWalk>(reinterpret_cast<void*>(::GetProcAddress(kernel, "Process32Next")));
    moduleFirst = reinterpret_cast<ModuleWalk>(reinterpret_cast<void*>(::GetProcAddress(kernel, "Module32First")));
    queryImage = reinterpret_cast<QueryImage>(reinterpret_cast<void*>(::GetProcAddress(kernel, "QueryFullProcessImageNameA")));
  }
};

const ToolHelp& Functions() {
  static const ToolHelp functions;
  return functions;
}

}  // namespace

std::vector<ProcessEntry> Win32Processes::SnapshotProcesses() {
  std::vector<ProcessEntry> entries;
  const ToolHelp& th = Functions();
  if (!th.createSnapshot || !th.processFirst || !th.processNext) return entries;
  HANDLE snapshot = th.createSnapshot(TH32CS_SNAPPROCESS, 0);
  if (snapshot == INVALID_HANDLE_VALUE) return entries;
  PROCESSENTRY32 entry{};
  entry.dwSize = sizeof entry;
  for (BOOL more = th.processFirst(snapshot, &entry); more; more = th.processNext(snapshot, &entry))
    entries.push_back({entry.th32ProcessID, entry.szExeFile});
  ::CloseHandle(snapshot);
  return entries;
}

std::optional<std::string> Win32Processes::FirstModulePath(ProcessId processId) {
  const ToolHelp& th = Functions();
  if (!th.createSnapshot || !th.moduleFirst) return std::nullopt;
  HANDLE snapshot = th.createSnapshot(TH32CS_SNAPMODULE, processId);
  if (snapshot == INVALID_HANDLE_VALUE) return std::nullopt;
  MODULEENTRY32 module{};
  module.dwSize = sizeof module;
  std::optional<std::string> path;
  if (th.moduleFirst(snapshot, &module)) path = std::string(module.szExePath);
  ::CloseHandle(snapshot);
  return path;
}

std::optional<std::string> Win32Processes::QueryFullProcessImageName(ProcessId processId) {
  const ToolHelp& th = Functions();
  if (!th.queryImage) return std::nullopt;
  constexpr DWORD kQueryLimitedInformation = 0x1000;
  HANDLE process = ::OpenProcess(kQueryLimitedInformation, FALSE, processId);
  if (!process) return std::nullopt;
  char path[MAX_PATH * 4] = {};
  DWORD size = sizeof path;
  std::optional<std::string> result;
  if (th.queryImage(process, 0, path, &size)) result = std::string(path, size);
  ::CloseHandle(process);
  return result;
}

bool Win32Processes::TerminateProcess(ProcessId processId, unsigned exitCode) {
  HANDLE process = ::OpenProcess(0x1F0FFF, FALSE, processId);
  if (!process) return false;
  const bool ended = ::TerminateProcess(process, exitCode);
  ::CloseHandle(process);
  return ended;
}

ProcessId Win32Processes::GetCurrentProcessId() { return ::GetCurrentProcessId(); }

}  // namespace hd
