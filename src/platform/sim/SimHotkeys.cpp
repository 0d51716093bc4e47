// As on Windows, a combination held by anyone refuses a second registration.
#include "platform/sim/SimHotkeys.h"
#include <string>

namespace hd {

bool SimHotkeys::RegisterHotKey(WindowHandle window, int id, unsigned modifiers, unsigned virtualKey) {
  s_.registrationLog.emplace_back(static_cast<unsigned>(id), modifiers);
  return s_.hotkeys.emplace(std::make_pair(modifiers, virtualKey), SimState::HotkeyEntry{window, id}).second;
}

bool SimHotkeys::UnregisterHotKey(WindowHandle window, int id) {
  s_.LogCall("UnregisterHotKey " + std::to_string(id));
  for (auto it = s_.hotkeys.begin(); it != s_.hotkeys.end(); ++it)
    if (it->second.window == window && it->second.id == id) {
      s_.hotkeys.erase(it);
      return true;
    }
  return false;
}

}  // namespace hd
