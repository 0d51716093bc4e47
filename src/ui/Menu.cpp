// Dispatch of a chosen menu item.
#include "ui/Menu.h"

namespace hd {

namespace {
const MenuItem* ItemAt(const std::vector<MenuItem>& items, int& index) {
  for (const MenuItem& item : items) {
    if (index-- == 0) return &item;
    if (const MenuItem* found = ItemAt(item.Items, index)) return found;
  }
  return nullptr;
}
}  // namespace

void PopupMenu::Choose(int index) const {
  if (index < 0) return;
  const MenuItem* item = ItemAt(items_, index);
  if (item && !item->IsSeparator() && item->Items.empty() && item->OnClick) item->OnClick();
}

}  // namespace hd
