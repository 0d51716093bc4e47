// Top-level windows through user32.
#pragma once
#include "platform/Windows.h"

namespace hd {

class Win32Windows : public IWindows {
public:
  ~Win32Windows() override;  // out of line: one unwind table header for the file
  WindowHandle GetWindow(WindowHandle window, unsigned command) override;
  std::vector<WindowHandle> TopLevelWindows() override;
  std::vector<WindowHandle> ChildWindows(WindowHandle parent) override;
  bool IsWindow(WindowHandle window) override;
  bool IsWindowVisible(WindowHandle window) override;
  bool IsWindowCloaked(WindowHandle window) override;
  bool IsIconic(WindowHandle window) override;
  bool IsZoomed(WindowHandle window) override;
  std::string GetWindowText(WindowHandle window, int maxCount) override;
  int GetWindowTextLength(WindowHandle window) override;
  bool SetWindowText(WindowHandle window, const std::string& text) override;
  std::string GetClassName(WindowHandle window) override;
  ProcessId GetWindowThreadProcessId(WindowHandle window) override;
  ThreadId GetWindowThreadId(WindowHandle window) override;
  bool ShowWindow(WindowHandle window, int command) override;
  bool ShowWindowAsync(WindowHandle window, int command) override;
  bool CloseWindow(WindowHandle window) override;
  bool OpenIcon(WindowHandle window) override;
  bool BringWindowToTop(WindowHandle window) override;
  WindowHandle SetActiveWindow(WindowHandle window) override;
  bool SetForegroundWindow(WindowHandle window) override;
  WindowHandle GetForegroundWindow() override;
  bool PostMessage(WindowHandle window, unsigned message, WParam wParam, LParam lParam) override;
  LResult SendMessage(WindowHandle window, unsigned message, WParam wParam, LParam lParam) override;
  bool SendMessageTimeout(WindowHandle window, unsigned message, WParam wParam, LParam lParam,
                          unsigned timeoutMs, LResult& result) override;
  bool ToolbarButtonCommand(WindowHandle toolbar, int position, unsigned timeoutMs, int& command) override;
  WindowHandle FindWindow(const std::string& className, const std::string& windowName) override;
  WindowHandle FindWindowEx(WindowHandle parent, WindowHandle after, const std::string& className,
                            const std::string& windowName) override;
  long GetWindowLong(WindowHandle window, int index) override;
  std::uintptr_t GetClassLong(WindowHandle window, int index) override;
  long SetWindowLong(WindowHandle window, int index, long value) override;
  bool UpdateWindow(WindowHandle window) override;
  unsigned RegisterWindowMessage(const std::string& name) override;
  void AllowMessageFromLowerRights(unsigned message) override;
  void WaitForWindowChange(unsigned timeoutMs) override;
};

}  // namespace hd
