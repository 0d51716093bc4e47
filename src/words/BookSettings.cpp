// Loading and saving the words lists with the other settings.
#include "app/frmConfUnit.h"

namespace hd {

void TfrmConfigure::LoadBook() {}

void TfrmConfigure::SaveBook() {}

}  // namespace hd
