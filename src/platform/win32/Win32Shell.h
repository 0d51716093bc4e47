// The shell through shell32.
#pragma once
#include "platform/Shell.h"

namespace hd {

class Win32Shell : public IShell {
public:
  bool NotifyIcon(unsigned message, const NotifyIconData& data) override;
  std::intptr_t ShellExecute(WindowHandle owner, const std::string& verb, const std::string& file, const std::string& parameters,
                             const std::string& directory, int showCommand) override;
  bool DragAcceptFiles(WindowHandle window, bool accept) override;
  Point GetCursorPos() override;
  Handle ApplicationIcon() override;
  Handle ResourceIcon(int resource) override;
};

}  // namespace hd
