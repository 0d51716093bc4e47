// The system's open and save dialogs, keeping their last file from one use to the next.
#pragma once
#include <string>
#include "ui/FormHost.h"

namespace hd {

class FileDialog {
public:
  FileDialog(IFormHost& host, FileDialogOptions options) : host_(host), options_(std::move(options)) {}
  // Shows the dialog, preset with the last file chosen; whether the user confirmed.
  bool Execute();
  const std::string& FileName() const { return options_.fileName; }
  const FileDialogOptions& Options() const { return options_; }

private:
  IFormHost& host_;
  FileDialogOptions options_;
};

}  // namespace hd
