// Main.cfg through the profile functions, key by key in a fixed order, on a
// copy that replaces the file whole.
#include <algorithm>
#include <optional>
#include <vector>
#include "platform/Types.h"
#include "settings/Convert.h"
#include "settings/PasswordValue.h"
#include "settings/SettingsError.h"
#include "settings/SettingsFiles.h"
#include "settings/SettingsSteps.h"

namespace hd {

namespace {

constexpr unsigned kProfileBuffer = 2048;

// One flag key; exactly one of the two controls is set.
struct FlagKey {
  const char* section;
  const char* key;
  CheckBox* box;
  RadioButton* radio;
  bool Checked() const { return box ? box->Checked() : radio->Checked(); }
  // Checking a radio button unchecks the rest of its group; unchecking touches only itself.
  void SetChecked(bool on) const { box ? box->SetChecked(on) : radio->SetChecked(on); }
};

// The keys before "Pwd", then the keys after it, in the file's order.
std::vector<FlagKey> CommonKeys(AppSettings& s) {
  return {{"Common", "rbNormal", nullptr, &s.rbNormal},
          {"Common", "rbBackground", nullptr, &s.rbBackground},
          {"Common", "rbDisable", nullptr, &s.rbDisable},
          {"Common", "rbEnable", nullptr, &s.rbEnable}};
}

std::vector<FlagKey> LaterKeys(AppSettings& s) {
  return {{"Hide_mode", "cbHideTray", &s.cbHideTray, nullptr},
          {"Hide_mode", "cbCaptions", &s.cbCaptions, nullptr},
          {"Hide_mode", "cbApps", &s.cbApps, nullptr},
          {"Hide_mode", "cbSwitchToSer", &s.cbSwitchToSer, nullptr},
          {"Hide_mode", "cbHideNew", &s.cbHideNew, nullptr},
          {"Hide_mode", "cbSw2Stealth", &s.cbSw2Stealth, nullptr},
          {"Hide_mode", "cbTermHD", &s.cbTermHD, nullptr},
          {"Hide_mode", "rbCloseHidden", nullptr, &s.rbCloseHidden},
          // Newer than the other keys: a file without it keeps the default.
          {"Hide_mode", "cbRestoreAsWere", &s.cbRestoreAsWere, nullptr},
          {"Switch", "rbFirst", nullptr, &s.rbFirst}};
}

// Newer than the rest, in a section that older versions do not read.
constexpr const char* kTriggers = "Triggers";
constexpr const char* kSessions = "Audio_sessions";

std::vector<RadioButton*> Corners(AppSettings& s) {
  return {&s.rbCornerTopLeft, &s.rbCornerTopRight, &s.rbCornerBottomLeft, &s.rbCornerBottomRight};
}

std::optional<int> LoadNumber(IProfile& profile, const std::string& path, const char* key) {
  return TryStrToInt(profile.GetPrivateProfileString(kTriggers, key, "", path, kProfileBuffer));
}

void LoadFlag(const FlagKey& flag, IProfile& profile, const std::string& path) {
  // A missing key or a value that is no integer leaves the field as it is.
  const std::string text = profile.GetPrivateProfileString(flag.section, flag.key, "", path, kProfileBuffer);
  if (auto value = TryStrToInt(text)) flag.SetChecked(*value != 0);
}

// The values in the file's order: the password as a save writes it.
struct KeyValue {
  const char* section;
  const char* key;
  std::string value;
};

std::vector<KeyValue> KeyValues(AppSettings& s) {
  std::vector<KeyValue> values;
  for (const FlagKey& flag : CommonKeys(s)) values.push_back({flag.section, flag.key, flag.Checked() ? "1" : "0"});
  values.push_back({"Common", "Pwd", EncodePwdValue(s.rbEnable.Checked() ? s.Pwd : std::string())});
  for (const FlagKey& flag : LaterKeys(s)) values.push_back({flag.section, flag.key, flag.Checked() ? "1" : "0"});
  const std::vector<RadioButton*> corners = Corners(s);
  int corner = 0;
  while (corner < 3 && !corners[static_cast<std::size_t>(corner)]->Checked()) ++corner;
  values.push_back({kTriggers, "cbCornerHide", s.cbCornerHide.Checked() ? "1" : "0"});
  values.push_back({kTriggers, "Corner", std::to_string(corner)});
  values.push_back({kTriggers, "CornerDelay", std::to_string(s.tbCornerDelay.Position() * s.kCornerDelayStepMs)});
  values.push_back({kTriggers, "cbAwayHide", s.cbAwayHide.Checked() ? "1" : "0"});
  values.push_back({kTriggers, "AwayMinutes", std::to_string(s.tbAwayMinutes.Position())});
  values.push_back({kSessions, "cbMuteHidden", s.cbMuteHidden.Checked() ? "1" : "0"});
  return values;
}

}  // namespace

void LoadMainSettings(AppSettings& s, IProfile& profile, IFiles& files, const std::string& path) {
  if (!files.FileExists(path)) return;
  // The profile functions take a file they cannot read for an empty one.
  std::string content;
  std::uint32_t error = 0;
  if (!files.ReadFile(path, content, error)) throw SettingsError(files.SystemErrorText(error));
  for (const FlagKey& flag : CommonKeys(s)) LoadFlag(flag, profile, path);
  s.Pwd = DecodePwdValue(profile.GetPrivateProfileString("Common", "Pwd", "", path, kProfileBuffer));
  for (const FlagKey& flag : LaterKeys(s)) LoadFlag(flag, profile, path);
  // Out of range, the nearest value that is in range.
  LoadFlag({kTriggers, "cbCornerHide", &s.cbCornerHide, nullptr}, profile, path);
  LoadFlag({kTriggers, "cbAwayHide", &s.cbAwayHide, nullptr}, profile, path);
  if (auto corner = LoadNumber(profile, path, "Corner"))
    Corners(s)[static_cast<std::size_t>(std::clamp(*corner, 0, 3))]->SetChecked(true);
  if (auto delay = LoadNumber(profile, path, "CornerDelay"))
    s.tbCornerDelay.SetPosition((std::clamp(*delay, 0, 2000) + s.kCornerDelayStepMs / 2) / s.kCornerDelayStepMs);
  if (auto minutes = LoadNumber(profile, path, "AwayMinutes")) s.tbAwayMinutes.SetPosition(*minutes);
  LoadFlag({kSessions, "cbMuteHidden", &s.cbMuteHidden, nullptr}, profile, path);
  s.rbDisable2.SetChecked(!s.rbEnable.Checked());
  s.rbShowHidden.SetChecked(!s.rbCloseHidden.Checked());
  s.rbAny.SetChecked(!s.rbFirst.Checked());
}

std::string MainValues(AppSettings& s) {
  std::string text;
  for (const KeyValue& value : KeyValues(s)) text += std::string(value.section) + "." + value.key + "=" + value.value + "\n";
  return text;
}

void SaveMainSettings(AppSettings& s, IProfile& profile, IFiles& files, const std::string& path) {
  EnsureFileDirectory(files, path);
  // Confirming "Disable" forgets the password.
  if (!s.rbEnable.Checked()) s.Pwd.clear();
  // The profile functions write key by key: they work on a copy, which
  // replaces the file once every key is in it.
  const std::string temp = path + ".tmp";
  // Written by the files first, so that a folder that refuses it gives its own error.
  std::uint32_t error = win::ERROR_WRITE_FAULT;
  std::string old;
  files.DeleteFile(temp);
  bool written = (!files.FileExists(path) || files.ReadFile(path, old, error)) && files.WriteFile(temp, old, error);
  for (const KeyValue& value : KeyValues(s))
    written = written && profile.WritePrivateProfileString(value.section, value.key, value.value, temp);
  profile.Flush(temp);
  if (written && files.ReplaceFile(temp, path, error)) return;
  files.DeleteFile(temp);
  throw SettingsError(IoErrorText(error));
}

}  // namespace hd
