// Bringing hidden windows back in the show state they had before HIDE mode,
// and the window that was in front back to the front.
#pragma once
#include <map>
#include <vector>
#include "hide/WindowHider.h"

namespace hd {

class WindowsAsTheyWere {
public:
  explicit WindowsAsTheyWere(Platform& p) : p_(p) {}

  // Before the walk hides anything: the front window and the show state of
  // every visible top-level window.
  void Take();
  void Forget();
  // The ShowWindow command that brings the window back as it was taken;
  // SW_SHOW (it stays minimised) when nothing was taken for it.
  int ShowCommandOf(WindowHandle window) const;
  // Shows the hidden windows, first hidden first, empties the list, and
  // brings the front window forward again.
  void Restore(WindowHider& hider, std::vector<WindowHandle>& hidden);

private:
  Platform& p_;
  WindowHandle front_ = 0;
  std::map<WindowHandle, int> commands_;
};

}  // namespace hd
