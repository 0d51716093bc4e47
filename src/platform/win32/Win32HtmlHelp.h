// HTML Help through its export, looked up at run time so the exe imports nothing of it.
#pragma once
#include "platform/HtmlHelp.h"

namespace hd {

class Win32HtmlHelp : public IHtmlHelp {
public:
  ~Win32HtmlHelp() override;  // out of line: one unwind table header for the file
  bool Load() override;
  bool HasHtmlHelp() override { return htmlHelp_ != nullptr; }
  WindowHandle HtmlHelp(WindowHandle owner, const std::string& file, unsigned command, std::uintptr_t data) override;
  void Free() override;

private:
  void* library_ = nullptr;
  void* htmlHelp_ = nullptr;
};

}  // namespace hd
