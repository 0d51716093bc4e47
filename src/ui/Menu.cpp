// Dispatch of a chosen menu item.
#include "ui/Menu.h"

namespace hd {

void PopupMenu::Choose(int index) const {
  if (index < 0 || index >= static_cast<int>(items_.size())) return;
  const MenuItem& item = items_[static_cast<std::size_t>(index)];
  if (!item.IsSeparator() && item.OnClick) item.OnClick();
}

}  // namespace hd
