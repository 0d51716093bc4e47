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
#include "platform/Display.h"
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
  bool cloaked = false;     // kept off the screen by the window manager (Windows 8 on)
  Point position;  // the program's forms: the top left corner
  bool iconic = false;
  bool zoomed = false;      // maximised; kept while minimised, as restoring returns to it
  long exStyle = 0;
  Form* form = nullptr;      // the program's own forms
  MessageHandler handler;    // the program's message windows
  std::vector<SimToolbarButton> toolbarButtons;  // a toolbar's buttons, by position
  Handle classIcon = 0;  // GetClassLong(GCL_HICON)
  Handle smallIcon = 0;  // the answer to WM_GETICON ICON_SMALL
};

struct SimProcess {
  ProcessId processId = 0;
  std::string exePath;
  bool modulesReadable = true;        // false: ToolHelp cannot list its modules
  bool imagePathQueryable = true;     // QueryFullProcessImageName answers
  bool alive = true;
  unsigned exitCode = 0;
  bool exeHasIcon = true;  // ExtractIcon finds an icon in its file
};

struct SimDrop {
  Point point;  // client coordinates of the window dropped on
  std::vector<std::string> files;
  int finishes = 0;  // DragFinish calls
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
  WindowHandle window = 0;  // while it was open
};

// A form as it appeared: where it stood at that moment.
struct ShownForm {
  std::string name;
  Point position;
};

struct ShownInputQuery {
  std::string caption, prompt, initial;
  InputEcho echo;
};

struct ShellExecuteCall {
  WindowHandle owner;
  std::string file, parameters, directory;
  int showCommand;
  std::string verb;  // empty: the default verb
};

struct ProcessStart {
  std::string application, commandLine, directory;
  int showCommand;
};

struct HtmlHelpCall {
  WindowHandle owner;
  std::string file;
  unsigned command;
  std::uintptr_t data;
};

struct SimFile {
  std::string path;  // as first written (letter case kept)
  std::string content;
  bool directory = false;
  bool heldOpen = false;        // another program has it open without sharing
  std::uint32_t readError = 0;  // reading fails with this error (its rights, a failing disk)
  bool tooLargeToRead = false;  // reading it whole exhausts a 32-bit process's memory
  bool readOnly = false;        // a folder whose access rights let this user only read
  std::uint64_t size = 0;       // its size when larger than its content here (0: the content's)
};

struct SimState {
  // Windows: handles and the top-level Z order, topmost first.
  std::map<WindowHandle, SimWindow> windows;
  std::vector<WindowHandle> zOrder;
  WindowHandle nextHandle = 0x10010;
  WindowHandle foreground = 0;
  WindowHandle applicationWindow = 0;
  std::deque<PostedMessage> queue;
  // What other programs send while the program waits (a click on the tray
  // icon from the shell, the session's end): answered by that wait, as
  // Windows delivers sent messages to a thread waiting on another.
  std::deque<PostedMessage> sentMessages;
  std::map<std::string, unsigned> registeredMessages;
  // The program runs as administrator: broadcasts from the shell are held
  // back unless let through.
  bool elevated = false;
  std::set<unsigned> allowedFromLowerRights;
  std::map<std::pair<WindowHandle, unsigned>, unsigned> timers;  // (window,id) -> ms
  std::map<std::pair<WindowHandle, unsigned>, std::uint64_t> timerDue;  // when each fires next
  ThreadId nextThreadId = 0x70000;  // a process's first thread is its id + 1
  std::set<ThreadId> hungThreads;  // threads that stopped answering
  std::map<ThreadId, std::uint64_t> busyUntil;  // threads that answer late: when, on the clock
  // The calls that change other windows' state and the hotkeys, in the order
  // made: "ShowWindow <window> <command>", "ShowWindowAsync ...",
  // "CloseWindow <window>", "UnregisterHotKey <id>", "ReplaceFile <to>",
  // "NotifyIcon <message>", "SnapshotProcesses";
  // kept while logCalls is on, with the clock when each was made.
  bool logCalls = false;
  std::vector<std::string> callLog;
  std::vector<std::uint64_t> callClock;
  void LogCall(std::string call) {
    if (!logCalls) return;
    callLog.push_back(std::move(call));
    callClock.push_back(clockMs);
  }
  void ClearCallLog() {
    callLog.clear();
    callClock.clear();
  }
  // ShowWindowAsync requests (window, command) that a hung or busy thread
  // takes when it answers again.
  std::map<ThreadId, std::deque<std::pair<WindowHandle, int>>> queuedShows;

  // Processes; the program's own is programProcess.
  std::map<ProcessId, SimProcess> processes;
  ProcessId nextProcessId = 2000;
  ProcessId programProcess = 0;
  std::vector<std::string> commandLine;
  bool toolhelpAvailable = true;
  std::vector<ProcessStart> processStarts;  // the processes the program started

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
  // The monitors on the virtual screen; none listed: the one primary screen.
  std::vector<Rect> monitors;
  std::uint32_t lastInputTick = 0;  // the clock's low 32 bits at the last input
  char decimalSeparator = '.';
  std::uint64_t clockMs = 0;  // advanced by Sleep and by calls that would block
  std::string systemDirectory = "C:\\WINDOWS\\system32";
  // The process's environment, by lower-cased name.
  std::map<std::string, std::string> environment{{"appdata", "C:\\Documents and Settings\\User\\Application Data"}};
  std::vector<unsigned> beeps;
  std::function<void()> crashHandler;  // SimDesktop::Crash runs it
  SessionIdentity session{"DESK", "alice", 1, 13'400'000'000};

  // -- settings additions --

  // Files, by lower-cased path.
  std::map<std::string, SimFile> files;
  // Lower-cased path -> error: a write there fails part-way (the file is left
  // cut short, as on a full disk), and so does a replace onto it.
  std::map<std::string, std::uint32_t> failingWrites;
  bool diskFull = false;  // every write fails part-way with ERROR_DISK_FULL
  // With recordFileHistory on, every state the files pass through, one after
  // each step a killed program could stop at (a write is truncated first).
  bool recordFileHistory = false;
  std::vector<std::map<std::string, SimFile>> fileHistory;
  std::uint64_t fileCalls = 0;  // every call of the file interface

  // -- hiding additions --

  // The user interface: scripted answers and what was shown.
  std::deque<int> messageBoxAnswers;  // default: IDOK / IDNO
  std::vector<ShownMessageBox> messageBoxes;
  std::vector<ShownForm> formsShown;
  // What the user types into the next input boxes, then OK; nothing (or no
  // answer left) is Cancel.
  std::deque<std::optional<std::string>> inputAnswers;
  std::vector<ShownInputQuery> inputQueries;
  std::deque<int> popupChoices;       // default: -1 (dismissed)
  std::vector<std::vector<std::string>> popupsShown;
  std::vector<Point> popupPoints;  // where each was shown
  Point cursor{1000, 740};
  bool quitRequested = false;
  // Modal forms: what the user does in each one shown (closing it, unless
  // the action sets its result, gives Cancel), and the names of those shown.
  std::deque<std::function<void(Form&)>> modalActions;
  std::vector<std::string> modalsShown;
  // File dialogs: the path the user chooses, or nothing for Cancel (the default).
  std::deque<std::optional<std::string>> fileDialogAnswers;
  std::vector<FileDialogOptions> fileDialogsShown;
  const Control* focused = nullptr;
  // What the program told the list boxes of shown forms, in order.
  struct ListChangeTold {
    const ListBox* list;
    ListChange change;
    int index;
    bool operator==(const ListChangeTold&) const = default;
  };
  std::vector<ListChangeTold> listChanges;


  // Icons: those ExtractIcon handed out and not yet destroyed; each image
  // list with the copies it holds, by the icons they were made from.
  std::set<Handle> extractedIcons;
  std::map<Handle, std::vector<Handle>> imageLists;
  Handle nextIcon = 0x9000;
  std::map<Handle, SimDrop> drops;

  // -- tray additions --

  // The shell.
  std::vector<NotifyIconData> notifyIcons;  // the icons in the notification area
  std::vector<std::pair<unsigned, NotifyIconData>> notifyCalls;
  std::vector<ShellExecuteCall> shellExecutes;
  std::set<WindowHandle> dropTargets;
  Handle applicationIcon = 0x7001;
  bool shellAccepts = true;
  int repaints = 0;

  // -- sound and display additions --

  // The audio device: up to Windows XP the wave-out volume is the device's;
  // from Vista on it is only the calling program's session, and the device's
  // master volume is reached through the endpoint volume interface alone.
  std::uint32_t waveVolume = 0xFFFFFFFF;  // XP: the device; Vista on: the program's session
  float masterVolume = 1.0f;              // Vista on
  bool masterMuted = false;               // Vista on: the endpoint's mute, apart from its level
  struct PlayedSound {
    std::string path;
    unsigned flags;
    std::uint32_t waveVolume;  // the volumes while it played
    float masterVolume;
    bool masterMuted;
  };
  std::vector<PlayedSound> soundsPlayed;
  std::uint64_t soundLengthMs = 1500;  // how long a sample blocks its caller
  // Vista on: the programs' audio sessions, on any device, in the order they
  // started; an ended one is gone from the enumeration.
  struct SimAudioSession {
    std::string id;
    ProcessId process = 0;
    bool muted = false;
    bool ended = false;
  };
  std::vector<SimAudioSession> audioSessions;
  std::optional<PostedMessage> audioWatch;  // posted at each new session

  // The display: its modes in the order it reports them, duplicates allowed.
  std::vector<DevMode> displayModes;
  DevMode currentMode;
  bool currentModeReadable = true;  // false: the driver does not tell the mode in force
  std::vector<DevMode> modeChanges;  // every ChangeDisplaySettings record

  // HTML Help: "HHCTRL.OCX" and its export, the calls and the open help windows.
  bool htmlHelpInstalled = true, htmlHelpExport = true, htmlHelpLoaded = false;
  std::vector<HtmlHelpCall> htmlHelpCalls;
  std::vector<WindowHandle> helpWindows;
  bool shellShowsBalloons = true;
  std::vector<NotifyIconData> balloons;  // shown from an icon, in order
};

}  // namespace hd
