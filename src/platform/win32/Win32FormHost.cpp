// One window procedure maps a window to its form and reflects control
// notifications to the control that sent them.
#include "platform/win32/WinApi.h"
#include "platform/win32/Win32FormHost.h"
#include "platform/win32/Win32Controls.h"
#include <commdlg.h>
#include "platform/win32/Win32Dpi.h"
#include "platform/win32/Win32LateBound.h"
#include "ui/Form.h"
#include "ui/Menu.h"

namespace hd {

Win32FormHost* Win32FormHost::instance = nullptr;

namespace {

constexpr const char* kApplicationClass = "THushdeskApplication";
constexpr const char* kFormClass = "THushdeskForm";
constexpr const char* kUtilClass = "THushdeskUtilWindow";
constexpr DWORD kFormStyle = WS_POPUP | WS_CAPTION | WS_SYSMENU | WS_CLIPCHILDREN;
constexpr DWORD kFormExStyle = WS_EX_DLGMODALFRAME | WS_EX_CONTROLPARENT;

HWND H(WindowHandle window) { return reinterpret_cast<HWND>(window); }
WindowHandle W(HWND window) { return reinterpret_cast<WindowHandle>(window); }
Form* FormOf(HWND window) { return reinterpret_cast<Form*>(::GetWindowLongPtrA(window, GWLP_USERDATA)); }

Button* DialogButton(Form& form, bool wantDefault) {
  for (Control* control : form.Controls())
    if (control->Kind() == ControlKind::Button) {
      auto* button = static_cast<Button*>(control);
      if (wantDefault ? button->IsDefault : button->IsCancel) return button;
    }
  return nullptr;
}

constexpr const char* kFocusProp = "HushdeskFocus";

// As a dialog box does: the control that had the focus when the window lost
// the activation has it again when the window gets it back (after a message
// box, Alt+Tab or a click elsewhere); a window shown anew starts at the
// program's choice, else at its first control.
void KeepFocus(HWND window, Form& form, bool active) {
  if (!active) {
    HWND focus = ::GetFocus();
    if (::IsChild(window, focus)) ::SetPropA(window, kFocusProp, focus);
    return;
  }
  const auto usable = [window](HWND control) {
    return control && ::IsChild(window, control) && ::IsWindowVisible(control) && ::IsWindowEnabled(control);
  };
  auto focus = static_cast<HWND>(::GetPropA(window, kFocusProp));
  const auto& controls = Win32FormHost::instance->controlWindows;
  if (auto chosen = controls.find(form.ActiveControl()); !usable(focus) && chosen != controls.end())
    focus = H(chosen->second);
  if (!usable(focus)) focus = ::GetNextDlgTabItem(window, nullptr, FALSE);
  if (usable(focus)) ::SetFocus(focus);
}

LRESULT CALLBACK FormProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  Form* form = FormOf(window);
  if (form) {
    if (message == WM_ACTIVATE) {
      KeepFocus(window, *form, LOWORD(wParam) != WA_INACTIVE);
      return 0;
    }
    // The dialog manager asks for the default button: Enter and its frame.
    if (message == DM_GETDEFID)
      if (Button* button = DialogButton(*form, true)) return MAKELRESULT(button->Id(), DC_HASDEFID);
    HWND from = nullptr;
    int id = 0;
    if (message == WM_COMMAND && lParam) {
      from = reinterpret_cast<HWND>(lParam);
      id = LOWORD(wParam);
    } else if (message == WM_NOTIFY) {
      from = reinterpret_cast<NMHDR*>(lParam)->hwndFrom;
      id = static_cast<int>(reinterpret_cast<NMHDR*>(lParam)->idFrom);
    } else if (message == WM_HSCROLL && lParam) {
      from = reinterpret_cast<HWND>(lParam);
      id = ::GetDlgCtrlID(from);
    }
    if (from) {
      if (Control* control = form->FindControl(id)) {
        ReflectNotification(from, *control, message, wParam, lParam);
        return 0;
      }
    }
    // Texts and check boxes take the form's face colour, not the theme's own.
    if (message == WM_CTLCOLORSTATIC || message == WM_CTLCOLORBTN) {
      ::SetBkColor(reinterpret_cast<HDC>(wParam), ::GetSysColor(COLOR_BTNFACE));
      const Control* shown = form->FindControl(::GetDlgCtrlID(reinterpret_cast<HWND>(lParam)));
      if (shown && shown->Kind() == ControlKind::Label && static_cast<const Label*>(shown)->IsLink)
        ::SetTextColor(reinterpret_cast<HDC>(wParam), ::GetSysColor(COLOR_HIGHLIGHT));
      return reinterpret_cast<LRESULT>(::GetSysColorBrush(COLOR_BTNFACE));
    }
    // Enter and Escape arrive as IDOK and IDCANCEL through IsDialogMessage.
    if (message == WM_COMMAND && !lParam && (LOWORD(wParam) == IDOK || LOWORD(wParam) == IDCANCEL)) {
      if (Button* button = DialogButton(*form, LOWORD(wParam) == IDOK)) button->Click();
      return 0;
    }
    // Moved to a monitor of another DPI: laid out anew, where the system suggests.
    if (message == kWmDpiChanged) {
      const RECT& suggested = *reinterpret_cast<const RECT*>(lParam);
      Win32FormHost::instance->LayOut(*form, W(window), LOWORD(wParam));
      ::SetWindowPos(window, nullptr, suggested.left, suggested.top, 0, 0,
                     SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
      return 0;
    }
    if (auto result = form->HandleMessage(message, wParam, static_cast<LParam>(lParam))) return *result;
  }
  return ::DefWindowProcA(window, message, wParam, lParam);
}

// The taskbar button of an open window belongs to this invisible one: a
// click brings that window forward and "Close window" closes it, never this.
LRESULT CALLBACK ApplicationProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  const bool activated = message == WM_ACTIVATE && LOWORD(wParam) != WA_INACTIVE;
  if (message != WM_CLOSE && !activated) return ::DefWindowProcA(window, message, wParam, lParam);
  HWND popup = ::GetLastActivePopup(window);
  const bool standsFor = popup != window && ::IsWindowVisible(popup);
  if (message == WM_CLOSE) {
    if (standsFor) ::PostMessageA(popup, WM_CLOSE, 0, 0);
    return 0;
  }
  if (!standsFor) return ::DefWindowProcA(window, message, wParam, lParam);
  ::SetActiveWindow(popup);
  return 0;
}

LRESULT CALLBACK UtilProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  // Another program's WM_CLOSE would destroy the tray icon's or the hotkeys' window.
  if (message == WM_CLOSE) return 0;
  Win32FormHost* host = Win32FormHost::instance;
  if (host) {
    auto it = host->messageWindows.find(W(window));
    if (it != host->messageWindows.end()) {
      MessageHandler handler = it->second;  // the handler may destroy its window
      if (auto result = handler(message, wParam, static_cast<LParam>(lParam))) return *result;
    }
  }
  return ::DefWindowProcA(window, message, wParam, lParam);
}

void RegisterClass(const char* name, WNDPROC procedure, HICON icon, HICON smallIcon) {
  WNDCLASSEXA windowClass{};
  windowClass.cbSize = sizeof windowClass;
  windowClass.lpfnWndProc = procedure;
  windowClass.hInstance = ::GetModuleHandleA(nullptr);
  windowClass.hIcon = icon;
  windowClass.hIconSm = smallIcon;
  windowClass.hCursor = ::LoadCursor(nullptr, IDC_ARROW);
  windowClass.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
  windowClass.lpszClassName = name;
  ::RegisterClassExA(&windowClass);
}

}  // namespace

Win32FormHost::Win32FormHost() {
  instance = this;
  HINSTANCE module = ::GetModuleHandleA(nullptr);
  HICON icon = ::LoadIconA(module, MAKEINTRESOURCEA(1));
  // The caption's icon at the size the system draws it, not shrunk from the large one.
  HICON smallIcon = static_cast<HICON>(::LoadImageA(module, MAKEINTRESOURCEA(1), IMAGE_ICON,
                                                    ::GetSystemMetrics(SM_CXSMICON),
                                                    ::GetSystemMetrics(SM_CYSMICON), LR_SHARED));
  RegisterClass(kApplicationClass, ApplicationProc, icon, smallIcon);
  RegisterClass(kFormClass, FormProc, icon, smallIcon);
  RegisterClass(kUtilClass, UtilProc, icon, smallIcon);
}

const Win32FormHost::Fonts& Win32FormHost::FontsFor(int dpi) {
  auto [it, added] = fonts_.try_emplace(dpi);
  if (added) {
    // The system's dialog font, the one users know from every other dialog,
    // at the window's DPI (the system gives it at the screen's).
    NONCLIENTMETRICSA metrics{};
    metrics.cbSize = sizeof metrics;
    LOGFONTA face{};
    if (::SystemParametersInfoA(SPI_GETNONCLIENTMETRICS, sizeof metrics, &metrics, 0)) {
      face = metrics.lfMessageFont;
      face.lfHeight = ::MulDiv(face.lfHeight, dpi, WindowDpi(nullptr));
    } else {
      face.lfHeight = -ScaleToDpi(11, dpi);
      face.lfCharSet = DEFAULT_CHARSET;
      lstrcpynA(face.lfFaceName, "MS Shell Dlg", LF_FACESIZE);
    }
    it->second.normal = ::CreateFontIndirectA(&face);
    face.lfWeight = FW_BOLD;
    it->second.bold = ::CreateFontIndirectA(&face);
    face.lfWeight = FW_NORMAL;
    face.lfUnderline = TRUE;
    it->second.link = ::CreateFontIndirectA(&face);
  }
  return it->second;
}

WindowHandle Win32FormHost::ApplicationWindow() {
  // Made on first use, so a second instance that ends at once creates no window.
  if (!applicationWindow_) {
    const int x = ::GetSystemMetrics(SM_CXSCREEN) / 2, y = ::GetSystemMetrics(SM_CYSCREEN) / 2;
    applicationWindow_ = W(::CreateWindowExA(WS_EX_TOOLWINDOW, kApplicationClass, "",
                                             WS_POPUP | WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX, x, y, 0, 0,
                                             nullptr, nullptr, ::GetModuleHandleA(nullptr), nullptr));
  }
  return applicationWindow_;
}

Win32FormHost::~Win32FormHost() {
  if (applicationWindow_) ::DestroyWindow(H(applicationWindow_));
  for (const auto& [dpi, fonts] : fonts_) {
    ::DeleteObject(static_cast<HFONT>(fonts.normal));
    ::DeleteObject(static_cast<HFONT>(fonts.bold));
    ::DeleteObject(static_cast<HFONT>(fonts.link));
  }
  instance = nullptr;
}

WindowHandle Win32FormHost::Realise(Form& form) {
  HWND window = ::CreateWindowExA(kFormExStyle, kFormClass, form.Caption().c_str(), kFormStyle, form.Left(),
                                  form.Top(), 0, 0, H(ApplicationWindow()), nullptr, ::GetModuleHandleA(nullptr),
                                  nullptr);
  ::SetWindowLongPtrA(window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(&form));
  LayOut(form, W(window), WindowDpi(window));
  return W(window);
}

// Made at the form's first showing: a window that stays hidden (the
// configuration window of a program in the tray) costs neither the time nor
// the memory of its controls. They take the form's state as it is now, so
// what changed while they did not exist is not lost.
void Win32FormHost::CreateControls(Form& form) {
  if (form.Controls().empty() || controlWindows.count(form.Controls().front())) return;
  HWND window = H(form.Handle());
  std::vector<std::pair<Control*, HWND>> created;
  for (Control* control : form.Controls()) {
    HWND real = CreateRealControl(window, *control);
    controlWindows[control] = W(real);
    created.emplace_back(control, real);
  }
  LayerControls(created);
  LayOut(form, W(window), WindowDpi(window));
  if (Control* active = form.ActiveControl()) FocusControl(*active);
}

void Win32FormHost::LayOut(Form& form, WindowHandle window, int dpi) {
  const RECT rect = WindowRectForClient(form.ClientWidth(), form.ClientHeight(), kFormStyle, kFormExStyle, dpi);
  ::SetWindowPos(H(window), nullptr, 0, 0, rect.right - rect.left, rect.bottom - rect.top,
                 SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
  const Fonts& fonts = FontsFor(dpi);
  ::SendMessageA(H(window), WM_SETFONT, reinterpret_cast<WPARAM>(fonts.normal), FALSE);
  for (Control* control : form.Controls())
    if (auto it = controlWindows.find(control); it != controlWindows.end())
      LayOutControl(H(it->second), *control, dpi, static_cast<HFONT>(fonts.normal), static_cast<HFONT>(fonts.bold),
                    static_cast<HFONT>(fonts.link));
  ::InvalidateRect(H(window), nullptr, TRUE);
}

void Win32FormHost::Destroy(Form& form) {
  for (Control* control : form.Controls()) controlWindows.erase(control);
  ::SetWindowLongPtrA(H(form.Handle()), GWLP_USERDATA, 0);
  ::DestroyWindow(H(form.Handle()));
}

void Win32FormHost::SetVisible(Form& form, bool visible) {
  HWND window = H(form.Handle());  // made first, when it is not yet
  constexpr const char* kOpenerProp = "HushdeskOpener";
  if (visible) {
    CreateControls(form);
    if (!::IsWindowVisible(window)) ::SetPropA(window, kOpenerProp, ::GetActiveWindow());
  } else if (auto opener = static_cast<HWND>(::GetPropA(window, kOpenerProp));
             ::GetActiveWindow() == window && opener != window && ::IsWindowVisible(opener)) {
    // The window that opened it is active again, as a dialog box's owner
    // is, and with that has its focus back.
    ::SetActiveWindow(opener);
  }
  ::ShowWindow(window, visible ? SW_SHOW : SW_HIDE);
  // Shown again, it starts where the program puts the focus, or at its first control.
  if (!visible) ::RemovePropA(window, kFocusProp);
}

void Win32FormHost::MoveForm(Form& form, int left, int top) {
  ::SetWindowPos(H(form.Handle()), nullptr, left, top, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}

void Win32FormHost::CentreForm(Form& form, int screenWidth, int screenHeight) {
  RECT rect{};
  ::GetWindowRect(H(form.Handle()), &rect);
  MoveForm(form, (screenWidth - (rect.right - rect.left)) / 2, (screenHeight - (rect.bottom - rect.top)) / 2);
}

void Win32FormHost::Retitle(Form& form) { ::SetWindowTextA(H(form.Handle()), form.Caption().c_str()); }

void Win32FormHost::BringToFront(Form& form) {
  ::SetForegroundWindow(H(form.Handle()));
  ::BringWindowToTop(H(form.Handle()));
}

void Win32FormHost::ApplyPages(Form& form) {
  for (Control* control : form.Controls())
    if (auto it = controlWindows.find(control); it != controlWindows.end())
      ::ShowWindow(H(it->second), control->Visible() && control->OnShownPage() ? SW_SHOWNA : SW_HIDE);
}

void Win32FormHost::ControlChanged(Control& control) {
  auto it = controlWindows.find(&control);
  if (it == controlWindows.end()) return;
  MirrorControl(H(it->second), control);
  if (control.Kind() == ControlKind::PageControl) ApplyPages(control.Owner());
}

void Win32FormHost::ListChanged(ListBox& list, ListChange change, int index) {
  if (auto it = controlWindows.find(&list); it != controlWindows.end())
    MirrorListChange(H(it->second), list, change, index);
}

std::optional<std::uint16_t> Win32FormHost::ReadHotKey(const Control& control) {
  auto it = controlWindows.find(const_cast<Control*>(&control));
  if (it == controlWindows.end()) return std::nullopt;
  return ShortcutFromHotKey(static_cast<WORD>(::SendMessageA(H(it->second), HKM_GETHOTKEY, 0, 0)));
}

WindowHandle Win32FormHost::CreateMessageWindow(MessageHandler handler) {
  // A hidden top-level window rather than a message-only one: only top-level
  // windows hear broadcasts such as the shell's "TaskbarCreated".
  HWND window = ::CreateWindowExA(WS_EX_TOOLWINDOW, kUtilClass, "", WS_POPUP, 0, 0, 0, 0, nullptr, nullptr,
                                  ::GetModuleHandleA(nullptr), nullptr);
  messageWindows[W(window)] = std::move(handler);
  return W(window);
}

void Win32FormHost::DestroyMessageWindow(WindowHandle window) {
  messageWindows.erase(window);
  ::DestroyWindow(H(window));
}

bool Win32FormHost::SetTimer(WindowHandle window, unsigned id, unsigned milliseconds) {
  return ::SetTimer(H(window), id, milliseconds, nullptr) != 0;
}

bool Win32FormHost::KillTimer(WindowHandle window, unsigned id) { return ::KillTimer(H(window), id); }

// Ctrl+Tab, Ctrl+Shift+Tab, Ctrl+PageDown and Ctrl+PageUp turn the pages of
// the form's outer page control, as in any property sheet. Whether it was one.
bool Win32FormHost::TurnPage(Form& form, const MSG& message) {
  if (message.message != WM_KEYDOWN || !(::GetKeyState(VK_CONTROL) & 0x8000)) return false;
  int step = 0;
  if (message.wParam == VK_TAB)
    step = ::GetKeyState(VK_SHIFT) & 0x8000 ? -1 : 1;
  else if (message.wParam == VK_NEXT)
    step = 1;
  else if (message.wParam == VK_PRIOR)
    step = -1;
  if (step == 0) return false;
  for (Control* control : form.Controls()) {
    if (control->Kind() != ControlKind::PageControl || control->Pages() != nullptr) continue;
    static_cast<PageControl*>(control)->StepPage(step);
    // The focus must not stay on a control of the page just hidden.
    HWND focus = ::GetFocus();
    if (!focus || !::IsWindowVisible(focus)) ::SetFocus(H(controlWindows.at(control)));
    return true;
  }
  return false;
}

bool Win32FormHost::DispatchOne(void* raw) {
  MSG& message = *static_cast<MSG*>(raw);
  HWND root = message.hwnd ? ::GetAncestor(message.hwnd, GA_ROOT) : nullptr;
  Form* form = root ? FormOf(root) : nullptr;
  if (form && TurnPage(*form, message)) return true;
  if (form && ::IsDialogMessageA(root, &message)) return true;
  ::TranslateMessage(&message);
  ::DispatchMessageA(&message);
  return true;
}

void Win32FormHost::ProcessMessages() {
  MSG message;
  while (::PeekMessageA(&message, nullptr, 0, 0, PM_REMOVE)) {
    if (message.message == WM_QUIT) {
      ::PostQuitMessage(static_cast<int>(message.wParam));
      return;
    }
    DispatchOne(&message);
  }
}

void Win32FormHost::RunMessageLoop() {
  MSG message;
  while (!quit_ && ::GetMessageA(&message, nullptr, 0, 0) > 0) DispatchOne(&message);
}

void Win32FormHost::QuitMessageLoop() {
  quit_ = true;
  ::PostQuitMessage(0);
}

int Win32FormHost::MessageBox(const std::string& text, const std::string& caption, unsigned type) {
  HWND active = ::GetActiveWindow();
  const int answer = ::MessageBoxA(nullptr, text.c_str(), caption.c_str(), type | MB_TASKMODAL | MB_SETFOREGROUND);
  // A box without an owner gives the activation back to no one in particular:
  // the window in use takes it, and its focus, again.
  if (active && ::IsWindowVisible(active)) {
    ::SetActiveWindow(active);
    if (Form* form = FormOf(active); form && !::IsChild(active, ::GetFocus())) KeepFocus(active, *form, true);
  }
  return answer;
}

namespace {
// Ids follow the menu's own numbering, one more, since 0 means "nothing chosen".
void AppendItems(HMENU menu, const std::vector<MenuItem>& items, int& index) {
  for (const MenuItem& item : items) {
    const UINT id = static_cast<UINT>(++index);
    if (item.IsSeparator()) {
      ::AppendMenuA(menu, MF_SEPARATOR, 0, nullptr);
    } else if (!item.Items.empty()) {
      HMENU submenu = ::CreatePopupMenu();
      AppendItems(submenu, item.Items, index);
      ::AppendMenuA(menu, MF_STRING | MF_POPUP, reinterpret_cast<UINT_PTR>(submenu), item.caption.c_str());
    } else {
      ::AppendMenuA(menu, MF_STRING, id, item.caption.c_str());
    }
    if (item.isDefault) ::SetMenuDefaultItem(menu, id, FALSE);
  }
}
}  // namespace

int Win32FormHost::TrackPopupMenu(const PopupMenu& menu, Point at) {
  HMENU popup = ::CreatePopupMenu();
  int count = 0;
  AppendItems(popup, menu.Items(), count);
  HWND owner = messageWindows.empty() ? H(ApplicationWindow()) : H(messageWindows.begin()->first);
  const int chosen = ::TrackPopupMenu(popup, TPM_LEFTALIGN | TPM_TOPALIGN | TPM_RETURNCMD | TPM_RIGHTBUTTON |
                                                 TPM_NONOTIFY, at.x, at.y, 0, owner, nullptr);
  ::DestroyMenu(popup);  // with its submenus
  return chosen - 1;
}

void Win32FormHost::Repaint(Form& form) {
  ::RedrawWindow(H(form.Handle()), nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN | RDW_UPDATENOW);
}

namespace {
BOOL CALLBACK DisableOthers(HWND window, LPARAM param) {
  auto& state = *reinterpret_cast<std::pair<HWND, std::vector<HWND>>*>(param);
  if (window != state.first && ::IsWindowVisible(window) && ::IsWindowEnabled(window)) {
    ::EnableWindow(window, FALSE);
    state.second.push_back(window);
  }
  return TRUE;
}
}  // namespace

void Win32FormHost::RunModal(Form& form) {
  std::pair<HWND, std::vector<HWND>> disabled{H(form.Handle()), {}};
  ::EnumThreadWindows(::GetCurrentThreadId(), DisableOthers, reinterpret_cast<LPARAM>(&disabled));
  ::SetForegroundWindow(H(form.Handle()));
  MSG message;
  while (form.ModalResult == mrNone && !quit_) {
    const BOOL got = ::GetMessageA(&message, nullptr, 0, 0);
    if (got <= 0) {
      ::PostQuitMessage(static_cast<int>(message.wParam));
      break;
    }
    DispatchOne(&message);
  }
  // Enabled again before the form hides, so that the window beneath gets the activation.
  for (HWND window : disabled.second) ::EnableWindow(window, TRUE);
}

bool Win32FormHost::FileDialog(FileDialogOptions& options) {
  std::string filter = options.filter + '|';
  for (char& c : filter)
    if (c == '|') c = '\0';
  std::vector<char> file(1024, '\0');
  options.fileName.copy(file.data(), file.size() - 1);
  OPENFILENAMEA dialog{};
  dialog.lStructSize = sizeof dialog;
  dialog.hwndOwner = ::GetActiveWindow();
  dialog.lpstrFilter = filter.c_str();
  dialog.nFilterIndex = 1;
  dialog.lpstrFile = file.data();
  dialog.nMaxFile = static_cast<DWORD>(file.size());
  dialog.lpstrInitialDir = options.initialDir.empty() ? nullptr : options.initialDir.c_str();
  dialog.lpstrTitle = options.title.c_str();
  dialog.lpstrDefExt = options.defaultExt.empty() ? nullptr : options.defaultExt.c_str();
  dialog.Flags = OFN_EXPLORER | OFN_NOCHANGEDIR | (options.hideReadOnly ? OFN_HIDEREADONLY : 0) |
                 (options.pathMustExist ? OFN_PATHMUSTEXIST : 0) | (options.fileMustExist ? OFN_FILEMUSTEXIST : 0) |
                 (options.resizable ? OFN_ENABLESIZING : 0) | (options.overwritePrompt ? OFN_OVERWRITEPROMPT : 0);
  const FileDialogCalls& dialogs = FileDialogLibrary();
  auto show = options.save ? dialogs.getSaveFileNameA : dialogs.getOpenFileNameA;
  if (!show || !show(&dialog)) return false;
  options.fileName = file.data();
  return true;
}

void Win32FormHost::FocusControl(Control& control) {
  if (auto it = controlWindows.find(&control); it != controlWindows.end()) ::SetFocus(H(it->second));
}

Rect Win32FormHost::ControlScreenRect(Control& control) {
  RECT rect{};
  if (auto it = controlWindows.find(&control); it != controlWindows.end()) ::GetWindowRect(H(it->second), &rect);
  return {rect.left, rect.top, rect.right, rect.bottom};
}

Point Win32FormHost::ClientToScreen(Form& form, Point client) {
  POINT point{client.x, client.y};
  ::ClientToScreen(H(form.Handle()), &point);
  return {point.x, point.y};
}

Handle Win32FormHost::CreateImageList() {
  // At the screen's DPI; laying out the list view fits it to the window's.
  const int side = SmallIconSize(WindowDpi(nullptr));
  return reinterpret_cast<Handle>(::ImageList_Create(side, side, ILC_COLOR32 | ILC_MASK, 16, 16));
}

int Win32FormHost::ImageListAddIcon(Handle list, Handle icon) {
  // The list keeps its own copy of the icon's pictures.
  return ::ImageList_ReplaceIcon(reinterpret_cast<HIMAGELIST>(list), -1, reinterpret_cast<HICON>(icon));
}

void Win32FormHost::ImageListClear(Handle list) { ::ImageList_Remove(reinterpret_cast<HIMAGELIST>(list), -1); }

void Win32FormHost::DestroyImageList(Handle list) { ::ImageList_Destroy(reinterpret_cast<HIMAGELIST>(list)); }

}  // namespace hd
