// What a contract test needs from a backend: its platform and a few set-ups
// that the simulation fakes and Windows does for real.
#pragma once
#include <memory>
#include <optional>
#include <string>
#include <utility>
#include <vector>
#include "platform/Platform.h"

namespace hd::contract {

// What the user saw in an input box.
struct SeenInputQuery {
  std::string caption, prompt, initial;
  bool stars = false;  // the field shows "*" for each character
};

class Backend {
public:
  virtual ~Backend() = default;
  virtual Platform& platform() = 0;
  // A fresh, empty folder, as a Windows path with a trailing backslash.
  virtual std::string TempDir() = 0;
  // A top-level window of this process with the caption; visible or not.
  virtual WindowHandle MakeWindow(const std::string& caption, bool visible) = 0;
  // A child window of this process inside the given window.
  virtual WindowHandle MakeChildWindow(WindowHandle parent, const std::string& caption) = 0;
  virtual void DestroyWindow(WindowHandle window) = 0;
  // A toolbar control with buttons of these command ids, hidden or not, in a
  // window of its own; DestroyWindow on the toolbar takes both.
  virtual WindowHandle MakeToolbar(const std::vector<std::pair<int, bool>>& buttons) = 0;
  // Another running process and its full executable path; ends with the test.
  virtual ProcessId StartProcess(std::string& exePath) = 0;
  // Another running process that plays a silent loop through the system's
  // default playback device (where there is one) until the test ends.
  virtual ProcessId StartPlayingProcess() = 0;
  virtual bool ProcessRunning(ProcessId process) = 0;
  // Plays the user at the next input box: types the text over the field's and
  // presses OK, or presses Cancel when there is none.
  virtual void AnswerInputQuery(std::optional<std::string> typed) = 0;
  // The box last answered, once the program's call has returned.
  virtual SeenInputQuery LastInputQuery() = 0;
  // Removes a registry key of HKEY_CURRENT_USER that has no subkeys.
  virtual void DeleteUserKey(const std::string& path) = 0;
  // Opens an existing file for reading without sharing, as another program
  // may, and keeps it open until the backend ends.
  virtual void HoldOpen(const std::string& path) = 0;
};

std::unique_ptr<Backend> MakeBackend();

}  // namespace hd::contract
