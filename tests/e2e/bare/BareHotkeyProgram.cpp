// The yardstick for the time from the mode hotkey to the last window hidden:
// it holds the same hotkey (Ctrl+`) and, on each press, hides the windows
// named on its command line (hexadecimal handles) one after another with
// SW_HIDE, nothing else. The key's delivery counts on both sides.
#include <windows.h>
#include <cstdint>
#include <cstdlib>
#include <vector>

namespace {

std::vector<HWND> windows;

LRESULT CALLBACK Procedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == WM_HOTKEY)
    for (HWND w : windows) ::ShowWindow(w, SW_HIDE);
  if (message == WM_DESTROY) ::PostQuitMessage(0);
  return ::DefWindowProcA(window, message, wParam, lParam);
}

}  // namespace

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR commandLine, int) {
  for (char* next = commandLine; *next;) {
    char* end = next;
    const auto handle = static_cast<std::uintptr_t>(std::strtoull(next, &end, 16));
    if (end == next) break;
    windows.push_back(reinterpret_cast<HWND>(handle));
    next = end;
  }
  WNDCLASSA windowClass{};
  windowClass.lpfnWndProc = Procedure;
  windowClass.hInstance = instance;
  windowClass.lpszClassName = "HushdeskBareHotkeyProgram";
  ::RegisterClassA(&windowClass);
  HWND window = ::CreateWindowExA(0, windowClass.lpszClassName, "Bare hotkey program", WS_OVERLAPPEDWINDOW, 0, 0,
                                  200, 100, nullptr, nullptr, instance, nullptr);
  if (!::RegisterHotKey(window, 1, MOD_CONTROL, VK_OEM_3)) return 1;
  MSG message;
  while (::GetMessageA(&message, nullptr, 0, 0) > 0) ::DispatchMessageA(&message);
  return 0;
}
