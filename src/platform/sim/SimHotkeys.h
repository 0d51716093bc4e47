// Simulated global hotkeys: one owner per key combination.
#pragma once
#include "platform/Hotkeys.h"
#include "platform/sim/SimState.h"

namespace hd {

class SimHotkeys : public IHotkeys {
public:
  explicit SimHotkeys(SimState& state) : s_(state) {}
  bool RegisterHotKey(WindowHandle window, int id, unsigned modifiers, unsigned virtualKey) override;
  bool UnregisterHotKey(WindowHandle window, int id) override;

private:
  SimState& s_;
};

}  // namespace hd
