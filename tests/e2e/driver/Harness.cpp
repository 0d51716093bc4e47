// Processes, windows, files and keys for the end-to-end tests.
#include "Harness.h"
#include <cstring>
#include <gtest/gtest.h>
#include <algorithm>
#include <cstdlib>
#include <fstream>
#include <sstream>

namespace e2e {

bool WaitUntil(const std::function<bool()>& condition, DWORD timeoutMs) {
  const DWORD start = ::GetTickCount();
  for (;;) {
    if (condition()) return true;
    if (::GetTickCount() - start > timeoutMs) return condition();
    ::Sleep(20);
  }
}

namespace {
// Under Wine a window that gains the X focus resets the modifier keys to what
// the X server holds, and injected keys never reach the X server: a Ctrl
// pressed just before another program takes the focus is lost. So keys are
// pressed on a quiet desktop: every window's thread has handled what was sent
// to it (and with it the X events that came before), as a person's hands
// would wait for the screen.
void WaitForQuietDesktop() {
  const DWORD self = ::GetCurrentProcessId();
  for (HWND w = ::GetTopWindow(nullptr); w; w = ::GetWindow(w, GW_HWNDNEXT)) {
    DWORD owner = 0;
    ::GetWindowThreadProcessId(w, &owner);
    DWORD_PTR result = 0;
    if (owner != self) ::SendMessageTimeoutA(w, WM_NULL, 0, 0, SMTO_ABORTIFHUNG | SMTO_BLOCK, 300, &result);
  }
  ::Sleep(100);
}

void SendKey(WORD vk, bool up) {
  INPUT input{};
  input.type = INPUT_KEYBOARD;
  input.ki.wVk = vk;
  // The scan code too, as a keyboard sends it: controls that read keys
  // (the hotkey edit) need it to name the key.
  input.ki.wScan = static_cast<WORD>(::MapVirtualKeyA(vk, MAPVK_VK_TO_VSC));
  input.ki.dwFlags = up ? KEYEVENTF_KEYUP : 0;
  ::SendInput(1, &input, sizeof input);
}

bool KeyDown(WORD vk) { return (::GetAsyncKeyState(vk) & 0x8000) != 0; }
}  // namespace

void PressKeys(std::initializer_list<WORD> modifiers, WORD key) {
  WaitForQuietDesktop();
  for (WORD m : modifiers) SendKey(m, false);
  WaitUntil([&] { return std::all_of(modifiers.begin(), modifiers.end(), KeyDown); }, 1000);
  SendKey(key, false);
  SendKey(key, true);
  for (auto it = modifiers.end(); it != modifiers.begin();) SendKey(*--it, true);
}

void PressModeHotkey() { PressKeys({VK_CONTROL}, VK_OEM_3); }
void PressVisibleHotkey() { PressKeys({VK_CONTROL}, VK_BACK); }
void PressTerminateHotkey() { PressKeys({VK_CONTROL}, 'Q'); }

bool WaitForRunningProgram() {
  HWND program = nullptr;
  WaitUntil([&] { return (program = ::FindWindowA(nullptr, "Hushdesk - Configuration")) != nullptr; }, 20000);
  DWORD_PTR result = 0;
  return program && ::SendMessageTimeoutA(program, WM_NULL, 0, 0, SMTO_NORMAL, 20000, &result);
}

bool PressHotkeyOfRunningProgram(const std::string& name) {
  if (!WaitForRunningProgram()) return false;
  if (name == "mode")
    PressModeHotkey();
  else if (name == "visible")
    PressVisibleHotkey();
  else if (name == "terminate")
    PressTerminateHotkey();
  else
    return false;
  return true;
}

std::string NewTempDir(const std::string& prefix) {
  char base[MAX_PATH] = {};
  ::GetTempPathA(MAX_PATH, base);
  for (unsigned n = ::GetTickCount();; ++n) {
    const std::string dir = std::string(base) + prefix + std::to_string(n);
    if (::CreateDirectoryA(dir.c_str(), nullptr)) return dir + "\\";
  }
}

void WriteTextFile(const std::string& path, const std::string& content) {
  for (std::size_t pos = path.find('\\', 3); pos != std::string::npos; pos = path.find('\\', pos + 1))
    ::CreateDirectoryA(path.substr(0, pos).c_str(), nullptr);
  std::ofstream(path, std::ios::binary) << content;
}

std::string ReadTextFile(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  std::ostringstream text;
  text << in.rdbuf();
  return text.str();
}

bool FileExists(const std::string& path) {
  const DWORD attributes = ::GetFileAttributesA(path.c_str());
  return attributes != INVALID_FILE_ATTRIBUTES && !(attributes & FILE_ATTRIBUTE_DIRECTORY);
}

std::string SelfPath() {
  char path[MAX_PATH] = {};
  ::GetModuleFileNameA(nullptr, path, MAX_PATH);
  return path;
}

std::vector<HWND> WindowsOfProcess(DWORD processId) {
  std::vector<HWND> windows;
  for (HWND w = ::GetTopWindow(nullptr); w; w = ::GetWindow(w, GW_HWNDNEXT)) {
    DWORD owner = 0;
    ::GetWindowThreadProcessId(w, &owner);
    if (owner == processId) windows.push_back(w);
  }
  return windows;
}

std::string WindowText(HWND window) {
  char text[512] = {};
  ::GetWindowTextA(window, text, sizeof text);
  return text;
}

HWND FindWindowOfProcess(DWORD processId, const std::string& caption) {
  for (HWND w : WindowsOfProcess(processId))
    if (WindowText(w) == caption) return w;
  return nullptr;
}

HWND HelpWindowOf(DWORD processId) {
  for (HWND w : WindowsOfProcess(processId)) {
    char className[64] = {};
    ::GetClassNameA(w, className, sizeof className);
    if (std::string(className) == "HH Parent" && ::IsWindowVisible(w)) return w;
  }
  return nullptr;
}

HWND FindMessageBox(DWORD processId) {
  for (HWND w : WindowsOfProcess(processId)) {
    char className[64] = {};
    ::GetClassNameA(w, className, sizeof className);
    if (std::string(className) == "#32770" && ::IsWindowVisible(w)) return w;
  }
  return nullptr;
}

std::string DialogText(HWND dialog) {
  std::string text;
  for (HWND child = ::GetWindow(dialog, GW_CHILD); child; child = ::GetWindow(child, GW_HWNDNEXT)) {
    char className[64] = {};
    ::GetClassNameA(child, className, sizeof className);
    if (_stricmp(className, "Static") == 0) text += WindowText(child) + "\n";
  }
  return text;
}

void DismissDialog(HWND dialog) { ::PostMessageA(dialog, WM_COMMAND, IDOK, 0); }

void RunUnixTool(const std::string& commandLine) {
  // Wine returns at once for a Unix program: callers wait for its effect.
  const std::string exe = commandLine.substr(0, commandLine.find(' '));
  Process tool(exe, commandLine.substr(exe.size() + (commandLine.size() > exe.size() ? 1 : 0)));
  tool.WaitForExit(15000);
}

void ClickAt(int x, int y, int button) {
  RunUnixTool("/usr/bin/xdotool mousemove " + std::to_string(x) + " " + std::to_string(y) + " click " +
              std::to_string(button));
}

void ClickControl(HWND control) {
  RECT rect{};
  ::GetWindowRect(control, &rect);
  ClickAt((rect.left + rect.right) / 2, (rect.top + rect.bottom) / 2, 1);
}

std::vector<HWND> TrayIcons() {
  std::vector<HWND> icons;
  for (HWND tray = ::FindWindowA("__winex11_standalone_tray", nullptr); tray;
       tray = ::FindWindowExA(nullptr, tray, "__winex11_standalone_tray", nullptr))
    for (HWND icon = ::FindWindowExA(tray, nullptr, "__winex11_tray_icon", nullptr); icon;
         icon = ::FindWindowExA(tray, icon, "__winex11_tray_icon", nullptr))
      if (::IsWindowVisible(icon)) icons.push_back(icon);
  return icons;
}

int TrayIconCount() { return static_cast<int>(TrayIcons().size()); }

HWND FindPopupMenu() {
  HWND menu = ::FindWindowA("#32768", nullptr);
  return menu && ::IsWindowVisible(menu) ? menu : nullptr;
}

namespace {
void MenuKey(HWND menuWindow, WPARAM key) {
  ::PostMessageA(menuWindow, WM_KEYDOWN, key, 0);
  ::PostMessageA(menuWindow, WM_KEYUP, key, 0);
}
}  // namespace

void ChooseFirstMenuItem(HWND menuWindow) {
  MenuKey(menuWindow, VK_DOWN);
  MenuKey(menuWindow, VK_RETURN);
}

void ChooseMenuItem(HWND menuWindow, int downs) {
  for (int i = 0; i < downs; ++i) MenuKey(menuWindow, VK_DOWN);
  MenuKey(menuWindow, VK_RETURN);
}

void ChooseLastMenuItem(HWND menuWindow) {
  MenuKey(menuWindow, VK_UP);
  MenuKey(menuWindow, VK_RETURN);
}

void SetReportedWindowsVersion(const std::string& version) {
  HKEY key = nullptr;
  if (::RegCreateKeyExA(HKEY_CURRENT_USER, "Software\\Wine\\AppDefaults\\hushdesk.exe", 0, nullptr, 0,
                        KEY_ALL_ACCESS, nullptr, &key, nullptr) != ERROR_SUCCESS)
    return;
  if (version.empty())
    ::RegDeleteValueA(key, "Version");
  else
    ::RegSetValueExA(key, "Version", 0, REG_SZ, reinterpret_cast<const BYTE*>(version.c_str()),
                     static_cast<DWORD>(version.size() + 1));
  ::RegCloseKey(key);
}

void SetScreenDpi(int dpi) {
  HKEY key = nullptr;
  if (::RegCreateKeyExA(HKEY_CURRENT_USER, "Control Panel\\Desktop", 0, nullptr, 0, KEY_ALL_ACCESS, nullptr, &key,
                        nullptr) != ERROR_SUCCESS)
    return;
  const DWORD value = static_cast<DWORD>(dpi);
  if (dpi == 0)
    ::RegDeleteValueA(key, "LogPixels");
  else
    ::RegSetValueExA(key, "LogPixels", 0, REG_DWORD, reinterpret_cast<const BYTE*>(&value), sizeof value);
  ::RegCloseKey(key);
}

void Screenshot(const std::string& name) {
  const char* dir = std::getenv("HD_SCREENSHOT_DIR");
  if (!dir || !*dir) return;
  // Without a window manager Wine raises a window on X only when nothing
  // visible is above it in its own order, and a tray tooltip often is: the
  // framed windows are raised on X in Wine's order, as a window manager would.
  // Menus and balloons stay above them: they have no title to find them by,
  // so their X window is found by its place and size.
  std::vector<std::string> framed;  // front first
  std::vector<std::string> popups;  // as xwininfo prints their geometry
  for (HWND w = ::GetTopWindow(nullptr); w; w = ::GetWindow(w, GW_HWNDNEXT)) {
    if (!::IsWindowVisible(w)) continue;
    if ((::GetWindowLongA(w, GWL_STYLE) & WS_CAPTION) == WS_CAPTION && !WindowText(w).empty()) {
      framed.push_back(WindowText(w));
      continue;
    }
    char className[32] = {};
    ::GetClassNameA(w, className, sizeof className);
    RECT r{};
    ::GetWindowRect(w, &r);
    if ((!std::strcmp(className, "#32768") || !std::strcmp(className, "tooltips_class32")) && r.right - r.left > 8)
      popups.push_back(" " + std::to_string(r.right - r.left) + "x" + std::to_string(r.bottom - r.top) + "[+]" +
                       std::to_string(r.left) + "[+]" + std::to_string(r.top) + " ");
  }
  // One search each: xdotool ends a chain at a search that finds nothing.
  // Wine does not wait for a Unix program, so the searches run one after
  // another in one shell, back first, and a file tells when they are done.
  const std::string raisedUnix = std::string(dir) + "/.raised";
  std::string raised = "Z:" + raisedUnix;
  for (char& c : raised)
    if (c == '/') c = '\\';
  ::DeleteFileA(raised.c_str());
  // The pointer goes aside, where its tooltips cover nothing, unless a menu
  // is open: the menu would lose the item chosen with the keys.
  std::string script = !FindPopupMenu() ? "/usr/bin/xdotool mousemove 1020 380; " : "";
  for (auto title = framed.rbegin(); title != framed.rend(); ++title) {
    std::string pattern = "^";
    for (char c : *title) {
      if (c == '\'') {
        pattern += "'\\''";
        continue;
      }
      if (c == '"') {  // the whole script stands in double quotes: any character matches there
        pattern += '.';
        continue;
      }
      if (std::strchr(".()[]{}*+?^$|\\", c)) pattern += '\\';
      pattern += c;
    }
    script += "/usr/bin/xdotool search --name '" + pattern + "$' windowraise %@; ";
  }
  for (auto geometry = popups.rbegin(); geometry != popups.rend(); ++geometry)
    script += "/usr/bin/xdotool windowraise $(/usr/bin/xwininfo -root -tree | /usr/bin/awk '/" + *geometry +
              "/ { print $1; exit }'); ";
  script += "touch '" + raisedUnix + "'";
  RunUnixTool("/bin/sh -c \"" + script + "\"");
  WaitUntil([&] { return ::GetFileAttributesA(raised.c_str()) != INVALID_FILE_ATTRIBUTES; }, 10000);
  ::DeleteFileA(raised.c_str());
  ::Sleep(500);  // let the windows paint
  const std::string unixPath = std::string(dir) + "/" + name + ".png";
  std::string path = "Z:" + unixPath;
  for (char& c : path)
    if (c == '/') c = '\\';
  ::DeleteFileA(path.c_str());
  // Wine does not wait for a Unix program it starts: the file tells when it is done.
  RunUnixTool("/usr/bin/import -window root " + unixPath);
  auto size = [&path] {
    WIN32_FILE_ATTRIBUTE_DATA data{};
    return ::GetFileAttributesExA(path.c_str(), GetFileExInfoStandard, &data) ? data.nFileSizeLow : 0ul;
  };
  DWORD last = 0;
  WaitUntil([&] {
    const DWORD now = size();
    const bool settled = now > 0 && now == last;
    last = now;
    ::Sleep(200);
    return settled;
  }, 15000);
}

DWORD RunInVirtualDesktop(const std::string& test, std::string& failures) {
  // Wine makes a desktop named in this key a virtual one of that size.
  constexpr const char* kDesktop = "HushdeskE2e";
  HKEY key = nullptr;
  if (::RegCreateKeyExA(HKEY_CURRENT_USER, "Software\\Wine\\Explorer\\Desktops", 0, nullptr, 0, KEY_ALL_ACCESS,
                        nullptr, &key, nullptr) == ERROR_SUCCESS) {
    ::RegSetValueExA(key, kDesktop, 0, REG_SZ, reinterpret_cast<const BYTE*>("1024x768"), 9);
    ::RegCloseKey(key);
  }
  const std::string report = NewTempDir("hddesk") + "report.xml";
  std::string commandLine = "\"";
  commandLine.append(SelfPath()).append("\" --in-desktop --gtest_filter=").append(test);
  commandLine.append(" \"--gtest_output=xml:").append(report).append("\"");
  STARTUPINFOA startup{};
  startup.cb = sizeof startup;
  startup.lpDesktop = const_cast<char*>(kDesktop);
  PROCESS_INFORMATION child{};
  if (!::CreateProcessA(SelfPath().c_str(), commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr,
                        &startup, &child)) {
    failures = "cannot start the child";
    return STILL_ACTIVE;
  }
  DWORD code = STILL_ACTIVE;
  if (::WaitForSingleObject(child.hProcess, 100000) != WAIT_OBJECT_0) ::TerminateProcess(child.hProcess, 1);
  ::GetExitCodeProcess(child.hProcess, &code);
  ::CloseHandle(child.hProcess);
  ::CloseHandle(child.hThread);
  // The failure messages of gtest's report.
  const std::string xml = ReadTextFile(report);
  for (std::size_t at = xml.find("<failure message=\""); at != std::string::npos;
       at = xml.find("<failure message=\"", at + 1)) {
    const std::size_t from = at + 18;
    failures += xml.substr(from, xml.find('"', from) - from) + "\n";
  }
  return code;
}

Process::Process(const std::string& exe, const std::string& arguments, const std::string& directory) {
  std::string commandLine = "\"" + exe + "\"" + (arguments.empty() ? "" : " " + arguments);
  STARTUPINFOA startup{};
  startup.cb = sizeof startup;
  if (!::CreateProcessA(exe.c_str(), commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr,
                        directory.empty() ? nullptr : directory.c_str(), &startup, &info_))
    info_ = {};
}

Process::Process(Process&& other) noexcept : info_(other.info_) { other.info_ = {}; }

Process& Process::operator=(Process&& other) noexcept {
  if (this != &other) {
    Kill();
    info_ = other.info_;
    other.info_ = {};
  }
  return *this;
}

Process::~Process() { Kill(); }

bool Process::Running() const { return info_.hProcess && ::WaitForSingleObject(info_.hProcess, 0) == WAIT_TIMEOUT; }

DWORD Process::WaitForExit(DWORD timeoutMs) {
  if (!info_.hProcess) return STILL_ACTIVE;
  ::WaitForSingleObject(info_.hProcess, timeoutMs);
  DWORD code = STILL_ACTIVE;
  ::GetExitCodeProcess(info_.hProcess, &code);
  return code;
}

void Process::Kill() {
  if (!info_.hProcess) return;
  if (Running()) {
    ::TerminateProcess(info_.hProcess, 1);
    ::WaitForSingleObject(info_.hProcess, 5000);
  }
  ::CloseHandle(info_.hProcess);
  ::CloseHandle(info_.hThread);
  info_ = {};
}

Process StartHelperApp(const std::string& exe, const std::string& caption, const std::string& options) {
  Process process(exe, "--app \"" + caption + "\" " + options);
  // Ready once its window exists (visible or not).
  WaitUntil([&] { return FindWindowOfProcess(process.Id(), caption) != nullptr; });
  return process;
}

std::string CopySelfTo(const std::string& path) {
  for (std::size_t pos = path.find('\\', 3); pos != std::string::npos; pos = path.find('\\', pos + 1))
    ::CreateDirectoryA(path.substr(0, pos).c_str(), nullptr);
  ::CopyFileA(SelfPath().c_str(), path.c_str(), FALSE);
  return path;
}

namespace {
// The release folder's Unix path as Wine sees it, with a trailing backslash.
std::string ReleaseFolder() {
  std::string path = HD_DIST_DIR "/";
  if (path[0] == '/') path = "Z:" + path;
  for (char& c : path)
    if (c == '/') c = '\\';
  return path;
}

void CopyFolder(const std::string& from, const std::string& to) {
  ::CreateDirectoryA(to.c_str(), nullptr);
  WIN32_FIND_DATAA entry;
  HANDLE find = ::FindFirstFileA((from + "*").c_str(), &entry);
  if (find == INVALID_HANDLE_VALUE) return;
  do {
    const std::string name = entry.cFileName;
    if (name == "." || name == "..") continue;
    if (entry.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY)
      CopyFolder(from + name + "\\", to + name + "\\");
    else
      ::CopyFileA((from + name).c_str(), (to + name).c_str(), FALSE);
  } while (::FindNextFileA(find, &entry));
  ::FindClose(find);
}
}  // namespace

// What a user unpacks: the program runs as it does from the release zip.
Hushdesk::Hushdesk(const std::string& name) : dir_(NewTempDir(name)), exe_(dir_ + "hushdesk.exe") {
  CopyFolder(ReleaseFolder(), dir_);
}

void Hushdesk::WriteSetting(const std::string& relativePath, const std::string& content) {
  WriteTextFile(dir_ + relativePath, content);
}

namespace {
// Whether another program holds this hotkey.
bool HotkeyTaken(UINT modifiers, UINT key) {
  constexpr int kProbeId = 0xBFFE;
  if (!::RegisterHotKey(nullptr, kProbeId, modifiers, key)) return true;
  ::UnregisterHotKey(nullptr, kProbeId);
  return false;
}
}  // namespace

bool Hushdesk::Start(const std::string& arguments, UINT readyModifiers, UINT readyKey) {
  process_ = Process(exe_, arguments, workDir_.empty() ? dir_ : workDir_);
  if (!process_.Started() || !WaitUntil([this] { return ConfigWindow() != nullptr; }, 10000)) return false;
  return readyKey == 0 || Holds(readyModifiers, readyKey);
}

bool Hushdesk::Holds(UINT modifiers, UINT key) {
  // A sent message is answered only when the program's thread waits for
  // messages again: start-up or the action in hand is over by then.
  DWORD_PTR result = 0;
  if (!::SendMessageTimeoutA(ConfigWindow(), WM_NULL, 0, 0, SMTO_NORMAL, 20000, &result)) {
    // Otherwise a check that the program does not hold a key would pass.
    ADD_FAILURE() << "the program does not answer";
    return false;
  }
  return HotkeyTaken(modifiers, key);
}

HWND Hushdesk::ConfigWindow() const {
  if (!process_.Started()) return nullptr;
  return FindWindowOfProcess(process_.Id(), "Hushdesk - Configuration");
}

HWND OpenConfiguration(Hushdesk& program, int iconsBefore) {
  HWND menu = OpenTrayMenu(iconsBefore);
  if (!menu) return nullptr;
  ChooseFirstMenuItem(menu);  // "Configure..."
  HWND config = program.ConfigWindow();
  return WaitUntil([&] { return ::IsWindowVisible(config) != FALSE; }) ? config : nullptr;
}

DWORD Hushdesk::TerminateByHotkey() {
  PressTerminateHotkey();
  return process_.WaitForExit(10000);
}

// Wine's system tray shows one icon window per notification icon.
HWND OurTrayIcon(int before) {
  const std::vector<HWND> icons = TrayIcons();
  return before >= 0 && before < static_cast<int>(icons.size()) ? icons[before] : nullptr;
}

HWND OpenTrayMenuOf(HWND icon) {
  if (!icon) return nullptr;
  RECT rect{};
  ::GetWindowRect(icon, &rect);
  ClickAt((rect.left + rect.right) / 2, (rect.top + rect.bottom) / 2, 3);
  HWND menu = nullptr;
  WaitUntil([&] { return (menu = FindPopupMenu()) != nullptr; });
  return menu;
}

HWND OpenTrayMenu(int iconsBefore) { return OpenTrayMenuOf(OurTrayIcon(iconsBefore)); }

// Starts the program and waits for its new tray icon: the icon, or null.
// The new icon is told by its window: an icon left by a killed program can
// go from the tray meanwhile, which would throw a count out.
HWND StartWithTrayIcon(Hushdesk& program) {
  const std::vector<HWND> before = TrayIcons();
  if (!program.Start()) return nullptr;
  HWND ours = nullptr;
  const bool shown = WaitUntil([&] {
    for (HWND icon : TrayIcons())
      if (std::find(before.begin(), before.end(), icon) == before.end()) ours = icon;
    return ours != nullptr;
  });
  if (!shown) ADD_FAILURE() << "no new tray icon: " << before.size() << " before, " << TrayIconCount() << " now";
  return ours;
}

// Starts the program and right-clicks its new tray icon: the menu, or null.
HWND StartWithTrayMenu(Hushdesk& program) {
  HWND icon = StartWithTrayIcon(program);
  if (!icon) return nullptr;
  HWND menu = OpenTrayMenuOf(icon);
  if (!menu) ADD_FAILURE() << "no menu from the new tray icon";
  return menu;
}

// Starts the program and opens its configuration window from the tray menu:
// the window once it is shown, or null.
HWND StartWithConfiguration(Hushdesk& program) {
  HWND icon = StartWithTrayIcon(program);
  return icon ? OpenConfigurationFrom(program, icon) : nullptr;
}

HWND OpenConfigurationFrom(Hushdesk& program, HWND icon) {
  HWND config = program.ConfigWindow();
  // Under load Wine's menu can lose the keys that choose its item: the
  // choice is made again, from the menu still open or from a new one.
  for (int attempt = 0; attempt < 3; ++attempt) {
    HWND menu = FindPopupMenu();
    if (!menu) menu = OpenTrayMenuOf(icon);
    if (!menu) continue;
    ChooseFirstMenuItem(menu);  // "Configure..."
    if (WaitUntil([&] { return ::IsWindowVisible(config) != FALSE; })) return config;
  }
  ADD_FAILURE() << "the configuration window did not show; a menu is " << (FindPopupMenu() ? "open" : "not open");
  return nullptr;
}

// Wine carries a list box's texts to another process only in the wide form.
std::vector<std::string> ListBoxItems(HWND list) {
  std::vector<std::string> items;
  const auto count = ::SendMessageW(list, LB_GETCOUNT, 0, 0);
  for (LRESULT i = 0; i < count; ++i) {
    wchar_t wide[600] = {};
    ::SendMessageW(list, LB_GETTEXT, static_cast<WPARAM>(i), reinterpret_cast<LPARAM>(wide));
    char text[1200] = {};
    ::WideCharToMultiByte(CP_ACP, 0, wide, -1, text, sizeof text, nullptr, nullptr);
    items.push_back(text);
  }
  return items;
}

}  // namespace e2e
