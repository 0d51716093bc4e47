// Shows the program's forms as simulated windows and plays the user at dialogs.
#pragma once
#include "platform/sim/SimState.h"
#include "ui/FormHost.h"

namespace hd {

class SimFormHost : public IFormHost {
public:
  explicit SimFormHost(SimState& state) : s_(state) {}
  WindowHandle ApplicationWindow() override;
  WindowHandle Realise(Form& form) override;
  void Destroy(Form& form) override;
  void SetVisible(Form& form, bool visible) override;
  void MoveForm(Form& form, int left, int top) override;
  void CentreForm(Form& form, int screenWidth, int screenHeight) override;
  void Retitle(Form& form) override;
  void BringToFront(Form& form) override;
  void ControlChanged(Control&) override {}
  void ListChanged(ListBox& list, ListChange change, int index) override {
    s_.listChanges.push_back({&list, change, index});
  }
  std::optional<std::uint16_t> ReadHotKey(const Control&) override { return std::nullopt; }
  WindowHandle CreateMessageWindow(MessageHandler handler) override;
  void DestroyMessageWindow(WindowHandle window) override;
  bool SetTimer(WindowHandle window, unsigned id, unsigned milliseconds) override;
  bool KillTimer(WindowHandle window, unsigned id) override;
  void ProcessMessages() override;
  void RunMessageLoop() override;
  void QuitMessageLoop() override { s_.quitRequested = true; }
  int MessageBox(const std::string& text, const std::string& caption, unsigned type) override;
  bool InputQuery(const std::string& caption, const std::string& prompt, std::string& value, InputEcho echo) override;
  int TrackPopupMenu(const PopupMenu& menu, Point at) override;
  void Repaint(Form&) override { ++s_.repaints; }
  void RunModal(Form& form) override;
  bool FileDialog(FileDialogOptions& options) override;
  void FocusControl(Control& control) override { s_.focused = &control; }
  Rect ControlScreenRect(Control& control) override;
  Point ClientToScreen(Form& form, Point client) override;
  Handle CreateImageList() override;
  int ImageListAddIcon(Handle list, Handle icon) override;
  void ImageListClear(Handle list) override;
  void DestroyImageList(Handle list) override;

private:
  WindowHandle NewWindow(SimWindow window);
  SimState& s_;
};

}  // namespace hd
