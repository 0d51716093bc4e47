// The test program, or with "--app" another application for the tests to act on.
#include <gtest/gtest.h>
#include <cstring>

namespace e2e {
int RunHelperApp(int argc, char** argv);
}

int main(int argc, char** argv) {
  if (argc > 1 && !std::strcmp(argv[1], "--app")) return e2e::RunHelperApp(argc, argv);
  ::testing::InitGoogleTest(&argc, argv);
  return RUN_ALL_TESTS();
}
