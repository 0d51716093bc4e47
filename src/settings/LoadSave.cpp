// Loading and saving every settings file in a fixed order.
#include "app/frmConfUnit.h"

namespace hd {

void TfrmConfigure::LoadAllSettings() {}

void TfrmConfigure::SaveAllSettings() {}

}  // namespace hd
