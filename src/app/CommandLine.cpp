// The running copy is found by its configuration window's caption: the one
// window of the program that exists from start to end.
#include "app/CommandLine.h"
#include <algorithm>
#include "app/Application.h"

namespace hd {

namespace {
// A copy busy with a sequence still answers at once (it queues the
// command); one that does not answer in this time is taken as hung.
constexpr unsigned kAnswerMs = 5000;

std::string Lower(std::string text) {
  std::transform(text.begin(), text.end(), text.begin(),
                 [](char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c + 32) : c; });
  return text;
}
}  // namespace

Command CommandOf(const std::vector<std::string>& params) {
  static constexpr struct { const char* name; Command command; } kSwitches[] = {
      {"/hide", Command::Hide}, {"/show", Command::Show}, {"/toggle", Command::Toggle}, {"/exit", Command::Exit}};
  for (const std::string& param : params)
    for (const auto& entry : kSwitches)
      if (Lower(param) == entry.name) return entry.command;
  return Command::None;
}

bool AsksForUsage(const std::vector<std::string>& params) {
  return std::find(params.begin(), params.end(), "/?") != params.end();
}

void ShowUsage(IFormHost& forms) {
  forms.MessageBox(
      "hushdesk [/hidden] [/hide | /show | /toggle | /exit]\r\n\r\n"
      "/hidden\tstarts in Invisible mode\r\n"
      "/hide\tenters HIDE mode\r\n"
      "/show\tleaves HIDE mode\r\n"
      "/toggle\tenters or leaves HIDE mode\r\n"
      "/exit\tends Hushdesk\r\n\r\n"
      "A running Hushdesk takes the command; else Hushdesk starts and then acts.\r\n"
      "Exit code 0: a running Hushdesk took it; 1: it did not.",
      kAppTaskbarTitle, win::MB_OK | win::MB_ICONINFORMATION);
}

bool HandToRunningCopy(IWindows& windows, Command command) {
  const WindowHandle running = windows.FindWindow("", kConfigureCaption);
  LResult taken = 0;
  return running &&
         windows.SendMessageTimeout(running, kWmCommandLine, static_cast<WParam>(command), 0, kAnswerMs, taken) &&
         taken == 1;
}

}  // namespace hd
