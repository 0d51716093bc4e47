// The taskbar's notification area: hiding its icons in HIDE mode.
#pragma once
#include <vector>
#include "platform/Platform.h"

namespace hd {

class TWindowsBar {
public:
  // Finds the taskbar's windows, once.
  explicit TWindowsBar(Platform& platform);

  // On Windows XP the icons one by one, elsewhere the whole area.
  void HideTrayArea();
  void ShowTrayArea();

  void HideTrayIcons();
  void ShowTrayIcons();
  void HideNotifyArea();
  void ShowNotifyArea();

  WindowHandle TaskbarHandle = 0;
  WindowHandle TrayNotifyHandle = 0;
  WindowHandle RebarToolbarHandle = 0;
  WindowHandle TrayToolbarHandle = 0;
  // Positions of the buttons HideTrayIcons hid.
  std::vector<int> HiddenButtons;

private:
  WindowHandle Child(WindowHandle parent, const char* className);
  Platform& p_;
};

}  // namespace hd
