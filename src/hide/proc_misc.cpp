// Inspection checks nothing and reports nothing: a stale handle or a refused
// call gives an empty answer.
#include "hide/proc_misc.h"
#include <algorithm>

namespace hd {

namespace {
constexpr int kCaptionBuffer = 512;
}

std::string GetWindowCaption(Platform& p, WindowHandle window) {
  std::string caption = p.windows.GetWindowText(window, kCaptionBuffer);
  caption.resize(std::min(caption.find('\0'), caption.size()));
  const int length = std::max(p.windows.GetWindowTextLength(window), 0);
  const std::size_t limit = std::min<std::size_t>(static_cast<std::size_t>(length), kCaptionBuffer - 1);
  if (caption.size() > limit) caption.resize(limit);
  return caption;
}

std::string GetWindowProcessFile(Platform& p, WindowHandle window) {
  return GetProcessFile(p, p.windows.GetWindowThreadProcessId(window));
}

std::string GetProcessFile(Platform& p, ProcessId processId) { return ProcessFiles(p).ForProcess(processId); }

bool KillProcess(Platform& p, ProcessId processId) { return p.processes.TerminateProcess(processId, 0); }

void KillWindowProcess(Platform& p, WindowHandle window) {
  KillProcess(p, p.windows.GetWindowThreadProcessId(window));
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

std::string ProcessFiles::ForWindow(WindowHandle window) {
  return ForProcess(p_.windows.GetWindowThreadProcessId(window));
}

}  // namespace hd
