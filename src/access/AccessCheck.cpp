// The access password check.
#include "app/frmConfUnit.h"

namespace hd {

// Until a password prompt is plugged in, protection cannot ask, so it lets
// the user through rather than lock the settings away for good.
bool TfrmConfigure::CheckAccess() { return !rbEnable.Checked() || !AskAccessPassword || AskAccessPassword(); }

}  // namespace hd
