// The taskbar's notification area: hiding its icons in HIDE mode.
#pragma once
#include "platform/Platform.h"

namespace hd {

class TWindowsBar {
public:
  explicit TWindowsBar(Platform& platform);
  void HideTrayArea();
  void ShowTrayArea();
  void ShowTrayIcons();

private:
  Platform& p_;
};

}  // namespace hd
