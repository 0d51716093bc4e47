// The load and save steps of the settings, one per file, on the live settings.
// Each file's Values are the values its save would write now, so that the
// settings set can tell whether the user changed them.
#pragma once
#include <string>
#include "platform/Files.h"
#include "platform/Profile.h"
#include "platform/Registry.h"
#include "settings/AppSettings.h"

namespace hd {

// Main.cfg: SettingsError when it exists but cannot be read, or cannot be
// written (the I/O text); a failed write leaves the old file whole.
void LoadMainSettings(AppSettings& s, IProfile& profile, IFiles& files, const std::string& path);
void SaveMainSettings(AppSettings& s, IProfile& profile, IFiles& files, const std::string& path);
std::string MainValues(AppSettings& s);

// Sound.cfg: cbSound, cbSoundMute and VolumeLevel with the user's decimal separator.
void LoadSoundSettings(AppSettings& s, IFiles& files, const std::string& path, char decimalSeparator);
void SaveSoundSettings(const AppSettings& s, IFiles& files, const std::string& path, char decimalSeparator);
std::string SoundValues(const AppSettings& s, char decimalSeparator);

// Video.cfg: cbVideo and SelectedGraphicMode; written only once a mode was chosen.
void LoadVideoSettings(AppSettings& s, IFiles& files, const std::string& path);
void SaveVideoSettings(const AppSettings& s, IFiles& files, const std::string& path);
std::string VideoValues(const AppSettings& s);  // empty: nothing to write

// HotKeys.cfg: hkMode, hkVisible, hkClose.
void LoadHotKeys(AppSettings& s, IFiles& files, const std::string& path);
void SaveHotKeys(AppSettings& s, IFiles& files, const std::string& path);
std::string HotKeysValues(AppSettings& s);

// HideAppList.lst and SerAppList.lst.
void LoadFileList(ListBox& list, IFiles& files, const std::string& path);
void SaveFileList(const ListBox& list, IFiles& files, const std::string& path);
std::string FileListValues(const ListBox& list);

// The "vhd" value of the Run key, the machine's or else the user's;
// SettingsError "Failed to create key %s". True when the machine's value was
// not to stay but could not be removed: the program still starts from it.
bool WriteAutorunValue(const AppSettings& s, IRegistry& registry, const std::string& exePath);

}  // namespace hd
