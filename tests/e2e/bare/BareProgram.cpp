// The yardstick for the start-up and size figures: a Win32 program with one
// window and one hotkey, and nothing else.
#include <windows.h>

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR, int) {
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
