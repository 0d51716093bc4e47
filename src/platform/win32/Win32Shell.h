// The shell through shell32.
#pragma once
#include "platform/Shell.h"

namespace hd {

class Win32Shell : public IShell {
public:
  ~Win32Shell() override;  // out of line: one unwind table header for the file
  bool NotifyIcon(unsigned message, const NotifyIconData& data) override;
  std::intptr_t ShellExecute(WindowHandle owner, const std::string& verb, const std::string& file, const std::string& parameters,
                             const std::string& directory, int showCommand) override;
  bool DragAcceptFiles(WindowHandle window, bool accept) override;
  Point DragQueryPoint(Handle drop) override;
  unsigned DragQueryFile(Handle drop, unsigned index, std::string& file, unsigned bufferSize) override;
  void DragFinish(Handle drop) override;
  Handle ExtractIcon(const std::string& file, unsigned index) override;
  bool DestroyIcon(Handle icon) override;
  Point GetCursorPos() override;
  Handle ApplicationIcon() override;
  Handle ResourceIcon(int resource) override;
};

}  // namespace hd
