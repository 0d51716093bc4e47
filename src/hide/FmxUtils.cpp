// The texts go to the shell as they are: no fixed buffer to cut them short.
#include "hide/FmxUtils.h"

namespace hd {

std::intptr_t ExecuteFile(Platform& p, WindowHandle owner, const std::string& file, const std::string& parameters,
                          const std::string& directory, int showCommand) {
  return p.shell.ShellExecute(owner, "", file, parameters, directory, showCommand);
}

}  // namespace hd
