// Browsers and players often make their sound in a helper process of their
// own executable, so a hidden window's program is muted by its file too.
#include "hide/HiddenSound.h"
#include <algorithm>
#include "hide/proc_misc.h"

namespace hd {

void HiddenSound::Mute(const std::vector<WindowHandle>& hidden, const std::set<ProcessId>& kept) {
  kept_ = kept;
  processes_.clear();
  files_.clear();
  ProcessFiles files(p_);
  const ProcessId own = p_.processes.GetCurrentProcessId();
  for (WindowHandle window : hidden) {
    const ProcessId process = files.ProcessOfWindow(window);
    if (process == own || kept_.count(process)) continue;
    processes_.insert(process);
    const std::string file = files.ForProcess(process);
    if (!file.empty()) files_.push_back(p_.system.CharLower(file));
  }
  MuteNew();
}

void HiddenSound::MuteNew() {
  std::vector<AudioSession> sessions;
  if (processes_.empty() || !p_.sound.AudioSessions(sessions)) return;
  ProcessFiles files(p_);
  for (const AudioSession& session : sessions) {
    if (kept_.count(session.process) ||
        std::any_of(Muted.begin(), Muted.end(), [&](const MutedSession& m) { return m.id == session.id; }))
      continue;
    const std::string file = files.ForProcess(session.process);
    if (!processes_.count(session.process) &&
        (file.empty() || std::find(files_.begin(), files_.end(), p_.system.CharLower(file)) == files_.end()))
      continue;
    if (p_.sound.SetAudioSessionMute(session.id, true))
      Muted.push_back({session.id, session.process, file, session.muted});
  }
}

void HiddenSound::Restore() {
  RestoreSessions(p_, Muted);
  Muted.clear();
  processes_.clear();
  files_.clear();
}

void RestoreSessions(Platform& p, const std::vector<MutedSession>& muted) {
  std::vector<AudioSession> sessions;
  if (muted.empty() || !p.sound.AudioSessions(sessions)) return;
  ProcessFiles files(p);
  for (const MutedSession& m : muted)
    for (const AudioSession& session : sessions)
      if (session.id == m.id && session.process == m.process &&
          p.system.EqualTextIgnoreCase(files.ForProcess(m.process), m.file))
        p.sound.SetAudioSessionMute(session.id, m.mutedBefore);
}

}  // namespace hd
