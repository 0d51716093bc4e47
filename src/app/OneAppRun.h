// One copy of the program per session.
#pragma once
#include <string>
#include "platform/System.h"

namespace hd {

inline constexpr const char* kMutexName = "VHD_Running";

// The text with every "\" replaced by "_" (kernel object names may not hold one).
std::string MakeMutexName(const std::string& name);

// True when this process is the only instance; the mutex handle is kept in
// `mutex` (0 when it could not be created) for the life of the process.
bool CheckSingleInstance(ISystem& system, Handle& mutex);

}  // namespace hd
