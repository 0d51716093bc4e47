// The end-to-end harness: the real program in a folder of its own, other
// programs' windows, the keyboard, and bounded waits.
#pragma once
#include <windows.h>
#include <functional>
#include <string>
#include <vector>

namespace e2e {

// Polls until the condition holds or the time is up; whether it held.
bool WaitUntil(const std::function<bool()>& condition, DWORD timeoutMs = 5000);

// Presses and releases a key combination through SendInput.
void PressKeys(std::initializer_list<WORD> modifiers, WORD key);

std::string NewTempDir(const std::string& prefix);
void WriteTextFile(const std::string& path, const std::string& content);
std::string ReadTextFile(const std::string& path);
bool FileExists(const std::string& path);
// The path of this test program (to start it again as a helper application).
std::string SelfPath();

// Top-level windows of a process, in Z order.
std::vector<HWND> WindowsOfProcess(DWORD processId);
std::string WindowText(HWND window);
HWND FindWindowOfProcess(DWORD processId, const std::string& caption);

// The process's shown HTML Help window, or null.
HWND HelpWindowOf(DWORD processId);

// A message box of the process: its window, or null.
HWND FindMessageBox(DWORD processId);
// The texts of a dialog's static controls, joined by line breaks.
std::string DialogText(HWND dialog);
// Presses the dialog's OK (or the only) button.
void DismissDialog(HWND dialog);

// The command id of the fake taskbar's notification button at a position:
// as on a real taskbar, not the position.
constexpr int FakeTrayCommand(int position) { return 41 + 3 * position; }

// Starts a program of the Unix side (xdotool, import); Wine does not wait for it.
void RunUnixTool(const std::string& commandLine);
// Clicks at a screen point with the X pointer (button 1 left, 3 right).
void ClickAt(int x, int y, int button);
// Clicks the middle of a control with the X pointer.
void ClickControl(HWND control);

// The notification icons shown in Wine's system tray, and their number.
std::vector<HWND> TrayIcons();
int TrayIconCount();
// The icon window shown after `before` others, or null.
HWND OurTrayIcon(int before);
// Right-clicks that icon: its popup menu once open, or null.
HWND OpenTrayMenu(int iconsBefore);
HWND OpenTrayMenuOf(HWND icon);
// The open popup menu (its window), or null.
HWND FindPopupMenu();
// Chooses a popup menu's first or last item with the keyboard (the menu's
// items cannot be read from another process under Wine).
void ChooseFirstMenuItem(HWND menuWindow);
void ChooseLastMenuItem(HWND menuWindow);
// Presses Down that many times (separators are skipped), then Enter.
void ChooseMenuItem(HWND menuWindow, int downs);

// Sets the system version Wine reports to hushdesk.exe ("winxp", "win2k"
// ...); an empty text removes the setting.
void SetReportedWindowsVersion(const std::string& version);

// Runs one test of this program ("Suite.Name", registered by
// RegisterDesktopTests) in a child inside a 1024x768 Wine virtual desktop:
// the child's exit code, and its failures' texts.
DWORD RunInVirtualDesktop(const std::string& test, std::string& failures);
void RegisterDesktopTests();
// Sets the DPI that Wine gives programs started afterwards (0: its default, 96).
void SetScreenDpi(int dpi);

// With HD_SCREENSHOT_DIR set, saves the screen there as NAME.png.
void Screenshot(const std::string& name);

// A started process; ended at destruction when still running.
class Process {
public:
  Process() = default;
  Process(const std::string& exe, const std::string& arguments, const std::string& directory = "");
  Process(Process&& other) noexcept;
  Process& operator=(Process&& other) noexcept;
  ~Process();
  bool Started() const { return info_.hProcess != nullptr; }
  DWORD Id() const { return info_.dwProcessId; }
  bool Running() const;
  // The exit code, or STILL_ACTIVE when it did not end in time.
  DWORD WaitForExit(DWORD timeoutMs);
  void Kill();

private:
  PROCESS_INFORMATION info_{};
};

// Posted to a helper's window: its thread stops answering for wParam ms.
constexpr UINT kHelperStopAnswering = WM_APP + 1;

// Another program for the tests: the helper mode of this test program.
// Options: "--hidden", "--owned" (adds a dialog owned by the window),
// "--hang-after MS" (its thread stops answering after MS milliseconds),
// "--hold-mode-keys" (it registers Ctrl+` before the program can).
// "--into HWND" (hexadecimal: the window becomes a child of that window of
// another process).
Process StartHelperApp(const std::string& exe, const std::string& caption, const std::string& options = "");
// Copies this test program to a new file, so a helper runs under that path.
std::string CopySelfTo(const std::string& path);

// The real hushdesk.exe, its release folder copied into a folder of its own.
class Hushdesk {
public:
  explicit Hushdesk(const std::string& name);
  const std::string& Dir() const { return dir_; }
  const std::string& Exe() const { return exe_; }
  // The working folder of the next start; the program's own by default.
  void WorkIn(const std::string& folder) { workDir_ = folder; }
  // Writes a file relative to the program's folder, creating folders.
  void WriteSetting(const std::string& relativePath, const std::string& content);
  // Starts it and waits until start-up has finished, told by the program
  // holding the given hotkey (0: only until its configuration window exists).
  bool Start(const std::string& arguments = "", UINT readyModifiers = MOD_CONTROL, UINT readyKey = 'Q');
  Process& process() { return process_; }
  HWND ConfigWindow() const;
  // Whether the program holds the hotkey, asked once its thread has finished
  // what it was doing. Never polled: the probe takes the hotkey for a moment,
  // and the program's own registration would fail if it came just then.
  bool Holds(UINT modifiers, UINT key);
  // Ends it with the terminate hotkey; the exit code.
  DWORD TerminateByHotkey();

private:
  std::string dir_;
  std::string exe_;
  std::string workDir_;
  Process process_;
};

// Opens the configuration window with "Configure..." of the program's tray
// menu, its icon shown after `iconsBefore` others: the window once shown, or null.
HWND OpenConfiguration(Hushdesk& program, int iconsBefore);
// The program's icon window in Wine's system tray, counting from the icons
// there before it started; null when there is none.
HWND OurTrayIcon(int before);
// Right-clicks the icon: the open menu, or null.
HWND OpenTrayMenu(int iconsBefore);
// Starts the program and waits for its new tray icon: the icon, or null.
HWND StartWithTrayIcon(Hushdesk& program);
// Starts the program and right-clicks its new tray icon: the menu, or null.
HWND StartWithTrayMenu(Hushdesk& program);
// Starts the program and opens its configuration window from the tray menu:
// the window once it is shown, or null.
HWND StartWithConfiguration(Hushdesk& program);
// Opens the configuration window from the tray menu of the program's icon.
HWND OpenConfigurationFrom(Hushdesk& program, HWND icon);
// The texts of a list box of another process.
std::vector<std::string> ListBoxItems(HWND list);

// Default hotkeys.
void PressModeHotkey();
void PressVisibleHotkey();
void PressTerminateHotkey();
// For scripts/demo: whether a running program answers (waiting for it), and
// pressing its hotkey "mode", "visible" or "terminate" once it does.
bool WaitForRunningProgram();
bool PressHotkeyOfRunningProgram(const std::string& name);

}  // namespace e2e
