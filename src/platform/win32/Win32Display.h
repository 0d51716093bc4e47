// Display modes through EnumDisplaySettingsA and ChangeDisplaySettingsA.
#pragma once
#include "platform/Display.h"

namespace hd {

class Win32Display : public IDisplay {
public:
  ~Win32Display() override;  // out of line: one unwind table header for the file
  bool EnumDisplaySettings(std::uint32_t modeNumber, DevMode& mode) override;
  long ChangeDisplaySettings(const DevMode& mode, unsigned flags) override;
};

}  // namespace hd
