// The two search calls are looked up here rather than in the late-bound
// table: they must run before that table loads its first library.
#include "platform/win32/Win32SystemLibrary.h"
#include <string>

namespace hd {

namespace {
// From the SDK of Windows 8; Windows 7 and Vista know them with KB2533623,
// which brings SetDefaultDllDirectories as well.
constexpr DWORD kSearchSystem32 = 0x00000800;

FARPROC KernelCall(const char* name) { return ::GetProcAddress(::GetModuleHandleA("kernel32.dll"), name); }

bool SystemKnowsSearchFlags() { return KernelCall("SetDefaultDllDirectories") != nullptr; }
}  // namespace

void KeepLibrarySearchToTheSystemFolder() {
  using SetDefaultDllDirectoriesCall = BOOL(WINAPI*)(DWORD);
  using SetDllDirectoryCall = BOOL(WINAPI*)(LPCSTR);
  if (auto call = reinterpret_cast<SetDefaultDllDirectoriesCall>(
          reinterpret_cast<void*>(KernelCall("SetDefaultDllDirectories"))))
    call(kSearchSystem32);
  // From XP SP1 on; an empty text removes the current folder.
  if (auto call = reinterpret_cast<SetDllDirectoryCall>(reinterpret_cast<void*>(KernelCall("SetDllDirectoryA"))))
    call("");
}

HMODULE LoadSystemLibrary(const char* name) {
  char folder[MAX_PATH];
  const UINT length = ::GetSystemDirectoryA(folder, MAX_PATH);
  if (length == 0 || length >= MAX_PATH) return nullptr;
  const std::string path = std::string(folder, length) + "\\" + name;
  // Where the search flags are unknown (XP, an unpatched Vista or 7), the
  // altered search order looks for the library's imports beside it, in the
  // system folder, instead of the program's folder.
  static const DWORD flags = SystemKnowsSearchFlags() ? kSearchSystem32 : LOAD_WITH_ALTERED_SEARCH_PATH;
  return ::LoadLibraryExA(path.c_str(), nullptr, flags);
}

}  // namespace hd
