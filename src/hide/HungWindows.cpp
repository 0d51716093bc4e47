// One probe per program and sequence: its other windows are taken as hung or
// answering without asking again, so a hung program costs one wait and a
// healthy one a single round trip.
#include "hide/HungWindows.h"

namespace hd {

bool HungWindows::IsHung(WindowHandle window) {
  const ProcessId process = windows_.GetWindowThreadProcessId(window);
  if (answering_.count(process)) return false;
  if (hung_.count(process)) return true;
  LResult ignored = 0;
  // A window that is gone answers nothing either, but costs nothing to call.
  if (windows_.SendMessageTimeout(window, win::WM_NULL, 0, 0, kProbeMs, ignored) || !windows_.IsWindow(window)) {
    // A window that is gone says nothing about the rest of its program.
    if (windows_.IsWindow(window)) answering_.insert(process);
    return false;
  }
  hung_.insert(process);
  return true;
}

}  // namespace hd
