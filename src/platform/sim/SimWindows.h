// Simulated top-level windows: Z order, visibility, owners, hung threads.
#pragma once
#include "platform/Windows.h"
#include "platform/sim/SimState.h"

namespace hd {

class SimWindows : public IWindows {
public:
  // What a blocking call on a hung window costs the caller on the clock.
  static constexpr std::uint64_t kHangMs = 30000;

  explicit SimWindows(SimState& state) : s_(state) {}

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
  // The thread wakes from its hang and takes its queued requests, in order.
  void Wake(ThreadId thread);
  // The thread answers only once the clock has run on by ms.
  void Busy(ThreadId thread, std::uint64_t ms) { s_.busyUntil[thread] = s_.clockMs + ms; }

  // Dispatches a message to one of the program's own windows.
  static std::optional<LResult> Dispatch(SimState& state, WindowHandle window, unsigned message,
                                         WParam wParam, LParam lParam);

private:
  SimWindow* Find(WindowHandle window);
  bool Hung(const SimWindow& window) const;
  bool Busy(ThreadId thread) const;
  // A cross-thread call on a hung window (true: it fails) or a busy one (it
  // waits for the thread, which first takes its queued requests).
  bool CallerWaits(const SimWindow& window);
  // The thread takes its queued requests if it answers by now.
  void TakeQueued(ThreadId thread);
  // A wait of the program's thread answers what other programs sent it.
  void AnswerSentMessages();
  void Log(const char* call, WindowHandle window, int command = -1);
  void ApplyShow(SimWindow& window, int command);
  LResult ToolbarMessage(SimWindow& window, unsigned message, WParam wParam, LParam lParam);
  SimState& s_;
};

}  // namespace hd
