// Shown without activating where the system has a command for it, so that
// only the window that was in front ends up there.
#include "hide/WindowsAsTheyWere.h"

namespace hd {

void WindowsAsTheyWere::Take() {
  IWindows& w = p_.windows;
  Forget();
  front_ = w.GetForegroundWindow();
  for (WindowHandle window : w.TopLevelWindows()) {
    if (!w.IsWindowVisible(window)) continue;
    if (w.IsIconic(window))
      commands_[window] = win::SW_SHOWMINNOACTIVE;
    else if (w.IsZoomed(window))
      commands_[window] = win::SW_SHOWMAXIMIZED;  // there is no maximising without activating
    else
      commands_[window] = win::SW_SHOWNOACTIVATE;
  }
}

void WindowsAsTheyWere::Forget() {
  front_ = 0;
  commands_.clear();
}

int WindowsAsTheyWere::ShowCommandOf(WindowHandle window) const {
  const auto it = commands_.find(window);
  return it == commands_.end() ? win::SW_SHOW : it->second;
}

void WindowsAsTheyWere::Restore(WindowHider& hider, std::vector<WindowHandle>& hidden) {
  IWindows& w = p_.windows;
  hider.ShowWindows(hidden, [this](WindowHandle window) { return ShowCommandOf(window); });
  hidden.clear();
  // A window that has gone, or that its program hid meanwhile, stays where it is.
  if (!front_ || !w.IsWindowVisible(front_)) return;
  w.SetForegroundWindow(front_);
  if (!hider.Hung().IsHung(front_)) w.BringWindowToTop(front_);
}

}  // namespace hd
