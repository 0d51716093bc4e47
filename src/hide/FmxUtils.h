// Starting a file through the shell.
#pragma once
#include <cstdint>
#include <string>
#include "platform/Platform.h"

namespace hd {

// ShellExecuteA with the default verb and owner as the owning window; the
// instance value. Texts of any length are passed whole.
std::intptr_t ExecuteFile(Platform& p, WindowHandle owner, const std::string& file, const std::string& parameters,
                          const std::string& directory, int showCommand);

}  // namespace hd
