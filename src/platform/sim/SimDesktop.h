// The simulated desktop: every platform interface over one shared state, and
// what a test needs to play the user and other programs.
#pragma once
#include <string>
#include <vector>
#include "platform/Platform.h"
#include "platform/sim/SimDisplay.h"
#include "platform/sim/SimFiles.h"
#include "platform/sim/SimFormHost.h"
#include "platform/sim/SimHotkeys.h"
#include "platform/sim/SimHtmlHelp.h"
#include "platform/sim/SimProcesses.h"
#include "platform/sim/SimProfile.h"
#include "platform/sim/SimRegistry.h"
#include "platform/sim/SimShell.h"
#include "platform/sim/SimSound.h"
#include "platform/sim/SimSystem.h"
#include "platform/sim/SimWindows.h"

namespace hd {

class SimDesktop {
public:
  // The program's executable; its folder is ExeDir.
  static constexpr const char* kProgramPath = "C:\\Program Files\\Hushdesk\\hushdesk.exe";
  // The process that draws the frames of every Store app.
  static constexpr const char* kFrameHostPath = "C:\\Windows\\System32\\ApplicationFrameHost.exe";

  SimDesktop();

  SimState state;
  SimWindows windows{state};
  SimProcesses processes{state};
  SimSystem system{state};
  SimFiles files{state};
  SimProfile profile{files};
  SimRegistry registry{state};
  SimHotkeys hotkeys{state};
  SimShell shell{state};
  SimFormHost forms{state};
  SimSound sound{state, files};
  SimDisplay display{state};
  SimHtmlHelp htmlHelp{state};
  Platform platform{windows, processes, system, files, profile, registry, hotkeys, shell, forms, sound, display, htmlHelp};

  // Other programs.
  ProcessId AddProcess(const std::string& exePath);
  struct WindowOptions {
    bool visible = true;
    WindowHandle owner = 0;
    std::string className = "Window";
    WindowHandle parent = 0;
    ThreadId thread = 0;  // 0: the process's first thread
    Handle classIcon = 0;
    Handle smallIcon = 0;
  };
  WindowHandle AddWindow(ProcessId process, const std::string& caption, WindowOptions options);
  WindowHandle AddWindow(ProcessId process, const std::string& caption) { return AddWindow(process, caption, {}); }
  // A Store app: a top-level frame of the frame host holding the frame's
  // title bar and the app's own window, a child that the app's process owns.
  struct StoreApp {
    WindowHandle frame = 0;
    ProcessId process = 0;
  };
  StoreApp AddStoreApp(const std::string& exePath, const std::string& caption);
  // A frame whose app has not put its window in yet.
  WindowHandle AddStoreFrame(const std::string& caption);
  ProcessId FrameHost();
  // A program starts playing: a new audio session of its process, announced
  // to a watcher.
  std::string StartAudioSession(ProcessId process, bool muted = false);
  void EndAudioSession(const std::string& id);
  // A session's mute now; none when it has ended.
  std::optional<bool> SessionMuted(const std::string& id) const;
  SimWindow& Window(WindowHandle handle) { return state.windows.at(handle); }
  bool ProcessAlive(ProcessId process) const;
  // The window's thread stops answering (all of its windows with it).
  void Hang(WindowHandle window) { state.hungThreads.insert(Window(window).threadId); }
  // It answers again, and takes the requests queued while it hung.
  void Wake(WindowHandle window) { windows.Wake(Window(window).threadId); }
  // The window's thread is busy for ms: calls on it wait, requests queue.
  void Busy(WindowHandle window, std::uint64_t ms) { windows.Busy(Window(window).threadId, ms); }
  // A thread of its own for windows given it (they answer on their own).
  ThreadId AddThread() { return state.nextThreadId += 4; }

  // A shell taskbar: Shell_TrayWnd > TrayNotifyWnd > SysPager > ToolBarWindow32
  // with buttons (command ids kFirstTrayCommand, then 3 apart: not their
  // positions, as on a real taskbar), and the task band's toolbar under ReBarWindow32.
  struct Taskbar {
    ProcessId shell = 0;
    WindowHandle taskbar = 0, notify = 0, trayToolbar = 0, rebarToolbar = 0;
  };
  static constexpr int kFirstTrayCommand = 41;
  Taskbar AddTaskbar(const std::vector<bool>& buttonsHidden);
  // The hidden flags of the toolbar's buttons, by position.
  std::vector<bool> ButtonsHidden(WindowHandle toolbar);

  // The user.
  // Presses a key combination (MOD_* bits) and lets the program handle it.
  // Returns whether a registered hotkey took it.
  bool PressHotkey(unsigned modifiers, unsigned virtualKey);
  bool HotkeyRegistered(unsigned modifiers, unsigned virtualKey) const;
  // Keyboard or mouse input now (what GetLastInputInfo tells).
  void Input() { state.lastInputTick = static_cast<std::uint32_t>(state.clockMs); }
  // The user moves the mouse pointer.
  void MoveCursor(Point to);
  // Time passes: the timers due meanwhile fire, and what they post is handled.
  void Wait(std::uint64_t ms);
  void Pump() { forms.ProcessMessages(); }
  // Another program sends the message while the program waits for other
  // programs: it is answered at the program's next such wait.
  void SendDuringNextWait(WindowHandle window, unsigned message, WParam wParam, LParam lParam) {
    state.sentMessages.push_back({window, message, wParam, lParam});
  }
  // Drops files from the shell at a point of the form's client area.
  Handle DropFiles(Form& form, Point client, std::vector<std::string> files);
  // The user's next file dialog chooses this path (nothing: Cancel).
  void AnswerFileDialog(std::optional<std::string> path) { state.fileDialogAnswers.push_back(std::move(path)); }
  // The user's next input box ends with this text and OK (nothing: Cancel).
  void AnswerInput(std::optional<std::string> text) { state.inputAnswers.push_back(std::move(text)); }
  // What the user does in the next modal form.
  void InNextModal(std::function<void(Form&)> action) { state.modalActions.push_back(std::move(action)); }
  // Answers the next message boxes (IDYES, IDNO, IDOK).
  void AnswerMessageBox(int answer) { state.messageBoxAnswers.push_back(answer); }
  // The program crashes: what the system does before the process ends.
  void Crash() {
    if (state.crashHandler) state.crashHandler();
  }

  // Files: folders are created as needed.
  void WriteFile(const std::string& path, const std::string& content);
  std::string ReadFile(const std::string& path);
  void MakeDirectories(const std::string& path);
  // Only reading is allowed in the existing folder and below it, as an
  // administrator's install leaves "Program Files" to a user.
  void MakeReadOnly(const std::string& folder) { state.files.at(SimFiles::Key(folder)).readOnly = true; }
  // Another program opens the existing file without sharing, or closes it.
  void HoldOpen(const std::string& path, bool held = true);
};

}  // namespace hd
