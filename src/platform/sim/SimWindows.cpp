// Simulated windows behave as Wine's were measured to: hiding a window moves it
// down the Z order, activation across processes is refused, hung threads block
// and busy ones answer late.
#include "platform/sim/SimWindows.h"
#include <algorithm>
#include "ui/Form.h"

namespace hd {

SimWindow* SimWindows::Find(WindowHandle window) {
  auto it = s_.windows.find(window);
  return it == s_.windows.end() ? nullptr : &it->second;
}

bool SimWindows::Hung(const SimWindow& window) const { return s_.hungThreads.count(window.threadId) > 0; }

bool SimWindows::Busy(ThreadId thread) const {
  const auto it = s_.busyUntil.find(thread);
  return it != s_.busyUntil.end() && it->second > s_.clockMs;
}

bool SimWindows::CallerWaits(const SimWindow& window) {
  if (window.processId == s_.programProcess) return false;
  if (Hung(window)) {
    AnswerSentMessages();
    s_.clockMs += kHangMs;
    return true;
  }
  if (Busy(window.threadId)) {
    AnswerSentMessages();
    s_.clockMs = s_.busyUntil[window.threadId];
    TakeQueued(window.threadId);
  }
  return false;
}

void SimWindows::AnswerSentMessages() {
  while (!s_.sentMessages.empty()) {
    const PostedMessage m = s_.sentMessages.front();
    s_.sentMessages.pop_front();
    Dispatch(s_, m.window, m.message, m.wParam, m.lParam);
  }
}

void SimWindows::TakeQueued(ThreadId thread) {
  if (s_.queuedShows.empty() || s_.hungThreads.count(thread) || Busy(thread)) return;
  auto queued = s_.queuedShows.extract(thread);
  if (queued.empty()) return;
  for (const auto& [window, command] : queued.mapped())
    if (SimWindow* w = Find(window)) ApplyShow(*w, command);
}

WindowHandle SimWindows::GetWindow(WindowHandle window, unsigned command) {
  if (command == win::GW_OWNER) {
    SimWindow* w = Find(window);
    return w ? w->owner : 0;
  }
  auto it = std::find(s_.zOrder.begin(), s_.zOrder.end(), window);
  if (it == s_.zOrder.end()) return 0;
  if (command == win::GW_HWNDFIRST) return s_.zOrder.front();
  if (command == win::GW_HWNDNEXT) return ++it == s_.zOrder.end() ? 0 : *it;
  return 0;
}

std::vector<WindowHandle> SimWindows::TopLevelWindows() { return s_.zOrder; }

std::vector<WindowHandle> SimWindows::ChildWindows(WindowHandle parent) {
  // Children keep the order they were created in, the first on top, as a
  // dialog's controls do.
  std::vector<WindowHandle> children;
  if (parent == 0) return children;
  for (const auto& [handle, w] : s_.windows)
    if (w.parent == parent) children.push_back(handle);
  return children;
}

bool SimWindows::IsWindow(WindowHandle window) { return Find(window) != nullptr; }

// What a busy thread was asked has taken effect once its time has come.
bool SimWindows::IsWindowVisible(WindowHandle window) {
  SimWindow* w = Find(window);
  if (w) TakeQueued(w->threadId);
  return w && w->visible;
}

// The attribute came with Windows 8 (6.2).
bool SimWindows::IsWindowCloaked(WindowHandle window) {
  const SimWindow* w = Find(window);
  const OsVersionInfo& v = s_.version;
  return w && w->cloaked && v.platformId == win::VER_PLATFORM_WIN32_NT &&
         (v.majorVersion > 6 || (v.majorVersion == 6 && v.minorVersion >= 2));
}

bool SimWindows::IsIconic(WindowHandle window) {
  SimWindow* w = Find(window);
  if (w) TakeQueued(w->threadId);
  return w && w->iconic;
}

bool SimWindows::IsZoomed(WindowHandle window) {
  SimWindow* w = Find(window);
  return w && w->zoomed && !w->iconic;
}

std::string SimWindows::GetWindowText(WindowHandle window, int maxCount) {
  SimWindow* w = Find(window);
  if (!w || maxCount <= 0) return {};
  return w->caption.substr(0, static_cast<std::size_t>(maxCount - 1));
}

int SimWindows::GetWindowTextLength(WindowHandle window) {
  SimWindow* w = Find(window);
  return w ? static_cast<int>(w->caption.size()) : 0;
}

bool SimWindows::SetWindowText(WindowHandle window, const std::string& text) {
  SimWindow* w = Find(window);
  if (!w) return false;
  w->caption = text;
  return true;
}

std::string SimWindows::GetClassName(WindowHandle window) {
  SimWindow* w = Find(window);
  return w ? w->className : std::string();
}

ProcessId SimWindows::GetWindowThreadProcessId(WindowHandle window) {
  SimWindow* w = Find(window);
  return w ? w->processId : 0;
}

ThreadId SimWindows::GetWindowThreadId(WindowHandle window) {
  SimWindow* w = Find(window);
  return w ? w->threadId : 0;
}

void SimWindows::ApplyShow(SimWindow& w, int command) {
  switch (command) {
    case win::SW_HIDE:
      w.visible = false;
      // Hidden windows sink in the Z order, so a walk that asks for the next
      // window after hiding one loses its place.
      if (auto it = std::find(s_.zOrder.begin(), s_.zOrder.end(), w.handle); it != s_.zOrder.end()) {
        s_.zOrder.erase(it);
        s_.zOrder.push_back(w.handle);
      }
      break;
    case win::SW_MINIMIZE:
    case win::SW_SHOWMINIMIZED:
    case win::SW_SHOWMINNOACTIVE:
      // Every command but SW_HIDE shows the window, a hidden one too.
      w.iconic = true;
      w.visible = true;
      break;
    case win::SW_SHOWMAXIMIZED:
      w.visible = true;
      w.iconic = false;
      w.zoomed = true;
      break;
    case win::SW_RESTORE:
    case win::SW_SHOWNORMAL:
    case win::SW_SHOWNOACTIVATE:
      // A minimised window returns to what it was before, maximised or not.
      w.visible = true;
      if (w.iconic)
        w.iconic = false;
      else
        w.zoomed = false;
      break;
    default:
      w.visible = true;
      break;
  }
}

void SimWindows::Log(const char* call, WindowHandle window, int command) {
  if (s_.logCalls) s_.LogCall(std::string(call) + " " + std::to_string(window) + (command < 0 ? "" : " " + std::to_string(command)));
}

bool SimWindows::ShowWindow(WindowHandle window, int command) {
  SimWindow* w = Find(window);
  if (!w) return false;
  Log("ShowWindow", window, command);
  const bool wasVisible = w->visible;
  CallerWaits(*w);
  ApplyShow(*w, command);
  return wasVisible;
}

bool SimWindows::ShowWindowAsync(WindowHandle window, int command) {
  SimWindow* w = Find(window);
  if (!w) return false;
  Log("ShowWindowAsync", window, command);
  // The program's own window is shown at once, and the answer is ShowWindow's.
  if (w->processId == s_.programProcess) {
    const bool wasVisible = w->visible;
    ApplyShow(*w, command);
    return wasVisible;
  }
  // A hung or busy thread takes the request when it answers again; any other at once.
  if (Hung(*w) || Busy(w->threadId))
    s_.queuedShows[w->threadId].emplace_back(window, command);
  else
    ApplyShow(*w, command);
  return true;
}

bool SimWindows::CloseWindow(WindowHandle window) {
  SimWindow* w = Find(window);
  if (!w) return false;
  Log("CloseWindow", window);
  CallerWaits(*w);
  // Minimising shows a hidden window, as Windows and Wine do.
  ApplyShow(*w, win::SW_MINIMIZE);
  return true;
}

bool SimWindows::OpenIcon(WindowHandle window) {
  SimWindow* w = Find(window);
  if (!w) return false;
  CallerWaits(*w);
  w->iconic = false;
  w->visible = true;
  return true;
}

bool SimWindows::BringWindowToTop(WindowHandle window) {
  SimWindow* w = Find(window);
  if (!w) return false;
  if (auto it = std::find(s_.zOrder.begin(), s_.zOrder.end(), window); it != s_.zOrder.end()) {
    s_.zOrder.erase(it);
    s_.zOrder.insert(s_.zOrder.begin(), window);
  }
  s_.foreground = window;
  return true;
}

WindowHandle SimWindows::SetActiveWindow(WindowHandle window) {
  SimWindow* w = Find(window);
  // Only a window of the caller's own thread can be activated this way.
  if (!w || w->processId != s_.programProcess) return 0;
  WindowHandle previous = s_.foreground;
  s_.foreground = window;
  return previous;
}

bool SimWindows::SetForegroundWindow(WindowHandle window) {
  if (!Find(window)) return false;
  s_.foreground = window;
  return true;
}

WindowHandle SimWindows::GetForegroundWindow() { return s_.foreground; }

bool SimWindows::PostMessage(WindowHandle window, unsigned message, WParam wParam, LParam lParam) {
  // A broadcast reaches top-level windows only, as the shell's "TaskbarCreated" does;
  // it comes from the shell, whose registered messages a program run as
  // administrator only hears when it let them through.
  if (window == win::HWND_BROADCAST) {
    if (s_.elevated && message >= 0xC000 && !s_.allowedFromLowerRights.count(message)) return true;
    for (WindowHandle topLevel : s_.zOrder) s_.queue.push_back({topLevel, message, wParam, lParam});
    return true;
  }
  if (!Find(window)) return false;
  s_.queue.push_back({window, message, wParam, lParam});
  return true;
}

std::optional<LResult> SimWindows::Dispatch(SimState& state, WindowHandle window, unsigned message,
                                            WParam wParam, LParam lParam) {
  auto it = state.windows.find(window);
  if (it == state.windows.end()) return std::nullopt;
  if (it->second.form) return it->second.form->HandleMessage(message, wParam, lParam);
  if (it->second.handler) {
    MessageHandler handler = it->second.handler;  // the handler may destroy its window
    return handler(message, wParam, lParam);
  }
  return std::nullopt;
}

LResult SimWindows::ToolbarMessage(SimWindow& w, unsigned message, WParam wParam, LParam lParam) {
  auto& buttons = w.toolbarButtons;
  // Button messages name a button by its command id, not its position.
  const auto button = std::find_if(buttons.begin(), buttons.end(), [wParam](const SimToolbarButton& b) {
    return static_cast<WParam>(static_cast<unsigned>(b.command)) == wParam;
  });
  constexpr LResult kStateHidden = 8;
  switch (message) {
    case win::TB_BUTTONCOUNT:
      return static_cast<LResult>(buttons.size());
    case win::TB_ISBUTTONHIDDEN:
      if (button == buttons.end()) return -1;
      return button->hidden ? kStateHidden : 0;
    case win::TB_HIDEBUTTON:
      if (button == buttons.end()) return 0;
      button->hidden = (lParam & 0xFFFF) != 0;
      return 1;
    default:
      return 0;
  }
}

LResult SimWindows::SendMessage(WindowHandle window, unsigned message, WParam wParam, LParam lParam) {
  SimWindow* w = Find(window);
  if (!w) return 0;
  if (CallerWaits(*w)) return 0;
  if (w->className == "ToolBarWindow32") return ToolbarMessage(*w, message, wParam, lParam);
  if (message == win::WM_GETICON && wParam == win::ICON_SMALL && !w->form && !w->handler)
    return static_cast<LResult>(w->smallIcon);
  return Dispatch(s_, window, message, wParam, lParam).value_or(0);
}

bool SimWindows::SendMessageTimeout(WindowHandle window, unsigned message, WParam wParam, LParam lParam,
                                    unsigned timeoutMs, LResult& result) {
  SimWindow* w = Find(window);
  if (!w) return false;
  if (Hung(*w) || (Busy(w->threadId) && s_.busyUntil[w->threadId] - s_.clockMs > timeoutMs)) {
    AnswerSentMessages();
    s_.clockMs += timeoutMs;
    return false;
  }
  result = SendMessage(window, message, wParam, lParam);
  return true;
}

bool SimWindows::ToolbarButtonCommand(WindowHandle toolbar, int position, unsigned timeoutMs, int& command) {
  // Answered as the count is: a shell that does not answer one answers neither.
  LResult count = 0;
  if (!SendMessageTimeout(toolbar, win::TB_BUTTONCOUNT, 0, 0, timeoutMs, count)) return false;
  if (position < 0 || position >= count) return false;
  command = Find(toolbar)->toolbarButtons[static_cast<std::size_t>(position)].command;
  return true;
}

WindowHandle SimWindows::FindWindow(const std::string& className, const std::string& windowName) {
  for (WindowHandle handle : s_.zOrder) {
    const SimWindow& w = s_.windows.at(handle);
    if ((className.empty() || w.className == className) && w.caption == windowName) return handle;
  }
  return 0;
}

WindowHandle SimWindows::FindWindowEx(WindowHandle parent, WindowHandle after, const std::string& className,
                                      const std::string& windowName) {
  bool passed = after == 0;
  for (WindowHandle handle : ChildWindows(parent)) {
    const SimWindow& w = s_.windows.at(handle);
    if (!passed) {
      passed = handle == after;
      continue;
    }
    if ((className.empty() || w.className == className) && (windowName.empty() || w.caption == windowName))
      return handle;
  }
  return 0;
}

long SimWindows::GetWindowLong(WindowHandle window, int index) {
  SimWindow* w = Find(window);
  return w && index == win::GWL_EXSTYLE ? w->exStyle : 0;
}

std::uintptr_t SimWindows::GetClassLong(WindowHandle window, int index) {
  SimWindow* w = Find(window);
  return w && index == win::GCL_HICON ? w->classIcon : 0;
}

long SimWindows::SetWindowLong(WindowHandle window, int index, long value) {
  SimWindow* w = Find(window);
  if (!w || index != win::GWL_EXSTYLE) return 0;
  long previous = w->exStyle;
  w->exStyle = value;
  return previous;
}

bool SimWindows::UpdateWindow(WindowHandle window) { return Find(window) != nullptr; }

void SimWindows::WaitForWindowChange(unsigned timeoutMs) {
  AnswerSentMessages();
  s_.clockMs += timeoutMs;
}

void SimWindows::Wake(ThreadId thread) {
  s_.hungThreads.erase(thread);
  TakeQueued(thread);
}

unsigned SimWindows::RegisterWindowMessage(const std::string& name) {
  auto [it, added] = s_.registeredMessages.emplace(name, 0xC000u + static_cast<unsigned>(s_.registeredMessages.size()));
  return it->second;
}

void SimWindows::AllowMessageFromLowerRights(unsigned message) { s_.allowedFromLowerRights.insert(message); }

}  // namespace hd
