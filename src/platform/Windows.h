// Other programs' top-level windows: the walk, their state and messages.
#pragma once
#include <string>
#include <vector>
#include "platform/Types.h"

namespace hd {

class IWindows {
public:
  virtual ~IWindows() = default;
  // GetWindow: GW_HWNDFIRST, GW_HWNDNEXT, GW_OWNER.
  virtual WindowHandle GetWindow(WindowHandle window, unsigned command) = 0;
  // The whole top-level Z order, topmost first, taken in one go (hiding
  // reorders windows while a GW_HWNDNEXT walk is under way).
  virtual std::vector<WindowHandle> TopLevelWindows() = 0;
  // The direct children of a window, topmost first (GW_CHILD, then GW_HWNDNEXT).
  virtual std::vector<WindowHandle> ChildWindows(WindowHandle parent) = 0;
  virtual bool IsWindow(WindowHandle window) = 0;
  virtual bool IsWindowVisible(WindowHandle window) = 0;
  // DwmGetWindowAttribute(DWMWA_CLOAKED) non-zero: visible to the system but
  // kept off the screen (a suspended Store app, another virtual desktop);
  // false where the attribute is not there (before Windows 8).
  virtual bool IsWindowCloaked(WindowHandle window) = 0;
  virtual bool IsIconic(WindowHandle window) = 0;
  virtual bool IsZoomed(WindowHandle window) = 0;
  // GetWindowTextA into a buffer of maxCount bytes: what it wrote.
  virtual std::string GetWindowText(WindowHandle window, int maxCount) = 0;
  virtual int GetWindowTextLength(WindowHandle window) = 0;
  virtual bool SetWindowText(WindowHandle window, const std::string& text) = 0;
  virtual std::string GetClassName(WindowHandle window) = 0;
  virtual ProcessId GetWindowThreadProcessId(WindowHandle window) = 0;
  // The thread that created the window (what GetWindowThreadProcessId returns); 0 for no window.
  virtual ThreadId GetWindowThreadId(WindowHandle window) = 0;
  virtual bool ShowWindow(WindowHandle window, int command) = 0;
  virtual bool ShowWindowAsync(WindowHandle window, int command) = 0;
  virtual bool CloseWindow(WindowHandle window) = 0;
  virtual bool OpenIcon(WindowHandle window) = 0;
  virtual bool BringWindowToTop(WindowHandle window) = 0;
  virtual WindowHandle SetActiveWindow(WindowHandle window) = 0;
  virtual bool SetForegroundWindow(WindowHandle window) = 0;
  virtual WindowHandle GetForegroundWindow() = 0;
  virtual bool PostMessage(WindowHandle window, unsigned message, WParam wParam, LParam lParam) = 0;
  virtual LResult SendMessage(WindowHandle window, unsigned message, WParam wParam, LParam lParam) = 0;
  // SendMessageTimeoutA with SMTO_ABORTIFHUNG; false when it timed out or failed.
  virtual bool SendMessageTimeout(WindowHandle window, unsigned message, WParam wParam,
                                  LParam lParam, unsigned timeoutMs, LResult& result) = 0;
  // The command id of a toolbar's button at a position (TB_GETBUTTON into
  // memory of the toolbar's process), bounded as SendMessageTimeout; false
  // when there is no such button or no answer.
  virtual bool ToolbarButtonCommand(WindowHandle toolbar, int position, unsigned timeoutMs, int& command) = 0;
  // className empty means any class (a null pointer); the caption must
  // match, an empty one too.
  virtual WindowHandle FindWindow(const std::string& className, const std::string& windowName) = 0;
  // className or windowName empty means "any" for FindWindowExA (a null pointer).
  virtual WindowHandle FindWindowEx(WindowHandle parent, WindowHandle after,
                                    const std::string& className, const std::string& windowName) = 0;
  virtual long GetWindowLong(WindowHandle window, int index) = 0;
  // GetClassLongA: GCL_HICON gives the class's large icon.
  virtual std::uintptr_t GetClassLong(WindowHandle window, int index) = 0;
  virtual long SetWindowLong(WindowHandle window, int index, long value) = 0;
  virtual bool UpdateWindow(WindowHandle window) = 0;
  virtual unsigned RegisterWindowMessage(const std::string& name) = 0;
  // ChangeWindowMessageFilter(MSGFLT_ADD): lets a message from programs with
  // fewer rights reach a program run as administrator (Vista on; elsewhere
  // there is no such filter and nothing is done).
  virtual void AllowMessageFromLowerRights(unsigned message) = 0;

  // Waits up to timeoutMs, or until a window is shown, hidden or destroyed,
  // answering the messages sent meanwhile (a program being shown may send one
  // and wait for it).
  virtual void WaitForWindowChange(unsigned timeoutMs) = 0;
};

}  // namespace hd
