// System-version tests that tell Windows 95, 98, Me, 2000 and XP apart.
#pragma once
#include "platform/System.h"

namespace hd {

// The version record as GetVersionExA fills it.
OsVersionInfo GetOSVersionInfo(ISystem& system);

// Each reads the version afresh.
bool IsWindows95(ISystem& system);
bool IsWindows98(ISystem& system);
bool IsWindowsMe(ISystem& system);
bool IsWindows2000(ISystem& system);
bool IsWindowsXP(ISystem& system);
// Windows Vista and every later NT version.
bool IsWindowsVistaOrLater(ISystem& system);

}  // namespace hd
