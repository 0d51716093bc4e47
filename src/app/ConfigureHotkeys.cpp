// The three global hotkeys, their dispatch and termination.
#include <algorithm>
#include "app/Application.h"
#include "app/frmConfUnit.h"
#include "app/mes_misc.h"
#include "shell/TrayIcon.h"
#include "triggers/HideTriggers.h"

namespace hd {

namespace {
struct HotKeySlot {
  HotKeyEdit TfrmConfigure::*control;
  int id;
  Label TfrmConfigure::*mark;
};
constexpr HotKeySlot kSlots[] = {{&TfrmConfigure::hkMode, kHotKeyMode, &TfrmConfigure::labModeConflict},
                                 {&TfrmConfigure::hkVisible, kHotKeyVisible, &TfrmConfigure::labVisibleConflict},
                                 {&TfrmConfigure::hkClose, kHotKeyClose, &TfrmConfigure::labCloseConflict}};
}  // namespace

unsigned TfrmConfigure::HotKeyModifiers(const HotKeyEdit& control) {
  unsigned modifiers = 0;
  if (control.Alt()) modifiers |= win::MOD_ALT;
  if (control.Ctrl()) modifiers |= win::MOD_CONTROL;
  if (control.Shift()) modifiers |= win::MOD_SHIFT;
  return modifiers;
}

// The corner and time away are suspended and resumed with the hotkeys.
void TfrmConfigure::RegisterHotKeys() {
  Triggers->Start(TriggerOptionsNow());
  HotKeyFailures.clear();
  std::vector<HotKeyFailure> registered;
  for (const HotKeySlot& slot : kSlots) {
    HotKeyEdit& control = this->*slot.control;
    const std::uint16_t value = control.Value();
    if (value == 0) continue;
    // A refused registration (keys held elsewhere) leaves the action without
    // a hotkey until the next registration.
    if (p_.hotkeys.RegisterHotKey(Handle(), slot.id, HotKeyModifiers(control), value & 0x1FFF)) {
      registered.push_back({slot.id, value, 0});
      continue;
    }
    HotKeyFailure failure{slot.id, value, 0};
    for (const HotKeyFailure& own : registered)
      if (own.value == value) failure.sameAsId = own.id;
    HotKeyFailures.push_back(failure);
  }
  MarkHotKeyConflicts();
  // Told from the message loop: at start-up the visible mode is not set yet,
  // and a notice box must not hold up the creation of the windows.
  if (!HotKeyFailures.empty()) p_.windows.PostMessage(Handle(), kWmTellHotKeyConflicts, 0, 0);
}

void TfrmConfigure::TellHotKeyConflicts() {
  if (HotKeyFailures.empty()) return;
  const std::string text = HotKeyConflictText(HotKeyFailures);
  // A balloon leaves the focus with the program the user works in; it holds
  // 255 characters.
  if (!FInvisible && text.size() < 256 && TrayIcon->ShowBalloon(kAppTaskbarTitle, text)) return;
  ShowNotice(p_.forms, text, NoticeKind::Warning);
}

void TfrmConfigure::MarkHotKeyConflicts() {
  for (const HotKeySlot& slot : kSlots) {
    Label& mark = this->*slot.mark;
    const auto failure = std::find_if(HotKeyFailures.begin(), HotKeyFailures.end(),
                                      [&](const HotKeyFailure& f) { return f.id == slot.id; });
    if (failure != HotKeyFailures.end()) mark.SetCaption(HotKeyMarkText(*failure));
    mark.SetVisible(failure != HotKeyFailures.end());
  }
}

// A mark speaks of the keys that failed: typing others takes it away.
void TfrmConfigure::WireHotKeyMarks() {
  for (const HotKeySlot& slot : kSlots) {
    Label& mark = this->*slot.mark;
    (this->*slot.control).OnChange = [&mark] { mark.SetVisible(false); };
  }
}

void TfrmConfigure::UnregisterHotKeys() {
  Triggers->Stop();
  for (const HotKeySlot& slot : kSlots) p_.hotkeys.UnregisterHotKey(Handle(), slot.id);
}

// Each is taken in the order pressed, after the sequence that may be
// running; none after the program has begun to end.
void TfrmConfigure::WMHotKey(WParam id) {
  switch (id) {
    case kHotKeyMode: ToggleMode(); break;
    case kHotKeyVisible:
      Sequences.Run([this] {
        if (!FTerminating) ToggleVisibleMode();
      });
      break;
    case kHotKeyClose: TerminateProgram(); break;
    default: break;
  }
}

void TfrmConfigure::ToggleMode() {
  Sequences.Run([this] {
    if (FTerminating) return;
    if (!FHideMode)
      EnterHideMode();
    else
      LeaveHideMode();
  });
}

void TfrmConfigure::TerminateProgram() {
  Sequences.Run([this] {
    if (FTerminating) return;
    FTerminating = true;
    Close();
  });
}

// During a sequence the session's end waits for it: the windows it is
// hiding or showing must reach the exit action.
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
