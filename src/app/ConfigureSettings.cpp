// The settings files of the configuration window, in their load and save order.
#include "app/frmConfUnit.h"
#include "settings/SettingsSteps.h"
#include "words/BookSettings.h"

namespace hd {

void TfrmConfigure::DescribeSettingsFiles() {
  const auto path = [this](const char* name) { return ExeDir + "Settings\\" + name; };
  const auto separator = [this] { return p_.system.DecimalSeparator(); };
  settingsFiles_.Add({[=, this] { return LoadMainSettings(*this, p_.profile, p_.files, path("Main.cfg")); },
                      [=, this] {
                        SaveMainSettings(*this, p_.profile, p_.files, path("Main.cfg"));
                        // The Run value follows the start-up choice of Main.cfg.
                        WriteAutorunValue(*this, p_.registry, p_.system.GetModuleFileName());
                      },
                      [this] { return MainValues(*this); }});
  for (const auto& entry : {std::pair{&lbHideFiles, "HideAppList.lst"}, std::pair{&lbSerFiles, "SerAppList.lst"}}) {
    ListBox* const list = entry.first;
    const char* const name = entry.second;
    settingsFiles_.Add({[=, this] {
                          LoadFileList(*list, p_.files, path(name));
                          return true;
                        },
                        [=, this] { SaveFileList(*list, p_.files, path(name)); },
                        [list] { return FileListValues(*list); }});
  }
  settingsFiles_.Add({[this] {
                        LoadBook();
                        return true;
                      },
                      [this] {
                        SaveBook();
                        Book->FillCaptions(lbWords);
                      },
                      [this] { return Book->FileTexts(); }});
  settingsFiles_.Add({[=, this] {
                        LoadSoundSettings(*this, p_.files, path("Sound.cfg"), separator());
                        return true;
                      },
                      [=, this] { SaveSoundSettings(*this, p_.files, path("Sound.cfg"), separator()); },
                      [=, this] { return SoundValues(*this, separator()); }});
  settingsFiles_.Add({[=, this] {
                        LoadVideoSettings(*this, p_.files, path("Video.cfg"));
                        return true;
                      },
                      [=, this] { SaveVideoSettings(*this, p_.files, path("Video.cfg")); },
                      [this] { return VideoValues(*this); }});
  settingsFiles_.Add({[=, this] {
                        LoadHotKeys(*this, p_.files, path("HotKeys.cfg"));
                        return true;
                      },
                      [=, this] { SaveHotKeys(*this, p_.files, path("HotKeys.cfg")); },
                      [this] { return HotKeysValues(*this); }});
}

void TfrmConfigure::LoadAllSettings() {
  // A failing step ends the load; what was loaded before it stays, and the
  // enabling rules must still follow the check boxes it changed.
  try {
    settingsFiles_.LoadAll();
  } catch (...) {
    UpdateEnablingRules();
    throw;
  }
  UpdateEnablingRules();
}

void TfrmConfigure::SaveAllSettings() { settingsFiles_.SaveAll(); }

std::string TfrmConfigure::BookFile() const { return ExeDir + "Settings\\Book\\File"; }

void TfrmConfigure::LoadBook() { hd::LoadBook(*Book, lbWords, p_.files, BookFile()); }

void TfrmConfigure::SaveBook() { Book->SaveToFile(p_.files, BookFile()); }

}  // namespace hd
