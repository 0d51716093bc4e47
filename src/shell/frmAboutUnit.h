// The About box: the program's name and version.
#pragma once
#include <functional>
#include "ui/Form.h"

namespace hd {

class TfrmAbout : public Form {
public:
  explicit TfrmAbout(IFormHost& host);
  // The controller's handler for the box closing.
  std::function<void()> OnClose;

  Button butOk;

protected:
  void FormClose() override;
};

}  // namespace hd
