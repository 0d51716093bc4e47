// The About box closes with its own button, Enter or Escape.
#include "shell/frmAboutUnit.h"

namespace hd {

TfrmAbout::TfrmAbout(IFormHost& host)
    : Form(host, "frmAbout", "About", 260, 190), butOk(*this, 1, "butOk", "Close", {92, 150, 75, 25}) {
  butOk.IsDefault = true;
  butOk.IsCancel = true;
  butOk.OnClick = [this] { Close(); };
  Realise();
}

void TfrmAbout::FormClose() {
  if (OnClose) OnClose();
}

}  // namespace hd
