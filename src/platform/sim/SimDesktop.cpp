// Set-up helpers for tests of the simulated desktop.
#include "platform/sim/SimDesktop.h"
#include <stdexcept>
#include "ui/Form.h"

namespace hd {

SimDesktop::SimDesktop() {
  state.programProcess = AddProcess(kProgramPath);
  MakeDirectories("C:\\Program Files\\Hushdesk");
  // A plain display with one mode, as a virtual screen has.
  state.currentMode = DevMode{156, 0, 32, 1024, 768, 60};
  state.displayModes = {state.currentMode};
}

ProcessId SimDesktop::AddProcess(const std::string& exePath) {
  const ProcessId id = state.nextProcessId;
  state.nextProcessId += 4;
  state.processes[id] = SimProcess{id, exePath};
  return id;
}

std::string SimDesktop::StartAudioSession(ProcessId process, bool muted) {
  const std::string id = "session" + std::to_string(state.audioSessions.size() + 1) + "|" + std::to_string(process);
  state.audioSessions.push_back({id, process, muted, false});
  if (state.audioWatch) state.queue.push_back(*state.audioWatch);
  return id;
}

void SimDesktop::EndAudioSession(const std::string& id) {
  for (auto& session : state.audioSessions)
    if (session.id == id) session.ended = true;
}

std::optional<bool> SimDesktop::SessionMuted(const std::string& id) const {
  for (const auto& session : state.audioSessions)
    if (session.id == id && !session.ended) return session.muted;
  return std::nullopt;
}

WindowHandle SimDesktop::AddWindow(ProcessId process, const std::string& caption, WindowOptions options) {
  SimWindow window;
  window.handle = state.nextHandle;
  state.nextHandle += 4;
  window.caption = caption;
  window.className = options.className;
  window.processId = process;
  window.threadId = options.thread ? options.thread : process + 1;
  window.owner = options.owner;
  window.parent = options.parent;
  window.visible = options.visible;
  window.classIcon = options.classIcon;
  window.smallIcon = options.smallIcon;
  if (window.parent == 0) state.zOrder.insert(state.zOrder.begin(), window.handle);
  state.windows[window.handle] = window;
  return window.handle;
}

SimDesktop::Taskbar SimDesktop::AddTaskbar(const std::vector<bool>& buttonsHidden) {
  Taskbar t;
  t.shell = AddProcess("C:\\WINDOWS\\Explorer.EXE");
  auto child = [&](WindowHandle parent, const char* className) {
    return AddWindow(t.shell, "", {true, 0, className, parent});
  };
  t.taskbar = AddWindow(t.shell, "", {true, 0, "Shell_TrayWnd", 0});
  t.rebarToolbar = child(child(t.taskbar, "ReBarWindow32"), "ToolBarWindow32");
  t.notify = child(t.taskbar, "TrayNotifyWnd");
  t.trayToolbar = child(child(t.notify, "SysPager"), "ToolBarWindow32");
  // As on a real taskbar, the command ids are not the positions.
  int command = SimDesktop::kFirstTrayCommand;
  for (bool hidden : buttonsHidden) {
    Window(t.trayToolbar).toolbarButtons.push_back({command, hidden});
    command += 3;
  }
  return t;
}

std::vector<bool> SimDesktop::ButtonsHidden(WindowHandle toolbar) {
  std::vector<bool> hidden;
  for (const SimToolbarButton& button : Window(toolbar).toolbarButtons) hidden.push_back(button.hidden);
  return hidden;
}

ProcessId SimDesktop::FrameHost() {
  for (const auto& [id, process] : state.processes)
    if (process.alive && process.exePath == kFrameHostPath) return id;
  return AddProcess(kFrameHostPath);
}

WindowHandle SimDesktop::AddStoreFrame(const std::string& caption) {
  const ProcessId host = FrameHost();
  const WindowHandle frame = AddWindow(host, caption, {.className = "ApplicationFrameWindow"});
  AddWindow(host, "", {.className = "ApplicationFrameTitleBarWindow", .parent = frame});
  return frame;
}

SimDesktop::StoreApp SimDesktop::AddStoreApp(const std::string& exePath, const std::string& caption) {
  StoreApp app{AddStoreFrame(caption), AddProcess(exePath)};
  AddWindow(app.process, caption, {.className = "Windows.UI.Core.CoreWindow", .parent = app.frame});
  return app;
}

bool SimDesktop::ProcessAlive(ProcessId process) const {
  auto it = state.processes.find(process);
  return it != state.processes.end() && it->second.alive;
}

bool SimDesktop::PressHotkey(unsigned modifiers, unsigned virtualKey) {
  Input();
  auto it = state.hotkeys.find({modifiers, virtualKey});
  if (it == state.hotkeys.end()) return false;
  windows.PostMessage(it->second.window, win::WM_HOTKEY, static_cast<WParam>(it->second.id),
                      static_cast<LParam>((virtualKey << 16) | modifiers));
  Pump();
  return true;
}

void SimDesktop::MoveCursor(Point to) {
  state.cursor = to;
  Input();
}

// Each timer fires at the end of every period that passes, in the order due.
void SimDesktop::Wait(std::uint64_t ms) {
  const std::uint64_t end = state.clockMs + ms;
  for (;;) {
    auto next = state.timerDue.end();
    for (auto it = state.timerDue.begin(); it != state.timerDue.end(); ++it)
      if (it->second <= end && (next == state.timerDue.end() || it->second < next->second)) next = it;
    if (next == state.timerDue.end()) break;
    const auto [window, id] = next->first;
    state.clockMs = std::max(state.clockMs, next->second);
    next->second = state.clockMs + std::max(1u, state.timers.at(next->first));
    SimWindows::Dispatch(state, window, win::WM_TIMER, id, 0);
    Pump();
  }
  state.clockMs = std::max(state.clockMs, end);
}

bool SimDesktop::HotkeyRegistered(unsigned modifiers, unsigned virtualKey) const {
  return state.hotkeys.count({modifiers, virtualKey}) > 0;
}

Handle SimDesktop::DropFiles(Form& form, Point client, std::vector<std::string> files) {
  const Handle drop = state.nextKernelHandle++;
  state.drops[drop] = SimDrop{client, std::move(files), 0};
  windows.PostMessage(form.Handle(), win::WM_DROPFILES, drop, 0);
  Pump();
  return drop;
}

void SimDesktop::MakeDirectories(const std::string& path) {
  std::uint32_t error = 0;
  for (std::size_t pos = path.find('\\', 3); ; pos = path.find('\\', pos + 1)) {
    const std::string part = path.substr(0, pos);
    if (!files.DirectoryExists(part)) files.CreateDirectory(part, error);
    if (pos == std::string::npos) break;
  }
}

void SimDesktop::WriteFile(const std::string& path, const std::string& content) {
  MakeDirectories(path.substr(0, path.find_last_of('\\')));
  std::uint32_t error = 0;
  if (!files.WriteFile(path, content, error)) throw std::runtime_error("cannot write " + path);
}

void SimDesktop::HoldOpen(const std::string& path, bool held) {
  state.files.at(SimFiles::Key(path)).heldOpen = held;
}

std::string SimDesktop::ReadFile(const std::string& path) {
  std::string content;
  std::uint32_t error = 0;
  if (!files.ReadFile(path, content, error)) throw std::runtime_error("cannot read " + path);
  return content;
}

}  // namespace hd
