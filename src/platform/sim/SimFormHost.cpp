// The program's windows join the simulated desktop like any other program's.
#include "platform/sim/SimFormHost.h"
#include <algorithm>
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
  if (it != s_.windows.end()) it->second.visible = visible;
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
}

bool SimFormHost::SetTimer(WindowHandle window, unsigned id, unsigned milliseconds) {
  if (!s_.windows.count(window)) return false;
  s_.timers[{window, id}] = milliseconds;
  return true;
}

bool SimFormHost::KillTimer(WindowHandle window, unsigned id) { return s_.timers.erase({window, id}) > 0; }

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

int SimFormHost::MessageBox(const std::string& text, const std::string& caption, unsigned type) {
  s_.messageBoxes.push_back({text, caption, type});
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
  if (s_.popupChoices.empty()) return -1;
  int choice = s_.popupChoices.front();
  s_.popupChoices.pop_front();
  return choice;
}

// The simulated forms have no frame: the client area starts at the form's corner.
Rect SimFormHost::ControlScreenRect(const Control& control) {
  const Bounds& b = control.Position();
  const Form& form = control.Owner();
  return {form.Left() + b.x, form.Top() + b.y, form.Left() + b.x + b.width, form.Top() + b.y + b.height};
}

}  // namespace hd
