// The program: its windows in their fixed order, the title and the run loop.
#pragma once
#include <memory>
#include <string>
#include "platform/Platform.h"

namespace hd {

class TfrmConfigure;
class TfrmAbout;
class TfrmPassword;
class TfrmCurrent;
class TfrmCapEdit;
class THtmlHelpViewer;

inline constexpr const char* kAppTitle = "Velmora Hushdesk 1.5";
inline constexpr const char* kAppTaskbarTitle = "Velmora Hushdesk";
inline constexpr const char* kConfigureCaption = "Hushdesk - Configuration";

class Application {
public:
  // Creates the windows; the configuration window's FormCreate runs here.
  explicit Application(Platform& platform);
  ~Application();  // destroys them: FormDestroy
  Application(const Application&) = delete;
  Application& operator=(const Application&) = delete;

  // Runs the message loop until the main window closes.
  void Run();

  // The application window's title: the text of its taskbar button.
  const std::string& Title() const { return title_; }
  void SetTitle(const std::string& title);
  std::string HelpFile;
  // The application's error box, for errors that end a user action.
  void ShowException(const std::string& text);

  Platform& platform;
  // Made before the windows and gone after them.
  std::unique_ptr<THtmlHelpViewer> Help;
  std::unique_ptr<TfrmConfigure> frmConfigure;
  std::unique_ptr<TfrmAbout> frmAbout;
  std::unique_ptr<TfrmPassword> frmPassword;
  std::unique_ptr<TfrmCurrent> frmCurrent;
  std::unique_ptr<TfrmCapEdit> frmCapEdit;

private:
  std::string title_;
};

// The whole entry: "/?", single-instance check or handing the command to the
// running copy, windows, loop. The exit code: 1 when a running copy did not
// take the command, else 0.
int RunProgram(Platform& platform);

}  // namespace hd
