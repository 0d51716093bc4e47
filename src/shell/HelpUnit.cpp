// The configuration window's pages and their help topics.
#include "shell/HelpUnit.h"
#include <array>

namespace hd {

namespace {
// "Common", "HIDE mode", "Hide", "Switch to", "Sound and Video", "Hot Keys", "Triggers".
constexpr std::array<int, 7> kPageContexts{20, 40, 50, 100, 90, 60, 70};
}  // namespace

void ShowConfigurePageHelp(THtmlHelpViewer& help, int page) {
  if (page < 0 || page >= static_cast<int>(kPageContexts.size())) return;
  help.ShowHelpContext(kPageContexts[static_cast<std::size_t>(page)], "");
}

}  // namespace hd
