// A form: a top-level window of the program, its controls and its events.
#pragma once
#include <optional>
#include <string>
#include <vector>
#include "platform/Types.h"
#include "ui/Control.h"
#include "ui/FormHost.h"

namespace hd {

// Modal results.
inline constexpr int mrNone = 0, mrOk = 1, mrCancel = 2;

class Form {
public:
  Form(IFormHost& host, std::string_view name, std::string_view caption, int clientWidth, int clientHeight);
  Form(const Form&) = delete;
  Form& operator=(const Form&) = delete;
  virtual ~Form();

  const std::string& Name() const { return name_; }
  const std::string& Caption() const { return caption_; }
  void SetCaption(const std::string& caption);
  int ClientWidth() const { return clientWidth_; }
  int ClientHeight() const { return clientHeight_; }
  // The window is made when it is first needed, as the form is first shown.
  WindowHandle Handle();
  const std::vector<Control*>& Controls() const { return controls_; }
  IFormHost& Host() const { return host_; }

  bool Visible() const { return visible_; }
  void Show();  // FormShow, then the window appears
  void Hide();  // FormHide after it was hidden
  // Asks FormCloseQuery; when allowed hides the form and runs FormClose.
  // Returns whether it closed.
  bool Close();
  // Shows the form modally: the result it was closed with.
  int ShowModal();
  int ModalResult = 0;
  bool Modal() const { return modal_; }
  // Visible is the form's own flag: hiding its window directly leaves it set,
  // so the next Show raises no FormShow.
  int Left() const { return left_; }
  int Top() const { return top_; }
  void SetLeft(int left);
  // Left and Top are the layout's figures; the host centres the window at
  // its real size, which grows with the DPI.
  void Centre(int screenWidth, int screenHeight);

  // Every message that reaches the form's window; nothing means "not handled".
  virtual std::optional<LResult> HandleMessage(unsigned message, WParam wParam, LParam lParam);

  // For controls and the host.
  void Register(Control& control) { controls_.push_back(&control); }
  void ControlChanged(Control& control);
  void ListChanged(ListBox& list, ListChange change, int index);
  std::optional<std::uint16_t> ReadHotKey(const Control& control) const;
  Control* FindControl(int id) const;
  // The control with the keyboard focus, as the program last set it.
  Control* ActiveControl() const { return activeControl_; }
  void FocusControl(Control& control);

protected:
  // Makes the window now, for a form whose window must exist from the start.
  void Realise();
  virtual void FormShow() {}
  virtual void FormHide() {}
  virtual bool FormCloseQuery() { return true; }
  virtual void FormClose() {}

private:
  IFormHost& host_;
  std::string name_;
  std::string caption_;
  int clientWidth_, clientHeight_;
  WindowHandle handle_ = 0;
  bool visible_ = false;
  bool modal_ = false;
  int left_ = 0, top_ = 0;
  std::vector<Control*> controls_;
  Control* activeControl_ = nullptr;
};

}  // namespace hd
