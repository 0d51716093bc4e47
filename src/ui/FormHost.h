// What a backend does to show forms: real windows (Win32) or the simulated desktop.
#pragma once
#include <cstdint>
#include <cstddef>
#include <optional>
#include <string>
#include "platform/Shell.h"
#include "platform/Types.h"
#include "ui/Control.h"
#include "ui/Event.h"

namespace hd {

class Form;
class PopupMenu;

// What the system's open or save dialog is asked to be.
struct FileDialogOptions {
  bool save = false;
  std::string title;
  std::string filter;      // "Text files (*.txt)|*.txt"
  std::string defaultExt;  // without the dot
  std::string fileName;    // in: the preset; out: the full path chosen
  std::string initialDir;
  bool hideReadOnly = false;
  bool pathMustExist = false;
  bool fileMustExist = false;
  bool resizable = false;
  bool overwritePrompt = false;
};

// How the input box's field shows what is typed.
enum class InputEcho { AsTyped, Stars };
// The longest text the input box's field takes from the keyboard.
inline constexpr std::size_t kInputQueryMaxLength = 255;

using MessageHandler = Callback<std::optional<LResult>(unsigned message, WParam, LParam)>;

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
  // The program changed a list box (the row at the index, or the selection):
  // the real one follows by that step alone, so that its rows stay where the
  // user sees them.
  virtual void ListChanged(ListBox& list, ListChange change, int index) = 0;
  // The shortcut a real hotkey edit holds (what the user typed), or nothing
  // where the control's own value is all there is.
  virtual std::optional<std::uint16_t> ReadHotKey(const Control& control) = 0;
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
  // The modal one-field input box: a caption, a prompt above the field, "OK"
  // and "Cancel". The field starts with value; OK stores the text in value
  // and answers true; Cancel or the close box leave value alone.
  virtual bool InputQuery(const std::string& caption, const std::string& prompt, std::string& value,
                          InputEcho echo) = 0;
  // Shows the menu at the point and returns the chosen item's index, or -1.
  virtual int TrackPopupMenu(const PopupMenu& menu, Point at) = 0;
  // Runs the user's part of a shown modal form until its ModalResult is set;
  // the other forms take no input meanwhile.
  virtual void RunModal(Form& form) = 0;
  // GetOpenFileNameA or GetSaveFileNameA; whether the user confirmed.
  virtual bool FileDialog(FileDialogOptions& options) = 0;
  virtual void FocusControl(Control& control) = 0;
  // Paints the form and its controls now.
  virtual void Repaint(Form& form) = 0;
  // The control's place on the screen.
  virtual Rect ControlScreenRect(Control& control) = 0;
  // The form's client point on the screen (ClientToScreen).
  virtual Point ClientToScreen(Form& form, Point client) = 0;
  // Image lists of small icons: an empty list, copies of icons, freeing them.
  virtual Handle CreateImageList() = 0;
  virtual int ImageListAddIcon(Handle list, Handle icon) = 0;
  virtual void ImageListClear(Handle list) = 0;
  virtual void DestroyImageList(Handle list) = 0;
};

}  // namespace hd
