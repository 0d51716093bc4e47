// What enters HIDE mode besides the hotkey: the mouse pointer pushed into a
// corner of the screen, and time away from the keyboard and mouse.
#pragma once
#include <cstdint>
#include <optional>
#include "platform/Platform.h"
#include "ui/Event.h"

namespace hd {

enum class ScreenCorner { TopLeft, TopRight, BottomLeft, BottomRight };

struct TriggerOptions {
  bool corner = false;
  ScreenCorner whichCorner = ScreenCorner::TopLeft;
  unsigned cornerDelayMs = 250;  // how long the pointer stays before it counts
  bool away = false;
  unsigned awayMinutes = 10;
};

class HideTriggers {
public:
  // Looked at this often: a corner visit counts from the first look that
  // finds the pointer there, so it may take one period longer than the delay.
  static constexpr unsigned kCornerPeriodMs = 200;
  static constexpr unsigned kAwayPeriodMs = 1000;

  // enter runs once per visit to the corner and once per time away.
  HideTriggers(Platform& platform, Event enter);
  ~HideTriggers();
  HideTriggers(const HideTriggers&) = delete;
  HideTriggers& operator=(const HideTriggers&) = delete;

  // Watches as the options say, from now on; a visit or a time away under
  // way before counts only from now.
  void Start(const TriggerOptions& options);
  // Nothing fires until the next Start.
  void Stop();

private:
  void Look();
  void LookAtCorner(std::uint64_t now);
  void LookAtInput(std::uint64_t now);

  Platform& p_;
  Event enter_;
  WindowHandle window_ = 0;
  TriggerOptions options_;
  bool running_ = false;
  std::uint64_t startedAt_ = 0;  // time away counts from here at the earliest
  std::optional<Point> lookedAt_;  // where the pointer was at the last look
  bool inCorner_ = false;
  std::optional<std::uint64_t> inCornerSince_;
  bool cornerTaken_ = false;
  // The last input's tick when time away fired: it fires again after new input.
  std::optional<std::uint32_t> awayTakenAt_;
};

}  // namespace hd
