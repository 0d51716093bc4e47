// The display of the current desktop: its modes and switching between them.
#pragma once
#include <cstdint>

namespace hd {

// The members of DEVMODEA the program uses; the others are zero.
struct DevMode {
  std::uint32_t size = 156;  // dmSize
  std::uint32_t fields = 0;  // dmFields
  std::uint32_t bitsPerPel = 0, pelsWidth = 0, pelsHeight = 0, displayFrequency = 0;
};

namespace win {
constexpr std::uint32_t ENUM_CURRENT_SETTINGS = 0xFFFFFFFF;
constexpr std::uint32_t DM_BITSPERPEL = 0x00040000, DM_PELSWIDTH = 0x00080000, DM_PELSHEIGHT = 0x00100000,
                        DM_DISPLAYFREQUENCY = 0x00400000;
constexpr long DISP_CHANGE_SUCCESSFUL = 0, DISP_CHANGE_FAILED = -1, DISP_CHANGE_BADMODE = -2;
}  // namespace win

class IDisplay {
public:
  virtual ~IDisplay() = default;
  // EnumDisplaySettingsA with no device name: false past the last mode.
  virtual bool EnumDisplaySettings(std::uint32_t modeNumber, DevMode& mode) = 0;
  // ChangeDisplaySettingsA with the record and the flags: a DISP_CHANGE_ value.
  virtual long ChangeDisplaySettings(const DevMode& mode, unsigned flags) = 0;
};

}  // namespace hd
