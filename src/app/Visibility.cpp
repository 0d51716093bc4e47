// TrayIcon and Invisible mode, and keeping the program off the taskbar.
#include "app/Application.h"
#include "app/OSWorks.h"
#include "app/frmConfUnit.h"
#include "shell/TrayIcon.h"

namespace hd {

void TfrmConfigure::SetTrayIconMode() {
  FInvisible = false;
  HideAppWindow();
  SetServiceProcess(false);
  TrayIcon->SetActive(true);
}

void TfrmConfigure::SetInvisibleMode() {
  FInvisible = true;
  HideAppWindow();
  SetServiceProcess(true);
  TrayIcon->SetActive(false);
}

void TfrmConfigure::ToggleVisibleMode() {
  if (!FInvisible)
    SetInvisibleMode();
  else
    SetTrayIconMode();
}

void TfrmConfigure::HideAppWindow() {
  app_.SetTitle("");
  p_.windows.ShowWindow(Handle(), win::SW_HIDE);
  p_.windows.ShowWindow(p_.forms.ApplicationWindow(), win::SW_HIDE);
}

void TfrmConfigure::ShowAppWindow() {
  SetAppWindowStyle(false);
  app_.SetTitle(kAppTaskbarTitle);
  p_.windows.ShowWindow(p_.forms.ApplicationWindow(), win::SW_SHOW);
}

void TfrmConfigure::SetAppWindowStyle(bool toolWindow) {
  const WindowHandle app = p_.forms.ApplicationWindow();
  const long style = p_.windows.GetWindowLong(app, win::GWL_EXSTYLE);
  // Neither bit is ever removed: the hidden application window is what keeps
  // the taskbar button away.
  p_.windows.SetWindowLong(app, win::GWL_EXSTYLE, style | (toolWindow ? win::WS_EX_TOOLWINDOW : win::WS_EX_APPWINDOW));
}

void TfrmConfigure::SetServiceProcess(bool doRegister) {
  // XP and later have no such call; on 2000 the look-up finds nothing.
  ISystem& system = p_.system;
  if (!(IsWindows95(system) || IsWindows98(system) || IsWindowsMe(system) || IsWindows2000(system))) return;
  // Staying in the task list is harmless: whatever goes wrong is swallowed.
  try {
    system.CallRegisterServiceProcess(p_.processes.GetCurrentProcessId(), doRegister ? 1 : 0);
  } catch (...) {
  }
}

}  // namespace hd
