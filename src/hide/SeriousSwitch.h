// Bringing a serious application to the front at the end of entering HIDE mode.
#pragma once
#include <string>
#include <vector>
#include "hide/WindowHider.h"

namespace hd {

// What the switch reads from the settings when it runs.
struct SeriousRules {
  std::vector<std::string> seriousFiles;  // lbSerFiles: full paths, in order
  bool runFirst = true;                   // rbFirst; off means rbAny
  WindowHandle owner = 0;                 // the configuration window
};

class SeriousSwitch {
public:
  // Shares the sequence's process files and hung programs.
  SeriousSwitch(Platform& p, WindowHider& hider) : p_(p), hider_(hider) {}

  // The window brought to the front, or 0.
  WindowHandle SwitchToSeriousApp(const SeriousRules& rules, const std::vector<WindowHandle>& working);
  // Whose sound HIDE mode leaves alone: the processes of the serious
  // windows left working, and of the window brought to the front.
  std::vector<ProcessId> KeptProcesses(const SeriousRules& rules, const std::vector<WindowHandle>& working,
                                    WindowHandle front);
  bool IsSeriousApp(const std::vector<std::string>& seriousFiles, const std::string& processFile);
  void ActivateWindow(WindowHandle window);
  void RunFirstSeriousApp(const SeriousRules& rules);

private:
  Platform& p_;
  WindowHider& hider_;
};

}  // namespace hd
