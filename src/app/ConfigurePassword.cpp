// The password controls of the "Common" page and the access check.
#include "access/frmPassUnit.h"
#include "app/Application.h"
#include "app/frmConfUnit.h"

namespace hd {

bool TfrmConfigure::CheckAccessPassword() { return hd::CheckAccessPassword(p_.forms, rbEnable.Checked(), Pwd); }

void TfrmConfigure::UpdatePasswordControls() { butSetPass.SetEnabled(rbEnable.Checked()); }

void TfrmConfigure::WirePasswordControls() {
  rbEnable.OnClick = [this] { rbEnableClick(); };
  rbDisable2.OnClick = [this] { rbDisable2Click(); };
  // Only the mouse opens the dialog or forgets the password: choosing with
  // the keyboard raises no mouse-up.
  rbEnable.OnMouseUp = [this] { rbEnableMouseUp(); };
  rbDisable2.OnMouseUp = [this] { rbDisable2MouseUp(); };
  butSetPass.OnClick = [this] { butSetPassClick(); };
}

void TfrmConfigure::rbEnableClick() { UpdatePasswordControls(); }

void TfrmConfigure::rbDisable2Click() { UpdatePasswordControls(); }

// With a password set, "Set Password..." changes it after the old one.
void TfrmConfigure::rbEnableMouseUp() {
  if (Pwd.empty()) ShowPasswordDialog();
}

// Reaches Main.cfg only with OK; Cancel reloads the stored password.
void TfrmConfigure::rbDisable2MouseUp() { Pwd.clear(); }

void TfrmConfigure::butSetPassClick() { ShowPasswordDialog(); }

void TfrmConfigure::ShowPasswordDialog() {
  TfrmPassword& dialog = *app_.frmPassword;
  dialog.Centre(p_.system.ScreenWidth(), p_.system.ScreenHeight());
  dialog.Show();
  p_.forms.BringToFront(dialog);
}

}  // namespace hd
