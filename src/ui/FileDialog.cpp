// A cancelled dialog leaves the last file as it was.
#include "ui/FileDialog.h"

namespace hd {

bool FileDialog::Execute() {
  FileDialogOptions shown = options_;
  if (!options_.fileName.empty())
    shown.initialDir = options_.fileName.substr(0, options_.fileName.find_last_of("\\:") + 1);
  if (!host_.FileDialog(shown)) return false;
  options_.fileName = shown.fileName;
  return true;
}

}  // namespace hd
