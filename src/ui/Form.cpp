// Form visibility and closing, written once for both backends.
#include "ui/Form.h"
#include <algorithm>

namespace hd {

Form::Form(IFormHost& host, std::string_view name, std::string_view caption, int clientWidth, int clientHeight)
    : host_(host), name_(name), caption_(caption),
      clientWidth_(clientWidth), clientHeight_(clientHeight) {}

Form::~Form() {
  if (handle_) host_.Destroy(*this);
}

void Form::Realise() { handle_ = host_.Realise(*this); }

WindowHandle Form::Handle() {
  if (!handle_) Realise();
  return handle_;
}

void Form::SetCaption(const std::string& caption) {
  caption_ = caption;
  if (handle_) host_.Retitle(*this);
}

// FormShow runs just before the window appears, as the library's OnShow
// does: a window it centres or fills shows up there and filled.
void Form::Show() {
  const bool wasVisible = visible_;
  visible_ = true;
  if (!wasVisible) FormShow();
  host_.SetVisible(*this, true);
}

void Form::Hide() {
  if (!visible_) return;
  visible_ = false;
  host_.SetVisible(*this, false);
  FormHide();
}

bool Form::Close() {
  if (!FormCloseQuery()) return false;
  if (modal_ && ModalResult == mrNone) ModalResult = mrCancel;
  Hide();
  FormClose();
  return true;
}

int Form::ShowModal() {
  ModalResult = mrNone;
  modal_ = true;
  Show();
  host_.RunModal(*this);
  modal_ = false;
  Hide();
  return ModalResult;
}

void Form::SetLeft(int left) {
  left_ = left;
  if (handle_) host_.MoveForm(*this, left_, top_);
}

void Form::Centre(int screenWidth, int screenHeight) {
  left_ = (screenWidth - clientWidth_) / 2;
  top_ = (screenHeight - clientHeight_) / 2;
  host_.CentreForm(*this, screenWidth, screenHeight);
}

std::optional<LResult> Form::HandleMessage(unsigned message, WParam, LParam) {
  if (message == win::WM_CLOSE) {
    // A form that is not shown has nothing to close: a WM_CLOSE another
    // program sends to its window must not run its closing steps.
    if (Visible()) Close();
    return 0;
  }
  return std::nullopt;
}

void Form::ControlChanged(Control& control) {
  if (handle_) host_.ControlChanged(control);
}

void Form::ListChanged(ListBox& list, ListChange change, int index) {
  if (handle_) host_.ListChanged(list, change, index);
}

std::optional<std::uint16_t> Form::ReadHotKey(const Control& control) const {
  return handle_ ? host_.ReadHotKey(control) : std::nullopt;
}

void Form::FocusControl(Control& control) {
  activeControl_ = &control;
  if (handle_) host_.FocusControl(control);
}

Control* Form::FindControl(int id) const {
  auto it = std::find_if(controls_.begin(), controls_.end(), [id](Control* c) { return c->Id() == id; });
  return it == controls_.end() ? nullptr : *it;
}

}  // namespace hd
