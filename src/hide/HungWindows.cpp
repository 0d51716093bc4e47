// One hung program costs one probe per sequence; later windows of the same
// process are taken as hung without waiting again.
#include "hide/HungWindows.h"

namespace hd {

bool HungWindows::IsHung(WindowHandle window) {
  if (answering_.count(window)) return false;
  const ProcessId process = windows_.GetWindowThreadProcessId(window);
  if (hung_.count(process)) return true;
  LResult ignored = 0;
  // A window that is gone answers nothing either, but costs nothing to call.
  if (windows_.SendMessageTimeout(window, win::WM_NULL, 0, 0, kProbeMs, ignored) || !windows_.IsWindow(window)) {
    answering_.insert(window);
    return false;
  }
  hung_.insert(process);
  return true;
}

}  // namespace hd
