// Volume and graphic mode steps of the HIDE sequences.
#include "app/frmConfUnit.h"

namespace hd {

// Later work fills these four with the wave-out volume and display mode switches.
void TfrmConfigure::ApplyHideVolume() {}

void TfrmConfigure::RestoreVolume() {}

void TfrmConfigure::SwitchHideGraphicMode() {}

void TfrmConfigure::RestoreGraphicMode() {}

}  // namespace hd
