// Simulated processes: ToolHelp answers, image paths, termination.
#pragma once
#include "platform/Processes.h"
#include "platform/sim/SimState.h"

namespace hd {

class SimProcesses : public IProcesses {
public:
  explicit SimProcesses(SimState& state) : s_(state) {}
  std::vector<ProcessEntry> SnapshotProcesses() override;
  std::optional<std::string> FirstModulePath(ProcessId processId) override;
  std::optional<std::string> QueryFullProcessImageName(ProcessId processId) override;
  bool CreateProcess(const std::string& application, const std::string& commandLine, const std::string& directory,
                     int showCommand) override;
  bool TerminateProcess(ProcessId processId, unsigned exitCode) override;
  ProcessId GetCurrentProcessId() override { return s_.programProcess; }

  std::uint64_t snapshots = 0;  // how many process snapshots were taken

private:
  SimProcess* Alive(ProcessId processId);
  SimState& s_;
};

}  // namespace hd
