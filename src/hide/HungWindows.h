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

  // What is known of one thread. Asked from that thread's lane only, so the
  // lanes of different threads may ask at the same time.
  struct Thread {
    bool known = false;
    bool hung = false;
  };

  explicit HungWindows(IWindows& windows) : windows_(windows) {}
  // The record of a window thread; from the sequence's own thread only.
  Thread& ThreadOf(ThreadId thread) { return threads_[thread]; }
  // Whether a blocking call on the window could wait for its thread.
  bool IsHung(Thread& thread, WindowHandle window);
  bool IsHung(WindowHandle window) { return IsHung(ThreadOf(windows_.GetWindowThreadId(window)), window); }

private:
  IWindows& windows_;
  std::map<ThreadId, Thread> threads_;  // nodes stay put while others are added
};

}  // namespace hd
