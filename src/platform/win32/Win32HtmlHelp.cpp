// "HHCTRL.OCX" is loaded at run time: a system without it still runs the program.
#include "platform/win32/WinApi.h"
#include "platform/win32/Win32HtmlHelp.h"
#include "platform/win32/Win32SystemLibrary.h"

namespace hd {

namespace {
using HtmlHelpProc = HWND(WINAPI*)(HWND, LPCSTR, UINT, DWORD_PTR);
}  // namespace

bool Win32HtmlHelp::Load() {
  HMODULE library = LoadSystemLibrary("HHCTRL.OCX");
  library_ = library;
  if (library) htmlHelp_ = reinterpret_cast<void*>(::GetProcAddress(library, "HtmlHelpA"));
  return library != nullptr;
}

WindowHandle Win32HtmlHelp::HtmlHelp(WindowHandle owner, const std::string& file, unsigned command,
                                     std::uintptr_t data) {
  if (!htmlHelp_) return 0;
  auto call = reinterpret_cast<HtmlHelpProc>(htmlHelp_);
  return reinterpret_cast<WindowHandle>(call(reinterpret_cast<HWND>(owner), file.empty() ? nullptr : file.c_str(),
                                             command, data));
}

void Win32HtmlHelp::Free() {
  if (library_) ::FreeLibrary(static_cast<HMODULE>(library_));
  library_ = htmlHelp_ = nullptr;
}

Win32HtmlHelp::~Win32HtmlHelp() = default;

}  // namespace hd
