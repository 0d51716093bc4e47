// What the user is told about hotkeys that could not be registered.
#pragma once
#include <cstdint>
#include <string>
#include <vector>

namespace hd {

// One refused registration: the action's hotkey id and its shortcut value.
struct HotKeyFailure {
  int id = 0;
  std::uint16_t value = 0;
  int sameAsId = 0;  // the program's own action that holds these keys, or 0
};

// "Ctrl+`", "Ctrl+Shift+Alt+F5", "Ctrl+Backspace": the key names of a US keyboard.
std::string ShortcutToText(std::uint16_t value);
// "HIDE/NORMAL", "TrayIcon/Invisible", "Terminate Hushdesk".
std::string HotKeyActionName(int id);
// One sentence per failure, each on its own line.
std::string HotKeyConflictText(const std::vector<HotKeyFailure>& failures);
// The mark under the failed edit on the Hot Keys page.
std::string HotKeyMarkText(const HotKeyFailure& failure);

}  // namespace hd
