// What a backend does to show forms: real windows (Win32) or the simulated desktop.
#pragma once
#include <functional>
#include <optional>
#include <string>
#include "platform/Shell.h"
#include "platform/Types.h"

namespace hd {

class Control;
class Form;
class PopupMenu;

using MessageHandler = std::function<std::optional<LResult>(unsigned message, WParam, LParam)>;

class IFormHost {
public:
  virtual ~IFormHost() = default;
  // The top-level window that owns every form; hidden, titled "".
  virtual WindowHandle ApplicationWindow() = 0;
  // Creates the form's window (and its controls), owned by the application window.
  virtual WindowHandle Realise(Form& form) = 0;
  virtual void Destroy(Form& form) = 0;
  virtual void SetVisible(Form& form, bool visible) = 0;
  virtual void MoveForm(Form& form, int left, int top) = 0;
  // Puts the form's window in the middle of a screen of that size, at the
  // window's own size on the screen.
  virtual void CentreForm(Form& form, int screenWidth, int screenHeight) = 0;
  virtual void Retitle(Form& form) = 0;
  virtual void BringToFront(Form& form) = 0;
  // The program changed a control's state: the real control follows.
  virtual void ControlChanged(Control& control) = 0;
  // A hidden window of its own that receives messages (tray icon, timers).
  virtual WindowHandle CreateMessageWindow(MessageHandler handler) = 0;
  virtual void DestroyMessageWindow(WindowHandle window) = 0;
  virtual bool SetTimer(WindowHandle window, unsigned id, unsigned milliseconds) = 0;
  virtual bool KillTimer(WindowHandle window, unsigned id) = 0;
  // Dispatches what is queued, then returns.
  virtual void ProcessMessages() = 0;
  // Runs until QuitMessageLoop.
  virtual void RunMessageLoop() = 0;
  virtual void QuitMessageLoop() = 0;
  // MessageBoxA with no owner (centred on the screen); the button pressed.
  virtual int MessageBox(const std::string& text, const std::string& caption, unsigned type) = 0;
  // Shows the menu at the point and returns the chosen item's index, or -1.
  virtual int TrackPopupMenu(const PopupMenu& menu, Point at) = 0;
};

}  // namespace hd
