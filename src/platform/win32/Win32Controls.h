// One small wrapper per control kind: creation from the control's description
// and the mirroring of its state into the real control.
#pragma once
#include "platform/win32/WinApi.h"
#include <utility>
#include <vector>
#include "ui/Control.h"

namespace hd {

// Made without a size: LayOutControl places it.
HWND CreateRealControl(HWND form, Control& control);
// Places and sizes the control, and gives it its font, for the DPI.
void LayOutControl(HWND window, const Control& control, int dpi, HFONT font, HFONT boldFont,
                   HFONT linkFont);
// Orders the made controls so that pages and frames lie beneath the rest.
void LayerControls(const std::vector<std::pair<Control*, HWND>>& created);
// Pushes the control's state (text, enabled, shown, checked, items ...) into the real one.
void MirrorControl(HWND window, Control& control);
// Makes the change the program made to the list box in the real one.
void MirrorListChange(HWND window, const ListBox& list, ListChange change, int index);
// A notification from the real control (WM_COMMAND, WM_NOTIFY, WM_HSCROLL):
// the control object takes the new state and raises its event.
void ReflectNotification(HWND window, Control& control, UINT message, WPARAM wParam, LPARAM lParam);

// Hotkey control value (HKM_GETHOTKEY) to shortcut value and back.
WORD ShortcutFromHotKey(WORD hotKey);
WORD HotKeyFromShortcut(WORD shortcut);

}  // namespace hd
