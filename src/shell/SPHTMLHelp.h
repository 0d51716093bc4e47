// The program's help system: every help request ends in one HTML Help call.
#pragma once
#include <optional>
#include <string>
#include "platform/Platform.h"
#include "ui/Event.h"

namespace hd {

// What the program tells its help system: the window that owns help windows
// and the current help file.
struct HelpManager {
  Callback<WindowHandle()> Handle;
  Callback<std::string()> HelpFile;
};

class THtmlHelpViewer {
public:
  // Loads "HHCTRL.OCX"; warns once when it is missing.
  THtmlHelpViewer(Platform& platform, HelpManager manager);
  // Closes every help window the program opened, then frees the library.
  ~THtmlHelpViewer();
  THtmlHelpViewer(const THtmlHelpViewer&) = delete;
  THtmlHelpViewer& operator=(const THtmlHelpViewer&) = delete;

  void ShowTableOfContents();
  // The help file chosen from fileName (empty: the current one) at the context number.
  void ShowHelpContext(int context, const std::string& fileName);
  // The file given, else the current help file, else ExeDir's "Help\Help.chm";
  // none when no file of that name exists.
  std::optional<std::string> ChooseHelpFile(const std::string& fileName);

private:
  void Call(const std::string& file, unsigned command, std::uintptr_t data);
  Platform& p_;
  HelpManager manager_;
  bool loaded_ = false;
};

}  // namespace hd
