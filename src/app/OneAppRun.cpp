// The mutex is never owned or waited on: only its existence tells.
#include "app/OneAppRun.h"
#include <algorithm>

namespace hd {

std::string MakeMutexName(const std::string& name) {
  std::string result = name;
  std::replace(result.begin(), result.end(), '\\', '_');
  return result;
}

bool CheckSingleInstance(ISystem& system, Handle& mutex) {
  std::uint32_t lastError = 0;
  mutex = system.CreateMutex(MakeMutexName(kMutexName), lastError);
  return mutex != 0 && lastError != win::ERROR_ALREADY_EXISTS;
}

}  // namespace hd
