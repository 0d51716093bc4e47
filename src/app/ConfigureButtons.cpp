// OK saves and closes the configuration window, Cancel reloads and closes it.
#include "app/Application.h"
#include "app/frmConfUnit.h"
#include "app/mes_misc.h"
#include "settings/SettingsError.h"

namespace hd {

bool TfrmConfigure::HotKeysDistinct() {
  const auto mode = hkMode.Value(), visible = hkVisible.Value(), close = hkClose.Value();
  return mode != visible && visible != close && close != mode;
}

void TfrmConfigure::butOkClick() {
  if (!HotKeysDistinct()) {
    ShowNotice(p_.forms, "Hotkeys for actions should be different", NoticeKind::Information);
    return;
  }
  // A failed save is reported and the window stays open for another try.
  try {
    SaveAllSettings();
  } catch (const SettingsError& error) {
    app_.ShowException(error.what());
    return;
  }
  CloseConfigWindow();
}

void TfrmConfigure::butCancelClick() {
  try {
    LoadAllSettings();
  } catch (const SettingsError& error) {
    app_.ShowException(error.what());
    return;
  }
  CloseConfigWindow();
}

}  // namespace hd
