// A windowless program that only waits to be ended: the contract tests' child
// process. A GUI program, because a console child gets a console host that
// can outlive it and keep the test's output pipe open. It waits in a message
// loop so that WaitForInputIdle tells when it has started. With "/play" it
// plays a silent loop meanwhile, as a player would.
#include <windows.h>
#include <cstring>
#include "../../common/SilentPlayer.h"

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR commandLine, int) {
  if (std::strstr(commandLine, "/play")) PlaySilence();
  ::SetTimer(nullptr, 0, 60000, nullptr);
  MSG message;
  while (::GetMessageA(&message, nullptr, 0, 0) > 0 && message.message != WM_TIMER) {
  }
  return 0;
}
