// The words list editor.
#pragma once
#include "ui/Form.h"

namespace hd {

class TfrmCapEdit : public Form {
public:
  explicit TfrmCapEdit(IFormHost& host) : Form(host, "frmCapEdit", "Words list", 420, 360) { Realise(); }
};

}  // namespace hd
