// The simulated desktop's state, shared by the simulated platform interfaces.
#pragma once
#include <cstdint>
#include <deque>
#include <functional>
#include <map>
#include <optional>
#include <set>
#include <string>
#include <vector>
#include "platform/Shell.h"
#include "platform/System.h"
#include "platform/Types.h"
#include "ui/FormHost.h"

namespace hd {

class Form;

// A toolbar button: the control finds buttons by their command id.
struct SimToolbarButton {
  int command = 0;
  bool hidden = false;
};

struct SimWindow {
  WindowHandle handle = 0;
  std::string caption;
  std::string className;
  ProcessId processId = 0;
  ThreadId threadId = 0;
  WindowHandle owner = 0;
  WindowHandle parent = 0;  // 0 for top-level windows
  bool visible = false;
  bool iconic = false;
  bool zoomed = false;      // maximised; kept while minimised, as restoring returns to it
  long exStyle = 0;
  Form* form = nullptr;      // the program's own forms
  MessageHandler handler;    // the program's message windows
  std::vector<SimToolbarButton> toolbarButtons;  // a toolbar's buttons, by position
};

struct SimProcess {
  ProcessId processId = 0;
  std::string exePath;
  bool modulesReadable = true;        // false: ToolHelp cannot list its modules
  bool imagePathQueryable = true;     // QueryFullProcessImageName answers
  bool alive = true;
  unsigned exitCode = 0;
};

struct PostedMessage {
  WindowHandle window;
  unsigned message;
  WParam wParam;
  LParam lParam;
};

struct ShownMessageBox {
  std::string text, caption;
  unsigned type;
};

struct ShellExecuteCall {
  WindowHandle owner;
  std::string file, parameters, directory;
  int showCommand;
};

struct SimFile {
  std::string path;  // as first written (letter case kept)
  std::string content;
  bool directory = false;
};

struct SimState {
  // Windows: handles and the top-level Z order, topmost first.
  std::map<WindowHandle, SimWindow> windows;
  std::vector<WindowHandle> zOrder;
  WindowHandle nextHandle = 0x10010;
  WindowHandle foreground = 0;
  WindowHandle applicationWindow = 0;
  std::deque<PostedMessage> queue;
  std::map<std::string, unsigned> registeredMessages;
  std::map<std::pair<WindowHandle, unsigned>, unsigned> timers;  // (window,id) -> ms
  ThreadId nextThreadId = 0x70000;  // a process's first thread is its id + 1
  std::set<ThreadId> hungThreads;  // threads that stopped answering
  // The calls that change other windows' state and the hotkeys, in the order
  // made: "ShowWindow <window> <command>", "ShowWindowAsync ...",
  // "CloseWindow <window>", "UnregisterHotKey <id>"; kept while logCalls is on.
  bool logCalls = false;
  std::vector<std::string> callLog;

  // Processes; the program's own is programProcess.
  std::map<ProcessId, SimProcess> processes;
  ProcessId nextProcessId = 2000;
  ProcessId programProcess = 0;
  std::vector<std::string> commandLine;
  bool toolhelpAvailable = true;

  // Hotkeys: (modifiers, vk) -> (window, id).
  struct HotkeyEntry { WindowHandle window; int id; };
  std::map<std::pair<unsigned, unsigned>, HotkeyEntry> hotkeys;
  std::vector<std::pair<unsigned, unsigned>> registrationLog;  // (id, modifiers)

  // System.
  std::set<std::string> mutexes;
  std::map<Handle, std::string> mutexHandles;
  Handle nextKernelHandle = 0x100;
  OsVersionInfo version{148, 5, 1, 2600, 2, "Service Pack 2"};
  std::vector<std::pair<ProcessId, std::uint32_t>> serviceProcessCalls;
  int serviceProcessLookups = 0;  // tries, whether or not the system has the call
  int screenWidth = 1024, screenHeight = 768;
  char decimalSeparator = '.';
  std::uint64_t clockMs = 0;  // advanced by Sleep and by calls that would block
  std::vector<unsigned> beeps;
  std::function<void()> crashHandler;  // SimDesktop::Crash runs it

  // -- settings additions --

  // Files, by lower-cased path.
  std::map<std::string, SimFile> files;
  // Lower-cased path -> error: a write there fails part-way (the file is left
  // cut short, as on a full disk), and so does a replace onto it.
  std::map<std::string, std::uint32_t> failingWrites;

  // -- hiding additions --

  // The user interface: scripted answers and what was shown.
  std::deque<int> messageBoxAnswers;  // default: IDOK / IDNO
  std::vector<ShownMessageBox> messageBoxes;
  std::deque<int> popupChoices;       // default: -1 (dismissed)
  std::vector<std::vector<std::string>> popupsShown;
  std::vector<Point> popupPoints;  // where each was shown
  Point cursor{1000, 740};
  bool quitRequested = false;

  // -- tray additions --

  // The shell.
  std::vector<NotifyIconData> notifyIcons;  // the icons in the notification area
  std::vector<std::pair<unsigned, NotifyIconData>> notifyCalls;
  std::vector<ShellExecuteCall> shellExecutes;
  std::set<WindowHandle> dropTargets;
  Handle applicationIcon = 0x7001;
  bool shellAccepts = true;
  bool shellShowsBalloons = true;
  std::vector<NotifyIconData> balloons;  // shown from an icon, in order
};

}  // namespace hd
