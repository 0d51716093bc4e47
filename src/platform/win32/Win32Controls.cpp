// Real common controls for the control objects of ui/.
#include "platform/win32/WinApi.h"
#include "platform/win32/Win32Controls.h"
#include <algorithm>
#include "platform/win32/Win32Dpi.h"
#include "platform/win32/Win32LateBound.h"
#include "platform/win32/Win32FormHost.h"
#include "ui/ImageList.h"
#include "ui/Menu.h"

namespace hd {

namespace {

// Filling a real control from its object raises notifications of its own;
// they are the program's doing, not the user's.
bool mirroring = false;

constexpr const char* kRevisionProp = "HushdeskRows";

// A flat button's picture: which of the system's small bitmap sets, and where
// in it; each set's large pictures are the next set.
struct GlyphPlace { WPARAM set; int index; };
GlyphPlace PlaceOf(Glyph glyph) {
  switch (glyph) {
    case Glyph::FileNew: return {IDB_STD_SMALL_COLOR, STD_FILENEW};
    case Glyph::FileOpen: return {IDB_STD_SMALL_COLOR, STD_FILEOPEN};
    case Glyph::FileSave: return {IDB_STD_SMALL_COLOR, STD_FILESAVE};
    case Glyph::Properties: return {IDB_STD_SMALL_COLOR, STD_PROPERTIES};
    case Glyph::Delete: return {IDB_STD_SMALL_COLOR, STD_DELETE};
    case Glyph::Cut: return {IDB_STD_SMALL_COLOR, STD_CUT};
    case Glyph::Details: return {IDB_VIEW_SMALL_COLOR, VIEW_DETAILS};
    case Glyph::None: break;
  }
  return {IDB_STD_SMALL_COLOR, -1};
}

bool IsFlat(const Control& control) {
  return control.Kind() == ControlKind::Button && static_cast<const Button&>(control).Flat;
}

// Large pictures (24 pixels) where the button, at the window's DPI, holds
// them with the button's own margins.
constexpr int kLargeGlyphButtonWidth = 31, kLargeGlyphButtonHeight = 30;

// The system's picture as an icon of its own: a toolbar made for a moment
// loads the standard set, as only toolbars can.
HICON GlyphIcon(HWND form, Glyph glyph, bool large) {
  const GlyphPlace place = PlaceOf(glyph);
  if (place.index < 0) return nullptr;
  HWND toolbar = ::CreateWindowExA(0, TOOLBARCLASSNAMEA, nullptr, WS_CHILD, 0, 0, 0, 0, form, nullptr,
                                   ::GetModuleHandleA(nullptr), nullptr);
  ::SendMessageA(toolbar, TB_BUTTONSTRUCTSIZE, sizeof(TBBUTTON), 0);
  const int first = static_cast<int>(::SendMessageA(toolbar, TB_LOADIMAGES, place.set + (large ? 1 : 0),
                                                    reinterpret_cast<LPARAM>(HINST_COMMCTRL)));
  auto images = reinterpret_cast<HIMAGELIST>(::SendMessageA(toolbar, TB_GETIMAGELIST, 0, 0));
  HICON icon = ::ImageList_GetIcon(images, first + place.index, ILD_NORMAL);
  ::DestroyWindow(toolbar);
  return icon;
}

// Another program's WM_CLOSE to each of this one's windows would destroy the
// tooltip, which lives as long as its form.
LRESULT CALLBACK TipsProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam, UINT_PTR, DWORD_PTR) {
  return message == WM_CLOSE ? 0 : ::DefSubclassProc(window, message, wParam, lParam);
}

// A picture button is a push button in the Tab order: its text (the hint)
// is its name for screen readers, and a tooltip shows it.
void AddTooltip(HWND form, HWND button, const std::string& hint) {
  static constexpr const char* kTipsProp = "HushdeskTips";
  auto tips = static_cast<HWND>(::GetPropA(form, kTipsProp));
  if (!tips) {
    tips = ::CreateWindowExA(WS_EX_TOPMOST, TOOLTIPS_CLASSA, nullptr, WS_POPUP | TTS_ALWAYSTIP, 0, 0, 0, 0, form,
                             nullptr, ::GetModuleHandleA(nullptr), nullptr);
    ::SetWindowSubclass(tips, TipsProc, 0, 0);
    ::SetPropA(form, kTipsProp, tips);
  }
  TTTOOLINFOA tool{};
  tool.cbSize = sizeof tool;
  tool.uFlags = TTF_IDISHWND | TTF_SUBCLASS;
  tool.hwnd = form;
  tool.uId = reinterpret_cast<UINT_PTR>(button);
  tool.lpszText = const_cast<char*>(hint.c_str());
  ::SendMessageA(tips, TTM_ADDTOOLA, 0, reinterpret_cast<LPARAM>(&tool));
}

// Icons at the system's small size for the window's DPI; those already in
// the list are kept, redrawn at the new size.
void FitImageList(HIMAGELIST images, int side) {
  int width = 0, height = 0;
  if (!::ImageList_GetIconSize(images, &width, &height) || (width == side && height == side)) return;
  std::vector<HICON> icons;
  for (int i = 0, count = ::ImageList_GetImageCount(images); i < count; ++i)
    icons.push_back(::ImageList_GetIcon(images, i, ILD_NORMAL));
  ::ImageList_SetIconSize(images, side, side);  // empties it
  for (HICON icon : icons) {
    ::ImageList_ReplaceIcon(images, -1, icon);
    if (icon) ::DestroyIcon(icon);
  }
}

void FillListView(HWND window, ListView& list) {
  const auto revision = reinterpret_cast<UINT_PTR>(::GetPropA(window, kRevisionProp));
  if (revision != list.Revision() + 1) {
    ::SendMessageA(window, WM_SETREDRAW, FALSE, 0);
    ::SendMessageA(window, LVM_DELETEALLITEMS, 0, 0);
    const auto& items = list.Items();
    for (std::size_t i = 0; i < items.size(); ++i) {
      LVITEMA row{};
      row.mask = LVIF_TEXT | LVIF_IMAGE;
      row.iItem = static_cast<int>(i);
      row.pszText = const_cast<char*>(items[i].caption.c_str());
      row.iImage = items[i].imageIndex < 0 ? I_IMAGENONE : items[i].imageIndex;
      ::SendMessageA(window, LVM_INSERTITEMA, 0, reinterpret_cast<LPARAM>(&row));
      for (std::size_t column = 1; column < list.Columns().size() && column <= items[i].subItems.size(); ++column) {
        LVITEMA cell{};
        cell.iSubItem = static_cast<int>(column);
        cell.pszText = const_cast<char*>(items[i].subItems[column - 1].c_str());
        ::SendMessageA(window, LVM_SETITEMTEXTA, i, reinterpret_cast<LPARAM>(&cell));
      }
    }
    ::SendMessageA(window, WM_SETREDRAW, TRUE, 0);
    ::InvalidateRect(window, nullptr, TRUE);
    ::SetPropA(window, kRevisionProp, reinterpret_cast<HANDLE>(static_cast<UINT_PTR>(list.Revision() + 1)));
  }
  LVITEMA state{};
  state.stateMask = LVIS_SELECTED | LVIS_FOCUSED;
  state.state = 0;
  ::SendMessageA(window, LVM_SETITEMSTATE, static_cast<WPARAM>(-1), reinterpret_cast<LPARAM>(&state));
  if (list.ItemIndex() >= 0) {
    state.state = LVIS_SELECTED | LVIS_FOCUSED;
    ::SendMessageA(window, LVM_SETITEMSTATE, static_cast<WPARAM>(list.ItemIndex()), reinterpret_cast<LPARAM>(&state));
    ::SendMessageA(window, LVM_ENSUREVISIBLE, static_cast<WPARAM>(list.ItemIndex()), FALSE);
  }
}

void FillListBox(HWND window, const ListBox& list) {
  ::SendMessageA(window, WM_SETREDRAW, FALSE, 0);
  ::SendMessageA(window, LB_RESETCONTENT, 0, 0);
  for (const std::string& item : list.Items())
    ::SendMessageA(window, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(item.c_str()));
  ::SendMessageA(window, WM_SETREDRAW, TRUE, 0);
  ::InvalidateRect(window, nullptr, TRUE);
}

// Scrolls no further than needed to show the row; the selection stays.
void ShowRow(HWND window, int row) {
  RECT client{};
  ::GetClientRect(window, &client);
  const int height = std::max(1, static_cast<int>(::SendMessageA(window, LB_GETITEMHEIGHT, 0, 0)));
  const int rows = std::max(1, static_cast<int>(client.bottom / height));
  const int top = static_cast<int>(::SendMessageA(window, LB_GETTOPINDEX, 0, 0));
  if (row < top)
    ::SendMessageA(window, LB_SETTOPINDEX, static_cast<WPARAM>(row), 0);
  else if (row >= top + rows)
    ::SendMessageA(window, LB_SETTOPINDEX, static_cast<WPARAM>(row - rows + 1), 0);
}

void SetUpListView(HWND window, ListView& list) {
  DWORD extended = 0;
  if (list.GridLines) extended |= LVS_EX_GRIDLINES;
  if (list.RowSelect) extended |= LVS_EX_FULLROWSELECT;
  ::SendMessageA(window, LVM_SETEXTENDEDLISTVIEWSTYLE, extended, extended);
  const auto& columns = list.Columns();
  for (std::size_t i = 0; i < columns.size(); ++i) {
    LVCOLUMNA column{};
    column.mask = LVCF_TEXT | LVCF_WIDTH;
    column.pszText = const_cast<char*>(columns[i].caption.c_str());
    column.cx = columns[i].width;
    ::SendMessageA(window, LVM_INSERTCOLUMNA, i, reinterpret_cast<LPARAM>(&column));
  }
  if (list.SmallImages)
    ::SendMessageA(window, LVM_SETIMAGELIST, LVSIL_SMALL, static_cast<LPARAM>(list.SmallImages->HostHandle()));
}

void ShowPopup(const PopupMenu& popup, POINT at) {
  if (Win32FormHost::instance) popup.Choose(Win32FormHost::instance->TrackPopupMenu(popup, {at.x, at.y}));
}

void ReflectListView(HWND window, ListView& list, LPARAM lParam) {
  const auto* header = reinterpret_cast<NMHDR*>(lParam);
  switch (header->code) {
    case LVN_ITEMCHANGED: {
      const auto* change = reinterpret_cast<NMLISTVIEW*>(lParam);
      if (!(change->uChanged & LVIF_STATE) || ((change->uOldState ^ change->uNewState) & LVIS_SELECTED) == 0) break;
      list.Select(static_cast<int>(::SendMessageA(window, LVM_GETNEXTITEM, static_cast<WPARAM>(-1), LVNI_SELECTED)));
      break;
    }
    case NM_DBLCLK:
      list.DblClick();
      break;
    case NM_RCLICK:
      if (list.Popup) {
        POINT at{};
        ::GetCursorPos(&at);
        ShowPopup(*list.Popup, at);
      }
      break;
    default:
      break;
  }
}

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
    // Inside the pane's one-pixel border, up to the row of tabs: the theme's
    // margin of its own colour would frame the page twice.
    RECT body, tab{};
    ::GetClientRect(window, &body);
    ::SendMessageA(window, TCM_GETITEMRECT, 0, reinterpret_cast<LPARAM>(&tab));
    body = {body.left + 1, tab.bottom + 1, body.right - 1, body.bottom - 1};
    HDC dc = ::GetDC(window);
    ::FillRect(dc, &body, ::GetSysColorBrush(COLOR_BTNFACE));
    ::ReleaseDC(window, dc);
  }
  return result;
}

bool IsPushButton(HWND window) {
  return window && (::SendMessageA(window, WM_GETDLGCODE, 0, 0) & (DLGC_DEFPUSHBUTTON | DLGC_UNDEFPUSHBUTTON));
}

// One push button has the default frame, as in a dialog box: the one with
// the focus, else the form's default button.
void FrameDefault(HWND form, HWND framed) {
  if (!framed) framed = ::GetDlgItem(form, LOWORD(::SendMessageA(form, DM_GETDEFID, 0, 0)));
  for (HWND child = ::GetWindow(form, GW_CHILD); child; child = ::GetWindow(child, GW_HWNDNEXT))
    if (IsPushButton(child)) {
      const auto style = static_cast<WPARAM>(::GetWindowLongA(child, GWL_STYLE) & 0xFFFF & ~BS_TYPEMASK);
      ::SendMessageA(child, BM_SETSTYLE, style | (child == framed ? BS_DEFPUSHBUTTON : BS_PUSHBUTTON), TRUE);
    }
}

// Buttons report a released mouse button after the click it made; a
// picture button frees its picture with itself.
LRESULT CALLBACK MouseUpProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam, UINT_PTR, DWORD_PTR control) {
  if (message == WM_NCDESTROY)
    if (auto icon = reinterpret_cast<HICON>(::SendMessageA(window, BM_GETIMAGE, IMAGE_ICON, 0))) ::DestroyIcon(icon);
  if (message == WM_SETFOCUS && IsPushButton(window)) FrameDefault(::GetParent(window), window);
  if (message == WM_KILLFOCUS && IsPushButton(window) && !IsPushButton(reinterpret_cast<HWND>(wParam)))
    FrameDefault(::GetParent(window), nullptr);
  const LRESULT result = ::DefSubclassProc(window, message, wParam, lParam);
  if (message == WM_LBUTTONUP || message == WM_RBUTTONUP || message == WM_MBUTTONUP)
    reinterpret_cast<Control*>(control)->MouseUp();
  return result;
}

// Shift+F10 and the menu key open a list view's menu at its selected row,
// or at its corner when none is.
void ShowPopupByKeyboard(HWND window, const ListView& list) {
  RECT row{LVIR_BOUNDS, 0, 0, 0};
  POINT at{0, 0};
  if (list.ItemIndex() >= 0 &&
      ::SendMessageA(window, LVM_GETITEMRECT, static_cast<WPARAM>(list.ItemIndex()), reinterpret_cast<LPARAM>(&row)))
    at = {row.left, row.bottom};
  ::ClientToScreen(window, &at);
  ShowPopup(*list.Popup, at);
}

// Insert adds, Delete deletes, Enter and F2 edit: the buttons of the list
// say what with. Enter stays the dialog's where the list edits nothing.
LRESULT CALLBACK ListKeysProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam, UINT_PTR, DWORD_PTR data) {
  Control& control = *reinterpret_cast<Control*>(data);
  const bool isView = control.Kind() == ControlKind::ListView;
  const ListKeys& keys = isView ? static_cast<ListView&>(control).Keys : static_cast<ListBox&>(control).Keys;
  if (message == WM_GETDLGCODE && wParam == VK_RETURN && keys.edit)
    return ::DefSubclassProc(window, message, wParam, lParam) | DLGC_WANTMESSAGE;
  if (message == WM_KEYDOWN && (wParam == VK_INSERT || wParam == VK_DELETE || wParam == VK_RETURN || wParam == VK_F2)) {
    const ListCommand command = wParam == VK_INSERT   ? ListCommand::Add
                                : wParam == VK_DELETE ? ListCommand::Delete
                                                      : ListCommand::Edit;
    if (keys.Press(command)) return 0;
  }
  if (isView && static_cast<ListView&>(control).Popup &&
      ((message == WM_KEYUP && wParam == VK_APPS) ||
       (message == WM_SYSKEYDOWN && wParam == VK_F10 && (::GetKeyState(VK_SHIFT) & 0x8000)))) {
    ShowPopupByKeyboard(window, static_cast<ListView&>(control));
    return 0;
  }
  return ::DefSubclassProc(window, message, wParam, lParam);
}

std::string WindowText(HWND window) {
  std::string text(static_cast<std::size_t>(::GetWindowTextLengthA(window)) + 1, '\0');
  text.resize(static_cast<std::size_t>(::GetWindowTextA(window, text.data(), static_cast<int>(text.size()))));
  return text;
}

LRESULT CALLBACK LinkProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam, UINT_PTR, DWORD_PTR) {
  if (message == WM_SETCURSOR) {
    ::SetCursor(::LoadCursor(nullptr, IDC_HAND));
    return TRUE;
  }
  return ::DefSubclassProc(window, message, wParam, lParam);
}

DWORD StyleOf(const Control& control) {
  switch (control.Kind()) {
    case ControlKind::Button:
      return (IsFlat(control) ? BS_ICON : 0) | BS_PUSHBUTTON | WS_TABSTOP |
             (static_cast<const Button&>(control).IsDefault ? BS_DEFPUSHBUTTON : 0);
    case ControlKind::CheckBox: return BS_CHECKBOX | WS_TABSTOP;
    case ControlKind::RadioButton:
      return BS_RADIOBUTTON | (static_cast<const RadioButton&>(control).StartsGroup() ? WS_GROUP | WS_TABSTOP : 0);
    case ControlKind::ListBox: return LBS_NOTIFY | LBS_NOINTEGRALHEIGHT | WS_VSCROLL | WS_BORDER | WS_TABSTOP;
    case ControlKind::HotKey: return WS_BORDER | WS_TABSTOP;
    case ControlKind::TrackBar: return TBS_AUTOTICKS | TBS_BOTH | WS_TABSTOP;
    case ControlKind::Label: {
      const auto& label = static_cast<const Label&>(control);
      const DWORD align = label.Align == Alignment::Centre  ? SS_CENTER
                          : label.Align == Alignment::Right ? SS_RIGHT
                                                            : SS_LEFT;
      return align | SS_NOPREFIX | (label.IsLink ? SS_NOTIFY : 0);
    }
    // A frame fills its ground: not where the controls inside it are.
    case ControlKind::GroupBox: return BS_GROUPBOX | WS_CLIPSIBLINGS;
    case ControlKind::PageControl: return WS_CLIPSIBLINGS | WS_TABSTOP;
    case ControlKind::ListView: {
      const auto& list = static_cast<const ListView&>(control);
      return LVS_REPORT | LVS_SINGLESEL | LVS_SHOWSELALWAYS | LVS_SHAREIMAGELISTS | WS_TABSTOP |
             (list.ShowColumnHeaders ? 0 : LVS_NOCOLUMNHEADER);
    }
    case ControlKind::Edit:
      return ES_AUTOHSCROLL | WS_TABSTOP | (static_cast<const Edit&>(control).PasswordChar ? ES_PASSWORD : 0);
    case ControlKind::Image: return SS_ICON | SS_CENTERIMAGE;
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
    case ControlKind::Label:
    case ControlKind::Image: return WC_STATICA;
    case ControlKind::ListView: return WC_LISTVIEWA;
    case ControlKind::Edit: return WC_EDITA;
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

bool IsLink(const Control& control) {
  return control.Kind() == ControlKind::Label && static_cast<const Label&>(control).IsLink;
}

HWND CreateRealControl(HWND form, Control& control) {
  DWORD style = WS_CHILD | StyleOf(control);
  const char* className = ClassOf(control, style);
  const ControlKind kind = control.Kind();
  const bool sunken = kind == ControlKind::ListBox || kind == ControlKind::HotKey || kind == ControlKind::ListView ||
                      kind == ControlKind::Edit;
  const std::string& text = IsFlat(control) ? static_cast<const Button&>(control).Hint : control.Caption();
  HWND window = ::CreateWindowExA(sunken ? WS_EX_CLIENTEDGE : 0, className, text.c_str(), style, 0, 0,
                                  0, 0, form, reinterpret_cast<HMENU>(static_cast<INT_PTR>(control.Id())),
                                  ::GetModuleHandleA(nullptr), nullptr);
  if (IsLink(control)) ::SetWindowSubclass(window, LinkProc, 0, 0);
  switch (control.Kind()) {
    case ControlKind::ListView:
      SetUpListView(window, static_cast<ListView&>(control));
      ::SetWindowSubclass(window, ListKeysProc, 0, reinterpret_cast<DWORD_PTR>(&control));
      break;
    case ControlKind::PageControl: {
      // The outer tabs are themed, as a property sheet's; the inner ones keep
      // their flat buttons, which the theme does not draw.
      if (auto setWindowTheme = LateBound().setWindowTheme; setWindowTheme && control.Pages())
        setWindowTheme(window, L"", L"");
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
    case ControlKind::ListBox: {
      const auto& list = static_cast<ListBox&>(control);
      FillListBox(window, list);
      ::SendMessageA(window, LB_SETCURSEL, static_cast<WPARAM>(list.ItemIndex()), 0);
      ::SetWindowSubclass(window, ListKeysProc, 0, reinterpret_cast<DWORD_PTR>(&control));
      break;
    }
    case ControlKind::Button:
      if (IsFlat(control)) AddTooltip(form, window, static_cast<Button&>(control).Hint);
      [[fallthrough]];
    case ControlKind::CheckBox:
    case ControlKind::RadioButton:
      ::SetWindowSubclass(window, MouseUpProc, 0, reinterpret_cast<DWORD_PTR>(&control));
      break;
    case ControlKind::Edit: {
      const auto& edit = static_cast<Edit&>(control);
      // The themed edit would show dots; the program chose its character.
      if (edit.PasswordChar) ::SendMessageA(window, EM_SETPASSWORDCHAR, static_cast<unsigned char>(edit.PasswordChar), 0);
      ::SendMessageA(window, EM_LIMITTEXT, edit.MaxLength, 0);
      break;
    }
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

void LayOutControl(HWND window, const Control& control, int dpi, HFONT font, HFONT boldFont, HFONT linkFont) {
  const Bounds& b = control.Position();
  ::MoveWindow(window, ScaleToDpi(b.x, dpi), ScaleToDpi(b.y, dpi), ScaleToDpi(b.width, dpi),
               ScaleToDpi(b.height, dpi), FALSE);
  // Narrow tabs, so that every page's tab fits on one row; the padding
  // counts from the next font.
  if (control.Kind() == ControlKind::PageControl && !control.Pages())
    ::SendMessageA(window, TCM_SETPADDING, 0, MAKELPARAM(ScaleToDpi(4, dpi), ScaleToDpi(3, dpi)));
  if (IsFlat(control)) {
    const bool large = ScaleToDpi(b.width, dpi) >= kLargeGlyphButtonWidth &&
                       ScaleToDpi(b.height, dpi) >= kLargeGlyphButtonHeight;
    const Glyph glyph = static_cast<const Button&>(control).Picture;
    const auto icon = reinterpret_cast<LPARAM>(GlyphIcon(::GetParent(window), glyph, large));
    if (auto old = reinterpret_cast<HICON>(::SendMessageA(window, BM_SETIMAGE, IMAGE_ICON, icon))) ::DestroyIcon(old);
  }
  HFONT chosen = IsLink(control) ? linkFont : control.Bold() ? boldFont : font;
  ::SendMessageA(window, WM_SETFONT, reinterpret_cast<WPARAM>(chosen), FALSE);
  if (control.Kind() == ControlKind::ListView) {
    const auto& list = static_cast<const ListView&>(control);
    for (std::size_t i = 0; i < list.Columns().size(); ++i)
      ::SendMessageA(window, LVM_SETCOLUMNWIDTH, i, MAKELPARAM(ScaleToDpi(list.Columns()[i].width, dpi), 0));
    if (list.SmallImages) FitImageList(reinterpret_cast<HIMAGELIST>(list.SmallImages->HostHandle()), SmallIconSize(dpi));
  }
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
  mirroring = true;
  const ControlKind kind = control.Kind();
  if (kind == ControlKind::Edit) {
    // Only a text that differs: setting it moves the caret to the start.
    if (control.Caption() != WindowText(window)) ::SetWindowTextA(window, control.Caption().c_str());
  } else if (kind != ControlKind::PageControl && kind != ControlKind::ListBox && kind != ControlKind::HotKey &&
             kind != ControlKind::TrackBar && kind != ControlKind::Image && kind != ControlKind::ListView && !IsFlat(control)) {
    ::SetWindowTextA(window, control.Caption().c_str());
  }
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
    case ControlKind::HotKey: {
      const WORD value = static_cast<HotKeyEdit&>(control).ValueToShow();
      ::SendMessageA(window, HKM_SETHOTKEY, HotKeyFromShortcut(value), 0);
      break;
    }
    case ControlKind::TrackBar:
      ::SendMessageA(window, TBM_SETPOS, TRUE, static_cast<TrackBar&>(control).Position());
      break;
    case ControlKind::Image:
      ::SendMessageA(window, STM_SETICON, static_cast<Image&>(control).Icon(), 0);
      break;
    case ControlKind::PageControl:
      ::SendMessageA(window, TCM_SETCURSEL, static_cast<WPARAM>(static_cast<PageControl&>(control).ActivePage()), 0);
      break;
    case ControlKind::ListView:
      FillListView(window, static_cast<ListView&>(control));
      break;
    default:
      break;
  }
  mirroring = false;
}

// A refill would scroll the list back to its top and, while the mouse button
// is held, change the row under the pointer: each change is made alone.
void MirrorListChange(HWND window, const ListBox& list, ListChange change, int index) {
  mirroring = true;
  const auto text = [&list](int row) {
    return reinterpret_cast<LPARAM>(list.Items()[static_cast<std::size_t>(row)].c_str());
  };
  switch (change) {
    case ListChange::Selection:
      break;
    case ListChange::Added:
      ::SendMessageA(window, LB_ADDSTRING, 0, text(index));
      ShowRow(window, index);
      break;
    case ListChange::Replaced: {
      const LRESULT top = ::SendMessageA(window, LB_GETTOPINDEX, 0, 0);
      ::SendMessageA(window, WM_SETREDRAW, FALSE, 0);
      ::SendMessageA(window, LB_DELETESTRING, static_cast<WPARAM>(index), 0);
      ::SendMessageA(window, LB_INSERTSTRING, static_cast<WPARAM>(index), text(index));
      ::SendMessageA(window, LB_SETTOPINDEX, static_cast<WPARAM>(top), 0);
      ::SendMessageA(window, WM_SETREDRAW, TRUE, 0);
      ::InvalidateRect(window, nullptr, TRUE);
      break;
    }
    case ListChange::Deleted:
      ::SendMessageA(window, LB_DELETESTRING, static_cast<WPARAM>(index), 0);
      break;
    case ListChange::Reset:
      FillListBox(window, list);
      break;
  }
  if (::SendMessageA(window, LB_GETCURSEL, 0, 0) != list.ItemIndex())
    ::SendMessageA(window, LB_SETCURSEL, static_cast<WPARAM>(list.ItemIndex()), 0);
  mirroring = false;
}

void ReflectNotification(HWND window, Control& control, UINT message, WPARAM wParam, LPARAM lParam) {
  if (mirroring) return;
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
        list.Selected(static_cast<int>(::SendMessageA(window, LB_GETCURSEL, 0, 0)));
      else if (HIWORD(wParam) == LBN_DBLCLK)
        list.DblClick();
      break;
    }
    case ControlKind::HotKey:
      if (message == WM_COMMAND && HIWORD(wParam) == EN_CHANGE)
        static_cast<HotKeyEdit&>(control).Typed(
            ShortcutFromHotKey(static_cast<WORD>(::SendMessageA(window, HKM_GETHOTKEY, 0, 0))));
      break;
    case ControlKind::Label:
      if (message == WM_COMMAND && HIWORD(wParam) == STN_CLICKED) control.Click();
      break;
    case ControlKind::TrackBar:
      if (message == WM_HSCROLL)
        static_cast<TrackBar&>(control).SetPosition(static_cast<int>(::SendMessageA(window, TBM_GETPOS, 0, 0)));
      break;
    case ControlKind::ListView:
      if (message == WM_NOTIFY) ReflectListView(window, static_cast<ListView&>(control), lParam);
      break;
    case ControlKind::Edit:
      if (message == WM_COMMAND && HIWORD(wParam) == EN_CHANGE) static_cast<Edit&>(control).Typed(WindowText(window));
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
