// The configuration window, which is also the program's controller.
#pragma once
#include <functional>
#include <memory>
#include <string>
#include <vector>
#include "app/CommandLine.h"
#include "app/HotKeyConflicts.h"
#include "app/SequenceGate.h"
#include "platform/Platform.h"
#include "settings/AppSettings.h"
#include "settings/SettingsFolder.h"
#include "settings/SettingsSet.h"
#include "ui/FileDialog.h"
#include "ui/Form.h"
#include "ui/Menu.h"

namespace hd {

class Application;
class GraphicModes;
class HiddenSound;
class SoundVolume;
enum class VolumePath;
class TBook;
class TWindowsBar;
class TTrayIcon;
class WindowsAsTheyWere;
class CrashRecovery;
class HideTriggers;
struct TriggerOptions;
struct RecoveryRecord;
enum class LeftRecord;
enum class NoticeKind;

// Hotkey ids registered on the configuration window.
enum HotKeyId : int { kHotKeyMode = 1, kHotKeyVisible = 2, kHotKeyClose = 3 };
// Posted to the configuration window by a registration that failed.
inline constexpr unsigned kWmTellHotKeyConflicts = win::WM_USER + 1;
// Posted by the audio sessions' watch as one starts (+ 2 and + 3 are the command line's).
inline constexpr unsigned kWmAudioSessionCreated = win::WM_USER + 4;

class TfrmConfigure : public Form, public AppSettings {
public:
  // Runs FormCreate.
  TfrmConfigure(Application& app, Platform& platform);
  // Runs FormDestroy.
  ~TfrmConfigure() override;

  // Controller state.
  std::string ExeDir;
  // The settings' folder, chosen once at start-up.
  SettingsFolder SettingsHome;
  bool FHideMode = false;
  bool FInvisible = false;
  bool FTerminating = false;
  std::vector<std::string> SystemProcessList;  // compared ignoring case

  // Hotkeys and mode.
  void RegisterHotKeys();
  void UnregisterHotKeys();
  // The registrations the last RegisterHotKeys could not make.
  std::vector<HotKeyFailure> HotKeyFailures;
  // A balloon in TrayIcon mode, the notice box in Invisible mode.
  void TellHotKeyConflicts();
  static unsigned HotKeyModifiers(const HotKeyEdit& control);
  void WMHotKey(WParam id);
  void ToggleMode();
  void TerminateProgram();
  LResult WMQueryEndSession();

  // The other ways into HIDE mode, suspended with the hotkeys.
  std::unique_ptr<HideTriggers> Triggers;
  TriggerOptions TriggerOptionsNow() const;
  void UpdateTriggerCaptions();
  void UpdateTriggerControls();  // the corner's choices follow cbCornerHide
  // Through the gate; nothing in HIDE mode.
  void EnterHideModeOnly();
  // A command of the command line, this copy's or a second copy's: whether it
  // is taken. Only /exit is taken while the settings are being edited.
  bool TakeCommand(Command command);
  void RunCommand(Command command);

  // HIDE mode.
  void EnterHideMode();
  void LeaveHideMode();
  void ExitAction();
  // Entering, leaving, the exit action and the recovery at start-up run one
  // at a time; the hotkeys and the session's end wait for the one running.
  SequenceGate Sequences;
  // What entering HIDE mode changed, as it changed it: leaving, the exit
  // action and the recovery record undo this, whatever the options say now.
  struct HideModeSteps {
    bool invisible = false;    // switched to Invisible mode
    bool graphicMode = false;  // the display mode was switched
    bool volume = false;       // the volume was set, from a level read before
    bool trayArea = false;     // the notification area was hidden
    bool asTheyWere = false;   // the show states were taken
    bool sessions = false;     // the hidden programs' audio sessions are muted and watched
  };
  HideModeSteps Entered;
  // The recovery record: what this HIDE mode changed, so far.
  std::unique_ptr<CrashRecovery> Recovery;
  RecoveryRecord RecordOfHideMode();
  // What the start-up's recovery could not do, in the notice box.
  void TellLeftRecord(LeftRecord left, const std::string& error);
  // Once a run: a HIDE mode whose record could not be written.
  void TellRecordNotSaved();
  void TellRecordProblem(const std::string& problem, const char* consequence, NoticeKind kind);
  // The crash handler: puts back what HIDE mode changed, from memory.
  void PutBackAfterCrash();
  std::vector<WindowHandle> HiddenWindowList;   // in the order of hiding
  std::vector<WindowHandle> WorkingWindowList;  // left visible by the walk, topmost first
  // With cbRestoreAsWere: the show states and the front window before hiding.
  std::unique_ptr<WindowsAsTheyWere> AsTheyWere;
  // Volume and graphic mode in HIDE mode.
  void ApplyHideVolume();
  // Shows the hidden windows as leaving does, as they were when that was taken.
  void ShowHiddenWindows();
  void SwitchHideGraphicMode();
  std::unique_ptr<SoundVolume> Volume;
  std::unique_ptr<GraphicModes> Modes;
  // With cbMuteHidden: the hidden programs' audio sessions.
  std::unique_ptr<HiddenSound> HiddenPrograms;
  void UnmuteHiddenPrograms();
  VolumePath SystemVolumePath();
  // The "Sound and Video" page.
  PopupMenu mGraphList{"mGraphList"};
  void FillGraphicModeMenu();
  void butSoundTestClick();
  void butGraphSelectClick();
  void mItemClick(std::size_t resolution, std::size_t depth, std::size_t frequency);
  void butGraphTestClick();

  // Visible modes.
  void SetTrayIconMode();
  void SetInvisibleMode();
  void ToggleVisibleMode();
  void HideAppWindow();
  void ShowAppWindow();
  void SetAppWindowStyle(bool toolWindow);
  void SetServiceProcess(bool doRegister);

  // The tray icon and its menu.
  std::unique_ptr<TTrayIcon> TrayIcon;
  PopupMenu TrayMenu{"TrayMenu"};
  void mConfigureClick();
  void CloseConfigWindow();
  void mAboutClick();
  void AboutFormClose();
  void mHelpClick();
  void mExitClick();
  void TrayIconDblClick();

  // OK and Cancel of the configuration window.
  void butOkClick();
  void butCancelClick();
  void butHelpClick();
  bool HotKeysDistinct();

  // The two application filename lists: their buttons, the open dialog
  // they share, and files dropped from the shell.
  FileDialog Od;
  void AddFileToList(ListBox& list, const std::string& path);
  void AddFileThroughDialog(ListBox& list);
  void EditFileThroughDialog(ListBox& list);
  void DeleteFileAsked(ListBox& list);
  void ClearFilesAsked(ListBox& list);
  void AddFromRunningApps(ListBox& list);
  void butFileAddClick() { AddFileThroughDialog(lbHideFiles); }
  void butFileEditClick() { EditFileThroughDialog(lbHideFiles); }
  void butFileDeleteClick() { DeleteFileAsked(lbHideFiles); }
  void butFileClearClick() { ClearFilesAsked(lbHideFiles); }
  void butSysProcClick() { AddFromRunningApps(lbHideFiles); }
  void butSevAddFileClick() { AddFileThroughDialog(lbSerFiles); }
  void butSerEditFileClick() { EditFileThroughDialog(lbSerFiles); }
  void butSerDelFileClick() { DeleteFileAsked(lbSerFiles); }
  void butSerClearClick() { ClearFilesAsked(lbSerFiles); }
  void butSerSysProcClick() { AddFromRunningApps(lbSerFiles); }
  LResult WMDropFiles(hd::Handle drop);
  ListBox* FindDropTarget(Point screenPoint);

  // The words lists' buttons on the page "By window caption".
  void butAddClick();
  void butEditClick();
  void butDeleteClick();
  void butClearClick();

  // Settings.
  void LoadAllSettings();
  // Each file that was not loaded, read again when the window opens.
  void ReloadSettingsNotLoaded();
  void SaveAllSettings();
  // Saves for the password dialog: whether the password reached Main.cfg.
  bool SaveSettingsWithPassword();
  // Runs a load or save; reports a failure in the error box.
  bool SettingsStep(void (TfrmConfigure::*step)());
  // The words lists' files (loaded and saved with the settings).
  void LoadBook();
  void SaveBook();
  std::string SettingsFile(const char* name) const;  // in the settings' folder
  std::string BookFile() const;  // "Book\\File" in the settings' folder
  std::unique_ptr<TBook> Book;
  // Enabling rules: controls that follow a check box or a choice.
  void UpdateSoundControls();
  void UpdateVideoControls();
  void UpdateExitActionControls();
  void UpdatePasswordControls();  // butSetPass follows rbEnable
  void UpdateEnablingRules();   // all of the above

  // Password protection.
  bool CheckAccessPassword();  // whether the user may go on
  void rbEnableClick();
  void rbDisable2Click();
  void rbEnableMouseUp();
  void rbDisable2MouseUp();
  void butSetPassClick();
  void ShowPasswordDialog();

  // The taskbar's notification area.
  std::unique_ptr<TWindowsBar> WindowsBar;

  std::optional<LResult> HandleMessage(unsigned message, WParam wParam, LParam lParam) override;

protected:
  void FormShow() override;
  void FormHide() override;
  bool FormCloseQuery() override { return FTerminating; }
  void FormClose() override;

private:
  void FormCreate();
  void FormDestroy();
  void DescribeSettingsFiles();
  // The first save after start-up read settings from a folder that cannot be written.
  void MoveSettings();
  void LoadSettingsWith(void (SettingsSet::*load)());
  // The machine's Run value that the user cannot remove starts the program still.
  void TellMachineRunValue(bool stays);
  void LoadSystemProcessList();
  void CreateTrayIcon();
  void LayOutPages();
  void WireEnablingRules();
  void CreateMedia();
  void WirePasswordControls();
  void WireFileButtons();
  void WireWordsButtons();
  void WireHotKeyMarks();
  void WireTriggerControls();
  void MarkHotKeyConflicts();

  Application& app_;
  Platform& p_;
  SettingsSet settingsFiles_;
  bool machineRunValueTold_ = false;
};

}  // namespace hd
