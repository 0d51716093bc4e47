// The volume in HIDE mode and the sound test's sample.
#pragma once
#include <cstdint>
#include <optional>
#include <string>
#include "platform/Sound.h"

namespace hd {

// A level 0..255 rounded to the nearest integer, halves to the even neighbour.
std::uint8_t LevelByte(double level);

// Up to Windows XP the wave-out volume is the device's; from Vista on it is
// only the program's own, and the device is reached through its endpoint.
enum class VolumePath { WaveOut, Endpoint };

class SoundVolume {
public:
  SoundVolume(ISound& sound, VolumePath path) : sound_(sound), path_(path) {}

  // The left channel (or the master volume) scaled to 0..255; none when the
  // device does not answer.
  std::optional<double> GetWaveVolumeLevel();
  // Both channels get level x 256.
  void SetWaveVolumeLevel(std::uint8_t level);
  void MuteWave();
  // Remembers the level in force, then mutes or sets volumeLevel (0..255).
  void ApplyHideVolume(bool mute, double volumeLevel);
  // Sets the remembered level back.
  void RestoreVolume();
  // Returns when the sample has played.
  void PlayWaveFile(const std::string& path);

  // The last level read by ApplyHideVolume.
  std::optional<double> SavedVolumeLevel;

private:
  ISound& sound_;
  VolumePath path_;
};

}  // namespace hd
