// A leading line break sets a one-line text off from the icon, as users know it.
#include "app/mes_misc.h"

namespace hd {

namespace {
std::string WithLineBreak(const std::string& text) {
  return text.find('\n') == std::string::npos && text.find('\r') == std::string::npos ? "\r\n" + text : text;
}
}  // namespace

void ShowNotice(IFormHost& host, const std::string& text, NoticeKind kind) {
  switch (kind) {
    case NoticeKind::Warning:
      host.MessageBox(WithLineBreak(text), "Warning", win::MB_OK | win::MB_ICONWARNING);
      break;
    case NoticeKind::Error:
      host.MessageBox(WithLineBreak(text), "Error", win::MB_OK | win::MB_ICONERROR);
      break;
    case NoticeKind::Information:
      host.MessageBox(WithLineBreak(text), "Information", win::MB_OK | win::MB_ICONINFORMATION);
      break;
  }
}

bool Confirm(IFormHost& host, const std::string& text) {
  return host.MessageBox(text, "Confirm", win::MB_YESNO | win::MB_ICONQUESTION) == win::IDYES;
}

}  // namespace hd
