// The literal hotkey calls.
#include "platform/win32/WinApi.h"
#include "platform/win32/Win32Hotkeys.h"

namespace hd {

bool Win32Hotkeys::RegisterHotKey(WindowHandle window, int id, unsigned modifiers, unsigned virtualKey) {
  return ::RegisterHotKey(reinterpret_cast<HWND>(window), id, modifiers, virtualKey);
}

bool Win32Hotkeys::UnregisterHotKey(WindowHandle window, int id) {
  return ::UnregisterHotKey(reinterpret_cast<HWND>(window), id);
}

Win32Hotkeys::~Win32Hotkeys() = default;

}  // namespace hd
