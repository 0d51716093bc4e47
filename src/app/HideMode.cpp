// Entering and leaving HIDE mode, and the exit action at termination.
#include "app/frmConfUnit.h"

namespace hd {

void TfrmConfigure::EnterHideMode() { FHideMode = true; }

void TfrmConfigure::LeaveHideMode() { FHideMode = false; }

void TfrmConfigure::ExitAction() {}

}  // namespace hd
