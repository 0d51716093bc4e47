#include "platform/win32/WinApi.h"
#include "platform/win32/Win32CallLanes.h"

namespace hd {

Win32CallLanes::Win32CallLanes() : done_(::CreateEventA(nullptr, TRUE, TRUE, nullptr)) {}

Win32CallLanes::~Win32CallLanes() {
  Wait();
  ::CloseHandle(done_);
}

void Win32CallLanes::Post(ThreadId lane, std::function<void()> call) {
  if (lane == ::GetCurrentThreadId()) {
    call();
    return;
  }
  std::lock_guard<std::mutex> lock(mutex_);
  Worker*& worker = lanes_[lane];
  if (!worker) {
    if (workers_.size() < kMaxWorkers) {
      workers_.push_back(std::make_unique<Worker>());
      Worker& added = *workers_.back();
      added.thread = std::thread([this, &added] { Run(added); });
      worker = &added;
    } else {
      worker = workers_[lanes_.size() % kMaxWorkers].get();
    }
  }
  worker->calls.push_back(std::move(call));
  if (pending_++ == 0) ::ResetEvent(done_);
  work_.notify_all();
}

void Win32CallLanes::Run(Worker& worker) {
  std::unique_lock<std::mutex> lock(mutex_);
  for (;;) {
    work_.wait(lock, [&] { return closing_ || !worker.calls.empty(); });
    if (worker.calls.empty()) return;
    std::function<void()> call = std::move(worker.calls.front());
    worker.calls.pop_front();
    lock.unlock();
    call();
    lock.lock();
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
    std::lock_guard<std::mutex> lock(mutex_);
    closing_ = true;
    finished.swap(workers_);
    lanes_.clear();
  }
  work_.notify_all();
  for (auto& worker : finished) worker->thread.join();
  std::lock_guard<std::mutex> lock(mutex_);
  closing_ = false;
}

}  // namespace hd
