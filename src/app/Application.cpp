// The entry's steps: one instance, the windows in their order, the loop.
#include "app/Application.h"
#include "access/frmPassUnit.h"
#include "app/CommandLine.h"
#include "app/OneAppRun.h"
#include "app/frmConfUnit.h"
#include "hide/frmCurrentUnit.h"
#include "shell/SPHTMLHelp.h"
#include "shell/frmAboutUnit.h"
#include "words/frmCheckCap.h"

namespace hd {

Application::Application(Platform& p) : platform(p) {
  SetTitle("");
  Help = std::make_unique<THtmlHelpViewer>(
      p, HelpManager{[this] { return platform.forms.ApplicationWindow(); }, [this] { return HelpFile; }});
  frmConfigure = std::make_unique<TfrmConfigure>(*this, p);
  frmAbout = std::make_unique<TfrmAbout>(p.forms, p.shell, p.system);
  frmAbout->OnClose = [this] { frmConfigure->AboutFormClose(); };
  frmPassword = std::make_unique<TfrmPassword>(p.forms, *frmConfigure);
  frmPassword->OnSaveAllSettings = [this] { return frmConfigure->SaveSettingsWithPassword(); };
  frmCurrent = std::make_unique<TfrmCurrent>(p, *Help, frmConfigure->SystemProcessList);
  frmCapEdit = std::make_unique<TfrmCapEdit>(p, *Help, *frmConfigure->Book, frmConfigure->lbWords);
  frmCapEdit->PickWindowCaption = [this]() -> std::optional<std::string> {
    if (frmCurrent->ShowModal() != mrOk) return std::nullopt;
    return frmCurrent->GetSelectedCaption();
  };
  frmCapEdit->ShowError = [this](const std::string& text) { ShowException(text); };
  SetTitle("");
}

Application::~Application() {
  frmCapEdit.reset();
  frmCurrent.reset();
  frmPassword.reset();
  frmAbout.reset();
  frmConfigure.reset();
  Help.reset();
}

void Application::SetTitle(const std::string& title) {
  title_ = title;
  platform.windows.SetWindowText(platform.forms.ApplicationWindow(), title);
}

void Application::ShowException(const std::string& text) {
  platform.forms.MessageBox(text, kAppTaskbarTitle, win::MB_OK | win::MB_ICONERROR);
}

void Application::Run() {
  // The configuration window stays hidden: nothing of the program is on the
  // screen until the tray menu opens it.
  if (!frmConfigure->FTerminating) platform.forms.RunMessageLoop();
}

int RunProgram(Platform& platform) {
  const std::vector<std::string> params = platform.system.CommandLineParams();
  if (AsksForUsage(params)) {
    ShowUsage(platform.forms);
    return 0;
  }
  const Command command = CommandOf(params);
  int exitCode = 0;
  Handle mutex = 0;
  if (CheckSingleInstance(platform.system, mutex)) {
    Application app(platform);
    app.frmConfigure->TakeCommand(command);
    app.Run();
  } else if (command != Command::None && !HandToRunningCopy(platform.windows, command)) {
    exitCode = 1;
  }
  if (mutex) platform.system.CloseHandle(mutex);
  return exitCode;
}

}  // namespace hd
