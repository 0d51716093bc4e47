// The recovery record in the Settings folder: kept while HIDE mode is on,
// and what it holds put back when the program starts after ending without
// leaving HIDE mode, or when it crashes.
#pragma once
#include <optional>
#include <string>
#include "media/sound_man.h"
#include "platform/Platform.h"
#include "recovery/RecoveryRecord.h"

namespace hd {

// What the start found of a record left behind.
enum class LeftRecord {
  None,           // no record, or one that does not read (removed)
  PutBack,        // put back, whole or after a restart its volume alone, and removed
  Kept,           // written in another session or on another computer: left alone
  Unreadable,     // could not be read: kept, to be read at the next start
  CrashedBefore,  // putting it back ended the program at an earlier start: removed
};

class CrashRecovery {
public:
  CrashRecovery(Platform& p, std::string path, VolumePath volumePath)
      : p_(p), path_(std::move(path)), volumePath_(volumePath), session_(p.system.CurrentSession()) {}

  // Replaces the record whole, naming this session; false when it could not
  // be written, which leaves HIDE mode as it is. A record the start left
  // alone is not replaced.
  bool Save(RecoveryRecord record);
  // The reason of the first save of this run that failed, once.
  std::optional<std::string> SaveErrorToTell();
  // HIDE mode was left, or the exit action has run.
  void Remove();
  // At start-up: puts back what a record left behind holds where it belongs,
  // then removes it; error: why it could not be read.
  LeftRecord PutBackLeftRecord(std::string& error);
  // Shows each recorded window that still exists, belongs to the recorded
  // process and is invisible, switches the display and the volume back and
  // shows the notification area again.
  void PutBack(const RecoveryRecord& record);

  const std::string& Path() const { return path_; }

private:
  enum class Belonging { ThisBoot, AfterRestart, Elsewhere };
  Belonging BelongingOf(const RecoveryRecord& record) const;
  bool Write(const RecoveryRecord& record, std::string& error);
  void PutBackVolume(const RecoveryRecord& record);

  Platform& p_;
  std::string path_;
  VolumePath volumePath_;
  SessionIdentity session_;
  bool leftAlone_ = false;  // the file holds a record the start did not take
  std::optional<std::string> saveError_;
  bool saveErrorTold_ = false;
};

}  // namespace hd
