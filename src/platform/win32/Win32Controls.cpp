// Real common controls for the control objects of ui/.
#include "platform/win32/WinApi.h"
#include "platform/win32/Win32Controls.h"
#include "platform/win32/Win32Dpi.h"
#include "platform/win32/Win32LateBound.h"

namespace hd {

namespace {

// A frame lies over the page beneath, which does not paint under it: the
// frame fills its own background.
LRESULT CALLBACK FrameProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam, UINT_PTR, DWORD_PTR) {
  if (message == WM_ERASEBKGND) {
    RECT rect;
    ::GetClientRect(window, &rect);
    ::FillRect(reinterpret_cast<HDC>(wParam), &rect, ::GetSysColorBrush(COLOR_BTNFACE));
    return 1;
  }
  return ::DefSubclassProc(window, message, wParam, lParam);
}

// Wine paints a page's body white even when drawn classically; the controls
// on it take the face colour, so the body does too.
LRESULT CALLBACK PageProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam, UINT_PTR, DWORD_PTR) {
  const LRESULT result = ::DefSubclassProc(window, message, wParam, lParam);
  if (message == WM_PAINT) {
    RECT body;
    ::GetClientRect(window, &body);
    ::SendMessageA(window, TCM_ADJUSTRECT, FALSE, reinterpret_cast<LPARAM>(&body));
    HDC dc = ::GetDC(window);
    ::FillRect(dc, &body, ::GetSysColorBrush(COLOR_BTNFACE));
    ::ReleaseDC(window, dc);
  }
  return result;
}

DWORD StyleOf(const Control& control) {
  switch (control.Kind()) {
    case ControlKind::Button:
      return BS_PUSHBUTTON | WS_TABSTOP | (static_cast<const Button&>(control).IsDefault ? BS_DEFPUSHBUTTON : 0);
    case ControlKind::CheckBox: return BS_CHECKBOX | WS_TABSTOP;
    case ControlKind::RadioButton:
      return BS_RADIOBUTTON | (static_cast<const RadioButton&>(control).StartsGroup() ? WS_GROUP | WS_TABSTOP : 0);
    case ControlKind::ListBox: return LBS_NOTIFY | LBS_NOINTEGRALHEIGHT | WS_VSCROLL | WS_BORDER | WS_TABSTOP;
    case ControlKind::HotKey: return WS_BORDER | WS_TABSTOP;
    case ControlKind::TrackBar: return TBS_AUTOTICKS | TBS_BOTH | WS_TABSTOP;
    case ControlKind::Label: return SS_LEFT | SS_NOPREFIX;
    case ControlKind::GroupBox: return BS_GROUPBOX;
    case ControlKind::PageControl: return WS_CLIPSIBLINGS | WS_TABSTOP;
  }
  return 0;
}

const char* ClassOf(const Control& control, DWORD& extraStyle) {
  switch (control.Kind()) {
    case ControlKind::Button:
    case ControlKind::CheckBox:
    case ControlKind::RadioButton:
    case ControlKind::GroupBox: return WC_BUTTONA;
    case ControlKind::ListBox: return WC_LISTBOXA;
    case ControlKind::HotKey: return HOTKEY_CLASSA;
    case ControlKind::TrackBar: return TRACKBAR_CLASSA;
    case ControlKind::Label: return WC_STATICA;
    case ControlKind::PageControl:
      // A page control inside another one is drawn as flat buttons.
      if (control.Pages()) extraStyle |= TCS_BUTTONS | TCS_FLATBUTTONS;
      return WC_TABCONTROLA;
  }
  return WC_STATICA;
}

}  // namespace

WORD ShortcutFromHotKey(WORD hotKey) {
  const BYTE modifiers = HIBYTE(hotKey);
  WORD shortcut = LOBYTE(hotKey);
  if (modifiers & HOTKEYF_SHIFT) shortcut |= HotKeyEdit::kShift;
  if (modifiers & HOTKEYF_CONTROL) shortcut |= HotKeyEdit::kCtrl;
  if (modifiers & HOTKEYF_ALT) shortcut |= HotKeyEdit::kAlt;
  return shortcut;
}

WORD HotKeyFromShortcut(WORD shortcut) {
  BYTE modifiers = 0;
  if (shortcut & HotKeyEdit::kShift) modifiers |= HOTKEYF_SHIFT;
  if (shortcut & HotKeyEdit::kCtrl) modifiers |= HOTKEYF_CONTROL;
  if (shortcut & HotKeyEdit::kAlt) modifiers |= HOTKEYF_ALT;
  return MAKEWORD(LOBYTE(shortcut), modifiers);
}

HWND CreateRealControl(HWND form, Control& control) {
  DWORD style = WS_CHILD | StyleOf(control);
  const char* className = ClassOf(control, style);
  const bool sunken = control.Kind() == ControlKind::ListBox || control.Kind() == ControlKind::HotKey;
  HWND window = ::CreateWindowExA(sunken ? WS_EX_CLIENTEDGE : 0, className, control.Caption().c_str(), style, 0, 0,
                                  0, 0, form, reinterpret_cast<HMENU>(static_cast<INT_PTR>(control.Id())),
                                  ::GetModuleHandleA(nullptr), nullptr);
  switch (control.Kind()) {
    case ControlKind::PageControl: {
      // Classic drawing: the page takes the form's face colour like the
      // controls on it.
      if (auto setWindowTheme = LateBound().setWindowTheme) setWindowTheme(window, L"", L"");
      ::SetWindowSubclass(window, PageProc, 0, 0);
      const auto& pages = static_cast<PageControl&>(control).Pages();
      for (std::size_t i = 0; i < pages.size(); ++i) {
        TCITEMA item{};
        item.mask = TCIF_TEXT;
        item.pszText = const_cast<char*>(pages[i].c_str());
        ::SendMessageA(window, TCM_INSERTITEMA, i, reinterpret_cast<LPARAM>(&item));
      }
      break;
    }
    case ControlKind::GroupBox:
      ::SetWindowSubclass(window, FrameProc, 0, 0);
      break;
    case ControlKind::HotKey:
      // A key without a modifier is taken with Ctrl.
      ::SendMessageA(window, HKM_SETRULES, HKCOMB_NONE, MAKELPARAM(HOTKEYF_CONTROL, 0));
      break;
    case ControlKind::TrackBar: {
      auto& track = static_cast<TrackBar&>(control);
      ::SendMessageA(window, TBM_SETRANGE, FALSE, MAKELPARAM(track.Min(), track.Max()));
      ::SendMessageA(window, TBM_SETTICFREQ, static_cast<WPARAM>(track.Frequency), 0);
      break;
    }
    default:
      break;
  }
  MirrorControl(window, control);
  return window;
}

void LayOutControl(HWND window, const Control& control, int dpi, HFONT font, HFONT boldFont) {
  const Bounds& b = control.Position();
  ::MoveWindow(window, ScaleToDpi(b.x, dpi), ScaleToDpi(b.y, dpi), ScaleToDpi(b.width, dpi),
               ScaleToDpi(b.height, dpi), FALSE);
  // Narrow tabs, so that every page's tab fits on one row; the padding
  // counts from the next font.
  if (control.Kind() == ControlKind::PageControl && !control.Pages())
    ::SendMessageA(window, TCM_SETPADDING, 0, MAKELPARAM(ScaleToDpi(4, dpi), ScaleToDpi(3, dpi)));
  ::SendMessageA(window, WM_SETFONT, reinterpret_cast<WPARAM>(control.Bold() ? boldFont : font), FALSE);
  if (control.Kind() == ControlKind::ListBox)
    if (const int rows = static_cast<const ListBox&>(control).ItemHeight)
      ::SendMessageA(window, LB_SETITEMHEIGHT, 0, MAKELPARAM(ScaleToDpi(rows, dpi), 0));
}

void LayerControls(const std::vector<std::pair<Control*, HWND>>& created) {
  // Pages and frames lie under the controls drawn on them, an outer page
  // under an inner one: each goes to the bottom, the first-made last.
  for (auto it = created.rbegin(); it != created.rend(); ++it) {
    const ControlKind kind = it->first->Kind();
    if (kind == ControlKind::PageControl || kind == ControlKind::GroupBox)
      ::SetWindowPos(it->second, HWND_BOTTOM, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
  }
}

void MirrorControl(HWND window, Control& control) {
  if (control.Kind() != ControlKind::PageControl && control.Kind() != ControlKind::ListBox &&
      control.Kind() != ControlKind::HotKey && control.Kind() != ControlKind::TrackBar)
    ::SetWindowTextA(window, control.Caption().c_str());
  ::EnableWindow(window, control.Enabled());
  ::ShowWindow(window, control.Visible() && control.OnShownPage() ? SW_SHOWNA : SW_HIDE);
  switch (control.Kind()) {
    case ControlKind::CheckBox:
      ::SendMessageA(window, BM_SETCHECK, static_cast<CheckBox&>(control).Checked() ? BST_CHECKED : BST_UNCHECKED, 0);
      break;
    case ControlKind::RadioButton:
      ::SendMessageA(window, BM_SETCHECK,
                     static_cast<RadioButton&>(control).Checked() ? BST_CHECKED : BST_UNCHECKED, 0);
      break;
    case ControlKind::ListBox: {
      auto& list = static_cast<ListBox&>(control);
      ::SendMessageA(window, WM_SETREDRAW, FALSE, 0);
      ::SendMessageA(window, LB_RESETCONTENT, 0, 0);
      for (const std::string& item : list.Items())
        ::SendMessageA(window, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(item.c_str()));
      ::SendMessageA(window, LB_SETCURSEL, static_cast<WPARAM>(list.ItemIndex()), 0);
      ::SendMessageA(window, WM_SETREDRAW, TRUE, 0);
      ::InvalidateRect(window, nullptr, TRUE);
      break;
    }
    case ControlKind::HotKey: {
      const WORD value = static_cast<HotKeyEdit&>(control).Value();
      ::SendMessageA(window, HKM_SETHOTKEY, HotKeyFromShortcut(value), 0);
      break;
    }
    case ControlKind::TrackBar:
      ::SendMessageA(window, TBM_SETPOS, TRUE, static_cast<TrackBar&>(control).Position());
      break;
    case ControlKind::PageControl:
      ::SendMessageA(window, TCM_SETCURSEL, static_cast<WPARAM>(static_cast<PageControl&>(control).ActivePage()), 0);
      break;
    default:
      break;
  }
}

void ReflectNotification(HWND window, Control& control, UINT message, WPARAM wParam, LPARAM lParam) {
  switch (control.Kind()) {
    case ControlKind::Button:
    case ControlKind::CheckBox:
    case ControlKind::RadioButton:
      if (message == WM_COMMAND && HIWORD(wParam) == BN_CLICKED) control.Click();
      break;
    case ControlKind::ListBox: {
      auto& list = static_cast<ListBox&>(control);
      if (message != WM_COMMAND) break;
      if (HIWORD(wParam) == LBN_SELCHANGE)
        list.SetItemIndex(static_cast<int>(::SendMessageA(window, LB_GETCURSEL, 0, 0)));
      else if (HIWORD(wParam) == LBN_DBLCLK && list.OnDblClick)
        list.OnDblClick();
      break;
    }
    case ControlKind::HotKey:
      if (message == WM_COMMAND && HIWORD(wParam) == EN_CHANGE)
        static_cast<HotKeyEdit&>(control).Typed(
            ShortcutFromHotKey(static_cast<WORD>(::SendMessageA(window, HKM_GETHOTKEY, 0, 0))));
      break;
    case ControlKind::TrackBar:
      if (message == WM_HSCROLL)
        static_cast<TrackBar&>(control).SetPosition(static_cast<int>(::SendMessageA(window, TBM_GETPOS, 0, 0)));
      break;
    case ControlKind::PageControl:
      if (message == WM_NOTIFY && reinterpret_cast<NMHDR*>(lParam)->code == TCN_SELCHANGE)
        static_cast<PageControl&>(control).SetActivePage(static_cast<int>(::SendMessageA(window, TCM_GETCURSEL, 0, 0)));
      break;
    default:
      break;
  }
}

}  // namespace hd
