// Both volume paths share the level arithmetic of the wave-out volume word:
// a channel 0..65535, a level byte b written as b x 256.
#include "media/sound_man.h"
#include <cmath>

namespace hd {

namespace {
constexpr double kChannelFull = 65535.0;
}  // namespace

std::uint8_t LevelByte(double level) {
  // The default rounding mode rounds halves to even.
  return static_cast<std::uint8_t>(std::nearbyint(level));
}

std::optional<double> SoundVolume::GetWaveVolumeLevel() {
  double left = 0;
  if (path_ == VolumePath::WaveOut) {
    std::uint32_t word = 0;
    if (!sound_.WaveOutGetVolume(word)) return std::nullopt;
    left = word & 0xFFFF;
  } else {
    float scalar = 0;
    if (!sound_.GetMasterVolumeLevelScalar(scalar)) return std::nullopt;
    // Read as the channel value it stands for.
    left = std::nearbyint(static_cast<double>(scalar) * kChannelFull);
  }
  return left / kChannelFull * 255;
}

void SoundVolume::SetWaveVolumeLevel(std::uint8_t level) {
  const std::uint32_t channel = static_cast<std::uint32_t>(level) << 8;
  if (path_ == VolumePath::WaveOut)
    sound_.WaveOutSetVolume(channel << 16 | channel);
  else
    sound_.SetMasterVolumeLevelScalar(static_cast<float>(channel / kChannelFull));
}

void SoundVolume::MuteWave() {
  if (path_ == VolumePath::WaveOut)
    sound_.WaveOutSetVolume(0);
  else
    sound_.SetMasterVolumeLevelScalar(0.0f);
}

// A level that cannot be read could not be brought back: the volume is then
// left as it is.
void SoundVolume::ApplyHideVolume(bool mute, double volumeLevel) {
  SavedVolumeLevel = GetWaveVolumeLevel();
  if (!SavedVolumeLevel) return;
  if (mute)
    MuteWave();
  else
    SetWaveVolumeLevel(LevelByte(volumeLevel));
}

// Nothing remembered yet (the volume setting was turned on during HIDE
// mode): setting a level that was never read would silence the computer.
void SoundVolume::RestoreVolume() {
  if (SavedVolumeLevel) SetWaveVolumeLevel(LevelByte(*SavedVolumeLevel));
}

void SoundVolume::PlayWaveFile(const std::string& path) { sound_.PlaySound(path, win::SND_APPLICATION); }

}  // namespace hd
