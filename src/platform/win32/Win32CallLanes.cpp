#include "platform/win32/Win32CallLanes.h"

namespace hd {

namespace {
class Locked {
public:
  explicit Locked(CRITICAL_SECTION& section) : section_(section) { ::EnterCriticalSection(&section_); }
  ~Locked() { ::LeaveCriticalSection(&section_); }
  Locked(const Locked&) = delete;
  Locked& operator=(const Locked&) = delete;

private:
  CRITICAL_SECTION& section_;
};
}  // namespace

Win32CallLanes::Win32CallLanes() : done_(::CreateEventA(nullptr, TRUE, TRUE, nullptr)) {
  ::InitializeCriticalSection(&lock_);
}

Win32CallLanes::~Win32CallLanes() {
  Wait();
  ::CloseHandle(done_);
  ::DeleteCriticalSection(&lock_);
}

void Win32CallLanes::Post(ThreadId lane, std::function<void()> call) {
  Worker* worker = lane == ::GetCurrentThreadId() ? nullptr : WorkerFor(lane);
  // Without a worker (the own thread, or none could be made) the call runs here.
  if (!worker) {
    call();
    return;
  }
  {
    Locked locked(lock_);
    worker->calls.push_back(std::move(call));
    if (pending_++ == 0) ::ResetEvent(done_);
  }
  ::SetEvent(worker->wake);
}

Win32CallLanes::Worker* Win32CallLanes::WorkerFor(ThreadId lane) {
  Locked locked(lock_);
  if (Worker* known = lanes_[lane]) return known;
  if (workers_.size() >= kMaxWorkers) return lanes_[lane] = workers_[lanes_.size() % kMaxWorkers].get();
  auto added = std::make_unique<Worker>();
  added->lanes = this;
  added->wake = ::CreateEventA(nullptr, FALSE, FALSE, nullptr);
  if (added->wake)
    added->thread =
        ::CreateThread(nullptr, kStackBytes, WorkerMain, added.get(), STACK_SIZE_PARAM_IS_A_RESERVATION, nullptr);
  if (!added->thread) {
    if (added->wake) ::CloseHandle(added->wake);
    lanes_.erase(lane);
    return nullptr;
  }
  workers_.push_back(std::move(added));
  return lanes_[lane] = workers_.back().get();
}

DWORD WINAPI Win32CallLanes::WorkerMain(void* worker) {
  Worker& w = *static_cast<Worker*>(worker);
  w.lanes->Run(w);
  return 0;
}

void Win32CallLanes::Run(Worker& worker) {
  for (;;) {
    std::function<void()> call;
    {
      Locked locked(lock_);
      if (!worker.calls.empty()) {
        call = std::move(worker.calls.front());
        worker.calls.pop_front();
      } else if (closing_) {
        return;
      }
    }
    if (!call) {
      // A post after the look above has set the event already, so none is missed.
      ::WaitForSingleObject(worker.wake, INFINITE);
      continue;
    }
    call();
    Locked locked(lock_);
    if (--pending_ == 0) ::SetEvent(done_);
  }
}

void Win32CallLanes::Wait() {
  HANDLE done = done_;
  while (::MsgWaitForMultipleObjects(1, &done, FALSE, INFINITE, QS_SENDMESSAGE) != WAIT_OBJECT_0) {
    MSG message;
    ::PeekMessageA(&message, nullptr, 0, 0, PM_NOREMOVE | PM_QS_SENDMESSAGE);
  }
  std::vector<std::unique_ptr<Worker>> finished;
  {
    Locked locked(lock_);
    closing_ = true;
    finished.swap(workers_);
    lanes_.clear();
  }
  for (auto& worker : finished) {
    ::SetEvent(worker->wake);
    ::WaitForSingleObject(worker->thread, INFINITE);
    ::CloseHandle(worker->thread);
    ::CloseHandle(worker->wake);
  }
  Locked locked(lock_);
  closing_ = false;
}

}  // namespace hd
