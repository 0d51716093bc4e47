// The switches that act on the running copy: a second copy hands them over.
#pragma once
#include <string>
#include <vector>
#include "platform/Platform.h"

namespace hd {

enum class Command : WParam { None = 0, Hide = 1, Show = 2, Toggle = 3, Exit = 4 };

// Sent by a second copy to the running copy's configuration window, the
// command in wParam; the answer is 1 when the command was taken.
inline constexpr unsigned kWmCommandLine = win::WM_USER + 2;
// Posted by the running copy to itself: the command taken, run from the loop.
inline constexpr unsigned kWmRunCommand = win::WM_USER + 3;

// The first of "/hide", "/show", "/toggle", "/exit" among the parameters,
// in any letter case; None without one.
Command CommandOf(const std::vector<std::string>& params);
// Whether "/?" is among them.
bool AsksForUsage(const std::vector<std::string>& params);
// The message box that lists the switches.
void ShowUsage(IFormHost& forms);
// Hands the command to the running copy: whether it took it.
bool HandToRunningCopy(IWindows& windows, Command command);

}  // namespace hd
