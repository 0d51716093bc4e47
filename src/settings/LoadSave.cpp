// Loading and saving every settings file in a fixed order.
#include "app/frmConfUnit.h"
#include "settings/SettingsSteps.h"

namespace hd {

void TfrmConfigure::LoadAllSettings() {
  const std::string dir = ExeDir + "Settings\\";
  // A failing step ends the load; what was loaded before it stays, and the
  // enabling rules must still follow the check boxes it changed.
  try {
    LoadMainSettings(*this, p_.profile, p_.files, dir + "Main.cfg");
    UpdatePasswordControls();
    UpdateExitActionControls();
    LoadFileList(lbHideFiles, p_.files, dir + "HideAppList.lst");
    LoadFileList(lbSerFiles, p_.files, dir + "SerAppList.lst");
    LoadBook();
    LoadSoundSettings(*this, p_.files, dir + "Sound.cfg", p_.system.DecimalSeparator());
    UpdateSoundControls();
    LoadVideoSettings(*this, p_.files, dir + "Video.cfg");
    UpdateVideoControls();
    LoadHotKeys(*this, p_.files, dir + "HotKeys.cfg");
  } catch (...) {
    UpdateEnablingRules();
    throw;
  }
}

void TfrmConfigure::SaveAllSettings() {
  const std::string dir = ExeDir + "Settings\\";
  SaveMainSettings(*this, p_.profile, p_.files, dir + "Main.cfg");
  WriteAutorunValue(*this, p_.registry, p_.system.GetModuleFileName());
  SaveFileList(lbHideFiles, p_.files, dir + "HideAppList.lst");
  SaveFileList(lbSerFiles, p_.files, dir + "SerAppList.lst");
  SaveBook();  // fills lbWords from the book as well
  SaveSoundSettings(*this, p_.files, dir + "Sound.cfg", p_.system.DecimalSeparator());
  SaveVideoSettings(*this, p_.files, dir + "Video.cfg");
  SaveHotKeys(*this, p_.files, dir + "HotKeys.cfg");
}

}  // namespace hd
