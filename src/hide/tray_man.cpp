// The taskbar's windows, found once.
#include "hide/tray_man.h"

namespace hd {

TWindowsBar::TWindowsBar(Platform& platform) : p_(platform) {}

void TWindowsBar::HideTrayArea() {}

void TWindowsBar::ShowTrayArea() {}

void TWindowsBar::ShowTrayIcons() {}

}  // namespace hd
