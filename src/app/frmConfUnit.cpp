// Creation, showing, closing and destruction of the configuration window.
#include "app/frmConfUnit.h"
#include "app/Application.h"
#include "hide/HiddenSound.h"
#include "hide/WindowsAsTheyWere.h"
#include "hide/tray_man.h"
#include "media/GraphicModes.h"
#include "media/sound_man.h"
#include "recovery/CrashRecovery.h"
#include "settings/ListFiles.h"
#include "shell/TrayIcon.h"
#include "triggers/HideTriggers.h"
#include "words/TWordsListUnit.h"

namespace hd {

namespace {
FileDialogOptions ExeFileDialog() {
  FileDialogOptions options;
  options.title = "Select EXE file";
  options.filter = "Executable files (*.exe)|*.exe";
  options.hideReadOnly = true;
  options.pathMustExist = true;
  options.fileMustExist = true;
  options.resizable = true;
  return options;
}
}  // namespace

TfrmConfigure::TfrmConfigure(Application& app, Platform& platform)
    : Form(platform.forms, "frmConfigure", kConfigureCaption, 486, 411),
      AppSettings(static_cast<Form&>(*this)), Od(platform.forms, ExeFileDialog()), app_(app), p_(platform) {
  butOk.OnClick = [this] { butOkClick(); };
  butCancel.OnClick = [this] { butCancelClick(); };
  butHelp.OnClick = [this] { butHelpClick(); };
  LayOutPages();
  Realise();
  FormCreate();
}

TfrmConfigure::~TfrmConfigure() { FormDestroy(); }

void TfrmConfigure::FormCreate() {
  const std::string exePath = p_.system.GetModuleFileName();
  ExeDir = exePath.substr(0, exePath.find_last_of("\\:") + 1);
  SettingsHome = ChooseSettingsFolder(p_.files, ExeDir, p_.system.GetEnvironmentVariable("APPDATA"));
  // Before anything else: windows that a previous run left hidden come back.
  Recovery = std::make_unique<CrashRecovery>(p_, SettingsHome.kept + "Recovery.dat", SystemVolumePath());
  LeftRecord left = LeftRecord::None;
  std::string leftError;
  Sequences.Run([&] { left = Recovery->PutBackLeftRecord(leftError); });
  TellLeftRecord(left, leftError);
  app_.HelpFile = ExeDir + "Help\\Help.chm";
  SetAppWindowStyle(true);
  HideAppWindow();
  app_.SetTitle(kAppTitle);
  SetAppWindowStyle(true);
  // Beyond the right edge until the tray menu first shows it centred.
  SetLeft(p_.system.ScreenWidth());
  WindowsBar = std::make_unique<TWindowsBar>(p_);
  AsTheyWere = std::make_unique<WindowsAsTheyWere>(p_);
  Book = std::make_unique<TBook>();
  DescribeSettingsFiles();
  SettingsStep(&TfrmConfigure::LoadSystemProcessList);
  p_.shell.DragAcceptFiles(Handle(), true);
  CreateTrayIcon();
  WireEnablingRules();
  CreateMedia();
  WirePasswordControls();
  ImageKey.SetIcon(p_.shell.ResourceIcon(resource::kKeyIcon));
  WireFileButtons();
  WireWordsButtons();
  WireHotKeyMarks();
  WireTriggerControls();
  p_.system.SetCrashHandler([this] { PutBackAfterCrash(); });
  // A file that fails to load must not leave the program without hotkeys and
  // tray icon: report it and go on with what was loaded and the defaults.
  SettingsStep(&TfrmConfigure::LoadAllSettings);
  RegisterHotKeys();
  const std::vector<std::string> params = p_.system.CommandLineParams();
  if (!params.empty() && params.front() == "/hidden")
    SetInvisibleMode();
  else
    SetTrayIconMode();
}

void TfrmConfigure::LoadSystemProcessList() {
  // The list shipped beside the exe first; a user's own where that has none.
  const std::string shipped = ExeDir + "Settings\\SysProcs.lst";
  SystemProcessList = ReadListFile(p_.files, p_.files.FileExists(shipped) ? shipped : SettingsHome.kept + "SysProcs.lst");
}

void TfrmConfigure::FormShow() {
  p_.forms.ProcessMessages();
  p_.shell.DragAcceptFiles(Handle(), true);
}

void TfrmConfigure::FormDestroy() {
  p_.system.SetCrashHandler(nullptr);
  TrayIcon.reset();
  Triggers.reset();
  WindowsBar.reset();
  AsTheyWere.reset();
  Recovery.reset();
  Book.reset();
  SystemProcessList.clear();
  HiddenWindowList.clear();
  WorkingWindowList.clear();
}

std::optional<LResult> TfrmConfigure::HandleMessage(unsigned message, WParam wParam, LParam lParam) {
  switch (message) {
    case win::WM_HOTKEY:
      WMHotKey(wParam);
      return 0;
    case win::WM_QUERYENDSESSION:
      return WMQueryEndSession();
    case win::WM_DROPFILES:
      return WMDropFiles(static_cast<hd::Handle>(wParam));
    case kWmCommandLine:
      return TakeCommand(static_cast<Command>(wParam)) ? 1 : 0;
    case kWmRunCommand:
      RunCommand(static_cast<Command>(wParam));
      return 0;
    case kWmTellHotKeyConflicts:
      TellHotKeyConflicts();
      return 0;
    case kWmAudioSessionCreated:
      // One that comes after leaving has nothing to mute for.
      if (FHideMode && Entered.sessions) {
        HiddenPrograms->MuteNew();
        Recovery->Save(RecordOfHideMode());
      }
      return 0;
    default:
      return Form::HandleMessage(message, wParam, lParam);
  }
}

}  // namespace hd
