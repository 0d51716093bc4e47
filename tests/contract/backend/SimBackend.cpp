// The contract tests' backend on the host: the simulated desktop.
#include <algorithm>
#include <cctype>
#include "Backend.h"
#include "platform/sim/SimDesktop.h"

namespace hd::contract {

namespace {
class SimBackend : public Backend {
public:
  Platform& platform() override { return desktop_.platform; }
  std::string TempDir() override {
    const std::string dir = "C:\\temp\\contract" + std::to_string(++dirs_);
    desktop_.MakeDirectories(dir);
    return dir + "\\";
  }
  WindowHandle MakeWindow(const std::string& caption, bool visible) override {
    SimDesktop::WindowOptions options;
    options.visible = visible;
    return desktop_.AddWindow(desktop_.state.programProcess, caption, options);
  }
  WindowHandle MakeToolbar(const std::vector<std::pair<int, bool>>& buttons) override {
    const WindowHandle frame = MakeWindow("toolbar frame", true);
    const WindowHandle toolbar =
        desktop_.AddWindow(desktop_.state.programProcess, "", {true, 0, "ToolBarWindow32", frame});
    for (const auto& [command, hidden] : buttons) desktop_.Window(toolbar).toolbarButtons.push_back({command, hidden});
    return toolbar;
  }
  WindowHandle MakeChildWindow(WindowHandle parent, const std::string& caption) override {
    return desktop_.AddWindow(desktop_.state.programProcess, caption, {.parent = parent});
  }
  void DestroyWindow(WindowHandle window) override {
    std::erase(desktop_.state.zOrder, window);
    desktop_.state.windows.erase(window);
  }
  ProcessId StartProcess(std::string& exePath) override {
    exePath = "C:\\Tools\\Child.exe";
    return desktop_.AddProcess(exePath);
  }
  // A player has an audio session of its own from Vista on.
  ProcessId StartPlayingProcess() override {
    desktop_.state.version = {148, 10, 0, 19045, 2, ""};
    const ProcessId player = desktop_.AddProcess("C:\\Tools\\Player.exe");
    desktop_.StartAudioSession(player);
    return player;
  }
  bool ProcessRunning(ProcessId process) override { return desktop_.ProcessAlive(process); }
  void AnswerInputQuery(std::optional<std::string> typed) override {
    desktop_.state.inputAnswers.push_back(std::move(typed));
  }
  SeenInputQuery LastInputQuery() override {
    if (desktop_.state.inputQueries.empty()) return {};
    const ShownInputQuery& shown = desktop_.state.inputQueries.back();
    return {shown.caption, shown.prompt, shown.initial, shown.echo == InputEcho::Stars};
  }
  void DeleteUserKey(const std::string& path) override {
    std::string name = "hkcu\\" + path;
    std::transform(name.begin(), name.end(), name.begin(), [](unsigned char c) { return std::tolower(c); });
    desktop_.registry.keys.erase(name);
  }
  void HoldOpen(const std::string& path) override { desktop_.HoldOpen(path); }

private:
  SimDesktop desktop_;
  int dirs_ = 0;
};
}  // namespace

std::unique_ptr<Backend> MakeBackend() { return std::make_unique<SimBackend>(); }

}  // namespace hd::contract
