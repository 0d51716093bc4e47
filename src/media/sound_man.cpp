// The level arithmetic of the wave-out volume word (a channel 0..65535, a
// level byte b written as b x 256) is only for setting a chosen level: what
// was read is put back as read, or each HIDE cycle would lower it a step.
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

double VolumeLevelOf(const VolumeSetting& setting) {
  // The master volume read as the channel value it stands for.
  const double left = setting.path == VolumePath::WaveOut
                          ? setting.word & 0xFFFF
                          : std::nearbyint(static_cast<double>(setting.scalar) * kChannelFull);
  return left / kChannelFull * 255;
}

std::optional<VolumeSetting> SoundVolume::ReadVolume() {
  VolumeSetting setting;
  setting.path = path_;
  const bool read = path_ == VolumePath::WaveOut
                        ? sound_.WaveOutGetVolume(setting.word)
                        : sound_.GetMasterVolumeLevelScalar(setting.scalar) && sound_.GetMasterMute(setting.muted);
  if (!read) return std::nullopt;
  return setting;
}

void SoundVolume::SetVolume(const VolumeSetting& setting) {
  if (setting.path == VolumePath::WaveOut) {
    sound_.WaveOutSetVolume(setting.word);
  } else {
    sound_.SetMasterVolumeLevelScalar(setting.scalar);
    sound_.SetMasterMute(setting.muted);
  }
}

void SoundVolume::SetWaveVolumeLevel(std::uint8_t level) {
  const std::uint32_t channel = static_cast<std::uint32_t>(level) << 8;
  if (path_ == VolumePath::WaveOut)
    sound_.WaveOutSetVolume(channel << 16 | channel);
  else
    sound_.SetMasterVolumeLevelScalar(static_cast<float>(channel / kChannelFull));
}

// The endpoint's lowest scalar is its lowest decibel value, audible on some
// devices: only its mute is silence.
void SoundVolume::MuteWave() {
  if (path_ == VolumePath::WaveOut) {
    sound_.WaveOutSetVolume(0);
  } else {
    sound_.SetMasterVolumeLevelScalar(0.0f);
    sound_.SetMasterMute(true);
  }
}

// A volume that cannot be read could not be brought back: it is then left
// as it is.
void SoundVolume::ApplyHideVolume(bool mute, double volumeLevel) {
  SavedVolume = ReadVolume();
  if (!SavedVolume) return;
  if (mute)
    MuteWave();
  else
    SetWaveVolumeLevel(LevelByte(volumeLevel));
}

// Nothing remembered yet (the volume setting was turned on during HIDE
// mode): setting a volume that was never read would silence the computer.
void SoundVolume::RestoreVolume() {
  if (SavedVolume) SetVolume(*SavedVolume);
}

void SoundVolume::PlayWaveFile(const std::string& path) { sound_.PlaySound(path, win::SND_APPLICATION); }

}  // namespace hd
