// The taskbar's notification area: hiding its icons in HIDE mode.
#pragma once
#include <vector>
#include "platform/Platform.h"

namespace hd {

class TWindowsBar {
public:
  explicit TWindowsBar(Platform& platform);

  // Finds the taskbar's windows: at creation, when the shell made a new
  // taskbar, and before any step that finds a stored one gone.
  void FindWindows();

  // On Windows XP the icons one by one, elsewhere the whole area.
  bool HidesIconsOneByOne();
  void HideTrayArea();
  void ShowTrayArea();

  void HideTrayIcons();
  void ShowTrayIcons();
  void HideNotifyArea();
  void ShowNotifyArea();
  // Whether HideNotifyArea hid the area and nothing showed it since.
  bool NotifyAreaHidden() const { return notifyAreaHidden_; }

  WindowHandle TaskbarHandle = 0;
  WindowHandle TrayNotifyHandle = 0;
  WindowHandle RebarToolbarHandle = 0;
  WindowHandle TrayToolbarHandle = 0;
  // Command ids of the buttons HideTrayIcons hid.
  std::vector<int> HiddenButtons;

private:
  WindowHandle Child(WindowHandle parent, const char* className);
  void FindWindowsIfGone();
  // A bounded send: a hung shell must not hold up the hotkey. 0 when it did
  // not answer in time.
  LResult Send(WindowHandle window, unsigned message, WParam wParam, LParam lParam, bool& answered);
  void Repaint(WindowHandle painted, WindowHandle updated);
  void ShowArea(int command);

  Platform& p_;
  bool notifyAreaHidden_ = false;
};

}  // namespace hd
