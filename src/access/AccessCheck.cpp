// The scrambled password and the prompt that guards the program's windows.
#include "access/frmPassUnit.h"
#include <cstring>
#include "app/mes_misc.h"

namespace hd {

std::string ScramblePassword(const std::string& text) {
  const std::size_t keyLength = std::strlen(PasswordKey);
  std::string scrambled = text;
  for (std::size_t k = 0; k < scrambled.size(); ++k) scrambled[k] = static_cast<char>(scrambled[k] ^ PasswordKey[k % keyLength]);
  return scrambled;
}

bool CheckAccessPassword(IFormHost& host, bool protectionOn, const std::string& pwd) {
  if (!protectionOn) return true;
  std::string typed;
  // Stars, not the text: the password is typed with others looking at the screen.
  if (!host.InputQuery("Velmora Hushdesk access password", "Type password", typed, InputEcho::Stars)) return false;
  if (ScramblePassword(typed) == pwd) return true;
  ShowNotice(host, "Wrong password", NoticeKind::Error);
  return false;
}

}  // namespace hd
