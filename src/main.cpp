// The Windows entry: the real backend, then the program.
#include <cstdlib>
#include <exception>
#include "platform/win32/WinApi.h"
#include "app/Application.h"
#include "platform/win32/Win32Desktop.h"
#include "platform/win32/Win32SystemLibrary.h"

// The C++ library's default terminate handler prints the uncaught
// exception's demangled type to stderr, which a program without a console
// does not have; defining it here keeps it and the demangler (72 KB) out of
// the exe. The crash handler still runs first (Win32System::SetCrashHandler).
namespace __gnu_cxx {
void __verbose_terminate_handler() { std::abort(); }
}  // namespace __gnu_cxx

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int) {
  hd::KeepLibrarySearchToTheSystemFolder();
  INITCOMMONCONTROLSEX controls{sizeof controls, ICC_WIN95_CLASSES | ICC_TAB_CLASSES | ICC_HOTKEY_CLASS};
  ::InitCommonControlsEx(&controls);
  hd::Win32Desktop desktop;
  return hd::RunProgram(desktop.platform);
}
