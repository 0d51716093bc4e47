// The contract tests' backend on Windows: real windows, files and processes.
#include "platform/win32/WinApi.h"
#include <thread>
#include <vector>
#include "Backend.h"
#include "platform/win32/Win32Desktop.h"

namespace hd::contract {

namespace {

std::string TextOf(HWND window) {
  char text[512] = {};
  ::GetWindowTextA(window, text, sizeof text);
  return text;
}

BOOL CALLBACK FindDialog(HWND window, LPARAM found) {
  char name[16] = {};
  ::GetClassNameA(window, name, sizeof name);
  if (std::string(name) != "#32770" || !::IsWindowVisible(window)) return TRUE;
  *reinterpret_cast<HWND*>(found) = window;
  return FALSE;
}

class Win32Backend : public Backend {
public:
  ~Win32Backend() override {
    for (HANDLE file : held_) ::CloseHandle(file);
    if (player_.joinable()) player_.join();
    for (PROCESS_INFORMATION& child : children_) {
      ::TerminateProcess(child.hProcess, 0);
      ::CloseHandle(child.hProcess);
      ::CloseHandle(child.hThread);
    }
  }
  Platform& platform() override { return desktop_.platform; }
  std::string TempDir() override {
    char base[MAX_PATH] = {};
    ::GetTempPathA(MAX_PATH, base);
    std::string dir;
    for (unsigned n = ::GetTickCount();; ++n) {
      dir = std::string(base) + "hdcontract" + std::to_string(n);
      if (::CreateDirectoryA(dir.c_str(), nullptr)) break;
    }
    return dir + "\\";
  }
  WindowHandle MakeWindow(const std::string& caption, bool visible) override {
    HWND window = ::CreateWindowExA(0, "STATIC", caption.c_str(), WS_OVERLAPPEDWINDOW | (visible ? WS_VISIBLE : 0),
                                    10, 10, 200, 100, nullptr, nullptr, ::GetModuleHandleA(nullptr), nullptr);
    return reinterpret_cast<WindowHandle>(window);
  }
  void DestroyWindow(WindowHandle window) override {
    HWND w = reinterpret_cast<HWND>(window);
    HWND parent = ::GetParent(w);
    ::DestroyWindow(parent ? parent : w);
  }
  WindowHandle MakeToolbar(const std::vector<std::pair<int, bool>>& buttons) override {
    INITCOMMONCONTROLSEX classes{sizeof classes, ICC_BAR_CLASSES};
    ::InitCommonControlsEx(&classes);
    HWND frame = reinterpret_cast<HWND>(MakeWindow("toolbar frame", true));
    HWND toolbar = ::CreateWindowExA(0, TOOLBARCLASSNAMEA, "", WS_CHILD | WS_VISIBLE, 0, 0, 100, 30, frame, nullptr,
                                     ::GetModuleHandleA(nullptr), nullptr);
    ::SendMessageA(toolbar, TB_BUTTONSTRUCTSIZE, sizeof(TBBUTTON), 0);
    std::vector<TBBUTTON> added;
    for (const auto& [command, hidden] : buttons) {
      TBBUTTON button{};
      button.iBitmap = I_IMAGENONE;
      button.idCommand = command;
      button.fsState = static_cast<BYTE>(TBSTATE_ENABLED | (hidden ? TBSTATE_HIDDEN : 0));
      button.fsStyle = BTNS_BUTTON;
      added.push_back(button);
    }
    ::SendMessageA(toolbar, TB_ADDBUTTONSA, added.size(), reinterpret_cast<LPARAM>(added.data()));
    return reinterpret_cast<WindowHandle>(toolbar);
  }
  WindowHandle MakeChildWindow(WindowHandle parent, const std::string& caption) override {
    HWND window = ::CreateWindowExA(0, "STATIC", caption.c_str(), WS_CHILD | WS_VISIBLE, 0, 0, 50, 20,
                                    reinterpret_cast<HWND>(parent), nullptr, ::GetModuleHandleA(nullptr), nullptr);
    return reinterpret_cast<WindowHandle>(window);
  }
  ProcessId StartProcess(std::string& exePath) override { return StartChild(exePath, ""); }
  ProcessId StartPlayingProcess() override {
    std::string exePath;
    return StartChild(exePath, " /play");
  }
  ProcessId StartChild(std::string& exePath, const char* arguments) {
    char self[MAX_PATH] = {};
    ::GetModuleFileNameA(nullptr, self, MAX_PATH);
    exePath = self;
    exePath = exePath.substr(0, exePath.rfind('\\') + 1) + "contract_idle_child.exe";
    std::string commandLine = "\"" + exePath + "\"" + arguments;
    STARTUPINFOA startup{};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION child{};
    if (!::CreateProcessA(exePath.c_str(), commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr,
                          nullptr, &startup, &child))
      return 0;
    children_.push_back(child);
    ::WaitForInputIdle(child.hProcess, 2000);
    return child.dwProcessId;
  }
  bool ProcessRunning(ProcessId process) override {
    HANDLE handle = ::OpenProcess(SYNCHRONIZE, FALSE, process);
    if (!handle) return false;
    const bool running = ::WaitForSingleObject(handle, 0) == WAIT_TIMEOUT;
    ::CloseHandle(handle);
    return running;
  }

  // Another thread finds the box on this one and types into it, as a user would.
  void AnswerInputQuery(std::optional<std::string> typed) override {
    if (player_.joinable()) player_.join();
    seen_ = {};
    player_ = std::thread([this, owner = ::GetCurrentThreadId(), typed = std::move(typed)] {
      HWND box = nullptr;
      for (int i = 0; i < 500 && !box; ++i)
        if (::EnumThreadWindows(owner, FindDialog, reinterpret_cast<LPARAM>(&box)); !box) ::Sleep(10);
      if (!box) return;
      HWND edit = ::GetDlgItem(box, Win32FormHost::kInputQueryEditId);
      seen_.caption = TextOf(box);
      seen_.prompt = TextOf(::GetDlgItem(box, Win32FormHost::kInputQueryPromptId));
      seen_.initial = TextOf(edit);
      seen_.stars = ::SendMessageA(edit, EM_GETPASSWORDCHAR, 0, 0) == '*';
      if (typed) {
        ::SendMessageA(edit, EM_SETSEL, 0, -1);
        for (char c : *typed) ::SendMessageA(edit, WM_CHAR, static_cast<unsigned char>(c), 0);
      }
      ::SendMessageA(::GetDlgItem(box, typed ? IDOK : IDCANCEL), BM_CLICK, 0, 0);
    });
  }
  SeenInputQuery LastInputQuery() override {
    if (player_.joinable()) player_.join();
    return seen_;
  }

  void DeleteUserKey(const std::string& path) override { ::RegDeleteKeyA(HKEY_CURRENT_USER, path.c_str()); }
  void HoldOpen(const std::string& path) override {
    held_.push_back(::CreateFileA(path.c_str(), GENERIC_READ, 0, nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr));
  }

private:
  Win32Desktop desktop_;
  std::vector<PROCESS_INFORMATION> children_;
  std::vector<HANDLE> held_;
  std::thread player_;
  SeenInputQuery seen_;
};
}  // namespace

std::unique_ptr<Backend> MakeBackend() { return std::make_unique<Win32Backend>(); }

}  // namespace hd::contract
