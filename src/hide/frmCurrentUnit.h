// The dialog listing the current windows and processes.
#pragma once
#include "ui/Form.h"

namespace hd {

class TfrmCurrent : public Form {
public:
  explicit TfrmCurrent(IFormHost& host) : Form(host, "frmCurrent", "Current windows and processes", 480, 320) {
    Realise();
  }
};

}  // namespace hd
