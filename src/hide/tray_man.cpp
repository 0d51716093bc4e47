// The taskbar's windows belong to the shell: every call on them is bounded,
// and they are looked for again when the shell has made new ones.
#include "hide/tray_man.h"
#include "app/OSWorks.h"
#include "hide/HungWindows.h"

namespace hd {

TWindowsBar::TWindowsBar(Platform& platform) : p_(platform) { FindWindows(); }

void TWindowsBar::FindWindows() {
  const WindowHandle oldToolbar = TrayToolbarHandle;
  // An empty name, not an absent one: the shell's taskbar has no title.
  TaskbarHandle = p_.windows.FindWindow("Shell_TrayWnd", "");
  TrayNotifyHandle = Child(TaskbarHandle, "TrayNotifyWnd");
  RebarToolbarHandle = Child(Child(TaskbarHandle, "ReBarWindow32"), "ToolBarWindow32");
  TrayToolbarHandle = Child(Child(TrayNotifyHandle, "SysPager"), "ToolBarWindow32");
  // The buttons recorded belong to the old toolbar; a new one shows its icons.
  if (TrayToolbarHandle != oldToolbar) HiddenButtons.clear();
}

void TWindowsBar::FindWindowsIfGone() {
  for (WindowHandle window : {TaskbarHandle, TrayNotifyHandle, RebarToolbarHandle, TrayToolbarHandle})
    if (!p_.windows.IsWindow(window)) {
      FindWindows();
      return;
    }
}

WindowHandle TWindowsBar::Child(WindowHandle parent, const char* className) {
  return p_.windows.FindWindowEx(parent, 0, className, "");
}

LResult TWindowsBar::Send(WindowHandle window, unsigned message, WParam wParam, LParam lParam, bool& answered) {
  LResult result = 0;
  answered = answered && p_.windows.SendMessageTimeout(window, message, wParam, lParam, HungWindows::kProbeMs, result);
  return answered ? result : 0;
}

void TWindowsBar::Repaint(WindowHandle painted, WindowHandle updated) {
  bool answered = true;
  Send(painted, win::WM_PAINT, 0, 0, answered);
  // UpdateWindow waits for the shell's thread too.
  if (answered) p_.windows.UpdateWindow(updated);
}

bool TWindowsBar::HidesIconsOneByOne() { return IsWindowsXP(p_.system); }

void TWindowsBar::HideTrayArea() {
  if (HidesIconsOneByOne())
    HideTrayIcons();
  else
    HideNotifyArea();
}

void TWindowsBar::ShowTrayArea() {
  if (HidesIconsOneByOne())
    ShowTrayIcons();
  else
    ShowNotifyArea();
}

void TWindowsBar::HideTrayIcons() {
  FindWindowsIfGone();
  // Once the shell stops answering, the rest is not asked for.
  bool answered = true;
  const LResult count = Send(TrayToolbarHandle, win::TB_BUTTONCOUNT, 0, 0, answered);
  HiddenButtons.clear();
  for (int i = 0; i < count && answered; ++i) {
    // The button messages name a button by its command id, which on a real
    // taskbar is not its position.
    int command = 0;
    answered = p_.windows.ToolbarButtonCommand(TrayToolbarHandle, i, HungWindows::kProbeMs, command);
    const WParam id = static_cast<WParam>(static_cast<unsigned>(command));
    // Buttons the user had hidden already stay out of the record, so showing
    // the area again leaves them hidden.
    if (!answered || Send(TrayToolbarHandle, win::TB_ISBUTTONHIDDEN, id, 0, answered) != 0 || !answered) continue;
    HiddenButtons.push_back(command);
    Send(TrayToolbarHandle, win::TB_HIDEBUTTON, id, 1, answered);
    Send(TrayToolbarHandle, win::TB_SETBUTTONSIZE, 0, 0, answered);
  }
  Repaint(RebarToolbarHandle, RebarToolbarHandle);
}

void TWindowsBar::ShowTrayIcons() {
  FindWindowsIfGone();
  bool answered = true;
  for (std::size_t i = 0; i < HiddenButtons.size() && answered; ++i) {
    Send(TrayToolbarHandle, win::TB_HIDEBUTTON, static_cast<WParam>(static_cast<unsigned>(HiddenButtons[i])), 0,
         answered);
    Send(TrayToolbarHandle, win::TB_SETBUTTONSIZE, 16, 16, answered);
  }
  // A shell that did not answer still has them hidden: the next call tries again.
  if (answered) HiddenButtons.clear();
  Repaint(TrayToolbarHandle, RebarToolbarHandle);
}

void TWindowsBar::ShowArea(int command) {
  FindWindowsIfGone();
  HungWindows hung(p_.windows);
  if (hung.IsHung(TrayNotifyHandle))
    p_.windows.ShowWindowAsync(TrayNotifyHandle, command);
  else
    p_.windows.ShowWindow(TrayNotifyHandle, command);
  notifyAreaHidden_ = command == win::SW_HIDE;
}

void TWindowsBar::HideNotifyArea() { ShowArea(win::SW_HIDE); }

void TWindowsBar::ShowNotifyArea() { ShowArea(win::SW_SHOW); }

}  // namespace hd
