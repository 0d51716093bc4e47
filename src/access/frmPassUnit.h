// The access password: its scrambled form, the check before the program's own
// windows open, and the dialog that sets it.
#pragma once
#include <string>
#include "settings/AppSettings.h"
#include "ui/Event.h"
#include "ui/Form.h"

namespace hd {

inline constexpr const char* PasswordKey = "kq7Rw2Lp9Xz4Vb8Nt1Hs6Jd3Fy";
// Each byte XOR the key's byte at its position mod 26; applying it twice
// gives the text back.
std::string ScramblePassword(const std::string& text);

// Whether the user may go on: at once while protection is off, otherwise
// after typing the password whose scrambled form is pwd.
bool CheckAccessPassword(IFormHost& host, bool protectionOn, const std::string& pwd);

// "Change access password": edits the password protection of the settings.
class TfrmPassword : public Form {
public:
  ~TfrmPassword() override;  // out of line: one unwind table header for the file
  static constexpr std::size_t kMaxPassword = 8;
  TfrmPassword(IFormHost& host, AppSettings& settings);
  // The controller's SaveAllSettings, which reports its own failures:
  // whether the password was stored.
  Callback<bool()> OnSaveAllSettings;

  Image ImageKey;
  Label labHeading, labOldPass, labNew1, labNew2;
  Edit edOldPass, edNew1, edNew2;
  Button botOk, butCancel;

  void botOkClick();
  void butCancelClick();

protected:
  void FormShow() override;

private:
  AppSettings& settings_;
};

}  // namespace hd
