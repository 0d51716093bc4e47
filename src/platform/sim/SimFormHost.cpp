// The program's windows join the simulated desktop like any other program's.
#include "platform/sim/SimFormHost.h"
#include <algorithm>
#include "platform/sim/SimFiles.h"
#include "platform/sim/SimWindows.h"
#include "ui/Control.h"
#include "ui/Form.h"
#include "ui/Menu.h"

namespace hd {

WindowHandle SimFormHost::NewWindow(SimWindow window) {
  window.handle = s_.nextHandle;
  s_.nextHandle += 4;
  window.processId = s_.programProcess;
  if (window.parent == 0) s_.zOrder.insert(s_.zOrder.begin(), window.handle);
  const WindowHandle handle = window.handle;
  s_.windows[handle] = std::move(window);
  return handle;
}

WindowHandle SimFormHost::ApplicationWindow() {
  if (!s_.applicationWindow) {
    SimWindow app;
    app.className = "THushdeskApplication";
    app.exStyle = 0;
    s_.applicationWindow = NewWindow(app);
  }
  return s_.applicationWindow;
}

WindowHandle SimFormHost::Realise(Form& form) {
  SimWindow window;
  window.caption = form.Caption();
  window.className = "T" + form.Name();
  window.owner = ApplicationWindow();
  window.form = &form;
  return NewWindow(window);
}

void SimFormHost::Destroy(Form& form) {
  std::erase(s_.zOrder, form.Handle());
  s_.windows.erase(form.Handle());
}

void SimFormHost::SetVisible(Form& form, bool visible) {
  auto it = s_.windows.find(form.Handle());
  if (it == s_.windows.end()) return;
  if (visible && !it->second.visible) s_.formsShown.push_back({form.Name(), it->second.position});
  it->second.visible = visible;
}

void SimFormHost::MoveForm(Form& form, int left, int top) {
  if (auto it = s_.windows.find(form.Handle()); it != s_.windows.end()) it->second.position = {left, top};
}

// The simulated window is as large as its client area.
void SimFormHost::CentreForm(Form& form, int screenWidth, int screenHeight) {
  MoveForm(form, (screenWidth - form.ClientWidth()) / 2, (screenHeight - form.ClientHeight()) / 2);
}

void SimFormHost::Retitle(Form& form) {
  auto it = s_.windows.find(form.Handle());
  if (it != s_.windows.end()) it->second.caption = form.Caption();
}

void SimFormHost::BringToFront(Form& form) {
  auto it = std::find(s_.zOrder.begin(), s_.zOrder.end(), form.Handle());
  if (it == s_.zOrder.end()) return;
  s_.zOrder.erase(it);
  s_.zOrder.insert(s_.zOrder.begin(), form.Handle());
  s_.foreground = form.Handle();
}

WindowHandle SimFormHost::CreateMessageWindow(MessageHandler handler) {
  SimWindow window;
  window.className = "TPUtilWindow";
  window.handler = std::move(handler);
  return NewWindow(std::move(window));
}

void SimFormHost::DestroyMessageWindow(WindowHandle window) {
  std::erase(s_.zOrder, window);
  s_.windows.erase(window);
  for (auto it = s_.timers.begin(); it != s_.timers.end();)
    it = it->first.first == window ? s_.timers.erase(it) : std::next(it);
  std::erase_if(s_.timerDue, [window](const auto& due) { return due.first.first == window; });
}

bool SimFormHost::SetTimer(WindowHandle window, unsigned id, unsigned milliseconds) {
  if (!s_.windows.count(window)) return false;
  s_.timers[{window, id}] = milliseconds;
  // Setting it again starts its period anew.
  s_.timerDue[{window, id}] = s_.clockMs + std::max(1u, milliseconds);
  return true;
}

bool SimFormHost::KillTimer(WindowHandle window, unsigned id) {
  s_.timerDue.erase({window, id});
  return s_.timers.erase({window, id}) > 0;
}

void SimFormHost::ProcessMessages() {
  while (!s_.queue.empty()) {
    PostedMessage m = s_.queue.front();
    s_.queue.pop_front();
    SimWindows::Dispatch(s_, m.window, m.message, m.wParam, m.lParam);
  }
}

void SimFormHost::RunMessageLoop() {
  // The simulation has no one to wait for: it runs what is queued.
  while (!s_.quitRequested && !s_.queue.empty()) ProcessMessages();
}

// A message box is a window of the program's, and its loop runs what the
// queue holds while it is open.
int SimFormHost::MessageBox(const std::string& text, const std::string& caption, unsigned type) {
  s_.messageBoxes.push_back({text, caption, type});
  SimWindow box;
  box.caption = caption;
  box.className = "#32770";
  box.visible = true;
  const WindowHandle window = NewWindow(box);
  s_.messageBoxes.back().window = window;
  ProcessMessages();
  std::erase(s_.zOrder, window);
  s_.windows.erase(window);
  if (!s_.messageBoxAnswers.empty()) {
    int answer = s_.messageBoxAnswers.front();
    s_.messageBoxAnswers.pop_front();
    return answer;
  }
  return (type & 0xF) == win::MB_YESNO ? win::IDNO : win::IDOK;
}

bool SimFormHost::InputQuery(const std::string& caption, const std::string& prompt, std::string& value,
                             InputEcho echo) {
  s_.inputQueries.push_back({caption, prompt, value, echo});
  if (s_.inputAnswers.empty()) return false;
  std::optional<std::string> answer = std::move(s_.inputAnswers.front());
  s_.inputAnswers.pop_front();
  if (!answer) return false;
  // The user replaces the field's text; the field takes no more than its limit.
  value = answer->substr(0, kInputQueryMaxLength);
  return true;
}

int SimFormHost::TrackPopupMenu(const PopupMenu& menu, Point at) {
  s_.popupPoints.push_back(at);
  std::vector<std::string> captions;
  for (const MenuItem& item : menu.Items()) captions.push_back(item.caption);
  s_.popupsShown.push_back(captions);
  // The menu's own loop runs what is queued while it is open.
  ProcessMessages();
  if (s_.popupChoices.empty()) return -1;
  int choice = s_.popupChoices.front();
  s_.popupChoices.pop_front();
  return choice;
}

void SimFormHost::RunModal(Form& form) {
  s_.modalsShown.push_back(form.Name());
  if (!s_.modalActions.empty()) {
    auto action = std::move(s_.modalActions.front());
    s_.modalActions.pop_front();
    action(form);
  }
  // The user closes what the action left open.
  if (form.ModalResult == mrNone) form.Close();
}

bool SimFormHost::FileDialog(FileDialogOptions& options) {
  s_.fileDialogsShown.push_back(options);
  if (s_.fileDialogAnswers.empty()) return false;
  std::optional<std::string> answer = std::move(s_.fileDialogAnswers.front());
  s_.fileDialogAnswers.pop_front();
  if (!answer) return false;
  // The real dialog lets no one confirm a file that is not there.
  if (options.fileMustExist && !s_.files.count(SimFiles::Key(*answer))) return false;
  options.fileName = *answer;
  return true;
}

Rect SimFormHost::ControlScreenRect(Control& control) {
  const Bounds& b = control.Position();
  const Point origin = ClientToScreen(control.Owner(), {b.x, b.y});
  return {origin.x, origin.y, origin.x + b.width, origin.y + b.height};
}

Point SimFormHost::ClientToScreen(Form& form, Point client) { return {form.Left() + client.x, form.Top() + client.y}; }

Handle SimFormHost::CreateImageList() {
  const Handle list = s_.nextIcon++;
  s_.imageLists[list];
  return list;
}

int SimFormHost::ImageListAddIcon(Handle list, Handle icon) {
  auto it = s_.imageLists.find(list);
  if (it == s_.imageLists.end() || icon == 0) return -1;
  // A copy is recorded by the icon it was made from.
  it->second.push_back(icon);
  return static_cast<int>(it->second.size()) - 1;
}

void SimFormHost::ImageListClear(Handle list) {
  if (auto it = s_.imageLists.find(list); it != s_.imageLists.end()) it->second.clear();
}

void SimFormHost::DestroyImageList(Handle list) { s_.imageLists.erase(list); }

}  // namespace hd
