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
  // starts; when it returns, all of them are hidden and minimised (a hung
  // program's when it wakes). afterVanishing runs once every one is
  // invisible, while the minimising goes on.
  void WalkTopLevelWindows(const HideRules& rules, std::vector<WindowHandle>& hidden,
                           std::vector<WindowHandle>& working, const std::function<void()>& afterVanishing = {});
  // SW_HIDE, then the minimising: CloseWindow's SW_MINIMIZE and SW_HIDE.
  void HideWindow(WindowHandle window);
  void UnhideWindow(WindowHandle window);
  bool IsCaptionUnwanted(const PreparedBook& book, WindowHandle window);
  bool IsAppUnwanted(const std::vector<std::string>& hideFiles, WindowHandle window);
  void AddWorkingWindow(const std::vector<std::string>& systemProcesses, WindowHandle window,
                        std::vector<WindowHandle>& working);
  void ShowHiddenWindows(std::vector<WindowHandle>& hidden);
  // Every window gets its show command without waiting, so the programs
  // answer side by side. Returns once each is visible or gone, or when none
  // has come up for HungWindows::kProbeMs: a hung program shows its windows
  // when it wakes.
  void ShowWindows(const std::vector<WindowHandle>& windows, const std::function<int(WindowHandle)>& commandOf);
  void CloseHiddenWindows(std::vector<WindowHandle>& hidden);

  ProcessFiles& Files() { return files_; }
  HungWindows& Hung() { return hung_; }

private:
  // How often the windows waited for are looked at.
  static constexpr unsigned kPollMs = 1;
  // How often all of them are, not only the first not done.
  static constexpr unsigned kAllAskedMs = 16;
  bool IsOwnWindow(WindowHandle window);
  // The first SW_HIDE, sent without waiting.
  void StartHiding(WindowHandle window);
  // The minimising steps; true when they were sent without waiting, to be
  // waited for.
  bool FinishHiding(WindowHandle window);
  // Until each window is done or gone, or none has been for
  // HungWindows::kProbeMs (seen within kAllAskedMs): the threads of those
  // left are taken as hung.
  void WaitUntil(std::vector<WindowHandle> windows, bool (*done)(IWindows&, WindowHandle));

  Platform& p_;
  ProcessFiles files_;
  HungWindows hung_;
};

}  // namespace hd
