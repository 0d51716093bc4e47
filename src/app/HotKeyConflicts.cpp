// Keys are named as the hotkey edit names them on a US keyboard, since the
// edit is where the user goes to choose another combination.
#include "app/HotKeyConflicts.h"
#include "app/frmConfUnit.h"

namespace hd {

namespace {

struct KeyName {
  unsigned vk;
  const char* name;
};

constexpr KeyName kKeyNames[] = {
    {0x08, "Backspace"}, {0x09, "Tab"},     {0x0D, "Enter"},   {0x13, "Pause"},  {0x14, "Caps Lock"},
    {0x1B, "Esc"},       {0x20, "Space"},   {0x21, "PgUp"},    {0x22, "PgDn"},   {0x23, "End"},
    {0x24, "Home"},      {0x25, "Left"},    {0x26, "Up"},      {0x27, "Right"},  {0x28, "Down"},
    {0x2C, "PrtSc"},     {0x2D, "Ins"},     {0x2E, "Del"},     {0x6A, "Num *"},  {0x6B, "Num +"},
    {0x6D, "Num -"},     {0x6E, "Num Del"}, {0x6F, "Num /"},   {0x90, "Num Lock"}, {0x91, "Scroll Lock"},
    {0xBA, ";"},         {0xBB, "="},       {0xBC, ","},       {0xBD, "-"},      {0xBE, "."},
    {0xBF, "/"},         {0xC0, "`"},       {0xDB, "["},       {0xDC, "\\"},     {0xDD, "]"},
    {0xDE, "'"},
};

// Appended piece by piece: gcc 12 warns falsely about a literal + a temporary.
std::string Numbered(const char* prefix, unsigned number) {
  std::string text = prefix;
  text += std::to_string(number);
  return text;
}

std::string KeyText(unsigned vk) {
  if ((vk >= '0' && vk <= '9') || (vk >= 'A' && vk <= 'Z')) return std::string(1, static_cast<char>(vk));
  if (vk >= 0x60 && vk <= 0x69) return Numbered("Num ", vk - 0x60);
  if (vk >= 0x70 && vk <= 0x87) return Numbered("F", vk - 0x6F);
  for (const KeyName& key : kKeyNames)
    if (key.vk == vk) return key.name;
  return Numbered("Key ", vk);
}

constexpr const char* kChooseAnother = ": choose another on the Hot Keys page.";

}  // namespace

std::string ShortcutToText(std::uint16_t value) {
  std::string text;
  if (value & HotKeyEdit::kCtrl) text += "Ctrl+";
  if (value & HotKeyEdit::kShift) text += "Shift+";
  if (value & HotKeyEdit::kAlt) text += "Alt+";
  text += KeyText(value & 0xFF);
  return text;
}

std::string HotKeyActionName(int id) {
  switch (id) {
    case kHotKeyMode: return "HIDE/NORMAL";
    case kHotKeyVisible: return "TrayIcon/Invisible";
    default: return "Terminate Hushdesk";
  }
}

std::string HotKeyConflictText(const std::vector<HotKeyFailure>& failures) {
  std::string text;
  for (const HotKeyFailure& failure : failures) {
    if (!text.empty()) text += "\r\n";
    text += ShortcutToText(failure.value);
    text += " (";
    text += HotKeyActionName(failure.id);
    text += ")";
    if (failure.sameAsId) {
      text += " is also the hotkey of (";
      text += HotKeyActionName(failure.sameAsId);
      text += ")";
    } else {
      text += " is used by another program";
    }
    text += kChooseAnother;
  }
  return text;
}

std::string HotKeyMarkText(const HotKeyFailure& failure) {
  if (!failure.sameAsId) return "Used by another program: choose another.";
  std::string text = "Also the hotkey of (";
  text += HotKeyActionName(failure.sameAsId);
  text += "): choose another.";
  return text;
}

}  // namespace hd
