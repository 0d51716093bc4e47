// The About box: the program's name and version and how to reach its makers.
#pragma once
#include "ui/Event.h"
#include "platform/Shell.h"
#include "platform/System.h"
#include "ui/Form.h"

namespace hd {

inline constexpr const char* kWebAddress = "https://hushdesk.example.org";
inline constexpr const char* kEmailAddress = "hushdesk@example.org";

class TfrmAbout : public Form {
public:
  ~TfrmAbout() override;  // out of line: one unwind table header for the file
  TfrmAbout(IFormHost& host, IShell& shell, ISystem& system);
  // The controller's handler for the box closing.
  Event OnClose;

  hd::Image Image;
  Label labName, labV, labVer;
  GroupBox grpContact;
  Label labWeb, labEmail;
  // The folder the settings are read from and written to.
  Label labSettingsTitle, labSettings;
  Button butOk;

  void labWebClick();
  void labEmailClick();
  // Hands the target to the shell: a browser for a web address, the mail
  // program for "mailto:", started in the system folder.
  void OpenLink(const std::string& target);

protected:
  void FormClose() override;

private:
  void FormCreate();
  IShell& shell_;
  ISystem& system_;
};

}  // namespace hd
