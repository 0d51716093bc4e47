// The HTML Help control "HHCTRL.OCX", loaded at run time.
#pragma once
#include <cstdint>
#include <string>
#include "platform/Types.h"

namespace hd {

namespace win {
constexpr unsigned HH_DISPLAY_TOPIC = 0, HH_DISPLAY_TOC = 1, HH_DISPLAY_INDEX = 2, HH_HELP_CONTEXT = 0x0F,
                   HH_CLOSE_ALL = 0x12;
}  // namespace win

class IHtmlHelp {
public:
  virtual ~IHtmlHelp() = default;
  // "HHCTRL.OCX" of the system folder, then GetProcAddress of "HtmlHelpA": whether the library loaded.
  virtual bool Load() = 0;
  // Whether the loaded library has the export "HtmlHelpA".
  virtual bool HasHtmlHelp() = 0;
  // HtmlHelpA(owner, file, command, data); an empty file is passed as none.
  virtual WindowHandle HtmlHelp(WindowHandle owner, const std::string& file, unsigned command, std::uintptr_t data) = 0;
  // FreeLibrary of the loaded library.
  virtual void Free() = 0;
};

}  // namespace hd
