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

// The volume exactly as read, so that putting it back gives the same value.
struct VolumeSetting {
  VolumePath path = VolumePath::WaveOut;
  std::uint32_t word = 0;  // wave-out: both channels
  float scalar = 0;        // endpoint: the master volume 0..1 and its mute
  bool muted = false;
  bool operator==(const VolumeSetting&) const = default;
};

// The left channel (or the master volume) of a setting scaled to 0..255.
double VolumeLevelOf(const VolumeSetting& setting);

class SoundVolume {
public:
  SoundVolume(ISound& sound, VolumePath path) : sound_(sound), path_(path) {}

  // None when the device does not answer.
  std::optional<VolumeSetting> ReadVolume();
  // Sets a setting read before, on the path it was read from.
  void SetVolume(const VolumeSetting& setting);
  // Both channels get level x 256.
  void SetWaveVolumeLevel(std::uint8_t level);
  void MuteWave();
  // Remembers the volume in force, then mutes or sets volumeLevel (0..255).
  void ApplyHideVolume(bool mute, double volumeLevel);
  // Sets the remembered volume back.
  void RestoreVolume();
  // Returns when the sample has played.
  void PlayWaveFile(const std::string& path);

  // The last volume read by ApplyHideVolume.
  std::optional<VolumeSetting> SavedVolume;

private:
  ISound& sound_;
  VolumePath path_;
};

}  // namespace hd
