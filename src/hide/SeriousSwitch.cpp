// The first serious window in Z order wins over the order of the list.
#include "hide/SeriousSwitch.h"
#include "hide/FmxUtils.h"

namespace hd {

WindowHandle SeriousSwitch::SwitchToSeriousApp(const SeriousRules& rules, const std::vector<WindowHandle>& working) {
  for (WindowHandle window : working) {
    if (IsSeriousApp(rules.seriousFiles, hider_.Files().ForWindow(window))) {
      ActivateWindow(window);
      return window;
    }
  }
  if (rules.runFirst || working.empty()) {
    RunFirstSeriousApp(rules);
    return 0;
  }
  ActivateWindow(working.front());
  return working.front();
}

std::vector<ProcessId> SeriousSwitch::KeptProcesses(const SeriousRules& rules, const std::vector<WindowHandle>& working,
                                                    WindowHandle front) {
  ProcessFiles& files = hider_.Files();
  std::vector<ProcessId> kept;
  if (front) kept.push_back(files.ProcessOfWindow(front));
  for (WindowHandle window : working)
    if (IsSeriousApp(rules.seriousFiles, files.ForWindow(window))) kept.push_back(files.ProcessOfWindow(window));
  return kept;
}

bool SeriousSwitch::IsSeriousApp(const std::vector<std::string>& seriousFiles, const std::string& processFile) {
  // The program itself is never the harmless thing to show; an unknown
  // process is not known to be serious.
  if (processFile.empty() || processFile == p_.system.GetModuleFileName()) return false;
  const std::string lowered = p_.system.CharLower(processFile);
  for (const std::string& item : seriousFiles)
    if (p_.system.CharLower(item) == lowered) return true;
  return false;
}

void SeriousSwitch::ActivateWindow(WindowHandle window) {
  IWindows& w = p_.windows;
  if (hider_.Hung().IsHung(window)) {
    // Only what a sleeping thread cannot block: it restores when it wakes.
    w.ShowWindowAsync(window, win::SW_RESTORE);
    w.PostMessage(window, win::WM_ACTIVATE, 1, 0);
    w.PostMessage(window, win::WM_ACTIVATEAPP, 1, 0);
    return;
  }
  w.ShowWindow(window, win::SW_RESTORE);
  w.OpenIcon(window);
  w.PostMessage(window, win::WM_ACTIVATE, 1, 0);
  w.PostMessage(window, win::WM_ACTIVATEAPP, 1, 0);
  w.SetActiveWindow(window);
  w.BringWindowToTop(window);
}

void SeriousSwitch::RunFirstSeriousApp(const SeriousRules& rules) {
  for (const std::string& item : rules.seriousFiles) {
    // A bare name would be looked for in whatever folder the program is in.
    if (!IsFullPath(item) || !p_.files.FileExists(item)) continue;
    const std::string directory = item.substr(0, item.find_last_of("\\:") + 1);
    // A start that fails is not retried with the next file.
    ExecuteFile(p_, rules.owner, item, directory, win::SW_SHOW);
    return;
  }
}

}  // namespace hd
