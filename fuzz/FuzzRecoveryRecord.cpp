// The recovery record's reader under arbitrary file content: what reads
// writes and reads back to the same record.
#include <cstddef>
#include <cstdint>
#include <string>
#include "recovery/RecoveryRecord.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const auto record = hd::ParseRecoveryRecord(std::string(reinterpret_cast<const char*>(data), size));
  if (record && hd::ParseRecoveryRecord(hd::FormatRecoveryRecord(*record)) != record) __builtin_trap();
  return 0;
}
