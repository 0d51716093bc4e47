// The recovery record in the Settings folder: kept while HIDE mode is on,
// and what it holds put back when the program starts after ending without
// leaving HIDE mode, or when it crashes.
#pragma once
#include <string>
#include "media/sound_man.h"
#include "platform/Platform.h"
#include "recovery/RecoveryRecord.h"

namespace hd {

class CrashRecovery {
public:
  CrashRecovery(Platform& p, std::string path, VolumePath volumePath)
      : p_(p), path_(std::move(path)), volumePath_(volumePath) {}

  // Replaces the record whole; false when it could not be written, which
  // leaves HIDE mode as it is.
  bool Save(const RecoveryRecord& record);
  // HIDE mode was left, or the exit action has run.
  void Remove();
  // At start-up: puts back what a record left behind holds, then removes it.
  // Whether there was a record.
  bool PutBackLeftRecord();
  // Shows each recorded window that still exists, belongs to the recorded
  // process and is invisible, switches the display and the volume back and
  // shows the notification area again.
  void PutBack(const RecoveryRecord& record);

  const std::string& Path() const { return path_; }

private:
  Platform& p_;
  std::string path_;
  VolumePath volumePath_;
};

}  // namespace hd
