// The audio sessions of the hidden programs, muted while HIDE mode lasts.
#pragma once
#include <string>
#include <vector>
#include "platform/Platform.h"

namespace hd {

// A session HIDE mode muted, and its own mute from before.
struct MutedSession {
  std::string id;
  ProcessId process = 0;
  std::string file;  // the process's executable: a process id may be given to another program
  bool mutedBefore = false;
  bool operator==(const MutedSession&) const = default;
};

class HiddenSound {
public:
  explicit HiddenSound(Platform& p) : p_(p) {}

  // Mutes the sessions of the processes of the hidden windows and of every
  // process of the same executables, but never of a kept process (the
  // serious application, the window brought to the front).
  void Mute(const std::vector<WindowHandle>& hidden, std::vector<ProcessId> kept);
  // The same programs' sessions that started since.
  void MuteNew();
  // Each session still there gets its own mute back; then nothing is muted.
  void Restore();

  std::vector<MutedSession> Muted;

private:
  Platform& p_;
  std::vector<ProcessId> processes_, kept_;
  std::vector<std::string> files_;
};

// Puts back sessions muted by a HIDE mode: those still there, of the same
// process running the same executable.
void RestoreSessions(Platform& p, const std::vector<MutedSession>& muted);

}  // namespace hd
