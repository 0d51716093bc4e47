// One sequence at a time: what arrives while one runs waits for it.
#pragma once
#include <deque>
#include "ui/Event.h"

namespace hd {

class SequenceGate {
public:
  // Runs the action now, or, while another runs, after it has ended, in the
  // order the actions came.
  void Run(Event action);
  // Whether an action is running: the time to refuse what cannot wait.
  bool Busy() const { return busy_; }

private:
  bool busy_ = false;
  std::deque<Event> waiting_;
};

}  // namespace hd
