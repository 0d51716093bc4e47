// Help windows belong to the program's process, as HTML Help runs inside it.
#include "platform/sim/SimHtmlHelp.h"
#include <algorithm>
#include <stdexcept>

namespace hd {

bool SimHtmlHelp::Load() {
  s_.htmlHelpLoaded = s_.htmlHelpInstalled;
  return s_.htmlHelpLoaded;
}

WindowHandle SimHtmlHelp::HtmlHelp(WindowHandle owner, const std::string& file, unsigned command,
                                   std::uintptr_t data) {
  // Calling into a library that is not loaded would crash on Windows.
  if (!HasHtmlHelp()) throw std::logic_error("HtmlHelpA called without HHCTRL.OCX");
  s_.htmlHelpCalls.push_back({owner, file, command, data});
  if (command == win::HH_CLOSE_ALL) {
    for (WindowHandle window : s_.helpWindows) {
      std::erase(s_.zOrder, window);
      s_.windows.erase(window);
    }
    s_.helpWindows.clear();
    return 0;
  }
  SimWindow window;
  window.handle = s_.nextHandle;
  s_.nextHandle += 4;
  window.className = "HH Parent";
  window.caption = "Velmora Hushdesk Help";
  window.owner = owner;
  window.processId = s_.programProcess;
  window.visible = true;
  s_.zOrder.insert(s_.zOrder.begin(), window.handle);
  s_.windows[window.handle] = window;
  s_.helpWindows.push_back(window.handle);
  return window.handle;
}

}  // namespace hd
