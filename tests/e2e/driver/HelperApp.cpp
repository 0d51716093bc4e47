// The helper mode of the test program: another application with a window.
#include <windows.h>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <string>
#include "Harness.h"
#include "../../common/SilentPlayer.h"

namespace e2e {

namespace {
LRESULT CALLBACK HelperProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == WM_DESTROY) ::PostQuitMessage(0);
  if (message == kHelperStopAnswering) {
    ::Sleep(static_cast<DWORD>(wParam));
    return 0;
  }
  return ::DefWindowProcA(window, message, wParam, lParam);
}
}  // namespace

int RunHelperApp(int argc, char** argv, const std::string& caption) {
  bool hidden = false, owned = false, holdModeKeys = false;
  DWORD hangAfter = 0;
  HWND into = nullptr;
  int count = 1;
  int left = 40, top = 40;
  for (int i = 0; i < argc; ++i) {
    if (!std::strcmp(argv[i], "--hidden")) hidden = true;
    if (!std::strcmp(argv[i], "--owned")) owned = true;
    if (!std::strcmp(argv[i], "--hold-mode-keys")) holdModeKeys = true;
    if (!std::strcmp(argv[i], "--play")) PlaySilence();
    if (!std::strcmp(argv[i], "--hang-after") && i + 1 < argc) hangAfter = static_cast<DWORD>(std::atoi(argv[++i]));
    if (!std::strcmp(argv[i], "--count") && i + 1 < argc) count = std::atoi(argv[++i]);
    if (!std::strcmp(argv[i], "--at") && i + 2 < argc) {
      left = std::atoi(argv[++i]);
      top = std::atoi(argv[++i]);
    }
    if (!std::strcmp(argv[i], "--into") && i + 1 < argc)
      into = reinterpret_cast<HWND>(static_cast<std::uintptr_t>(std::strtoull(argv[++i], nullptr, 16)));
  }
  // Takes the program's default mode hotkey, as another boss key might;
  // before any window exists, so that it is held once the window is found.
  if (holdModeKeys) ::RegisterHotKey(nullptr, 1, MOD_CONTROL, VK_OEM_3);
  WNDCLASSA windowClass{};
  windowClass.lpfnWndProc = HelperProc;
  windowClass.hInstance = ::GetModuleHandleA(nullptr);
  windowClass.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_WINDOW + 1);
  windowClass.hIcon = ::LoadIconA(nullptr, reinterpret_cast<LPCSTR>(IDI_APPLICATION));
  windowClass.lpszClassName = "HushdeskTestHelper";
  ::RegisterClassA(&windowClass);
  HWND window = nullptr;
  for (int i = 1; i <= count; ++i) {
    const std::string text = count == 1 ? caption : caption + " " + std::to_string(i);
    window = ::CreateWindowExA(0, "HushdeskTestHelper", text.c_str(), WS_OVERLAPPEDWINDOW, left + 4 * i, top + 4 * i,
                               320, 200, nullptr, nullptr, windowClass.hInstance, nullptr);
    if (!hidden) ::ShowWindow(window, SW_SHOWNORMAL);
  }
  if (into) {
    // As a Store app puts its view into the frame that another process draws.
    ::SetWindowLongA(window, GWL_STYLE, WS_CHILD | WS_VISIBLE);
    ::SetParent(window, into);
    ::SetWindowPos(window, nullptr, 0, 0, 200, 120, SWP_NOZORDER | SWP_FRAMECHANGED);
  }
  if (owned) {
    HWND dialog = ::CreateWindowExA(0, "HushdeskTestHelper", (caption + " - owned").c_str(),
                                    WS_POPUP | WS_CAPTION | WS_VISIBLE, left + 60, top + 60, 200, 100, window, nullptr,
                                    windowClass.hInstance, nullptr);
    (void)dialog;
  }
  const DWORD start = ::GetTickCount();
  MSG message;
  for (;;) {
    if (hangAfter && ::GetTickCount() - start >= hangAfter) ::Sleep(INFINITE);  // stops answering
    if (::MsgWaitForMultipleObjects(0, nullptr, FALSE, 50, QS_ALLINPUT) == WAIT_OBJECT_0) {
      while (::PeekMessageA(&message, nullptr, 0, 0, PM_REMOVE)) {
        if (message.message == WM_QUIT) return 0;
        ::TranslateMessage(&message);
        ::DispatchMessageA(&message);
      }
    }
  }
}

}  // namespace e2e
