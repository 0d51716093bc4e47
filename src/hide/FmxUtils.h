// Starting a file: a program by its full path, anything else through the shell.
#pragma once
#include <string>
#include "platform/Platform.h"

namespace hd {

// A path from a drive's root ("C:\...") or a share ("\\server\..."): one
// that does not depend on the folder the program happens to be in.
bool IsFullPath(const std::string& path);

// A program (.exe, .com) is started by CreateProcess with its path as the
// program and, quoted, as its command line; another file (a document, a
// shortcut) goes to ShellExecuteA with the default verb and owner as the
// owning window. Whether it started.
bool ExecuteFile(Platform& p, WindowHandle owner, const std::string& file, const std::string& directory,
                 int showCommand);

}  // namespace hd
