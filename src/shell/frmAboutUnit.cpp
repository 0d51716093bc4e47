// The About box closes with its own button, Enter or Escape; its links stay in it.
#include "shell/frmAboutUnit.h"
#include "HushdeskVersion.h"

namespace hd {

namespace {
// Beyond IDOK and IDCANCEL: the dialog manager sends Enter and Escape with
// the control of that id, and a label there would hide them.
enum : int { kImage = 100, kName, kV, kVer, kContact, kWeb, kEmail, kOk, kSettingsTitle, kSettings };
constexpr int kWidth = 320;
}  // namespace

TfrmAbout::TfrmAbout(IFormHost& host, IShell& shell, ISystem& system)
    : Form(host, "frmAbout", "About", kWidth, 258),
      Image(*this, kImage, "Image", kAt<(kWidth - 32) / 2, 12, 32, 32>),
      labName(*this, kName, "labName", "", kAt<10, 54, kWidth - 20, 16>),
      labV(*this, kV, "labV", "v.", kAt<10, 72, kWidth / 2 - 12, 16>),
      labVer(*this, kVer, "labVer", "", kAt<kWidth / 2 + 2, 72, kWidth / 2 - 12, 16>),
      grpContact(*this, kContact, "grpContact", " Contact information ", kAt<10, 96, kWidth - 20, 70>),
      labWeb(*this, kWeb, "labWeb", kWebAddress, kAt<20, 118, kWidth - 40, 16>),
      labEmail(*this, kEmail, "labEmail", kEmailAddress, kAt<20, 140, kWidth - 40, 16>),
      labSettingsTitle(*this, kSettingsTitle, "labSettingsTitle", "Settings are kept in:",
                       kAt<10, 176, kWidth - 20, 16>),
      labSettings(*this, kSettings, "labSettings", "", kAt<10, 194, kWidth - 20, 16>),
      butOk(*this, kOk, "butOk", "Close", kAt<(kWidth - 75) / 2, 222, 75, 25>),
      shell_(shell),
      system_(system) {
  for (Label* bold : {&labName, &labV, &labVer}) bold->SetBold(true);
  labName.Align = labWeb.Align = labEmail.Align = labSettingsTitle.Align = labSettings.Align = Alignment::Centre;
  labV.Align = Alignment::Right;
  labWeb.IsLink = labEmail.IsLink = true;
  butOk.IsDefault = true;
  butOk.IsCancel = true;
  butOk.OnClick = [this] { Close(); };
  labWeb.OnClick = [this] { labWebClick(); };
  labEmail.OnClick = [this] { labEmailClick(); };
  FormCreate();
}

void TfrmAbout::FormCreate() {
  Image.SetIcon(shell_.ResourceIcon(resource::kApplicationIcon));
  labName.SetCaption(HD_PRODUCT_NAME);
  labVer.SetCaption(HD_VERSION_TEXT);
}

void TfrmAbout::labWebClick() { OpenLink(labWeb.Caption()); }

void TfrmAbout::labEmailClick() { OpenLink("mailto:" + labEmail.Caption()); }

// Without a browser or mail program nothing happens, and nothing is said.
// The program the shell starts gets the system folder as its working folder,
// not whatever folder this program is in.
void TfrmAbout::OpenLink(const std::string& target) {
  shell_.ShellExecute(0, "Open", target, "", system_.GetSystemDirectory(), 1);
}

void TfrmAbout::FormClose() {
  if (OnClose) OnClose();
}

TfrmAbout::~TfrmAbout() = default;

}  // namespace hd
