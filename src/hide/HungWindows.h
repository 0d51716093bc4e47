// Which other programs' threads stopped answering, learnt once per HIDE or
// NORMAL sequence.
#pragma once
#include <map>
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
  // Its thread left a request unanswered for kProbeMs: taken as hung.
  void Unanswered(WindowHandle window) { threads_[windows_.GetWindowThreadId(window)] = {true, true}; }
  // What is known already, without asking.
  bool KnownHung(WindowHandle window);

private:
  struct Thread {
    bool known = false;
    bool hung = false;
  };
  IWindows& windows_;
  std::map<ThreadId, Thread> threads_;
};

}  // namespace hd
