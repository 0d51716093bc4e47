// The DPI a window is drawn at, and lengths written for 96 DPI scaled to it:
// nothing else in the program knows about DPI.
#pragma once
#include "platform/win32/WinApi.h"

namespace hd {

// The layout's own unit: lengths in the forms are pixels at this DPI.
constexpr int kLayoutDpi = 96;
// WM_DPICHANGED: the window moved to a monitor of another DPI (wParam's low
// word), and lParam points to the rectangle the system suggests.
constexpr UINT kWmDpiChanged = 0x02E0;

// The window's own DPI where the system tells it, else the screen's.
int WindowDpi(HWND window);
// A length of the layout at that DPI.
int ScaleToDpi(int length, int dpi);
// The side of the system's small icons (list rows, captions) at that DPI.
int SmallIconSize(int dpi);
// The window rectangle around a client area, with the frame of that DPI.
RECT WindowRectForClient(int clientWidth, int clientHeight, DWORD style, DWORD exStyle, int dpi);

}  // namespace hd
