// Icons are keyed by window and id, as the shell keys them.
#include "platform/sim/SimShell.h"
#include <algorithm>

namespace hd {

bool SimShell::NotifyIcon(unsigned message, const NotifyIconData& data) {
  s_.notifyCalls.emplace_back(message, data);
  s_.LogCall("NotifyIcon " + std::to_string(message));
  if (!s_.shellAccepts) return false;
  auto it = std::find_if(s_.notifyIcons.begin(), s_.notifyIcons.end(),
                         [&](const NotifyIconData& icon) { return icon.hWnd == data.hWnd && icon.uID == data.uID; });
  switch (message) {
    case win::NIM_ADD:
      if (it != s_.notifyIcons.end()) return false;
      s_.notifyIcons.push_back(data);
      return true;
    case win::NIM_MODIFY:
      if (it == s_.notifyIcons.end()) return false;
      if (data.uFlags & win::NIF_ICON) it->hIcon = data.hIcon;
      if (data.uFlags & win::NIF_TIP) it->szTip = data.szTip;
      if (data.uFlags & win::NIF_MESSAGE) it->uCallbackMessage = data.uCallbackMessage;
      if (data.uFlags & win::NIF_INFO) {
        // Shells before 5.0 refuse the longer record a balloon needs.
        if (!s_.shellShowsBalloons) return false;
        s_.balloons.push_back(data);
      }
      return true;
    case win::NIM_DELETE:
      if (it == s_.notifyIcons.end()) return false;
      s_.notifyIcons.erase(it);
      return true;
    default:
      return false;
  }
}

std::intptr_t SimShell::ShellExecute(WindowHandle owner, const std::string& verb, const std::string& file,
                                     const std::string& parameters, const std::string& directory, int showCommand) {
  s_.shellExecutes.push_back({owner, file, parameters, directory, showCommand, verb});
  return 42;  // above 32: started
}

bool SimShell::DragAcceptFiles(WindowHandle window, bool accept) {
  if (accept)
    s_.dropTargets.insert(window);
  else
    s_.dropTargets.erase(window);
  return true;
}

Point SimShell::DragQueryPoint(Handle drop) {
  auto it = s_.drops.find(drop);
  return it == s_.drops.end() ? Point{} : it->second.point;
}

unsigned SimShell::DragQueryFile(Handle drop, unsigned index, std::string& file, unsigned bufferSize) {
  auto it = s_.drops.find(drop);
  if (it == s_.drops.end() || it->second.finishes > 0) return 0;
  const auto& files = it->second.files;
  if (index == 0xFFFFFFFFu) return static_cast<unsigned>(files.size());
  if (index >= files.size() || bufferSize == 0) return 0;
  file = files[index].substr(0, bufferSize - 1);
  return static_cast<unsigned>(file.size());
}

void SimShell::DragFinish(Handle drop) {
  if (auto it = s_.drops.find(drop); it != s_.drops.end()) ++it->second.finishes;
}

Handle SimShell::ExtractIcon(const std::string& file, unsigned index) {
  for (const auto& [id, process] : s_.processes)
    if (process.exePath.substr(0, 254) == file && process.exeHasIcon && index == 0) {
      const Handle icon = s_.nextIcon++;
      s_.extractedIcons.insert(icon);
      return icon;
    }
  return 0;
}

bool SimShell::DestroyIcon(Handle icon) { return s_.extractedIcons.erase(icon) > 0; }

}  // namespace hd
