// A popup menu: items with captions, click handlers and submenus.
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
  int Tag = 0;
  std::string Hint = {};
  std::vector<MenuItem> Items = {};  // a submenu: the item opens it and is not chosen itself
  bool IsSeparator() const { return caption == "-"; }
};

// Items are numbered depth first, each item before its submenu: the index a
// backend returns for the chosen item.
class PopupMenu {
public:
  explicit PopupMenu(std::string name) : name_(std::move(name)) {}
  const std::string& Name() const { return name_; }
  MenuItem& Add(MenuItem item) { return items_.emplace_back(std::move(item)); }
  void Clear() { items_.clear(); }
  const std::vector<MenuItem>& Items() const { return items_; }
  std::vector<MenuItem>& Items() { return items_; }
  // Runs the handler of the item at index; -1, separators and items that
  // open a submenu do nothing.
  void Choose(int index) const;

private:
  std::string name_;
  std::vector<MenuItem> items_;
};

}  // namespace hd
