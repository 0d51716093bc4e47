// The access password check.
#include "app/frmConfUnit.h"

namespace hd {

// Protection on with no way to ask yet lets nobody in.
bool TfrmConfigure::CheckAccess() { return !rbEnable.Checked() || (AskAccessPassword && AskAccessPassword()); }

}  // namespace hd
