// The tray icon, its menu and the windows the menu opens and closes.
#include "app/Application.h"
#include "app/frmConfUnit.h"
#include "hide/tray_man.h"
#include "shell/SPHTMLHelp.h"
#include "shell/TrayIcon.h"
#include "shell/frmAboutUnit.h"

namespace hd {

void TfrmConfigure::CreateTrayIcon() {
  TrayApplication link;
  link.ShowMainForm = [this](bool visible) { visible ? Show() : Hide(); };
  link.ActiveFormWindow = [this] { return Visible() ? Handle() : WindowHandle{0}; };
  // No menu and no window opens in the middle of a sequence.
  link.Busy = [this] { return Sequences.Busy(); };
  TrayIcon = std::make_unique<TTrayIcon>(p_, std::move(link));
  TrayIcon->SetIcon(p_.shell.ApplicationIcon());
  TrayIcon->SetToolTip(app_.Title());

  TrayMenu.Add({"mConfigure", "Configure...", true, [this] { mConfigureClick(); }});
  TrayMenu.Add({"mAbout", "About", false, [this] { mAboutClick(); }});
  TrayMenu.Add({"N1", "-", false, nullptr});
  TrayMenu.Add({"mHelp", "Help", false, [this] { mHelpClick(); }});
  TrayMenu.Add({"N2", "-", false, nullptr});
  TrayMenu.Add({"mExit", "Exit", false, [this] { mExitClick(); }});
  TrayIcon->PopupMenu = &TrayMenu;
  TrayIcon->OnDblClick = [this](TTrayIcon&) { TrayIconDblClick(); };
  // The taskbar's windows of the old shell are gone.
  TrayIcon->OnTaskbarCreated = [this](TTrayIcon&) {
    Sequences.Run([this] { WindowsBar->FindWindows(); });
  };
}

void TfrmConfigure::mConfigureClick() {
  // Before the password check: an unread Main.cfg may hold the password.
  SettingsStep(&TfrmConfigure::ReloadSettingsNotLoaded);
  if (!CheckAccessPassword()) return;
  // No mode change may run while the settings are being edited.
  UnregisterHotKeys();
  ShowAppWindow();
  Centre(p_.system.ScreenWidth(), p_.system.ScreenHeight());
  Show();
  p_.forms.BringToFront(*this);
}

void TfrmConfigure::CloseConfigWindow() {
  Hide();
  TrayIcon->SetActive(true);
  HideAppWindow();
  SetAppWindowStyle(true);
}

void TfrmConfigure::mAboutClick() {
  if (!CheckAccessPassword()) return;
  UnregisterHotKeys();
  ShowAppWindow();
  app_.frmAbout->labSettings.SetCaption(SettingsHome.readFrom);
  app_.frmAbout->Centre(p_.system.ScreenWidth(), p_.system.ScreenHeight());
  app_.frmAbout->Show();
  p_.forms.BringToFront(*app_.frmAbout);
}

void TfrmConfigure::AboutFormClose() {
  RegisterHotKeys();
  // This hides an open configuration window too.
  HideAppWindow();
  SetAppWindowStyle(true);
}

// Help is no secret: it needs no password.
void TfrmConfigure::mHelpClick() { app_.Help->ShowTableOfContents(); }

void TfrmConfigure::mExitClick() { TerminateProgram(); }

// Replaces the component's RestoreApplication, which would show the
// configuration window without asking for the password.
void TfrmConfigure::TrayIconDblClick() {}

}  // namespace hd
