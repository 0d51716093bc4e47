// The notification record is passed in its first, 88-byte form; only a
// balloon needs the longer one, which older shells refuse.
#include "platform/win32/WinApi.h"
#include "platform/win32/Win32Shell.h"
#include "platform/win32/Win32Dpi.h"
#include <cstring>

namespace hd {

bool Win32Shell::NotifyIcon(unsigned message, const NotifyIconData& data) {
  NOTIFYICONDATAA record{};
  const bool balloon = (data.uFlags & NIF_INFO) != 0;
  record.cbSize = balloon ? NOTIFYICONDATAA_V2_SIZE : NOTIFYICONDATAA_V1_SIZE;
  record.hWnd = reinterpret_cast<HWND>(data.hWnd);
  record.uID = data.uID;
  record.uFlags = data.uFlags;
  record.uCallbackMessage = data.uCallbackMessage;
  record.hIcon = reinterpret_cast<HICON>(data.hIcon);
  std::strncpy(record.szTip, data.szTip.c_str(), 63);
  if (balloon) {
    std::strncpy(record.szInfo, data.szInfo.c_str(), sizeof record.szInfo - 1);
    std::strncpy(record.szInfoTitle, data.szInfoTitle.c_str(), sizeof record.szInfoTitle - 1);
    record.dwInfoFlags = data.dwInfoFlags;
  }
  return ::Shell_NotifyIconA(message, &record);
}

std::intptr_t Win32Shell::ShellExecute(WindowHandle owner, const std::string& verb, const std::string& file,
                                       const std::string& parameters, const std::string& directory, int showCommand) {
  return reinterpret_cast<std::intptr_t>(::ShellExecuteA(reinterpret_cast<HWND>(owner),
                                                         verb.empty() ? nullptr : verb.c_str(), file.c_str(),
                                                         parameters.c_str(), directory.c_str(), showCommand));
}

bool Win32Shell::DragAcceptFiles(WindowHandle window, bool accept) {
  ::DragAcceptFiles(reinterpret_cast<HWND>(window), accept);
  return true;
}

Point Win32Shell::DragQueryPoint(Handle drop) {
  POINT point{};
  ::DragQueryPoint(reinterpret_cast<HDROP>(drop), &point);
  return {point.x, point.y};
}

unsigned Win32Shell::DragQueryFile(Handle drop, unsigned index, std::string& file, unsigned bufferSize) {
  if (index == 0xFFFFFFFFu) return ::DragQueryFileA(reinterpret_cast<HDROP>(drop), index, nullptr, 0);
  std::string buffer(bufferSize, '\0');
  const UINT length = ::DragQueryFileA(reinterpret_cast<HDROP>(drop), index, buffer.data(), bufferSize);
  file = buffer.substr(0, length);
  return length;
}

void Win32Shell::DragFinish(Handle drop) { ::DragFinish(reinterpret_cast<HDROP>(drop)); }

Handle Win32Shell::ExtractIcon(const std::string& file, unsigned index) {
  HICON icon = ::ExtractIconA(::GetModuleHandleA(nullptr), file.c_str(), index);
  // 1 means "not an executable file", no icon to free.
  return reinterpret_cast<Handle>(icon) == 1 ? 0 : reinterpret_cast<Handle>(icon);
}

bool Win32Shell::DestroyIcon(Handle icon) { return ::DestroyIcon(reinterpret_cast<HICON>(icon)); }

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

// The large icon at the screen's DPI: 32 pixels at 96, 48 at 144, drawn from
// the icon file's own picture of that size. The 48-pixel pictures are PNG,
// which Windows XP cannot read: there the system's large size does.
Handle Win32Shell::ResourceIcon(int resource) {
  HINSTANCE module = ::GetModuleHandleA(nullptr);
  const int side = ScaleToDpi(32, WindowDpi(nullptr));
  HANDLE icon = ::LoadImageA(module, MAKEINTRESOURCEA(resource), IMAGE_ICON, side, side, LR_SHARED);
  return reinterpret_cast<Handle>(icon ? icon : ::LoadIconA(module, MAKEINTRESOURCEA(resource)));
}

Win32Shell::~Win32Shell() = default;

}  // namespace hd
