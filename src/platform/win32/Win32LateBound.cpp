#include "platform/win32/Win32LateBound.h"

namespace hd {

namespace {

template <typename Function>
void Find(HMODULE module, const char* name, Function& function) {
  if (module) function = reinterpret_cast<Function>(reinterpret_cast<void*>(::GetProcAddress(module, name)));
}

LateBoundCalls LookUp() {
  LateBoundCalls calls;
  HMODULE kernel = ::GetModuleHandleA("kernel32.dll");
  Find(kernel, "CreateToolhelp32Snapshot", calls.createToolhelp32Snapshot);
  Find(kernel, "Process32First", calls.process32First);
  Find(kernel, "Process32Next", calls.process32Next);
  Find(kernel, "Module32First", calls.module32First);
  Find(kernel, "QueryFullProcessImageNameA", calls.queryFullProcessImageNameA);
  Find(kernel, "RegisterServiceProcess", calls.registerServiceProcess);
  HMODULE user = ::GetModuleHandleA("user32.dll");
  Find(user, "GetDpiForWindow", calls.getDpiForWindow);
  Find(user, "AdjustWindowRectExForDpi", calls.adjustWindowRectExForDpi);
  // Stays loaded for the program's life, as a static import would.
  Find(::LoadLibraryA("uxtheme.dll"), "SetWindowTheme", calls.setWindowTheme);
  return calls;
}

}  // namespace

const LateBoundCalls& LateBound() {
  static const LateBoundCalls calls = LookUp();
  return calls;
}

}  // namespace hd
