// The per-window calls came with Windows 10 (1607); GetDeviceCaps(LOGPIXELSX)
// answers back to Windows XP.
#include "platform/win32/Win32Dpi.h"
#include "platform/win32/Win32LateBound.h"

namespace hd {

int WindowDpi(HWND window) {
  if (LateBound().getDpiForWindow && window)
    if (const UINT dpi = LateBound().getDpiForWindow(window)) return static_cast<int>(dpi);
  HDC screen = ::GetDC(nullptr);
  const int dpi = ::GetDeviceCaps(screen, LOGPIXELSX);
  ::ReleaseDC(nullptr, screen);
  return dpi > 0 ? dpi : kLayoutDpi;
}

int ScaleToDpi(int length, int dpi) { return ::MulDiv(length, dpi, kLayoutDpi); }

int SmallIconSize(int dpi) {
  if (LateBound().getSystemMetricsForDpi)
    if (const int size = LateBound().getSystemMetricsForDpi(SM_CXSMICON, static_cast<UINT>(dpi))) return size;
  // Without per-monitor DPI every window is at the screen's, which the metric follows.
  return ::MulDiv(::GetSystemMetrics(SM_CXSMICON), dpi, WindowDpi(nullptr));
}

RECT WindowRectForClient(int clientWidth, int clientHeight, DWORD style, DWORD exStyle, int dpi) {
  RECT rect{0, 0, ScaleToDpi(clientWidth, dpi), ScaleToDpi(clientHeight, dpi)};
  if (LateBound().adjustWindowRectExForDpi)
    LateBound().adjustWindowRectExForDpi(&rect, style, FALSE, exStyle, static_cast<UINT>(dpi));
  else
    ::AdjustWindowRectEx(&rect, style, FALSE, exStyle);
  return rect;
}

}  // namespace hd
