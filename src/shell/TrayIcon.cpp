// The notification icon follows Active; the shell talks back through the
// component's own hidden window.
#include "shell/TrayIcon.h"

namespace hd {

namespace {
constexpr unsigned kAnimationTimer = 1;
}  // namespace

TTrayIcon::TTrayIcon(Platform& platform, TrayApplication application)
    : p_(platform), app_(std::move(application)) {
  window_ = p_.forms.CreateMessageWindow(
      [this](unsigned message, WParam wParam, LParam lParam) { return WndProc(message, wParam, lParam); });
  toolTrayIconMessage_ = p_.windows.RegisterWindowMessage("WM_TOOLTRAYICON");
  resetToolTipMessage_ = p_.windows.RegisterWindowMessage("WM_RESETTOOLTIP");
  // Broadcast by the shell when it (re)creates its taskbar.
  taskbarCreatedMessage_ = p_.windows.RegisterWindowMessage("TaskbarCreated");
  // Run as administrator, the program would not hear it from the shell.
  p_.windows.AllowMessageFromLowerRights(taskbarCreatedMessage_);
  OnDblClick = [](TTrayIcon& sender) { sender.RestoreApplication(); };
}

TTrayIcon::~TTrayIcon() {
  if (active_) DeleteIcon();
  SetTimerEnabled(false);
  p_.forms.DestroyMessageWindow(window_);
}

void TTrayIcon::FillIconData(unsigned parts) {
  data_.cbSize = 88;
  data_.hWnd = window_;
  data_.uID = 0;
  data_.uFlags = 0;
  if (parts & kMessage) {
    data_.uFlags |= win::NIF_MESSAGE;
    data_.uCallbackMessage = toolTrayIconMessage_;
  }
  if (parts & kIcon) {
    data_.uFlags |= win::NIF_ICON;
    data_.hIcon = icon_;
  }
  if (parts & kTip) {
    data_.uFlags |= win::NIF_TIP;
    data_.szTip = toolTip_;
  }
}

bool TTrayIcon::AddIcon() {
  if (!icon_) icon_ = p_.shell.ApplicationIcon();
  FillIconData(kMessage | kIcon | kTip);
  const bool added = p_.shell.NotifyIcon(win::NIM_ADD, data_);
  // The icon may be switched on before its tooltip is given: the tip is sent
  // again once the queued messages have run.
  if (toolTip_.empty()) p_.windows.PostMessage(window_, resetToolTipMessage_, 0, 0);
  return added;
}

bool TTrayIcon::ModifyIcon(unsigned parts) {
  FillIconData(parts);
  // While inactive the record keeps the values for the next AddIcon.
  if (!active_) return true;
  return p_.shell.NotifyIcon(win::NIM_MODIFY, data_);
}

bool TTrayIcon::DeleteIcon() { return p_.shell.NotifyIcon(win::NIM_DELETE, data_); }

bool TTrayIcon::ShowBalloon(const std::string& title, const std::string& text) {
  if (!active_) return false;
  NotifyIconData balloon;
  balloon.hWnd = window_;
  balloon.uFlags = win::NIF_INFO;
  balloon.szInfo = text;
  balloon.szInfoTitle = title;
  balloon.dwInfoFlags = win::NIIF_WARNING;
  return p_.shell.NotifyIcon(win::NIM_MODIFY, balloon);
}

void TTrayIcon::SetActive(bool value) {
  if (value == active_) return;
  active_ = value;
  if (value)
    AddIcon();
  else
    DeleteIcon();
}

// Icons are shared handles (the application's icon, the frames of Images):
// the component holds them without owning them.
void TTrayIcon::SetIcon(Handle icon) {
  if (icon == icon_) return;
  icon_ = icon;
  ModifyIcon(kIcon);
}

void TTrayIcon::SetToolTip(const std::string& text) {
  toolTip_ = text.substr(0, kMaxToolTip);
  ModifyIcon(kIcon | kTip);
}

void TTrayIcon::SetAnimateInterval(int milliseconds) {
  if (milliseconds <= 0) return;
  animateInterval_ = milliseconds;
  if (timerEnabled_) p_.forms.SetTimer(window_, kAnimationTimer, static_cast<unsigned>(animateInterval_));
}

void TTrayIcon::SetTimerEnabled(bool enabled) {
  if (enabled)
    p_.forms.SetTimer(window_, kAnimationTimer, static_cast<unsigned>(animateInterval_));
  else if (timerEnabled_)
    p_.forms.KillTimer(window_, kAnimationTimer);
  timerEnabled_ = enabled;
}

void TTrayIcon::SetAnimate(bool value) {
  if (value && (Images.empty() || !active_)) return;
  animate_ = value;
  if (value) {
    savedIcon_ = icon_;
    frame_ = 0;
    SetTimerEnabled(true);
  } else {
    // Also when it never animated: then the saved icon is still empty.
    SetTimerEnabled(false);
    SetIcon(savedIcon_);
  }
}

void TTrayIcon::AnimationTick() {
  // The frames were taken away while animating.
  if (Images.empty()) {
    SetAnimate(false);
    return;
  }
  frame_ = frame_ + 1 < Images.size() ? frame_ + 1 : 0;
  SetIcon(Images[frame_]);
}

void TTrayIcon::RestoreApplication() {
  if (!active_) return;
  const WindowHandle app = p_.forms.ApplicationWindow();
  p_.windows.ShowWindow(app, win::SW_RESTORE);
  if (app_.ShowMainForm) app_.ShowMainForm(true);
  p_.windows.SetForegroundWindow(app);
  SetActive(false);
}

void TTrayIcon::MinimizeToTray() {
  if (active_) return;
  if (app_.ShowMainForm) app_.ShowMainForm(false);
  p_.windows.ShowWindow(p_.forms.ApplicationWindow(), win::SW_HIDE);
  if (const WindowHandle active = app_.ActiveFormWindow ? app_.ActiveFormWindow() : 0)
    p_.windows.ShowWindow(active, win::SW_HIDE);
  SetActive(true);
}

void TTrayIcon::MouseMessage(LParam code) {
  if (app_.Busy && app_.Busy()) return;
  switch (code) {
    case win::WM_LBUTTONUP:
      if (OnClick) OnClick(*this);
      break;
    case win::WM_LBUTTONDBLCLK:
      if (OnDblClick) OnDblClick(*this);
      break;
    case win::WM_RBUTTONUP: {
      const Point at = p_.shell.GetCursorPos();
      // Returns when the menu has closed, so OnRightClick comes after it.
      if (PopupMenu) PopupMenu->Choose(p_.forms.TrackPopupMenu(*PopupMenu, at));
      if (OnRightClick) OnRightClick(*this, MouseButton::Right, 0, at.x, at.y);
      break;
    }
    default:
      break;
  }
}

std::optional<LResult> TTrayIcon::WndProc(unsigned message, WParam wParam, LParam lParam) {
  if (message == resetToolTipMessage_) {
    SetToolTip(toolTip_);
    return 0;
  }
  if (message == toolTrayIconMessage_) {
    MouseMessage(lParam);
    return 0;
  }
  if (message == taskbarCreatedMessage_) {
    // A restarted shell has forgotten every icon.
    if (active_) AddIcon();
    if (OnTaskbarCreated) OnTaskbarCreated(*this);
    return 0;
  }
  if (message == win::WM_TIMER && wParam == kAnimationTimer && timerEnabled_) {
    AnimationTick();
    return 0;
  }
  return std::nullopt;
}

}  // namespace hd
