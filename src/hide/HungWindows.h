// Which other programs stopped answering, learnt once per HIDE or NORMAL sequence.
#pragma once
#include <set>
#include "platform/Windows.h"

namespace hd {

class HungWindows {
public:
  // Long enough for a busy program to answer, short enough that a hung one
  // does not hold up the hotkey.
  static constexpr unsigned kProbeMs = 150;

  explicit HungWindows(IWindows& windows) : windows_(windows) {}
  // Whether a blocking call on the window could wait for its thread.
  bool IsHung(WindowHandle window);

private:
  IWindows& windows_;
  std::set<ProcessId> hung_;
  std::set<ProcessId> answering_;
};

}  // namespace hd
