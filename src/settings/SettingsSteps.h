// The load and save steps of the settings, one per file, on the live settings.
#pragma once
#include <string>
#include "platform/Files.h"
#include "platform/Profile.h"
#include "platform/Registry.h"
#include "settings/AppSettings.h"

namespace hd {

// Main.cfg: failures are swallowed; a failed write skips the remaining keys.
void LoadMainSettings(AppSettings& s, IProfile& profile, IFiles& files, const std::string& path);
void SaveMainSettings(AppSettings& s, IProfile& profile, IFiles& files, const std::string& path);

// Sound.cfg: cbSound, cbSoundMute and VolumeLevel with the user's decimal separator.
void LoadSoundSettings(AppSettings& s, IFiles& files, const std::string& path, char decimalSeparator);
void SaveSoundSettings(const AppSettings& s, IFiles& files, const std::string& path, char decimalSeparator);

// Video.cfg: cbVideo and SelectedGraphicMode; written only once a mode was chosen.
void LoadVideoSettings(AppSettings& s, IFiles& files, const std::string& path);
void SaveVideoSettings(const AppSettings& s, IFiles& files, const std::string& path);

// HotKeys.cfg: hkMode, hkVisible, hkClose.
void LoadHotKeys(AppSettings& s, IFiles& files, const std::string& path);
void SaveHotKeys(AppSettings& s, IFiles& files, const std::string& path);

// HideAppList.lst and SerAppList.lst.
void LoadFileList(ListBox& list, IFiles& files, const std::string& path);
void SaveFileList(const ListBox& list, IFiles& files, const std::string& path);

// The "vhd" value of the Run key; SettingsError "Failed to create key %s".
void WriteAutorunValue(const AppSettings& s, IRegistry& registry, const std::string& exePath);

}  // namespace hd
