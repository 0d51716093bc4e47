// Realises forms as real windows with common controls and keeps both in step.
#pragma once
#include <map>
#include "ui/FormHost.h"

namespace hd {

class Win32FormHost : public IFormHost {
public:
  Win32FormHost();
  ~Win32FormHost() override;

  WindowHandle ApplicationWindow() override;
  WindowHandle Realise(Form& form) override;
  void Destroy(Form& form) override;
  void SetVisible(Form& form, bool visible) override;
  void MoveForm(Form& form, int left, int top) override;
  void CentreForm(Form& form, int screenWidth, int screenHeight) override;
  void Retitle(Form& form) override;
  void BringToFront(Form& form) override;
  void ControlChanged(Control& control) override;
  void ListChanged(ListBox& list, ListChange change, int index) override;
  std::optional<std::uint16_t> ReadHotKey(const Control& control) override;
  WindowHandle CreateMessageWindow(MessageHandler handler) override;
  void DestroyMessageWindow(WindowHandle window) override;
  bool SetTimer(WindowHandle window, unsigned id, unsigned milliseconds) override;
  bool KillTimer(WindowHandle window, unsigned id) override;
  void ProcessMessages() override;
  void RunMessageLoop() override;
  void QuitMessageLoop() override;
  int MessageBox(const std::string& text, const std::string& caption, unsigned type) override;
  bool InputQuery(const std::string& caption, const std::string& prompt, std::string& value, InputEcho echo) override;
  int TrackPopupMenu(const PopupMenu& menu, Point at) override;
  void Repaint(Form& form) override;
  void RunModal(Form& form) override;
  bool FileDialog(FileDialogOptions& options) override;
  void FocusControl(Control& control) override;
  Rect ControlScreenRect(Control& control) override;
  Point ClientToScreen(Form& form, Point client) override;
  Handle CreateImageList() override;
  int ImageListAddIcon(Handle list, Handle icon) override;
  void ImageListClear(Handle list) override;
  void DestroyImageList(Handle list) override;

  // The input box's field and prompt, for tests that play the user.
  static constexpr int kInputQueryEditId = 100, kInputQueryPromptId = 101;

  // For the window procedures.
  static Win32FormHost* instance;
  std::map<WindowHandle, MessageHandler> messageWindows;
  std::map<Control*, WindowHandle> controlWindows;
  void ApplyPages(Form& form);
  // Sizes the form's window and lays out its controls for the DPI.
  void LayOut(Form& form, WindowHandle window, int dpi);

private:
  struct Fonts {
    void* normal = nullptr;
    void* bold = nullptr;
    void* link = nullptr;
  };
  const Fonts& FontsFor(int dpi);
  bool DispatchOne(void* message);
  bool TurnPage(Form& form, const struct tagMSG& message);
  void CreateControls(Form& form);
  WindowHandle applicationWindow_ = 0;
  std::map<int, Fonts> fonts_;  // by DPI
  bool quit_ = false;
};

}  // namespace hd
