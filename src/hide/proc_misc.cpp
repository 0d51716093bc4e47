// Inspection checks nothing and reports nothing: a stale handle or a refused
// call gives an empty answer.
#include "hide/proc_misc.h"
#include <algorithm>

namespace hd {

namespace {
constexpr int kCaptionBuffer = 512;
// The one process that draws the frames of every Store app.
constexpr const char* kFrameHost = "ApplicationFrameHost.exe";
}  // namespace

std::string FileNamePart(const std::string& path) { return path.substr(path.find_last_of("\\:") + 1); }

std::string GetWindowCaption(Platform& p, WindowHandle window) {
  std::string caption = p.windows.GetWindowText(window, kCaptionBuffer);
  caption.resize(std::min(caption.find('\0'), caption.size()));
  const int length = std::max(p.windows.GetWindowTextLength(window), 0);
  const std::size_t limit = std::min<std::size_t>(static_cast<std::size_t>(length), kCaptionBuffer - 1);
  if (caption.size() > limit) caption.resize(limit);
  return caption;
}

std::string GetWindowProcessFile(Platform& p, WindowHandle window) { return ProcessFiles(p).ForWindow(window); }

std::string GetProcessFile(Platform& p, ProcessId processId) { return ProcessFiles(p).ForProcess(processId); }

bool KillProcess(Platform& p, ProcessId processId) { return p.processes.TerminateProcess(processId, 0); }

void KillWindowProcess(Platform& p, WindowHandle window) {
  // Ending the frame host would close every Store app's frame, hidden or not.
  KillProcess(p, ProcessFiles(p).ProcessOfWindow(window));
}

std::string ProcessFiles::ForProcess(ProcessId processId) {
  // A window that is gone has process id 0, and a module snapshot of id 0
  // describes the calling process: it would be taken for this program.
  if (processId == 0) return {};
  if (auto known = files_.find(processId); known != files_.end()) return known->second;
  if (!running_) {
    running_.emplace();
    for (const ProcessEntry& entry : p_.processes.SnapshotProcesses()) running_->insert(entry.processId);
  }
  std::string file;
  if (running_->count(processId)) {
    // 64-bit processes hide their module list from a 32-bit program; the
    // image name query still tells their path.
    std::optional<std::string> path = p_.processes.FirstModulePath(processId);
    if (!path || path->empty()) path = p_.processes.QueryFullProcessImageName(processId);
    file = path.value_or(std::string());
  }
  files_.emplace(processId, file);
  return file;
}

ProcessId ProcessFiles::ProcessOfWindow(WindowHandle window) {
  const ProcessId owner = p_.windows.GetWindowThreadProcessId(window);
  if (!p_.system.EqualTextIgnoreCase(FileNamePart(ForProcess(owner)), kFrameHost)) return owner;
  // A frame that is still starting holds no window of its app yet.
  for (WindowHandle child : p_.windows.ChildWindows(window)) {
    const ProcessId process = p_.windows.GetWindowThreadProcessId(child);
    if (process != 0 && process != owner) return process;
  }
  return owner;
}

}  // namespace hd
