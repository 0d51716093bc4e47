// The access password check.
#include "app/frmConfUnit.h"

namespace hd {

// Until password protection exists every user may go on.
bool TfrmConfigure::CheckAccess() { return true; }

}  // namespace hd
