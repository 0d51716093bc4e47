// The help topics: which window or page opens which context of the help file.
#pragma once
#include "shell/SPHTMLHelp.h"

namespace hd {

// The dialogs' "Help" buttons ask for these; the tray menu's for the table of contents.
inline constexpr int kHelpCurrentWindows = 120;  // "Current windows and processes"
inline constexpr int kHelpWordsListEditor = 130;  // "Words lists management"

// The configuration window's "Help" for the page at that index; nothing for no page.
void ShowConfigurePageHelp(THtmlHelpViewer& help, int page);

}  // namespace hd
