// Each operation is the one user32 call of the same name; a toolbar button's
// command id needs kernel32's memory calls on another process too.
#include "platform/win32/WinApi.h"
#include "platform/win32/Win32Windows.h"
#include "platform/win32/Win32LateBound.h"

namespace hd {

namespace {
HWND H(WindowHandle window) { return reinterpret_cast<HWND>(window); }
WindowHandle W(HWND window) { return reinterpret_cast<WindowHandle>(window); }
const char* OrNull(const std::string& text) { return text.empty() ? nullptr : text.c_str(); }
}  // namespace

WindowHandle Win32Windows::GetWindow(WindowHandle window, unsigned command) {
  return W(::GetWindow(H(window), command));
}

std::vector<WindowHandle> Win32Windows::TopLevelWindows() {
  // The Z order from the top, read in one pass before anyone acts on it.
  std::vector<WindowHandle> windows;
  for (HWND window = ::GetTopWindow(nullptr); window; window = ::GetWindow(window, GW_HWNDNEXT))
    windows.push_back(W(window));
  return windows;
}

std::vector<WindowHandle> Win32Windows::ChildWindows(WindowHandle parent) {
  std::vector<WindowHandle> children;
  for (HWND child = ::GetWindow(H(parent), GW_CHILD); child; child = ::GetWindow(child, GW_HWNDNEXT))
    children.push_back(W(child));
  return children;
}

bool Win32Windows::IsWindow(WindowHandle window) { return ::IsWindow(H(window)); }
bool Win32Windows::IsWindowVisible(WindowHandle window) { return ::IsWindowVisible(H(window)); }
bool Win32Windows::IsWindowCloaked(WindowHandle window) {
  constexpr DWORD kDwmwaCloaked = 14;  // Windows 8 on; earlier systems refuse it
  DWORD cloaked = 0;
  auto get = DwmLibrary().dwmGetWindowAttribute;
  return get && SUCCEEDED(get(H(window), kDwmwaCloaked, &cloaked, sizeof cloaked)) && cloaked != 0;
}

bool Win32Windows::IsIconic(WindowHandle window) { return ::IsIconic(H(window)); }
bool Win32Windows::IsZoomed(WindowHandle window) { return ::IsZoomed(H(window)); }

std::string Win32Windows::GetWindowText(WindowHandle window, int maxCount) {
  if (maxCount <= 0) return {};
  std::string buffer(static_cast<std::size_t>(maxCount), '\0');
  const int written = ::GetWindowTextA(H(window), buffer.data(), maxCount);
  buffer.resize(static_cast<std::size_t>(written > 0 ? written : 0));
  return buffer;
}

int Win32Windows::GetWindowTextLength(WindowHandle window) { return ::GetWindowTextLengthA(H(window)); }

bool Win32Windows::SetWindowText(WindowHandle window, const std::string& text) {
  return ::SetWindowTextA(H(window), text.c_str());
}

std::string Win32Windows::GetClassName(WindowHandle window) {
  char name[256] = {};
  const int length = ::GetClassNameA(H(window), name, sizeof name);
  return std::string(name, static_cast<std::size_t>(length > 0 ? length : 0));
}

ProcessId Win32Windows::GetWindowThreadProcessId(WindowHandle window) {
  DWORD processId = 0;
  ::GetWindowThreadProcessId(H(window), &processId);
  return processId;
}

ThreadId Win32Windows::GetWindowThreadId(WindowHandle window) {
  return ::GetWindowThreadProcessId(H(window), nullptr);
}

bool Win32Windows::ShowWindow(WindowHandle window, int command) { return ::ShowWindow(H(window), command); }
bool Win32Windows::ShowWindowAsync(WindowHandle window, int command) {
  return ::ShowWindowAsync(H(window), command);
}
bool Win32Windows::CloseWindow(WindowHandle window) { return ::CloseWindow(H(window)); }
bool Win32Windows::OpenIcon(WindowHandle window) { return ::OpenIcon(H(window)); }
bool Win32Windows::BringWindowToTop(WindowHandle window) { return ::BringWindowToTop(H(window)); }
WindowHandle Win32Windows::SetActiveWindow(WindowHandle window) { return W(::SetActiveWindow(H(window))); }
bool Win32Windows::SetForegroundWindow(WindowHandle window) { return ::SetForegroundWindow(H(window)); }
WindowHandle Win32Windows::GetForegroundWindow() { return W(::GetForegroundWindow()); }

bool Win32Windows::PostMessage(WindowHandle window, unsigned message, WParam wParam, LParam lParam) {
  return ::PostMessageA(H(window), message, wParam, lParam);
}

LResult Win32Windows::SendMessage(WindowHandle window, unsigned message, WParam wParam, LParam lParam) {
  return ::SendMessageA(H(window), message, wParam, lParam);
}

bool Win32Windows::SendMessageTimeout(WindowHandle window, unsigned message, WParam wParam, LParam lParam,
                                      unsigned timeoutMs, LResult& result) {
  DWORD_PTR answer = 0;
  const LRESULT ok =
      ::SendMessageTimeoutA(H(window), message, wParam, lParam, SMTO_ABORTIFHUNG, timeoutMs, &answer);
  result = static_cast<LResult>(answer);
  return ok != 0;
}

// The button is written into memory of the toolbar's process, where the
// pointer the message carries means something.
bool Win32Windows::ToolbarButtonCommand(WindowHandle toolbar, int position, unsigned timeoutMs, int& command) {
  DWORD processId = 0;
  ::GetWindowThreadProcessId(H(toolbar), &processId);
  HANDLE process = ::OpenProcess(PROCESS_VM_OPERATION | PROCESS_VM_READ | PROCESS_VM_WRITE, FALSE, processId);
  if (!process) return false;
  // Room for a 64-bit shell's TBBUTTON; its command id lies where a 32-bit one's does.
  constexpr SIZE_T kButtonRoom = 32;
  void* remote = ::VirtualAllocEx(process, nullptr, kButtonRoom, MEM_COMMIT, PAGE_READWRITE);
  bool read = false;
  if (remote) {
    DWORD_PTR answer = 0;
    const bool answered = ::SendMessageTimeoutA(H(toolbar), TB_GETBUTTON, static_cast<WPARAM>(position),
                                                reinterpret_cast<LPARAM>(remote), SMTO_ABORTIFHUNG, timeoutMs,
                                                &answer) != 0;
    int head[2] = {};  // iBitmap, idCommand
    SIZE_T got = 0;
    read = answered && answer && ::ReadProcessMemory(process, remote, head, sizeof head, &got) && got == sizeof head;
    if (read) command = head[1];
    // A shell that did not answer may still write there later: left to it.
    if (answered) ::VirtualFreeEx(process, remote, 0, MEM_RELEASE);
  }
  ::CloseHandle(process);
  return read;
}

WindowHandle Win32Windows::FindWindow(const std::string& className, const std::string& windowName) {
  return W(::FindWindowA(OrNull(className), windowName.c_str()));
}

WindowHandle Win32Windows::FindWindowEx(WindowHandle parent, WindowHandle after, const std::string& className,
                                        const std::string& windowName) {
  if (parent == 0) return 0;  // a search under no window finds nothing
  return W(::FindWindowExA(H(parent), H(after), OrNull(className), OrNull(windowName)));
}

long Win32Windows::GetWindowLong(WindowHandle window, int index) { return ::GetWindowLongA(H(window), index); }
std::uintptr_t Win32Windows::GetClassLong(WindowHandle window, int index) {
  return ::GetClassLongPtrA(H(window), index);
}

long Win32Windows::SetWindowLong(WindowHandle window, int index, long value) {
  return ::SetWindowLongA(H(window), index, value);
}
bool Win32Windows::UpdateWindow(WindowHandle window) { return ::UpdateWindow(H(window)); }
unsigned Win32Windows::RegisterWindowMessage(const std::string& name) {
  return ::RegisterWindowMessageA(name.c_str());
}
void Win32Windows::AllowMessageFromLowerRights(unsigned message) {
  constexpr DWORD kMsgfltAdd = 1;  // MSGFLT_ADD, declared for Vista on only
  if (LateBound().changeWindowMessageFilter) LateBound().changeWindowMessageFilter(message, kMsgfltAdd);
}

namespace {
// Its call is what matters: the event's delivery ends the wait.
void CALLBACK WindowChanged(HWINEVENTHOOK, DWORD, HWND, LONG, LONG, DWORD, DWORD) {}
}  // namespace

void Win32Windows::WaitForWindowChange(unsigned timeoutMs) {
  // A wait of 1 ms lasts a whole timer tick on Windows (15.6 ms unless some
  // program raised the timer's rate); the event ends it as the window
  // changes. The events come to this thread's queue, so the wait covers all
  // of it, and looking without removing leaves posted messages for the loop.
  // Wine 8 sends no such events for other processes' windows: there the
  // timeout does it.
  HWINEVENTHOOK hook =
      ::SetWinEventHook(EVENT_OBJECT_DESTROY, EVENT_OBJECT_HIDE, nullptr, WindowChanged, 0, 0, WINEVENT_OUTOFCONTEXT);
  if (::MsgWaitForMultipleObjects(0, nullptr, FALSE, timeoutMs, QS_ALLINPUT) == WAIT_OBJECT_0) {
    MSG message;
    ::PeekMessageA(&message, nullptr, 0, 0, PM_NOREMOVE);
  }
  if (hook) ::UnhookWinEvent(hook);
}

Win32Windows::~Win32Windows() = default;

}  // namespace hd
