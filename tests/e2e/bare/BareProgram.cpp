// The yardstick for the start-up and size figures: a Win32 program with one
// window and one hotkey, and nothing else. Built a second time with
// HD_BARE_WITH_LIBRARIES (and the product's manifest), it also loads what
// Hushdesk loads when it starts: the common controls and "HHCTRL.OCX" with
// the libraries that come with it, a floor that counts what Windows costs.
#include <windows.h>
#ifdef HD_BARE_WITH_LIBRARIES
#include <commctrl.h>
#endif

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR, int) {
#ifdef HD_BARE_WITH_LIBRARIES
  INITCOMMONCONTROLSEX controls{sizeof controls, ICC_WIN95_CLASSES | ICC_TAB_CLASSES | ICC_HOTKEY_CLASS};
  ::InitCommonControlsEx(&controls);
  ::LoadLibraryA("HHCTRL.OCX");
#endif
  WNDCLASSA windowClass{};
  windowClass.lpfnWndProc = ::DefWindowProcA;
  windowClass.hInstance = instance;
  windowClass.lpszClassName = "HushdeskBareProgram";
  ::RegisterClassA(&windowClass);
  HWND window = ::CreateWindowExA(0, windowClass.lpszClassName, "Bare program", WS_OVERLAPPEDWINDOW, 0, 0, 200,
                                  100, nullptr, nullptr, instance, nullptr);
  ::RegisterHotKey(window, 1, MOD_CONTROL | MOD_ALT, VK_F11);
  MSG message;
  while (::GetMessageA(&message, nullptr, 0, 0) > 0) ::DispatchMessageA(&message);
  return 0;
}
