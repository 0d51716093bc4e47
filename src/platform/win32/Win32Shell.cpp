// The notification record is passed in its first, 88-byte form.
#include "platform/win32/WinApi.h"
#include "platform/win32/Win32Shell.h"
#include <cstring>

namespace hd {

bool Win32Shell::NotifyIcon(unsigned message, const NotifyIconData& data) {
  NOTIFYICONDATAA record{};
  record.cbSize = NOTIFYICONDATAA_V1_SIZE;
  record.hWnd = reinterpret_cast<HWND>(data.hWnd);
  record.uID = data.uID;
  record.uFlags = data.uFlags;
  record.uCallbackMessage = data.uCallbackMessage;
  record.hIcon = reinterpret_cast<HICON>(data.hIcon);
  std::strncpy(record.szTip, data.szTip.c_str(), 63);
  return ::Shell_NotifyIconA(message, &record);
}

std::intptr_t Win32Shell::ShellExecute(WindowHandle owner, const std::string& file, const std::string& parameters,
                                       const std::string& directory, int showCommand) {
  return reinterpret_cast<std::intptr_t>(::ShellExecuteA(reinterpret_cast<HWND>(owner), nullptr, file.c_str(),
                                                         parameters.c_str(), directory.c_str(), showCommand));
}

bool Win32Shell::DragAcceptFiles(WindowHandle window, bool accept) {
  ::DragAcceptFiles(reinterpret_cast<HWND>(window), accept);
  return true;
}

Point Win32Shell::GetCursorPos() {
  POINT point{};
  ::GetCursorPos(&point);
  return {point.x, point.y};
}

Handle Win32Shell::ApplicationIcon() {
  // The notification area draws small icons: the size the system asks for,
  // which grows with the DPI, rather than the large icon shrunk.
  return reinterpret_cast<Handle>(::LoadImageA(::GetModuleHandleA(nullptr), MAKEINTRESOURCEA(1), IMAGE_ICON,
                                               ::GetSystemMetrics(SM_CXSMICON), ::GetSystemMetrics(SM_CYSMICON),
                                               LR_SHARED));
}

}  // namespace hd
