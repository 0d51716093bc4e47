// Controls as state with events; the form host mirrors them into real controls.
#pragma once
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>
#include "platform/Types.h"
#include "ui/Event.h"

namespace hd {

class Form;

enum class ControlKind {
  Button, CheckBox, RadioButton, ListBox, HotKey, TrackBar, Label, GroupBox, PageControl, ListView, Edit, Image
};

// The small pictures of flat buttons, from the system's standard set.
enum class Glyph { None, FileNew, FileOpen, FileSave, Properties, Delete, Cut, Details };

class ImageList;
class PopupMenu;

// Position in dialog units, relative to the form's client area.
struct Bounds { int x = 0, y = 0, width = 0, height = 0; };

// Fixed bounds, one constant each: a control is then given the constant's
// address instead of code that builds the four lengths on the stack.
template <int X, int Y, int Width, int Height>
inline constexpr Bounds kAt{X, Y, Width, Height};

class Control {
public:
  Control(Form& owner, ControlKind kind, int id, const char* name, const char* caption, const Bounds& bounds);
  Control(const Control&) = delete;
  Control& operator=(const Control&) = delete;
  // Out of line, as the kinds' below: the linker keeps one of an inline
  // function's copies, each with an unwind table header of its own.
  virtual ~Control();

  ControlKind Kind() const { return kind_; }
  int Id() const { return id_; }
  std::string_view Name() const { return name_; }
  const Bounds& Position() const { return bounds_; }
  // Before the form is realised: where the window's layout puts it.
  void SetBounds(Bounds bounds) { bounds_ = bounds; }
  Form& Owner() const { return owner_; }

  const std::string& Caption() const { return caption_; }
  void SetCaption(const std::string& caption);
  bool Enabled() const { return enabled_; }
  void SetEnabled(bool enabled);
  bool Visible() const { return visible_; }
  void SetVisible(bool visible);
  // The page of a page control this control sits on; none means the form itself.
  void PlaceOn(const class PageControl& pages, int page) { pages_ = &pages; page_ = page; }
  const class PageControl* Pages() const { return pages_; }
  int Page() const { return page_; }
  // Whether every page it sits on is the one shown.
  bool OnShownPage() const;
  bool Bold() const { return bold_; }
  void SetBold(bool bold) { bold_ = bold; }

  Event OnClick;
  // A mouse button was released over it, after the click that the release made.
  Event OnMouseUp;

  // The user clicked it (a real click reflected by the host, or a test).
  virtual void Click();
  void MouseUp();
  // Gives it the keyboard focus.
  void SetFocus();

protected:
  void Changed();
  // The real control shows it already: nothing to mirror.
  void SetCaptionQuietly(const std::string& caption);

private:
  Form& owner_;
  ControlKind kind_;
  int id_;
  const char* name_;  // a literal: names never change
  std::string caption_;
  Bounds bounds_;
  bool enabled_ = true;
  bool visible_ = true;
  bool bold_ = false;
  const class PageControl* pages_ = nullptr;
  int page_ = -1;
};

class Button : public Control {
public:
  Button(Form& owner, int id, const char* name, const char* caption, const Bounds& bounds);
  ~Button() override;
  bool IsDefault = false;
  bool IsCancel = false;
  // A flat button shows its glyph, no caption, and its hint as a tooltip.
  bool Flat = false;
  Glyph Picture = Glyph::None;
  std::string Hint;
};

enum class Alignment { Left, Centre, Right };

class Label : public Control {
public:
  Label(Form& owner, int id, const char* name, const char* caption, const Bounds& bounds);
  ~Label() override;
  Alignment Align = Alignment::Left;
  // Drawn as a link: hand cursor, highlight colour, underlined; clicks raise OnClick.
  bool IsLink = false;
};

class GroupBox : public Control {
public:
  GroupBox(Form& owner, int id, const char* name, const char* caption, const Bounds& bounds);
  ~GroupBox() override;
};

class CheckBox : public Control {
public:
  CheckBox(Form& owner, int id, const char* name, const char* caption, const Bounds& bounds, bool checked);
  ~CheckBox() override;
  bool Checked() const { return checked_; }
  void SetChecked(bool checked);
  void Click() override;  // toggles, then OnClick

private:
  bool checked_;
};

// Radio buttons of one group are linked: checking one unchecks the others.
class RadioButton : public Control {
public:
  RadioButton(Form& owner, int id, const char* name, const char* caption, const Bounds& bounds, bool checked);
  ~RadioButton() override;
  bool Checked() const { return checked_; }
  void SetChecked(bool checked);
  void Click() override;  // checks, then OnClick
  static void Group(std::initializer_list<RadioButton*> buttons);
  bool StartsGroup() const { return group_.empty() || group_.front() == this; }

private:
  bool checked_;
  std::vector<RadioButton*> group_;
};

// The keys of a list that run its buttons' commands, as the user expects
// of any Windows list: Insert adds, Delete deletes, Enter or F2 edits.
enum class ListCommand { Add, Delete, Edit };
struct ListKeys {
  Button* insert = nullptr;
  Button* remove = nullptr;
  Button* edit = nullptr;
  // Clicks the key's button when it is there, shown and enabled: whether one was.
  bool Press(ListCommand command) const;
};

// How the program changed a list box's rows or selection.
enum class ListChange { Selection, Added, Replaced, Deleted, Reset };

class ListBox : public Control {
public:
  ListBox(Form& owner, int id, const char* name, const Bounds& bounds);
  ~ListBox() override;
  const std::vector<std::string>& Items() const { return items_; }
  void SetItems(std::vector<std::string> items);
  void Add(const std::string& item);
  void Replace(int index, const std::string& item);
  void Delete(int index);
  void Clear();
  int Count() const { return static_cast<int>(items_.size()); }
  int ItemIndex() const { return itemIndex_; }
  void SetItemIndex(int index);
  // The user moved the selection: the real list box shows it already.
  void Selected(int index);
  Event OnDblClick;
  void DblClick();  // the user double-clicked it
  int ItemHeight = 0;  // rows this high, in pixels; 0 for the font's
  ListKeys Keys;

private:
  void Tell(ListChange change, int index);
  std::vector<std::string> items_;
  int itemIndex_ = -1;
};

// A one-line text box.
class Edit : public Control {
public:
  Edit(Form& owner, int id, const char* name, const Bounds& bounds);
  ~Edit() override;
  const std::string& Text() const { return Caption(); }
  void SetText(const std::string& text) { SetCaption(text); }
  // The user typed: the real control has the text already; cut to MaxLength.
  void Typed(const std::string& text);
  std::size_t MaxLength = 0;
  char PasswordChar = 0;
};

struct ListColumn {
  std::string caption;
  int width = 0;
};

struct ListItem {
  std::string caption;
  std::vector<std::string> subItems;
  int imageIndex = -1;  // none
};

// A list view in report view: rows with sub-items, at most one selected.
class ListView : public Control {
public:
  ListView(Form& owner, int id, const char* name, const Bounds& bounds, std::vector<ListColumn> columns);
  ~ListView() override;
  const std::vector<ListColumn>& Columns() const { return columns_; }
  const std::vector<ListItem>& Items() const { return items_; }
  int Count() const { return static_cast<int>(items_.size()); }
  void Add(ListItem item);
  void SetItems(std::vector<ListItem> items);  // no row selected
  void SetItemCaption(int index, const std::string& caption);
  void Delete(int index);
  void Clear();
  int ItemIndex() const { return itemIndex_; }
  // Selects a row (-1: none) and raises OnSelectItem, as the user's click does.
  void Select(int index);
  void DblClick();
  // Rows or columns changed since the host last showed them.
  unsigned Revision() const { return revision_; }

  bool ShowColumnHeaders = true;
  bool GridLines = false;
  bool RowSelect = false;
  ImageList* SmallImages = nullptr;
  const PopupMenu* Popup = nullptr;  // on a right click, Shift+F10 or the menu key
  ListKeys Keys;
  Event OnSelectItem;
  Event OnDblClick;

private:
  void RowsChanged();
  std::vector<ListColumn> columns_;
  std::vector<ListItem> items_;
  int itemIndex_ = -1;
  unsigned revision_ = 0;
};

// A hotkey edit: a shortcut value (virtual key plus 0x2000 Shift, 0x4000 Ctrl,
// 0x8000 Alt) and the modifier state last read from the control.
class HotKeyEdit : public Control {
public:
  static constexpr std::uint16_t kShift = 0x2000, kCtrl = 0x4000, kAlt = 0x8000;

  HotKeyEdit(Form& owner, int id, const char* name, const Bounds& bounds, std::uint16_t value);
  ~HotKeyEdit() override;
  // Read from the real control when there is one (HKM_GETHOTKEY); reading
  // refreshes the modifier flags from the same answer.
  std::uint16_t Value();
  void SetValue(std::uint16_t value);
  // The value last set or read, for the host to show.
  std::uint16_t ValueToShow() const { return value_; }
  bool Shift() const { return shift_; }
  bool Ctrl() const { return ctrl_; }
  bool Alt() const { return alt_; }
  // The host calls this when the user typed a new combination.
  void Typed(std::uint16_t value) {
    value_ = value;
    if (OnChange) OnChange();
  }
  Event OnChange;  // the user typed

private:
  std::uint16_t value_ = 0;
  bool shift_ = false, ctrl_ = false, alt_ = false;
};

class TrackBar : public Control {
public:
  TrackBar(Form& owner, int id, const char* name, const Bounds& bounds, int min, int max, int position);
  ~TrackBar() override;
  int Min() const { return min_; }
  int Max() const { return max_; }
  int Position() const { return position_; }
  void SetPosition(int position);
  int Frequency = 5;
  Event OnChange;  // the position changed

private:
  int min_, max_, position_;
};

// A one-line edit. MaxLength limits what the user types (0: no limit); a
// password character is shown for each character of the text (0: none).
// A picture: an icon drawn centred in its bounds.
class Image : public Control {
public:
  Image(Form& owner, int id, const char* name, const Bounds& bounds);
  ~Image() override;
  Handle Icon() const { return icon_; }
  void SetIcon(Handle icon);

private:
  Handle icon_ = 0;
};

class PageControl : public Control {
public:
  PageControl(Form& owner, int id, const char* name, const Bounds& bounds, std::vector<std::string> pages);
  ~PageControl() override;
  const std::vector<std::string>& Pages() const { return pages_; }
  int ActivePage() const { return active_; }
  void SetActivePage(int page);
  // The next page (step 1) or the one before (step -1), round the ends.
  void StepPage(int step);

private:
  std::vector<std::string> pages_;
  int active_ = 0;
};

}  // namespace hd
