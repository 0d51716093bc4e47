// The program is named apart from its command line, and the command line
// quotes it: a path with blanks never starts the program at the path cut at
// the first blank ("C:\Program.exe" for "C:\Program Files\...").
#include "hide/FmxUtils.h"

namespace hd {

namespace {
bool IsProgram(ISystem& system, const std::string& file) {
  const auto dot = file.find_last_of('.');
  if (dot == std::string::npos) return false;
  const std::string extension = system.CharLower(file.substr(dot));
  return extension == ".exe" || extension == ".com";
}
}  // namespace

bool IsFullPath(const std::string& path) {
  // Drive letters are ASCII; no locale is asked (and nothing more imported).
  const char letter = static_cast<char>(path.empty() ? 0 : path[0] | 0x20);
  const bool fromDrive = path.size() > 2 && letter >= 'a' && letter <= 'z' && path[1] == ':' && path[2] == '\\';
  return fromDrive || path.starts_with("\\\\");
}

bool ExecuteFile(Platform& p, WindowHandle owner, const std::string& file, const std::string& directory,
                 int showCommand) {
  if (IsProgram(p.system, file)) return p.processes.CreateProcess(file, "\"" + file + "\"", directory, showCommand);
  return p.shell.ShellExecute(owner, "", file, "", directory, showCommand) > 32;
}

}  // namespace hd
