// The three global hotkeys, their dispatch and termination.
#include "app/frmConfUnit.h"

namespace hd {

namespace {
struct HotKeySlot {
  HotKeyEdit TfrmConfigure::*control;
  int id;
};
constexpr HotKeySlot kSlots[] = {{&TfrmConfigure::hkMode, kHotKeyMode},
                                 {&TfrmConfigure::hkVisible, kHotKeyVisible},
                                 {&TfrmConfigure::hkClose, kHotKeyClose}};
}  // namespace

unsigned TfrmConfigure::HotKeyModifiers(const HotKeyEdit& control) {
  unsigned modifiers = 0;
  if (control.Alt()) modifiers |= win::MOD_ALT;
  if (control.Ctrl()) modifiers |= win::MOD_CONTROL;
  if (control.Shift()) modifiers |= win::MOD_SHIFT;
  return modifiers;
}

void TfrmConfigure::RegisterHotKeys() {
  for (const HotKeySlot& slot : kSlots) {
    HotKeyEdit& control = this->*slot.control;
    const std::uint16_t value = control.Value();
    if (value == 0) continue;
    // A refused registration (keys held elsewhere) leaves the action without
    // a hotkey until the next registration.
    p_.hotkeys.RegisterHotKey(Handle(), slot.id, HotKeyModifiers(control), value & 0x1FFF);
  }
}

void TfrmConfigure::UnregisterHotKeys() {
  for (const HotKeySlot& slot : kSlots) p_.hotkeys.UnregisterHotKey(Handle(), slot.id);
}

void TfrmConfigure::WMHotKey(WParam id) {
  switch (id) {
    case kHotKeyMode: ToggleMode(); break;
    case kHotKeyVisible: ToggleVisibleMode(); break;
    case kHotKeyClose: TerminateProgram(); break;
    default: break;
  }
}

void TfrmConfigure::ToggleMode() {
  if (!FHideMode)
    EnterHideMode();
  else
    LeaveHideMode();
}

void TfrmConfigure::TerminateProgram() {
  FTerminating = true;
  Close();
}

LResult TfrmConfigure::WMQueryEndSession() {
  TerminateProgram();
  return 1;
}

void TfrmConfigure::FormClose() {
  p_.shell.DragAcceptFiles(Handle(), false);
  if (cbTermHD.Checked()) ExitAction();
  UnregisterHotKeys();
  // The main window closing ends the message loop.
  p_.forms.QuitMessageLoop();
}

void TfrmConfigure::FormHide() { RegisterHotKeys(); }

}  // namespace hd
