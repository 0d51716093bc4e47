// "Change access password": a new password is typed twice, after the old one.
#include "access/frmPassUnit.h"
#include "app/mes_misc.h"

namespace hd {

namespace {
// Beyond IDOK and IDCANCEL, which the dialog manager sends for Enter and Escape.
enum : int { kImageKey = 100, kHeading, kOldPass, kNew1, kNew2, kOk, kCancel, kLabels };
}  // namespace

TfrmPassword::TfrmPassword(IFormHost& host, AppSettings& settings)
    : Form(host, "frmPassword", "Change access password", 324, 180),
      ImageKey(*this, kImageKey, "ImageKey", kAt<14, 12, 32, 32>),
      labHeading(*this, kHeading, "labHeading", "Password", kAt<60, 20, 200, 16>),
      labOldPass(*this, kLabels, "labOldPass", "Enter the old password", kAt<60, 56, 164, 16>),
      labNew1(*this, kLabels + 1, "labNew1", "Enter the new password", kAt<60, 86, 164, 16>),
      labNew2(*this, kLabels + 2, "labNew2", "Re-enter the new password", kAt<60, 116, 164, 16>),
      edOldPass(*this, kOldPass, "edOldPass", kAt<226, 53, 84, 21>),
      edNew1(*this, kNew1, "edNew1", kAt<226, 83, 84, 21>),
      edNew2(*this, kNew2, "edNew2", kAt<226, 113, 84, 21>),
      botOk(*this, kOk, "botOk", "OK", kAt<154, 146, 75, 25>),
      butCancel(*this, kCancel, "butCancel", "Cancel", kAt<235, 146, 75, 25>),
      settings_(settings) {
  labHeading.SetBold(true);
  for (Edit* edit : {&edOldPass, &edNew1, &edNew2}) {
    edit->MaxLength = kMaxPassword;
    edit->PasswordChar = '*';
  }
  botOk.IsDefault = true;
  butCancel.IsCancel = true;
  botOk.OnClick = [this] { botOkClick(); };
  butCancel.OnClick = [this] { butCancelClick(); };
  ImageKey.SetIcon(settings.ImageKey.Icon());
}

void TfrmPassword::FormShow() {
  for (Edit* edit : {&edOldPass, &edNew1, &edNew2}) edit->SetText("");
  edOldPass.SetEnabled(!settings_.Pwd.empty());
  (edOldPass.Enabled() ? edOldPass : edNew1).SetFocus();
}

void TfrmPassword::botOkClick() {
  if (!settings_.Pwd.empty() && ScramblePassword(edOldPass.Text()) != settings_.Pwd) {
    ShowNotice(Host(), "Wrong old pasword", NoticeKind::Error);
    return;
  }
  // An empty new password is refused too: only "Disable" removes one.
  if (edNew1.Text().empty() || edNew1.Text() != edNew2.Text()) {
    ShowNotice(Host(), "Typed passwords should be identical", NoticeKind::Warning);
    return;
  }
  settings_.Pwd = ScramblePassword(edNew1.Text());
  // Clicked as the program's own change, so the password controls follow.
  settings_.rbEnable.Click();
  const std::string typed = edNew1.Text();
  Close();
  // Every edit pending in the configuration window is saved with the password;
  // a password that was not stored is not one to remember.
  if (!OnSaveAllSettings || OnSaveAllSettings())
    ShowNotice(Host(), "Remember Hushdesk access password: " + typed, NoticeKind::Information);
}

void TfrmPassword::butCancelClick() {
  Close();
  if (settings_.Pwd.empty()) settings_.rbDisable2.Click();
}

TfrmPassword::~TfrmPassword() = default;

}  // namespace hd
