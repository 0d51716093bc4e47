// Worker threads for calls on other programs' windows, one per lane, made for
// one batch of calls and ended when it is done, so nothing stays behind.
#pragma once
#include <deque>
#include <functional>
#include <map>
#include <memory>
#include <vector>
#include "platform/Types.h"
#include "platform/win32/WinApi.h"

namespace hd {

class Win32CallLanes {
public:
  Win32CallLanes();
  ~Win32CallLanes();
  Win32CallLanes(const Win32CallLanes&) = delete;
  Win32CallLanes& operator=(const Win32CallLanes&) = delete;

  void Post(ThreadId lane, std::function<void()> call);
  // Waits for every posted call, answering messages sent to this thread
  // meanwhile (a program being hidden may send one and wait for it).
  void Wait();

private:
  // More lanes than this share workers, in turn.
  static constexpr std::size_t kMaxWorkers = 16;
  // Small stacks: a worker only makes window calls, and whatever the system
  // keeps of an ended thread's stack stays small.
  static constexpr unsigned kStackBytes = 64 * 1024;
  struct Worker {
    Win32CallLanes* lanes = nullptr;
    std::deque<std::function<void()>> calls;
    HANDLE thread = nullptr;
    HANDLE wake = nullptr;  // auto-reset: set when calls were queued or the batch ends
  };
  static DWORD WINAPI WorkerMain(void* worker);
  // The lane's worker, made at its first call; null when none can be made.
  Worker* WorkerFor(ThreadId lane);
  void Run(Worker& worker);

  // Win32 primitives, not std::mutex: the product is built without a
  // threads runtime so that it loads on XP.
  CRITICAL_SECTION lock_;
  std::vector<std::unique_ptr<Worker>> workers_;
  std::map<ThreadId, Worker*> lanes_;
  std::size_t pending_ = 0;
  bool closing_ = false;
  HANDLE done_;  // an event, set when nothing is pending
};

}  // namespace hd
