// A windowless program that only waits to be ended: the contract tests' child
// process. A GUI program, because a console child gets a console host that
// can outlive it and keep the test's output pipe open. It waits in a message
// loop so that WaitForInputIdle tells when it has started.
#include <windows.h>

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int) {
  ::SetTimer(nullptr, 0, 60000, nullptr);
  MSG message;
  while (::GetMessageA(&message, nullptr, 0, 0) > 0 && message.message != WM_TIMER) {
  }
  return 0;
}
