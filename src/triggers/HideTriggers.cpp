// A timer that reads the pointer's place, not a low-level mouse hook: a hook
// puts this program in the path of every mouse move of the session, and
// docs/design.md has the figures.
#include "triggers/HideTriggers.h"
#include <algorithm>

namespace hd {

namespace {
constexpr unsigned kTimerId = 1;

// Pushed into a corner, the pointer stops on its last pixel (right and
// bottom are one past the monitor).
bool InCorner(Point at, const Rect& monitor, ScreenCorner corner) {
  const bool left = corner == ScreenCorner::TopLeft || corner == ScreenCorner::BottomLeft;
  const bool top = corner == ScreenCorner::TopLeft || corner == ScreenCorner::TopRight;
  return at.x == (left ? monitor.left : monitor.right - 1) && at.y == (top ? monitor.top : monitor.bottom - 1);
}
}  // namespace

HideTriggers::HideTriggers(Platform& platform, Event enter)
    : p_(platform), enter_(enter) {
  window_ = p_.forms.CreateMessageWindow([this](unsigned message, WParam wParam, LParam) -> std::optional<LResult> {
    if (message != win::WM_TIMER || wParam != kTimerId) return std::nullopt;
    Look();
    return 0;
  });
}

HideTriggers::~HideTriggers() { p_.forms.DestroyMessageWindow(window_); }

void HideTriggers::Start(const TriggerOptions& options) {
  Stop();
  options_ = options;
  if (!options_.corner && !options_.away) return;
  running_ = true;
  startedAt_ = p_.system.TickCountMs();
  p_.forms.SetTimer(window_, kTimerId, options_.corner ? kCornerPeriodMs : kAwayPeriodMs);
}

void HideTriggers::Stop() {
  if (running_) p_.forms.KillTimer(window_, kTimerId);
  running_ = false;
  lookedAt_.reset();
  inCornerSince_.reset();
  cornerTaken_ = false;
  awayTakenAt_.reset();
}

void HideTriggers::Look() {
  if (!running_) return;
  const std::uint64_t now = p_.system.TickCountMs();
  if (options_.corner) LookAtCorner(now);
  if (running_ && options_.away) LookAtInput(now);
}

void HideTriggers::LookAtCorner(std::uint64_t now) {
  // The monitor is asked for only when the pointer moved: a still pointer
  // then costs one question per look.
  const Point at = p_.shell.GetCursorPos();
  if (!lookedAt_ || lookedAt_->x != at.x || lookedAt_->y != at.y) {
    lookedAt_ = at;
    inCorner_ = InCorner(at, p_.system.MonitorRectAt(at), options_.whichCorner);
  }
  if (!inCorner_) {
    inCornerSince_.reset();
    cornerTaken_ = false;
    return;
  }
  if (!inCornerSince_) inCornerSince_ = now;
  if (cornerTaken_ || now - *inCornerSince_ < options_.cornerDelayMs) return;
  cornerTaken_ = true;
  enter_();
}

void HideTriggers::LookAtInput(std::uint64_t now) {
  const std::uint32_t lastInput = p_.system.LastInputTick();
  if (awayTakenAt_ == lastInput) return;
  awayTakenAt_.reset();
  // The tick count wraps after 49.7 days; the difference does not.
  const std::uint64_t sinceInput = static_cast<std::uint32_t>(static_cast<std::uint32_t>(now) - lastInput);
  if (std::min(sinceInput, now - startedAt_) < options_.awayMinutes * 60000ull) return;
  awayTakenAt_ = lastInput;
  enter_();
}

}  // namespace hd
