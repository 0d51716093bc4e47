// Before Vista the endpoint interface's class is not registered, so creating it fails.
#include "platform/sim/SimSound.h"

namespace hd {

bool SimSound::HasEndpoints() const {
  return s_.version.platformId == win::VER_PLATFORM_WIN32_NT && s_.version.majorVersion >= 6;
}

bool SimSound::WaveOutGetVolume(std::uint32_t& volume) {
  volume = s_.waveVolume;
  return true;
}

bool SimSound::WaveOutSetVolume(std::uint32_t volume) {
  s_.waveVolume = volume;
  return true;
}

bool SimSound::GetMasterVolumeLevelScalar(float& level) {
  if (!HasEndpoints()) return false;
  level = s_.masterVolume;
  return true;
}

bool SimSound::SetMasterVolumeLevelScalar(float level) {
  if (!HasEndpoints() || level < 0.0f || level > 1.0f) return false;
  s_.masterVolume = level;
  return true;
}

bool SimSound::GetMasterMute(bool& muted) {
  if (!HasEndpoints()) return false;
  muted = s_.masterMuted;
  return true;
}

bool SimSound::SetMasterMute(bool muted) {
  if (!HasEndpoints()) return false;
  s_.masterMuted = muted;
  return true;
}

bool SimSound::AudioSessions(std::vector<AudioSession>& sessions) {
  if (!HasEndpoints()) return false;
  sessions.clear();
  for (const auto& session : s_.audioSessions)
    if (!session.ended) sessions.push_back({session.id, session.process, session.muted});
  return true;
}

bool SimSound::SetAudioSessionMute(const std::string& id, bool muted) {
  for (auto& session : s_.audioSessions)
    if (session.id == id && !session.ended) {
      session.muted = muted;
      return true;
    }
  return false;
}

bool SimSound::WatchAudioSessions(WindowHandle window, unsigned message) {
  if (!HasEndpoints()) return false;
  s_.audioWatch = PostedMessage{window, message, 0, 0};
  return true;
}

void SimSound::StopWatchingAudioSessions() { s_.audioWatch.reset(); }

bool SimSound::PlaySound(const std::string& path, unsigned flags) {
  if (!files_.FileExists(path)) return false;
  s_.soundsPlayed.push_back({path, flags, s_.waveVolume, s_.masterVolume, s_.masterMuted});
  s_.clockMs += s_.soundLengthMs;
  return true;
}

}  // namespace hd
