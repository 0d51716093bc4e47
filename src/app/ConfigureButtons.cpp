// OK saves and closes the configuration window, Cancel reloads and closes it, Help
// shows the help of the page.
#include <exception>
#include "app/Application.h"
#include "app/frmConfUnit.h"
#include "app/mes_misc.h"
#include "settings/SettingsError.h"
#include "shell/HelpUnit.h"

namespace hd {

bool TfrmConfigure::HotKeysDistinct() {
  const auto mode = hkMode.Value(), visible = hkVisible.Value(), close = hkClose.Value();
  return mode != visible && visible != close && close != mode;
}

// A failed load or save is reported and ends the user action: the window
// stays open for another try. Out of memory (a huge file read whole) or any
// other failure ends it the same way rather than the program.
bool TfrmConfigure::SettingsStep(void (TfrmConfigure::*step)()) {
  try {
    (this->*step)();
    return true;
  } catch (const std::exception& error) {
    app_.ShowException(error.what());
    return false;
  }
}

void TfrmConfigure::butOkClick() {
  if (!HotKeysDistinct()) {
    ShowNotice(p_.forms, "Hotkeys for actions should be different", NoticeKind::Information);
    return;
  }
  if (SettingsStep(&TfrmConfigure::SaveAllSettings)) CloseConfigWindow();
}

void TfrmConfigure::butHelpClick() { ShowConfigurePageHelp(*app_.Help, MainControl.ActivePage()); }

void TfrmConfigure::butCancelClick() {
  if (SettingsStep(&TfrmConfigure::LoadAllSettings)) CloseConfigWindow();
}

}  // namespace hd
