// Opaque handles and plain records shared by every platform interface.
#pragma once
#include <cstdint>
#include <string>

namespace hd {

using Handle = std::uintptr_t;   // HWND, HANDLE, HICON, HKEY ... as an integer
using WindowHandle = Handle;
using ProcessId = std::uint32_t;
using ThreadId = std::uint32_t;
using WParam = std::uintptr_t;
using LParam = std::intptr_t;
using LResult = std::intptr_t;

// Win32 numbers the program relies on, spelt once so no layer above the
// platform needs <windows.h>.
namespace win {
constexpr unsigned GW_HWNDFIRST = 0, GW_HWNDNEXT = 2, GW_OWNER = 4;
constexpr int SW_HIDE = 0, SW_SHOWNORMAL = 1, SW_SHOWMINIMIZED = 2, SW_SHOWMAXIMIZED = 3, SW_SHOWNOACTIVATE = 4,
              SW_SHOW = 5, SW_MINIMIZE = 6, SW_SHOWMINNOACTIVE = 7, SW_RESTORE = 9;
constexpr unsigned WM_NULL = 0x0000, WM_ACTIVATE = 0x0006, WM_CLOSE = 0x0010,
                   WM_QUERYENDSESSION = 0x0011, WM_PAINT = 0x000F, WM_ACTIVATEAPP = 0x001C,
                   WM_HOTKEY = 0x0312, WM_COPYDATA = 0x004A, WM_LBUTTONUP = 0x0202,
                   WM_LBUTTONDBLCLK = 0x0203, WM_RBUTTONUP = 0x0205, WM_USER = 0x0400,
                   WM_GETICON = 0x007F, WM_DROPFILES = 0x0233, WM_TIMER = 0x0113;
constexpr int GCL_HICON = -14;
constexpr WParam ICON_SMALL = 0;
constexpr unsigned MOD_ALT = 1, MOD_CONTROL = 2, MOD_SHIFT = 4;
constexpr int GWL_EXSTYLE = -20;
constexpr WindowHandle HWND_BROADCAST = 0xFFFF;
constexpr long WS_EX_TOOLWINDOW = 0x80, WS_EX_APPWINDOW = 0x40000;
constexpr unsigned TB_HIDEBUTTON = 0x404, TB_ISBUTTONHIDDEN = 0x40C, TB_BUTTONCOUNT = 0x418,
                   TB_SETBUTTONSIZE = 0x41F;
constexpr std::uint32_t ERROR_FILE_NOT_FOUND = 2, ERROR_PATH_NOT_FOUND = 3,
                        ERROR_ACCESS_DENIED = 5, ERROR_INVALID_NAME = 123,
                        ERROR_ALREADY_EXISTS = 183, ERROR_DISK_FULL = 112,
                        ERROR_HANDLE_DISK_FULL = 39, ERROR_TIMEOUT = 1460,
                        ERROR_SHARING_VIOLATION = 32;
constexpr std::uint32_t ERROR_WRITE_FAULT = 29;  // a profile write refused without a code of its own
constexpr unsigned VER_PLATFORM_WIN32_WINDOWS = 1, VER_PLATFORM_WIN32_NT = 2;
constexpr unsigned MB_OK = 0, MB_YESNO = 4, MB_ICONERROR = 0x10, MB_ICONQUESTION = 0x20,
                   MB_ICONWARNING = 0x30, MB_ICONINFORMATION = 0x40;
constexpr int IDYES = 6, IDNO = 7, IDOK = 1;
}  // namespace win

}  // namespace hd
