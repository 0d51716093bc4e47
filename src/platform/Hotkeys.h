// System-wide hotkeys.
#pragma once
#include "platform/Types.h"

namespace hd {

class IHotkeys {
public:
  virtual ~IHotkeys() = default;
  virtual bool RegisterHotKey(WindowHandle window, int id, unsigned modifiers, unsigned virtualKey) = 0;
  virtual bool UnregisterHotKey(WindowHandle window, int id) = 0;
};

}  // namespace hd
