// The access password dialog.
#pragma once
#include "ui/Form.h"

namespace hd {

class TfrmPassword : public Form {
public:
  explicit TfrmPassword(IFormHost& host) : Form(host, "frmPassword", "Password", 260, 120) { Realise(); }
};

}  // namespace hd
