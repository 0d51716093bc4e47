// The wave-out volume, the endpoint master volume, the audio sessions and PlaySoundA.
#pragma once
#include "platform/Sound.h"

namespace hd {

class Win32Sound : public ISound {
public:
  ~Win32Sound() override;  // out of line: one unwind table header for the file
  bool WaveOutGetVolume(std::uint32_t& volume) override;
  bool WaveOutSetVolume(std::uint32_t volume) override;
  bool GetMasterVolumeLevelScalar(float& level) override;
  bool SetMasterVolumeLevelScalar(float level) override;
  bool GetMasterMute(bool& muted) override;
  bool SetMasterMute(bool muted) override;
  bool AudioSessions(std::vector<AudioSession>& sessions) override;
  bool SetAudioSessionMute(const std::string& id, bool muted) override;
  bool WatchAudioSessions(WindowHandle window, unsigned message) override;
  void StopWatchingAudioSessions() override;
  bool PlaySound(const std::string& path, unsigned flags) override;

private:
  void* watch_ = nullptr;        // what the watching thread reads
  void* watchThread_ = nullptr;  // its handle
};

}  // namespace hd
