// The settings files of the configuration window, in their load and save order.
#include "app/frmConfUnit.h"
#include "app/mes_misc.h"
#include "settings/SettingsSteps.h"
#include "words/BookSettings.h"

namespace hd {

namespace {
constexpr std::size_t kMainCfg = 0;  // the first file added

// A list whose file could not be read cannot be edited, so that nothing the
// user does replaces what the file holds; its note names that file.
void KeepList(std::initializer_list<Control*> controls, Label& note, const std::string& unread) {
  for (Control* control : controls) control->SetEnabled(unread.empty());
  note.SetCaption(unread.empty() ? "" : "Could not read " + unread);
  note.SetVisible(!unread.empty());
}
}  // namespace

void TfrmConfigure::DescribeSettingsFiles() {
  const auto separator = [this] { return p_.system.DecimalSeparator(); };
  settingsFiles_ = SettingsSet(ExeDir);
  // Told once when it cannot be read; the password it holds is then not asked for.
  settingsFiles_.Add({SettingsFile("Main.cfg"),
                      [this] { LoadMainSettings(*this, p_.profile, p_.files, SettingsFile("Main.cfg")); },
                      [this] {
                        SaveMainSettings(*this, p_.profile, p_.files, SettingsFile("Main.cfg"));
                        // The Run value follows the start-up choice of Main.cfg.
                        TellMachineRunValue(WriteAutorunValue(*this, p_.registry, p_.system.GetModuleFileName()));
                      },
                      [this] { return MainValues(*this); }, true, nullptr});
  const auto appList = [&](ListBox& list, const char* name, Callback<void(const std::string&)> keep) {
    settingsFiles_.Add({SettingsFile(name), [this, name, &list] { LoadFileList(list, p_.files, SettingsFile(name)); },
                        [this, name, &list] { SaveFileList(list, p_.files, SettingsFile(name)); },
                        [&list] { return FileListValues(list); }, true, keep});
  };
  appList(lbHideFiles, "HideAppList.lst", [this](const std::string& unread) {
    KeepList({&butFileAdd, &butFileEdit, &butFileDelete, &butFileClear, &butSysProc, &lbHideFiles},
             labHideFilesUnread, unread);
  });
  appList(lbSerFiles, "SerAppList.lst", [this](const std::string& unread) {
    KeepList({&butSevAddFile, &butSerEditFile, &butSerDelFile, &butSerClear, &butSerSysProc, &lbSerFiles},
             labSerFilesUnread, unread);
  });
  settingsFiles_.Add({BookFile(), [this] { LoadBook(); },
                      [this] {
                        SaveBook();
                        Book->FillCaptions(lbWords);
                      },
                      [this] { return Book->FileTexts(); }, true, [this](const std::string& unread) {
                        KeepList({&lbWords, &butAdd, &butEdit, &butDelete, &butClear}, labWordsUnread, unread);
                      }});
  settingsFiles_.Add({SettingsFile("Sound.cfg"),
                      [=, this] { LoadSoundSettings(*this, p_.files, SettingsFile("Sound.cfg"), separator()); },
                      [=, this] { SaveSoundSettings(*this, p_.files, SettingsFile("Sound.cfg"), separator()); },
                      [=, this] { return SoundValues(*this, separator()); }, false, nullptr});
  settingsFiles_.Add({SettingsFile("Video.cfg"),
                      [this] { LoadVideoSettings(*this, p_.files, SettingsFile("Video.cfg")); },
                      [this] { SaveVideoSettings(*this, p_.files, SettingsFile("Video.cfg")); },
                      [this] { return VideoValues(*this); }, false, nullptr});
  settingsFiles_.Add({SettingsFile("HotKeys.cfg"),
                      [this] { LoadHotKeys(*this, p_.files, SettingsFile("HotKeys.cfg")); },
                      [this] { SaveHotKeys(*this, p_.files, SettingsFile("HotKeys.cfg")); },
                      [this] { return HotKeysValues(*this); }, false, nullptr});
}

// What a load that fails part-way loaded stays, and the enabling rules must
// still follow the check boxes it changed.
void TfrmConfigure::LoadSettingsWith(void (SettingsSet::*load)()) {
  try {
    (settingsFiles_.*load)();
  } catch (...) {
    UpdateEnablingRules();
    throw;
  }
  UpdateEnablingRules();
}

void TfrmConfigure::LoadAllSettings() { LoadSettingsWith(&SettingsSet::LoadAll); }

// The lock or the error that stopped a file at start-up may be gone.
void TfrmConfigure::ReloadSettingsNotLoaded() { LoadSettingsWith(&SettingsSet::ReloadNotLoaded); }

void TfrmConfigure::SaveAllSettings() {
  if (SettingsHome.Moving()) MoveSettings();
  settingsFiles_.SaveAll();
}

// Copied, never moved: the old folder stays as it was, and a failed copy
// leaves the program reading from it until the next OK tries again.
void TfrmConfigure::MoveSettings() {
  CopySettings(p_.files, SettingsHome.readFrom, SettingsHome.kept);
  settingsFiles_.Relocate(SettingsHome.readFrom, SettingsHome.kept);
  ShowNotice(p_.forms,
             "The folder \"" + SettingsHome.readFrom + "\" cannot be written. The settings were copied to \"" +
                 SettingsHome.kept + "\" and are kept there from now on.",
             NoticeKind::Information);
  SettingsHome.readFrom = SettingsHome.kept;
}

bool TfrmConfigure::SaveSettingsWithPassword() {
  SettingsStep(&TfrmConfigure::SaveAllSettings);
  return settingsFiles_.Written(kMainCfg);
}

// Once a run: each OK would tell it again, and only an administrator can change it.
void TfrmConfigure::TellMachineRunValue(bool stays) {
  if (!stays || machineRunValueTold_) return;
  machineRunValueTold_ = true;
  ShowNotice(p_.forms,
             "Hushdesk still starts with Windows from the value \"vhd\" under HKEY_LOCAL_MACHINE\\Software\\Microsoft\\"
             "Windows\\CurrentVersion\\Run, which this user may not remove. To remove it, start Hushdesk once as "
             "administrator and choose the start-up mode again.",
             NoticeKind::Warning);
}

std::string TfrmConfigure::SettingsFile(const char* name) const { return SettingsHome.readFrom + name; }

std::string TfrmConfigure::BookFile() const { return SettingsFile("Book\\File"); }

void TfrmConfigure::LoadBook() { hd::LoadBook(*Book, lbWords, p_.files, BookFile()); }

void TfrmConfigure::SaveBook() { Book->SaveToFile(p_.files, BookFile()); }

}  // namespace hd
