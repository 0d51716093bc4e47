// Control state changes, each mirrored to the form's host.
#include "ui/Control.h"
#include <algorithm>
#include "ui/Form.h"

namespace hd {

Control::Control(Form& owner, ControlKind kind, int id, const char* name, const char* caption, const Bounds& bounds)
    : owner_(owner), kind_(kind), id_(id), name_(name), caption_(caption), bounds_(bounds) {
  owner_.Register(*this);
}

Button::Button(Form& owner, int id, const char* name, const char* caption, const Bounds& bounds)
    : Control(owner, ControlKind::Button, id, name, caption, bounds) {}

Label::Label(Form& owner, int id, const char* name, const char* caption, const Bounds& bounds)
    : Control(owner, ControlKind::Label, id, name, caption, bounds) {}

GroupBox::GroupBox(Form& owner, int id, const char* name, const char* caption, const Bounds& bounds)
    : Control(owner, ControlKind::GroupBox, id, name, caption, bounds) {}

CheckBox::CheckBox(Form& owner, int id, const char* name, const char* caption, const Bounds& bounds, bool checked)
    : Control(owner, ControlKind::CheckBox, id, name, caption, bounds), checked_(checked) {}

RadioButton::RadioButton(Form& owner, int id, const char* name, const char* caption, const Bounds& bounds,
                         bool checked)
    : Control(owner, ControlKind::RadioButton, id, name, caption, bounds), checked_(checked) {}

ListBox::ListBox(Form& owner, int id, const char* name, const Bounds& bounds)
    : Control(owner, ControlKind::ListBox, id, name, "", bounds) {}

Edit::Edit(Form& owner, int id, const char* name, const Bounds& bounds)
    : Control(owner, ControlKind::Edit, id, name, "", bounds) {}

ListView::ListView(Form& owner, int id, const char* name, const Bounds& bounds, std::vector<ListColumn> columns)
    : Control(owner, ControlKind::ListView, id, name, "", bounds), columns_(std::move(columns)) {}

HotKeyEdit::HotKeyEdit(Form& owner, int id, const char* name, const Bounds& bounds, std::uint16_t value)
    : Control(owner, ControlKind::HotKey, id, name, "", bounds) {
  SetValue(value);
}

TrackBar::TrackBar(Form& owner, int id, const char* name, const Bounds& bounds, int min, int max, int position)
    : Control(owner, ControlKind::TrackBar, id, name, "", bounds), min_(min), max_(max), position_(position) {}

Image::Image(Form& owner, int id, const char* name, const Bounds& bounds)
    : Control(owner, ControlKind::Image, id, name, "", bounds) {}

PageControl::PageControl(Form& owner, int id, const char* name, const Bounds& bounds, std::vector<std::string> pages)
    : Control(owner, ControlKind::PageControl, id, name, "", bounds), pages_(std::move(pages)) {}

Control::~Control() = default;
Button::~Button() = default;
Label::~Label() = default;
GroupBox::~GroupBox() = default;
CheckBox::~CheckBox() = default;
RadioButton::~RadioButton() = default;
ListBox::~ListBox() = default;
Edit::~Edit() = default;
ListView::~ListView() = default;
HotKeyEdit::~HotKeyEdit() = default;
TrackBar::~TrackBar() = default;
Image::~Image() = default;
PageControl::~PageControl() = default;

void Control::Changed() { owner_.ControlChanged(*this); }

void Control::SetCaption(const std::string& caption) {
  caption_ = caption;
  Changed();
}

void Control::SetCaptionQuietly(const std::string& caption) { caption_ = caption; }

void Control::SetEnabled(bool enabled) {
  enabled_ = enabled;
  Changed();
}

void Control::SetVisible(bool visible) {
  visible_ = visible;
  Changed();
}

bool Control::OnShownPage() const {
  return pages_ == nullptr || (pages_->ActivePage() == page_ && pages_->OnShownPage());
}

void Control::Click() {
  if (OnClick) OnClick();
}

bool ListKeys::Press(ListCommand command) const {
  Button* button = command == ListCommand::Add ? insert : command == ListCommand::Delete ? remove : edit;
  if (!button || !button->Enabled() || !button->Visible()) return false;
  button->Click();
  return true;
}

void Control::MouseUp() {
  if (OnMouseUp) OnMouseUp();
}

void Control::SetFocus() { owner_.FocusControl(*this); }

void CheckBox::SetChecked(bool checked) {
  checked_ = checked;
  Changed();
}

void CheckBox::Click() {
  SetChecked(!checked_);
  Control::Click();
}

void RadioButton::SetChecked(bool checked) {
  checked_ = checked;
  if (checked)
    for (RadioButton* other : group_)
      if (other != this && other->checked_) {
        other->checked_ = false;
        other->Changed();
      }
  Changed();
}

void RadioButton::Click() {
  SetChecked(true);
  Control::Click();
}

void RadioButton::Group(std::initializer_list<RadioButton*> buttons) {
  for (RadioButton* button : buttons) button->group_.assign(buttons.begin(), buttons.end());
}

void ListBox::Tell(ListChange change, int index) { Owner().ListChanged(*this, change, index); }

void ListBox::SetItems(std::vector<std::string> items) {
  items_ = std::move(items);
  itemIndex_ = -1;
  Tell(ListChange::Reset, -1);
}

void ListBox::Add(const std::string& item) {
  items_.push_back(item);
  Tell(ListChange::Added, Count() - 1);
}

void ListBox::Replace(int index, const std::string& item) {
  if (index < 0 || index >= Count()) return;
  items_[static_cast<std::size_t>(index)] = item;
  Tell(ListChange::Replaced, index);
}

void ListBox::Delete(int index) {
  if (index < 0 || index >= Count()) return;
  items_.erase(items_.begin() + index);
  // As the system's list box: the deleted entry takes its selection along.
  if (index == itemIndex_)
    itemIndex_ = -1;
  else if (index < itemIndex_)
    --itemIndex_;
  Tell(ListChange::Deleted, index);
}

void ListBox::Clear() { SetItems({}); }

void ListBox::DblClick() {
  if (OnDblClick) OnDblClick();
}

void Edit::Typed(const std::string& text) { SetCaptionQuietly(MaxLength ? text.substr(0, MaxLength) : text); }

void ListView::RowsChanged() {
  ++revision_;
  Changed();
}

void ListView::Add(ListItem item) {
  items_.push_back(std::move(item));
  RowsChanged();
}

void ListView::SetItems(std::vector<ListItem> items) {
  const bool hadSelection = itemIndex_ >= 0;
  items_ = std::move(items);
  itemIndex_ = -1;
  RowsChanged();
  if (hadSelection && OnSelectItem) OnSelectItem();
}

void ListView::SetItemCaption(int index, const std::string& caption) {
  if (index < 0 || index >= Count()) return;
  items_[static_cast<std::size_t>(index)].caption = caption;
  RowsChanged();
}

void ListView::Delete(int index) {
  if (index < 0 || index >= Count()) return;
  items_.erase(items_.begin() + index);
  // The row that moved into the place is not chosen for the user.
  itemIndex_ = -1;
  RowsChanged();
  if (OnSelectItem) OnSelectItem();
}

void ListView::Clear() { SetItems({}); }

void ListView::Select(int index) {
  const int chosen = (index >= 0 && index < Count()) ? index : -1;
  if (chosen == itemIndex_) return;
  itemIndex_ = chosen;
  Changed();
  if (OnSelectItem) OnSelectItem();
}

void ListView::DblClick() {
  if (OnDblClick) OnDblClick();
}

void ListBox::SetItemIndex(int index) {
  Selected(index);
  Tell(ListChange::Selection, itemIndex_);
}

void ListBox::Selected(int index) { itemIndex_ = (index >= 0 && index < Count()) ? index : -1; }

std::uint16_t HotKeyEdit::Value() {
  if (auto shown = Owner().ReadHotKey(*this)) value_ = *shown;
  shift_ = (value_ & kShift) != 0;
  ctrl_ = (value_ & kCtrl) != 0;
  alt_ = (value_ & kAlt) != 0;
  return value_;
}

void HotKeyEdit::SetValue(std::uint16_t value) {
  value_ = value;
  Changed();  // the real control first, which Value reads back
  Value();
}

void TrackBar::SetPosition(int position) {
  position_ = std::clamp(position, min_, max_);
  Changed();
  if (OnChange) OnChange();
}

void Image::SetIcon(Handle icon) {
  icon_ = icon;
  Changed();
}

void PageControl::SetActivePage(int page) {
  if (page < 0 || page >= static_cast<int>(pages_.size())) return;
  active_ = page;
  Changed();
}

void PageControl::StepPage(int step) {
  const int count = static_cast<int>(pages_.size());
  if (count > 0) SetActivePage(((active_ + step) % count + count) % count);
}

}  // namespace hd
