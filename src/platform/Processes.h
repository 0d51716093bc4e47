// Processes: ToolHelp snapshots, image paths, starting and termination.
#pragma once
#include <optional>
#include <string>
#include <vector>
#include "platform/Types.h"

namespace hd {

struct ProcessEntry {
  ProcessId processId = 0;
  std::string exeFile;  // szExeFile: the file name only
};

class IProcesses {
public:
  virtual ~IProcesses() = default;
  // CreateToolhelp32Snapshot(TH32CS_SNAPPROCESS) walked with Process32First/Next;
  // empty where the snapshot functions are missing.
  virtual std::vector<ProcessEntry> SnapshotProcesses() = 0;
  // CreateToolhelp32Snapshot(TH32CS_SNAPMODULE, pid) + Module32First: szExePath,
  // or nothing when the module list cannot be read.
  virtual std::optional<std::string> FirstModulePath(ProcessId processId) = 0;
  // QueryFullProcessImageNameA with PROCESS_QUERY_LIMITED_INFORMATION, or
  // nothing where the call is missing or refused.
  virtual std::optional<std::string> QueryFullProcessImageName(ProcessId processId) = 0;
  // CreateProcessA(application, commandLine) inheriting no handles, in that
  // working directory, its first window shown with the show command; the new
  // process's handles closed. Whether it started.
  virtual bool CreateProcess(const std::string& application, const std::string& commandLine,
                             const std::string& directory, int showCommand) = 0;
  // OpenProcess(0x1F0FFF) + TerminateProcess(exitCode).
  virtual bool TerminateProcess(ProcessId processId, unsigned exitCode) = 0;
  virtual ProcessId GetCurrentProcessId() = 0;
};

}  // namespace hd
