// The Windows entry: the real backend, then the program.
#include "platform/win32/WinApi.h"
#include "app/Application.h"
#include "platform/win32/Win32Desktop.h"
#include "platform/win32/Win32SystemLibrary.h"

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int) {
  hd::KeepLibrarySearchToTheSystemFolder();
  INITCOMMONCONTROLSEX controls{sizeof controls, ICC_WIN95_CLASSES | ICC_TAB_CLASSES | ICC_HOTKEY_CLASS};
  ::InitCommonControlsEx(&controls);
  hd::Win32Desktop desktop;
  return hd::RunProgram(desktop.platform);
}
