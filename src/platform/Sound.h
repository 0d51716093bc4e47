// The wave-out device, the default playback device's master volume, the
// programs' audio sessions, and playing a sound file.
#pragma once
#include <cstdint>
#include <string>
#include <vector>
#include "platform/Types.h"

namespace hd {

namespace win {
constexpr unsigned SND_APPLICATION = 0x0080;
}  // namespace win

// One program's audio session on one playback device (Windows Vista on).
struct AudioSession {
  std::string id;  // its instance identifier, unique while it lasts
  ProcessId process = 0;
  bool muted = false;
  bool operator==(const AudioSession&) const = default;
};

class ISound {
public:
  virtual ~ISound() = default;
  // waveOutGetVolume / waveOutSetVolume with device 0 passed as the handle;
  // the volume word holds the left channel low, the right channel high.
  virtual bool WaveOutGetVolume(std::uint32_t& volume) = 0;
  virtual bool WaveOutSetVolume(std::uint32_t volume) = 0;
  // The default playback device's master volume, 0..1, through the endpoint
  // volume interface (Windows Vista on): false when the interface, the device
  // or the call is not there.
  virtual bool GetMasterVolumeLevelScalar(float& level) = 0;
  virtual bool SetMasterVolumeLevelScalar(float level) = 0;
  // The same device's mute, apart from its level.
  virtual bool GetMasterMute(bool& muted) = 0;
  virtual bool SetMasterMute(bool muted) = 0;
  // Every session that has not ended, of every active playback device
  // (IAudioSessionManager2 and its enumerator); false when the system has no
  // audio sessions.
  virtual bool AudioSessions(std::vector<AudioSession>& sessions) = 0;
  // ISimpleAudioVolume::SetMute of the session with that identifier; false
  // when it has ended.
  virtual bool SetAudioSessionMute(const std::string& id, bool muted) = 0;
  // IAudioSessionNotification on every active playback device: each new
  // session posts message to window, until StopWatchingAudioSessions.
  virtual bool WatchAudioSessions(WindowHandle window, unsigned message) = 0;
  virtual void StopWatchingAudioSessions() = 0;
  // PlaySoundA(path, NULL, flags); returns when the sound has finished unless
  // the flags ask otherwise.
  virtual bool PlaySound(const std::string& path, unsigned flags) = 0;
};

}  // namespace hd
