// The simulated display: a list of modes and the one in force.
#pragma once
#include "platform/Display.h"
#include "platform/sim/SimState.h"

namespace hd {

class SimDisplay : public IDisplay {
public:
  explicit SimDisplay(SimState& state) : s_(state) {}
  bool EnumDisplaySettings(std::uint32_t modeNumber, DevMode& mode) override;
  long ChangeDisplaySettings(const DevMode& mode, unsigned flags) override;

private:
  SimState& s_;
};

}  // namespace hd
