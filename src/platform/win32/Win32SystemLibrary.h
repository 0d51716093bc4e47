// Libraries the program loads at run time come from the system folder only,
// never from the program's folder (where downloads are unpacked) or the
// current one: a file planted there under a system library's name would run
// with the user's rights.
#pragma once
#include "platform/win32/WinApi.h"

namespace hd {

// First thing at start-up: takes the current folder out of the library
// search and, where the system can, leaves only the system folder in it.
void KeepLibrarySearchToTheSystemFolder();

// LoadLibraryEx of the file of that name in the system folder, its own
// imports looked for there first; null when it did not load.
HMODULE LoadSystemLibrary(const char* name);

}  // namespace hd
