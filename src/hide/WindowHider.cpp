// The walk works on the Z order as it was when HIDE mode began: hiding a
// window moves it down, so asking for the next window afterwards skips some.
// Calls on other programs' windows go through the window thread's lane, so
// programs are asked side by side and each window's calls keep their order.
#include "hide/WindowHider.h"
#include "words/TWordsListUnit.h"

namespace hd {

bool IsSystemProcess(ISystem& system, const std::vector<std::string>& systemProcessList,
                     const std::string& processFile) {
  if (processFile.empty()) return false;
  const std::string name = FileNamePart(processFile);
  for (const std::string& entry : systemProcessList)
    if (system.EqualTextIgnoreCase(name, entry)) return true;
  return false;
}

void WindowHider::WalkTopLevelWindows(const HideRules& rules, std::vector<WindowHandle>& hidden,
                                      std::vector<WindowHandle>& working,
                                      const std::function<void()>& whileMinimising) {
  const WindowHandle applicationWindow = p_.forms.ApplicationWindow();
  const PreparedBook book(p_.system, rules.book);
  for (WindowHandle window : p_.windows.TopLevelWindows()) {
    // The program's own forms are owned by the application window.
    if (window == applicationWindow || !p_.windows.IsWindowVisible(window) ||
        p_.windows.GetWindow(window, win::GW_OWNER) != 0)
      continue;
    if ((rules.byCaption && IsCaptionUnwanted(book, window)) ||
        (rules.byApp && IsAppUnwanted(rules.hideFiles, window))) {
      StartHiding(window);
      hidden.push_back(window);
    } else {
      AddWorkingWindow(rules.systemProcesses, window, working);
    }
  }
  // Every unwanted window is gone from the screen before any is minimised:
  // that is the instant the hotkey is for.
  p_.windows.WaitForCalls();
  for (WindowHandle window : hidden) FinishHiding(window);
  if (whileMinimising) whileMinimising();
  p_.windows.WaitForCalls();
}

void WindowHider::HideWindow(WindowHandle window) {
  StartHiding(window);
  p_.windows.WaitForCalls();
  FinishHiding(window);
  p_.windows.WaitForCalls();
}

void WindowHider::StartHiding(WindowHandle window) {
  const ThreadId lane = p_.windows.GetWindowThreadId(window);
  HungWindows::Thread& thread = hung_.ThreadOf(lane);
  p_.windows.PostCall(lane, [this, &thread, window] {
    // A hung thread would hold the hotkey for as long as it sleeps; the queued
    // requests take effect when it wakes.
    if (hung_.IsHung(thread, window))
      p_.windows.ShowWindowAsync(window, win::SW_HIDE);
    else
      p_.windows.ShowWindow(window, win::SW_HIDE);
  });
}

void WindowHider::FinishHiding(WindowHandle window) {
  const ThreadId lane = p_.windows.GetWindowThreadId(window);
  HungWindows::Thread& thread = hung_.ThreadOf(lane);
  p_.windows.PostCall(lane, [this, &thread, window] {
    if (hung_.IsHung(thread, window)) {
      p_.windows.ShowWindowAsync(window, win::SW_MINIMIZE);
      p_.windows.ShowWindowAsync(window, win::SW_HIDE);
    } else {
      p_.windows.CloseWindow(window);
      p_.windows.ShowWindow(window, win::SW_HIDE);
    }
  });
}

void WindowHider::UnhideWindow(WindowHandle window) {
  StartShowing(window);
  p_.windows.WaitForCalls();
}

void WindowHider::StartShowing(WindowHandle window) {
  const ThreadId lane = p_.windows.GetWindowThreadId(window);
  HungWindows::Thread& thread = hung_.ThreadOf(lane);
  p_.windows.PostCall(lane, [this, &thread, window] {
    if (hung_.IsHung(thread, window))
      p_.windows.ShowWindowAsync(window, win::SW_SHOW);
    else
      p_.windows.ShowWindow(window, win::SW_SHOW);
  });
}

bool WindowHider::IsCaptionUnwanted(const PreparedBook& book, WindowHandle window) {
  return book.MatchesCaption(GetWindowCaption(p_, window));
}

bool WindowHider::IsAppUnwanted(const std::vector<std::string>& hideFiles, WindowHandle window) {
  const std::string file = files_.ForWindow(window);
  // An unknown process matches no rule, not even an empty list entry.
  if (file.empty()) return false;
  for (const std::string& item : hideFiles)
    if (p_.system.EqualTextIgnoreCase(item, file)) return true;
  return false;
}

void WindowHider::AddWorkingWindow(const std::vector<std::string>& systemProcesses, WindowHandle window,
                                   std::vector<WindowHandle>& working) {
  const std::string file = files_.ForWindow(window);
  if (FileNamePart(file).empty() || !IsSystemProcess(p_.system, systemProcesses, file)) working.push_back(window);
}

void WindowHider::ShowHiddenWindows(std::vector<WindowHandle>& hidden) {
  for (WindowHandle window : hidden) StartShowing(window);
  p_.windows.WaitForCalls();
  hidden.clear();
}

void WindowHider::CloseHiddenWindows(std::vector<WindowHandle>& hidden) {
  for (WindowHandle window : hidden) KillWindowProcess(p_, window);
  hidden.clear();
}

}  // namespace hd
