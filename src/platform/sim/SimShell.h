// The simulated shell: a notification area, started files, drop targets.
#pragma once
#include "platform/Shell.h"
#include "platform/sim/SimState.h"

namespace hd {

class SimShell : public IShell {
public:
  explicit SimShell(SimState& state) : s_(state) {}
  bool NotifyIcon(unsigned message, const NotifyIconData& data) override;
  std::intptr_t ShellExecute(WindowHandle owner, const std::string& verb, const std::string& file, const std::string& parameters,
                             const std::string& directory, int showCommand) override;
  bool DragAcceptFiles(WindowHandle window, bool accept) override;
  Point DragQueryPoint(Handle drop) override;
  unsigned DragQueryFile(Handle drop, unsigned index, std::string& file, unsigned bufferSize) override;
  void DragFinish(Handle drop) override;
  Handle ExtractIcon(const std::string& file, unsigned index) override;
  bool DestroyIcon(Handle icon) override;
  Point GetCursorPos() override { return s_.cursor; }
  Handle ApplicationIcon() override { return s_.applicationIcon; }
  Handle ResourceIcon(int resource) override { return s_.applicationIcon + static_cast<Handle>(resource - 1) * 0x10; }

private:
  SimState& s_;
};

}  // namespace hd
