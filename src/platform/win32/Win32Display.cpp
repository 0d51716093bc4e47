// Only the display of the current desktop: no device name.
#include "platform/win32/WinApi.h"
#include "platform/win32/Win32Display.h"

namespace hd {

static_assert(sizeof(DEVMODEA) == 156, "the mode record the program hands over");

bool Win32Display::EnumDisplaySettings(std::uint32_t modeNumber, DevMode& mode) {
  DEVMODEA record{};
  record.dmSize = sizeof record;
  if (!::EnumDisplaySettingsA(nullptr, modeNumber, &record)) return false;
  mode.size = record.dmSize;
  mode.fields = record.dmFields;
  mode.bitsPerPel = record.dmBitsPerPel;
  mode.pelsWidth = record.dmPelsWidth;
  mode.pelsHeight = record.dmPelsHeight;
  mode.displayFrequency = record.dmDisplayFrequency;
  return true;
}

long Win32Display::ChangeDisplaySettings(const DevMode& mode, unsigned flags) {
  DEVMODEA record{};
  record.dmSize = static_cast<WORD>(mode.size);
  record.dmFields = mode.fields;
  record.dmBitsPerPel = mode.bitsPerPel;
  record.dmPelsWidth = mode.pelsWidth;
  record.dmPelsHeight = mode.pelsHeight;
  record.dmDisplayFrequency = mode.displayFrequency;
  return ::ChangeDisplaySettingsA(&record, flags);
}

Win32Display::~Win32Display() = default;

}  // namespace hd
