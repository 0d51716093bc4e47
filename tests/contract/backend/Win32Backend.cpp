// The contract tests' backend on Windows: real windows, files and processes.
#include "platform/win32/WinApi.h"
#include <vector>
#include "Backend.h"
#include "platform/win32/Win32Desktop.h"

namespace hd::contract {

namespace {
class Win32Backend : public Backend {
public:
  ~Win32Backend() override {
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
  ProcessId StartProcess(std::string& exePath) override {
    char self[MAX_PATH] = {};
    ::GetModuleFileNameA(nullptr, self, MAX_PATH);
    exePath = self;
    exePath = exePath.substr(0, exePath.rfind('\\') + 1) + "contract_idle_child.exe";
    std::string commandLine = "\"" + exePath + "\"";
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

  void DeleteUserKey(const std::string& path) override { ::RegDeleteKeyA(HKEY_CURRENT_USER, path.c_str()); }

private:
  Win32Desktop desktop_;
  std::vector<PROCESS_INFORMATION> children_;
};
}  // namespace

std::unique_ptr<Backend> MakeBackend() { return std::make_unique<Win32Backend>(); }

}  // namespace hd::contract
