// One probe per thread and sequence: a hang belongs to a thread, and a program
// may have one hung thread beside answering ones. The thread's other windows
// are taken as hung or answering without asking again, so a hung thread costs
// one wait and a healthy one a single round trip.
#include "hide/HungWindows.h"

namespace hd {

bool HungWindows::IsHung(WindowHandle window) {
  Thread& thread = threads_[windows_.GetWindowThreadId(window)];
  if (thread.known) return thread.hung;
  LResult ignored = 0;
  if (windows_.SendMessageTimeout(window, win::WM_NULL, 0, 0, kProbeMs, ignored)) {
    thread.known = true;
    return false;
  }
  // A window that is gone answers nothing either, and says nothing about the
  // rest of its thread.
  if (!windows_.IsWindow(window)) return false;
  thread.known = thread.hung = true;
  return true;
}

bool HungWindows::KnownHung(WindowHandle window) {
  const auto it = threads_.find(windows_.GetWindowThreadId(window));
  return it != threads_.end() && it->second.hung;
}

}  // namespace hd
