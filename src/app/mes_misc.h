// The program's one message box for the user, and its confirmation box.
#pragma once
#include <string>
#include "ui/FormHost.h"

namespace hd {

enum class NoticeKind { Warning, Error, Information };

void ShowNotice(IFormHost& host, const std::string& text, NoticeKind kind);
// A question with Yes and No; true only for Yes.
bool Confirm(IFormHost& host, const std::string& text);

}  // namespace hd
