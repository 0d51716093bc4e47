// Hiding the unwanted top-level windows and bringing them back.
#pragma once
#include <functional>
#include <string>
#include <vector>
#include "hide/HungWindows.h"
#include "hide/proc_misc.h"
#include "platform/Platform.h"

namespace hd {

class PreparedBook;
class TBook;

// What the walk hides, read from the settings when the walk starts.
struct HideRules {
  const TBook& book;
  bool byCaption = true;  // cbCaptions
  bool byApp = true;      // cbApps
  std::vector<std::string> hideFiles;        // lbHideFiles: full paths
  std::vector<std::string> systemProcesses;  // file names
};

// True when the file-name part of the process file is in the list, ignoring case.
bool IsSystemProcess(ISystem& system, const std::vector<std::string>& systemProcessList,
                     const std::string& processFile);

// Lives for one sequence: it remembers process files and hung programs.
class WindowHider {
public:
  explicit WindowHider(Platform& p) : p_(p), files_(p), hung_(p.windows) {}

  // Hides the unwanted windows, appending each to hidden as its hiding
  // starts; when it returns, all of them are hidden and minimised.
  // whileMinimising runs once every one is invisible, as the minimising goes on.
  void WalkTopLevelWindows(const HideRules& rules, std::vector<WindowHandle>& hidden,
                           std::vector<WindowHandle>& working, const std::function<void()>& whileMinimising = {});
  // SW_HIDE, CloseWindow (it minimises), SW_HIDE.
  void HideWindow(WindowHandle window);
  void UnhideWindow(WindowHandle window);
  bool IsCaptionUnwanted(const PreparedBook& book, WindowHandle window);
  bool IsAppUnwanted(const std::vector<std::string>& hideFiles, WindowHandle window);
  void AddWorkingWindow(const std::vector<std::string>& systemProcesses, WindowHandle window,
                        std::vector<WindowHandle>& working);
  void ShowHiddenWindows(std::vector<WindowHandle>& hidden);
  void CloseHiddenWindows(std::vector<WindowHandle>& hidden);

  ProcessFiles& Files() { return files_; }
  HungWindows& Hung() { return hung_; }

private:
  // The first SW_HIDE; then the minimising steps. Posted to the window
  // thread's lane: they have run after the next WaitForCalls.
  void StartHiding(WindowHandle window);
  // Posts the calls to the lane of the window's thread, telling them whether it hangs.
  void PostCalls(WindowHandle window, std::function<void(bool hung)> calls);
  void FinishHiding(WindowHandle window);
  void StartShowing(WindowHandle window);

  Platform& p_;
  ProcessFiles files_;
  HungWindows hung_;
};

}  // namespace hd
