// Simulated HTML Help: a help window of class "HH Parent" per request, all
// closed by HH_CLOSE_ALL, and a record of every call.
#pragma once
#include "platform/HtmlHelp.h"
#include "platform/sim/SimState.h"

namespace hd {

class SimHtmlHelp : public IHtmlHelp {
public:
  explicit SimHtmlHelp(SimState& state) : s_(state) {}
  bool Load() override;
  bool HasHtmlHelp() override { return s_.htmlHelpLoaded && s_.htmlHelpExport; }
  WindowHandle HtmlHelp(WindowHandle owner, const std::string& file, unsigned command, std::uintptr_t data) override;
  void Free() override { s_.htmlHelpLoaded = false; }

private:
  SimState& s_;
};

}  // namespace hd
