// The test program, or with "--app" another application for the tests to act
// on, or with "--wait-for-program" and "--press" a hand on the keyboard for
// scripts/demo.
#include "Harness.h"
#include <gtest/gtest.h>
#include <cstring>

#include <windows.h>
#include <string>

namespace e2e {
int RunHelperApp(int argc, char** argv, const std::string& caption);
int RunFakeTaskbar(int argc, char** argv);
void RegisterDesktopTests();
}

int main(int argc, char** argv) {
  if (argc > 1 && !std::strcmp(argv[1], "--taskbar")) return e2e::RunFakeTaskbar(argc - 2, argv + 2);
  if (argc > 1 && !std::strcmp(argv[1], "--wait-for-program")) return e2e::WaitForRunningProgram() ? 0 : 1;
  if (argc > 2 && !std::strcmp(argv[1], "--press")) return e2e::PressHotkeyOfRunningProgram(argv[2]) ? 0 : 1;
  if (argc > 2 && !std::strcmp(argv[1], "--app")) return e2e::RunHelperApp(argc - 3, argv + 3, argv[2]);
  // A copy under another name is an application of that name (the program
  // starts serious applications without parameters).
  char self[MAX_PATH] = {};
  ::GetModuleFileNameA(nullptr, self, MAX_PATH);
  std::string name = self;
  name = name.substr(name.find_last_of('\\') + 1);
  name = name.substr(0, name.find_last_of('.'));
  if (_stricmp(name.c_str(), "e2e_tests") != 0) return e2e::RunHelperApp(argc - 1, argv + 1, name);
  // A child inside a virtual desktop, for the tests that need one.
  if (argc > 1 && !std::strcmp(argv[1], "--in-desktop")) {
    e2e::RegisterDesktopTests();
    argv[1] = argv[0];
    --argc;
    ++argv;
  }
  ::testing::InitGoogleTest(&argc, argv);
  return RUN_ALL_TESTS();
}
