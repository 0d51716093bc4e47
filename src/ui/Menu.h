// A popup menu: items with captions and click handlers.
#pragma once
#include <functional>
#include <string>
#include <vector>

namespace hd {

struct MenuItem {
  std::string name;
  std::string caption;  // "-" is a separator
  bool isDefault = false;
  std::function<void()> OnClick;
  bool IsSeparator() const { return caption == "-"; }
};

class PopupMenu {
public:
  explicit PopupMenu(std::string name) : name_(std::move(name)) {}
  const std::string& Name() const { return name_; }
  void Add(MenuItem item) { items_.push_back(std::move(item)); }
  const std::vector<MenuItem>& Items() const { return items_; }
  // Runs the handler of the item at index; -1 and separators do nothing.
  void Choose(int index) const;

private:
  std::string name_;
  std::vector<MenuItem> items_;
};

}  // namespace hd
