// Questions about another program's window and process, and ending that process.
#pragma once
#include <map>
#include <optional>
#include <set>
#include <string>
#include "platform/Platform.h"

namespace hd {

// The text after the last "\\" or ":".
std::string FileNamePart(const std::string& path);

// At most 511 characters, read through a 512-byte buffer; empty for no window.
std::string GetWindowCaption(Platform& p, WindowHandle window);
// The full path of the executable of the process the window stands for, or empty.
std::string GetWindowProcessFile(Platform& p, WindowHandle window);
std::string GetProcessFile(Platform& p, ProcessId processId);
bool KillProcess(Platform& p, ProcessId processId);
void KillWindowProcess(Platform& p, WindowHandle window);

// Process files for many windows from one process snapshot: the answers of
// GetProcessFile while no process starts or ends.
class ProcessFiles {
public:
  explicit ProcessFiles(Platform& p) : p_(p) {}
  std::string ForProcess(ProcessId processId);
  std::string ForWindow(WindowHandle window) { return ForProcess(ProcessOfWindow(window)); }
  // The owner of the window; for a Store app's frame, the app's own process,
  // which owns a child window of the frame.
  ProcessId ProcessOfWindow(WindowHandle window);

private:
  Platform& p_;
  std::optional<std::set<ProcessId>> running_;
  std::map<ProcessId, std::string> files_;
};

}  // namespace hd
