// TTrayIcon: one icon in the taskbar's notification area, its tooltip,
// animation, and the shell's mouse messages turned into events and a menu.
#pragma once
#include <optional>
#include <string>
#include <vector>
#include "platform/Platform.h"
#include "ui/Event.h"
#include "ui/Menu.h"

namespace hd {

enum class MouseButton { Left, Right, Middle };
using ShiftState = unsigned;  // 0: no key held

// What the component may do to the application it belongs to.
struct TrayApplication {
  Callback<void(bool visible)> ShowMainForm;
  // The window of the application's active form, or 0.
  Callback<WindowHandle()> ActiveFormWindow;
  // While it says so, the mouse on the icon does nothing.
  Callback<bool()> Busy;
};

class TTrayIcon {
public:
  using NotifyEvent = Callback<void(TTrayIcon& sender)>;
  using MouseEvent = Callback<void(TTrayIcon& sender, MouseButton, ShiftState, int x, int y)>;
  enum Part : unsigned { kMessage = 1, kIcon = 2, kTip = 4 };
  static constexpr std::size_t kMaxToolTip = 62;

  TTrayIcon(Platform& platform, TrayApplication application);
  ~TTrayIcon();  // removes the icon when it is shown
  TTrayIcon(const TTrayIcon&) = delete;
  TTrayIcon& operator=(const TTrayIcon&) = delete;

  bool Active() const { return active_; }
  void SetActive(bool value);
  bool Animate() const { return animate_; }
  void SetAnimate(bool value);
  int AnimateInterval() const { return animateInterval_; }
  void SetAnimateInterval(int milliseconds);
  Handle Icon() const { return icon_; }  // 0: empty
  void SetIcon(Handle icon);
  const std::string& ToolTip() const { return toolTip_; }
  void SetToolTip(const std::string& text);

  std::vector<Handle> Images;  // the animation frames
  const hd::PopupMenu* PopupMenu = nullptr;  // shown on a right-button release
  NotifyEvent OnClick;
  NotifyEvent OnDblClick;  // RestoreApplication until replaced
  MouseEvent OnRightClick;
  NotifyEvent OnTaskbarCreated;  // after the icon is back on a new taskbar

  bool AddIcon();
  bool ModifyIcon(unsigned parts);
  bool DeleteIcon();
  // A warning balloon from the icon: it takes no focus. False when the icon
  // is not shown or the shell cannot show balloons.
  bool ShowBalloon(const std::string& title, const std::string& text);
  void RestoreApplication();
  void MinimizeToTray();
  void AnimationTick();

  // Its own hidden window, which the shell's messages reach.
  WindowHandle Window() const { return window_; }

private:
  void FillIconData(unsigned parts);
  std::optional<LResult> WndProc(unsigned message, WParam wParam, LParam lParam);
  void MouseMessage(LParam code);
  void SetTimerEnabled(bool enabled);

  Platform& p_;
  TrayApplication app_;
  WindowHandle window_ = 0;
  unsigned toolTrayIconMessage_ = 0;
  unsigned resetToolTipMessage_ = 0;
  unsigned taskbarCreatedMessage_ = 0;
  NotifyIconData data_;
  bool active_ = false;
  bool animate_ = false;
  int animateInterval_ = 100;
  bool timerEnabled_ = false;
  Handle icon_ = 0;
  std::string toolTip_;
  Handle savedIcon_ = 0;
  std::size_t frame_ = 0;
};

}  // namespace hd
