// The wave-out volume, the endpoint master volume and PlaySoundA.
#pragma once
#include "platform/Sound.h"

namespace hd {

class Win32Sound : public ISound {
public:
  bool WaveOutGetVolume(std::uint32_t& volume) override;
  bool WaveOutSetVolume(std::uint32_t volume) override;
  bool GetMasterVolumeLevelScalar(float& level) override;
  bool SetMasterVolumeLevelScalar(float level) override;
  bool GetMasterMute(bool& muted) override;
  bool SetMasterMute(bool muted) override;
  bool PlaySound(const std::string& path, unsigned flags) override;
};

}  // namespace hd
