// The wave-out device, the default playback device's master volume, and
// playing a sound file.
#pragma once
#include <cstdint>
#include <string>

namespace hd {

namespace win {
constexpr unsigned SND_APPLICATION = 0x0080;
}  // namespace win

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
  // PlaySoundA(path, NULL, flags); returns when the sound has finished unless
  // the flags ask otherwise.
  virtual bool PlaySound(const std::string& path, unsigned flags) = 0;
};

}  // namespace hd
