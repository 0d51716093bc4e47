// A change is accepted only to a mode the display reports, as drivers do.
#include "platform/sim/SimDisplay.h"
#include <algorithm>

namespace hd {

bool SimDisplay::EnumDisplaySettings(std::uint32_t modeNumber, DevMode& mode) {
  if (modeNumber == win::ENUM_CURRENT_SETTINGS) {
    if (!s_.currentModeReadable) return false;
    mode = s_.currentMode;
  } else {
    if (modeNumber >= s_.displayModes.size()) return false;
    mode = s_.displayModes[modeNumber];
  }
  mode.fields = win::DM_BITSPERPEL | win::DM_PELSWIDTH | win::DM_PELSHEIGHT | win::DM_DISPLAYFREQUENCY;
  return true;
}

long SimDisplay::ChangeDisplaySettings(const DevMode& mode, unsigned) {
  s_.modeChanges.push_back(mode);
  if (mode.size != 156) return win::DISP_CHANGE_FAILED;
  // Only the fields named in the record are asked for.
  auto matches = [&mode](const DevMode& offered) {
    return (!(mode.fields & win::DM_BITSPERPEL) || offered.bitsPerPel == mode.bitsPerPel) &&
           (!(mode.fields & win::DM_PELSWIDTH) || offered.pelsWidth == mode.pelsWidth) &&
           (!(mode.fields & win::DM_PELSHEIGHT) || offered.pelsHeight == mode.pelsHeight) &&
           (!(mode.fields & win::DM_DISPLAYFREQUENCY) || offered.displayFrequency == mode.displayFrequency);
  };
  auto found = std::find_if(s_.displayModes.begin(), s_.displayModes.end(), matches);
  if (found == s_.displayModes.end()) return win::DISP_CHANGE_BADMODE;
  s_.currentMode = *found;
  return win::DISP_CHANGE_SUCCESSFUL;
}

}  // namespace hd
