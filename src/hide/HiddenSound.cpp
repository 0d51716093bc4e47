// Browsers and players often make their sound in a helper process of their
// own executable, so a hidden window's program is muted by its file too.
#include "hide/HiddenSound.h"
#include <algorithm>
#include "hide/proc_misc.h"

namespace hd {

namespace {
bool Has(const std::vector<ProcessId>& processes, ProcessId process) {
  return std::find(processes.begin(), processes.end(), process) != processes.end();
}
}  // namespace

void HiddenSound::Mute(const std::vector<WindowHandle>& hidden, std::vector<ProcessId> kept) {
  kept_ = std::move(kept);
  processes_.clear();
  files_.clear();
  ProcessFiles files(p_);
  const ProcessId own = p_.processes.GetCurrentProcessId();
  for (WindowHandle window : hidden) {
    const ProcessId process = files.ProcessOfWindow(window);
    if (process == own || Has(kept_, process)) continue;
    processes_.push_back(process);
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
    bool muted = Has(kept_, session.process);
    for (const MutedSession& m : Muted) muted = muted || m.id == session.id;
    if (muted) continue;
    const std::string file = files.ForProcess(session.process);
    const bool sameFile =
        !file.empty() && std::find(files_.begin(), files_.end(), p_.system.CharLower(file)) != files_.end();
    if ((sameFile || Has(processes_, session.process)) && p_.sound.SetAudioSessionMute(session.id, true))
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
