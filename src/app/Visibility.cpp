// TrayIcon and Invisible mode, and keeping the program off the taskbar.
#include "app/Application.h"
#include "app/frmConfUnit.h"

namespace hd {

void TfrmConfigure::SetTrayIconMode() {
  FInvisible = false;
  HideAppWindow();
}

void TfrmConfigure::SetInvisibleMode() {
  FInvisible = true;
  HideAppWindow();
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

void TfrmConfigure::SetAppWindowStyle(bool toolWindow) {
  const WindowHandle app = p_.forms.ApplicationWindow();
  const long style = p_.windows.GetWindowLong(app, win::GWL_EXSTYLE);
  // Neither bit is ever removed: the hidden application window is what keeps
  // the taskbar button away.
  p_.windows.SetWindowLong(app, win::GWL_EXSTYLE, style | (toolWindow ? win::WS_EX_TOOLWINDOW : win::WS_EX_APPWINDOW));
}

}  // namespace hd
