// Global hotkeys through user32.
#pragma once
#include "platform/Hotkeys.h"

namespace hd {

class Win32Hotkeys : public IHotkeys {
public:
  ~Win32Hotkeys() override;  // out of line: one unwind table header for the file
  bool RegisterHotKey(WindowHandle window, int id, unsigned modifiers, unsigned virtualKey) override;
  bool UnregisterHotKey(WindowHandle window, int id) override;
};

}  // namespace hd
