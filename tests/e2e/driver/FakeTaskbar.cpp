// The helper mode that plays the shell's taskbar: Shell_TrayWnd with its
// notification area and a toolbar of icon buttons, some already hidden.
#include <windows.h>
#include <commctrl.h>
#include <cstdlib>
#include <cstring>
#include <string>
#include "Harness.h"

namespace e2e {

namespace {

HWND g_realTray = nullptr;

LRESULT CALLBACK TaskbarProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  // Icons sent to this taskbar go on to the real one, so programs keep theirs.
  if (message == WM_COPYDATA && g_realTray) {
    DWORD_PTR result = 0;
    ::SendMessageTimeoutA(g_realTray, WM_COPYDATA, wParam, lParam, SMTO_ABORTIFHUNG, 2000, &result);
    return static_cast<LRESULT>(result);
  }
  if (message == WM_DESTROY) ::PostQuitMessage(0);
  return ::DefWindowProcA(window, message, wParam, lParam);
}

HWND Child(HWND parent, const char* className, const char* text = "") {
  return ::CreateWindowExA(0, className, text, WS_CHILD | WS_VISIBLE, 0, 0, 200, 30, parent, nullptr,
                           ::GetModuleHandleA(nullptr), nullptr);
}

}  // namespace

// Arguments: --buttons N, --prehidden I (a button hidden before the program starts).
int RunFakeTaskbar(int argc, char** argv) {
  int buttons = 5, prehidden = -1;
  for (int i = 0; i + 1 < argc; ++i) {
    if (!std::strcmp(argv[i], "--buttons")) buttons = std::atoi(argv[i + 1]);
    if (!std::strcmp(argv[i], "--prehidden")) prehidden = std::atoi(argv[i + 1]);
  }
  INITCOMMONCONTROLSEX controls{sizeof controls, ICC_BAR_CLASSES};
  ::InitCommonControlsEx(&controls);
  g_realTray = ::FindWindowA("Shell_TrayWnd", nullptr);
  WNDCLASSA taskbarClass{};
  taskbarClass.lpfnWndProc = TaskbarProc;
  taskbarClass.hInstance = ::GetModuleHandleA(nullptr);
  taskbarClass.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
  taskbarClass.lpszClassName = "Shell_TrayWnd";
  ::RegisterClassA(&taskbarClass);
  for (const char* name : {"TrayNotifyWnd", "SysPager"}) {
    WNDCLASSA childClass = taskbarClass;
    childClass.lpfnWndProc = ::DefWindowProcA;
    childClass.lpszClassName = name;
    ::RegisterClassA(&childClass);
  }
  HWND taskbar = ::CreateWindowExA(WS_EX_TOOLWINDOW, "Shell_TrayWnd", "", WS_POPUP | WS_VISIBLE, 0, 738, 1024, 30,
                                   nullptr, nullptr, taskbarClass.hInstance, nullptr);
  HWND rebar = Child(taskbar, REBARCLASSNAMEA);
  Child(rebar, TOOLBARCLASSNAMEA);
  HWND notify = Child(taskbar, "TrayNotifyWnd");
  HWND pager = Child(notify, "SysPager");
  HWND toolbar = Child(pager, TOOLBARCLASSNAMEA);
  ::SendMessageA(toolbar, TB_BUTTONSTRUCTSIZE, sizeof(TBBUTTON), 0);
  for (int i = 0; i < buttons; ++i) {
    TBBUTTON button{};
    button.iBitmap = I_IMAGENONE;
    button.idCommand = FakeTrayCommand(i);
    button.fsState = TBSTATE_ENABLED;
    button.fsStyle = BTNS_BUTTON;
    ::SendMessageA(toolbar, TB_ADDBUTTONSA, 1, reinterpret_cast<LPARAM>(&button));
  }
  if (prehidden >= 0) ::SendMessageA(toolbar, TB_HIDEBUTTON, static_cast<WPARAM>(FakeTrayCommand(prehidden)), TRUE);
  MSG message;
  while (::GetMessageA(&message, nullptr, 0, 0) > 0) {
    ::TranslateMessage(&message);
    ::DispatchMessageA(&message);
  }
  return 0;
}

}  // namespace e2e
