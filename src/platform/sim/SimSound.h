// The simulated audio device: which volume a program reaches depends on the system version.
#pragma once
#include "platform/Sound.h"
#include "platform/sim/SimFiles.h"
#include "platform/sim/SimState.h"

namespace hd {

class SimSound : public ISound {
public:
  SimSound(SimState& state, SimFiles& files) : s_(state), files_(files) {}
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
  bool HasEndpoints() const;
  SimState& s_;
  SimFiles& files_;
};

}  // namespace hd
