// The walk works on the Z order as it was when HIDE mode began: hiding a
// window moves it down, so asking for the next window afterwards skips some.
// Requests that need no answer (ShowWindowAsync) reach every program at once
// and each takes its own in the order sent, so the programs answer side by
// side and the windows' state tells when they have. No thread is started for
// it, which under Wine would cost a megabyte.
#include "hide/WindowHider.h"
#include <algorithm>
#include "words/TWordsListUnit.h"

namespace hd {

namespace {
int Shown(WindowHandle) { return win::SW_SHOW; }
bool Invisible(IWindows& w, WindowHandle window) { return !w.IsWindowVisible(window); }
bool Visible(IWindows& w, WindowHandle window) { return w.IsWindowVisible(window); }
bool Minimised(IWindows& w, WindowHandle window) { return w.IsIconic(window) && !w.IsWindowVisible(window); }
}  // namespace

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
                                      const std::function<void()>& afterVanishing) {
  const WindowHandle applicationWindow = p_.forms.ApplicationWindow();
  const PreparedBook book(p_.system, rules.book);
  std::vector<WindowHandle> others;
  for (WindowHandle window : p_.windows.TopLevelWindows()) {
    // The program's own forms are owned by the application window.
    if (window == applicationWindow || !p_.windows.IsWindowVisible(window) ||
        p_.windows.GetWindow(window, win::GW_OWNER) != 0)
      continue;
    // Its message boxes are not: one left open would give the boss key away.
    // The caption first: where it decides, the window's process is asked
    // only after the windows have vanished.
    if ((rules.byCaption && IsCaptionUnwanted(book, window)) || IsOwnWindow(window) ||
        (rules.byApp && IsAppUnwanted(rules.hideFiles, window))) {
      StartHiding(window);
      hidden.push_back(window);
    } else {
      others.push_back(window);
    }
  }
  // Every unwanted window is gone from the screen before any is minimised
  // (minimising shows a window again): that is the instant the hotkey is for.
  WaitUntil(hidden, Invisible);
  std::vector<WindowHandle> minimising;
  // The program's own box comes back as it was, not minimised.
  for (WindowHandle window : hidden)
    if (!IsOwnWindow(window) && FinishHiding(window)) minimising.push_back(window);
  if (afterVanishing) afterVanishing();
  // Which of the others are working windows asks for their processes: not
  // before the unwanted windows have vanished, and while they are minimised.
  for (WindowHandle window : others) AddWorkingWindow(rules.systemProcesses, window, working);
  WaitUntil(std::move(minimising), Minimised);
}

void WindowHider::HideWindow(WindowHandle window) {
  StartHiding(window);
  WaitUntil({window}, Invisible);
  if (FinishHiding(window)) WaitUntil({window}, Minimised);
}

void WindowHider::StartHiding(WindowHandle window) { p_.windows.ShowWindowAsync(window, win::SW_HIDE); }

bool WindowHider::IsOwnWindow(WindowHandle window) {
  return p_.windows.GetWindowThreadProcessId(window) == p_.processes.GetCurrentProcessId();
}

bool WindowHider::FinishHiding(WindowHandle window) {
  IWindows& w = p_.windows;
  // A window minimised already looks the same before these steps and after
  // them: only calls that wait tell when they are done, unless its thread
  // hangs and would hold the hotkey for as long as it sleeps.
  if (w.IsIconic(window) && !hung_.IsHung(window)) {
    w.CloseWindow(window);
    w.ShowWindow(window, win::SW_HIDE);
    return false;
  }
  // CloseWindow minimises; this is the same without waiting for the program.
  // A hung thread takes the requests when it wakes.
  w.ShowWindowAsync(window, win::SW_MINIMIZE);
  w.ShowWindowAsync(window, win::SW_HIDE);
  return !hung_.KnownHung(window);
}

void WindowHider::UnhideWindow(WindowHandle window) {
  ShowWindows({window}, Shown);
}

void WindowHider::ShowWindows(const std::vector<WindowHandle>& windows,
                              const std::function<int(WindowHandle)>& commandOf) {
  // What ShowWindowAsync returns says nothing here: on a window of this
  // thread it is whether the window was visible.
  for (WindowHandle window : windows) p_.windows.ShowWindowAsync(window, commandOf(window));
  WaitUntil(windows, Visible);
}

void WindowHider::WaitUntil(std::vector<WindowHandle> windows, bool (*done)(IWindows&, WindowHandle)) {
  IWindows& w = p_.windows;
  // A window that is gone counts as done.
  auto over = [&w, done](WindowHandle window) { return done(w, window) || !w.IsWindow(window); };
  // Each program takes its requests in the order sent, so the windows are
  // asked in that order, up to the first not done; all of them only now and
  // then, for a hung program's window may stand first. Every question is a
  // call that queues with the busy programs' own: asked about every window
  // each millisecond, they slowed the programs down.
  std::size_t first = 0;
  std::uint64_t lastDone = p_.system.TickCountMs(), lastAll = lastDone;
  for (;;) {
    const std::size_t before = first;
    while (first < windows.size() && over(windows[first])) ++first;
    if (first == windows.size()) return;
    const std::uint64_t now = p_.system.TickCountMs();
    if (first != before) {
      lastDone = now;
    } else if (now - lastAll >= kAllAskedMs) {
      lastAll = now;
      const auto left = std::remove_if(windows.begin() + static_cast<std::ptrdiff_t>(first), windows.end(), over);
      if (left != windows.end()) {
        windows.erase(left, windows.end());
        lastDone = now;
        continue;
      }
      if (now - lastDone >= HungWindows::kProbeMs) break;
    }
    w.WaitForWindowChange(kPollMs);
  }
  for (; first < windows.size(); ++first) hung_.Unanswered(windows[first]);
}

bool WindowHider::IsCaptionUnwanted(const PreparedBook& book, WindowHandle window) {
  return book.MatchesCaption(GetWindowCaption(p_, window));
}

bool WindowHider::IsAppUnwanted(const std::vector<std::string>& hideFiles, WindowHandle window) {
  // Without entries nothing matches, and the process need not be asked yet.
  if (hideFiles.empty()) return false;
  const std::string file = files_.ForWindow(window);
  // An unknown process matches no rule, not even an empty list entry.
  if (file.empty()) return false;
  for (const std::string& item : hideFiles)
    if (p_.system.EqualTextIgnoreCase(item, file)) return true;
  return false;
}

void WindowHider::AddWorkingWindow(const std::vector<std::string>& systemProcesses, WindowHandle window,
                                   std::vector<WindowHandle>& working) {
  // Bringing a window nobody can see to the front would show nothing.
  if (p_.windows.IsWindowCloaked(window)) return;
  const std::string file = files_.ForWindow(window);
  if (FileNamePart(file).empty() || !IsSystemProcess(p_.system, systemProcesses, file)) working.push_back(window);
}

void WindowHider::ShowHiddenWindows(std::vector<WindowHandle>& hidden) {
  ShowWindows(hidden, Shown);
  hidden.clear();
}

void WindowHider::CloseHiddenWindows(std::vector<WindowHandle>& hidden) {
  for (WindowHandle window : hidden) KillWindowProcess(p_, window);
  hidden.clear();
}

}  // namespace hd
