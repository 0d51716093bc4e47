// The display's modes read and set alike on both backends.
#include <gtest/gtest.h>
#include "Backend.h"

namespace hd::contract {

namespace {
bool SameMode(const DevMode& a, const DevMode& b) {
  return a.pelsWidth == b.pelsWidth && a.pelsHeight == b.pelsHeight && a.bitsPerPel == b.bitsPerPel &&
         a.displayFrequency == b.displayFrequency;
}
}  // namespace

TEST(DisplayContract, TheModeInForceIsOfferedAndCanBeSetAgain) {
  auto backend = MakeBackend();
  IDisplay& display = backend->platform().display;
  DevMode current;
  ASSERT_TRUE(display.EnumDisplaySettings(win::ENUM_CURRENT_SETTINGS, current));
  EXPECT_GT(current.pelsWidth, 0u);
  bool offered = false;
  std::uint32_t number = 0;
  for (DevMode mode; display.EnumDisplaySettings(number, mode) && number < 10000; ++number, mode = DevMode{})
    offered = offered || SameMode(mode, current);
  EXPECT_GT(number, 0u);
  EXPECT_LT(number, 10000u) << "the list ends";
  EXPECT_TRUE(offered);

  DevMode again = current;
  again.size = 156;
  again.fields = win::DM_BITSPERPEL | win::DM_PELSWIDTH | win::DM_PELSHEIGHT | win::DM_DISPLAYFREQUENCY;
  EXPECT_EQ(display.ChangeDisplaySettings(again, 0), win::DISP_CHANGE_SUCCESSFUL);
  DevMode after;
  display.EnumDisplaySettings(win::ENUM_CURRENT_SETTINGS, after);
  EXPECT_TRUE(SameMode(after, current));
}

}  // namespace hd::contract
