// The waits of a sequence answer other programs' sent messages, and a sent
// message (a tray click, the session's end, a hotkey sent by a macro tool)
// can ask for another sequence: taken there, it would run inside the first.
#include "app/SequenceGate.h"

namespace hd {

void SequenceGate::Run(Event action) {
  if (busy_) {
    waiting_.push_back(action);
    return;
  }
  busy_ = true;
  struct Idle {
    bool& busy;
    ~Idle() { busy = false; }
  } idle{busy_};
  action();
  while (!waiting_.empty()) {
    const Event next = waiting_.front();
    waiting_.pop_front();
    next();
  }
}

}  // namespace hd
