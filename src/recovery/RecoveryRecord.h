// What HIDE mode changed, kept on disk while it lasts, so that a program that
// ended without leaving it can be undone at the next start.
#pragma once
#include <cstdint>
#include <optional>
#include <string>
#include <vector>
#include "hide/HiddenSound.h"
#include "media/sound_man.h"
#include "platform/System.h"
#include "platform/Types.h"
#include "settings/AppSettings.h"

namespace hd {

struct RecordedWindow {
  WindowHandle window = 0;
  ProcessId process = 0;  // a handle now owned by another process is not ours to show
  int showCommand = win::SW_SHOW;
  bool operator==(const RecordedWindow&) const = default;
};

// How the notification area was hidden: button by button, or the whole area.
struct RecordedTray {
  bool wholeArea = false;
  std::vector<int> buttons;
  bool operator==(const RecordedTray&) const = default;
};

struct RecoveryRecord {
  std::vector<RecordedWindow> windows;  // in the order of hiding
  std::optional<GraphicMode> graphicMode;  // the mode to switch back to
  std::optional<std::uint8_t> volume;      // the volume level 0..255, as older versions read it
  std::optional<VolumeSetting> exactVolume;  // the volume to set back, as read
  std::optional<RecordedTray> tray;
  std::vector<MutedSession> sessions;  // the hidden programs' audio sessions
  // Where it was written; none in a record of an older version.
  std::optional<SessionIdentity> origin;
  // Written just before putting it back: found at a start, that putting back
  // ended the program.
  bool puttingBack = false;
  bool operator==(const RecoveryRecord&) const = default;
};

// Text lines with CR LF: a heading line, then one "Key=values" line each.
std::string FormatRecoveryRecord(const RecoveryRecord& record);
// Nothing without the heading line; a line that does not read is passed over.
std::optional<RecoveryRecord> ParseRecoveryRecord(const std::string& text);

}  // namespace hd
