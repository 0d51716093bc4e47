// Processes through ToolHelp and kernel32, the snapshot calls looked up by name.
#pragma once
#include "platform/Processes.h"

namespace hd {

class Win32Processes : public IProcesses {
public:
  ~Win32Processes() override;  // out of line: one unwind table header for the file
  std::vector<ProcessEntry> SnapshotProcesses() override;
  std::optional<std::string> FirstModulePath(ProcessId processId) override;
  std::optional<std::string> QueryFullProcessImageName(ProcessId processId) override;
  bool CreateProcess(const std::string& application, const std::string& commandLine, const std::string& directory,
                     int showCommand) override;
  bool TerminateProcess(ProcessId processId, unsigned exitCode) override;
  ProcessId GetCurrentProcessId() override;
};

}  // namespace hd
