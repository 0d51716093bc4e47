// The taskbar's windows, found once; the notification icons hidden and shown.
#include "hide/tray_man.h"
#include <algorithm>
#include "app/OSWorks.h"

namespace hd {

TWindowsBar::TWindowsBar(Platform& platform) : p_(platform) {
  // An empty name, not an absent one: the shell's taskbar has no title.
  TaskbarHandle = p_.windows.FindWindow("Shell_TrayWnd", "");
  TrayNotifyHandle = Child(TaskbarHandle, "TrayNotifyWnd");
  RebarToolbarHandle = Child(Child(TaskbarHandle, "ReBarWindow32"), "ToolBarWindow32");
  TrayToolbarHandle = Child(Child(TrayNotifyHandle, "SysPager"), "ToolBarWindow32");
}

WindowHandle TWindowsBar::Child(WindowHandle parent, const char* className) {
  return p_.windows.FindWindowEx(parent, 0, className, "");
}

void TWindowsBar::HideTrayArea() {
  if (IsWindowsXP(p_.system))
    HideTrayIcons();
  else
    HideNotifyArea();
}

void TWindowsBar::ShowTrayArea() {
  if (IsWindowsXP(p_.system))
    ShowTrayIcons();
  else
    ShowNotifyArea();
}

void TWindowsBar::HideTrayIcons() {
  IWindows& w = p_.windows;
  const LResult count = w.SendMessage(TrayToolbarHandle, win::TB_BUTTONCOUNT, 0, 0);
  HiddenButtons.clear();
  for (int i = 0; i < count; ++i) {
    // Buttons the user had hidden already stay out of the record, so showing
    // the area again leaves them hidden.
    if (w.SendMessage(TrayToolbarHandle, win::TB_ISBUTTONHIDDEN, static_cast<WParam>(i), 0) != 0) continue;
    HiddenButtons.push_back(i);
    w.SendMessage(TrayToolbarHandle, win::TB_HIDEBUTTON, static_cast<WParam>(i), 1);
    w.SendMessage(TrayToolbarHandle, win::TB_SETBUTTONSIZE, 0, 0);
  }
  w.SendMessage(RebarToolbarHandle, win::WM_PAINT, 0, 0);
  w.UpdateWindow(RebarToolbarHandle);
}

void TWindowsBar::ShowTrayIcons() {
  IWindows& w = p_.windows;
  const LResult count = w.SendMessage(TrayToolbarHandle, win::TB_BUTTONCOUNT, 0, 0);
  for (int i = 0; i < count; ++i) {
    if (std::find(HiddenButtons.begin(), HiddenButtons.end(), i) == HiddenButtons.end()) continue;
    w.SendMessage(TrayToolbarHandle, win::TB_HIDEBUTTON, static_cast<WParam>(i), 0);
    w.SendMessage(TrayToolbarHandle, win::TB_SETBUTTONSIZE, 16, 16);
  }
  HiddenButtons.clear();
  w.SendMessage(TrayToolbarHandle, win::WM_PAINT, 0, 0);
  w.UpdateWindow(RebarToolbarHandle);
}

void TWindowsBar::HideNotifyArea() { p_.windows.ShowWindow(TrayNotifyHandle, win::SW_HIDE); }

void TWindowsBar::ShowNotifyArea() { p_.windows.ShowWindow(TrayNotifyHandle, win::SW_SHOW); }

}  // namespace hd
