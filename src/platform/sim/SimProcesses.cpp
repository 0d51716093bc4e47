// Ending a simulated process takes its windows with it, as on Windows.
#include "platform/sim/SimProcesses.h"
#include <algorithm>
#include "platform/sim/SimFiles.h"

namespace hd {

SimProcess* SimProcesses::Alive(ProcessId processId) {
  auto it = s_.processes.find(processId);
  return it == s_.processes.end() || !it->second.alive ? nullptr : &it->second;
}

std::vector<ProcessEntry> SimProcesses::SnapshotProcesses() {
  ++snapshots;
  s_.LogCall("SnapshotProcesses");
  std::vector<ProcessEntry> entries;
  if (!s_.toolhelpAvailable) return entries;
  // The idle process stands first with id 0, as on Windows.
  entries.push_back({0, "[System Process]"});
  for (const auto& [id, process] : s_.processes) {
    if (!process.alive) continue;
    const auto slash = process.exePath.find_last_of("\\:");
    entries.push_back({id, slash == std::string::npos ? process.exePath : process.exePath.substr(slash + 1)});
  }
  return entries;
}

std::optional<std::string> SimProcesses::FirstModulePath(ProcessId processId) {
  // A module snapshot of id 0 describes the calling process.
  SimProcess* process = Alive(processId == 0 ? s_.programProcess : processId);
  if (!s_.toolhelpAvailable || !process || !process->modulesReadable) return std::nullopt;
  return process->exePath;
}

std::optional<std::string> SimProcesses::QueryFullProcessImageName(ProcessId processId) {
  SimProcess* process = Alive(processId);
  if (!process || !process->imagePathQueryable) return std::nullopt;
  return process->exePath;
}

// Fails as Windows does for a missing program or working folder.
bool SimProcesses::CreateProcess(const std::string& application, const std::string& commandLine,
                                 const std::string& directory, int showCommand) {
  SimFiles files(s_);
  if (!files.FileExists(application) || (!directory.empty() && !files.DirectoryExists(directory))) return false;
  s_.processStarts.push_back({application, commandLine, directory, showCommand});
  const ProcessId id = s_.nextProcessId;
  s_.nextProcessId += 4;
  s_.processes[id] = SimProcess{id, application};
  return true;
}

bool SimProcesses::TerminateProcess(ProcessId processId, unsigned exitCode) {
  SimProcess* process = Alive(processId);
  if (!process) return false;
  process->alive = false;
  process->exitCode = exitCode;
  for (auto it = s_.windows.begin(); it != s_.windows.end();) {
    if (it->second.processId == processId) {
      std::erase(s_.zOrder, it->first);
      it = s_.windows.erase(it);
    } else {
      ++it;
    }
  }
  return true;
}

}  // namespace hd
