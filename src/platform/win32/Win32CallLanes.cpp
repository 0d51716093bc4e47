#include "platform/win32/WinApi.h"
#include "platform/win32/Win32CallLanes.h"

namespace hd {

Win32CallLanes::Win32CallLanes() : done_(::CreateEventA(nullptr, TRUE, TRUE, nullptr)) {}

Win32CallLanes::~Win32CallLanes() {
  Wait();
  ::CloseHandle(done_);
}

void Win32CallLanes::Post(ThreadId lane, std::function<void()> call) {
  Worker* worker = lane == ::GetCurrentThreadId() ? nullptr : WorkerFor(lane);
  // Without a worker (the own thread, or none could be made) the call runs here.
  if (!worker) {
    call();
    return;
  }
  std::lock_guard<std::mutex> lock(mutex_);
  worker->calls.push_back(std::move(call));
  if (pending_++ == 0) ::ResetEvent(done_);
  work_.notify_all();
}

Win32CallLanes::Worker* Win32CallLanes::WorkerFor(ThreadId lane) {
  std::lock_guard<std::mutex> lock(mutex_);
  if (Worker* known = lanes_[lane]) return known;
  if (workers_.size() >= kMaxWorkers) return lanes_[lane] = workers_[lanes_.size() % kMaxWorkers].get();
  auto added = std::make_unique<Worker>();
  added->lanes = this;
  added->thread =
      ::CreateThread(nullptr, kStackBytes, WorkerMain, added.get(), STACK_SIZE_PARAM_IS_A_RESERVATION, nullptr);
  if (!added->thread) {
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
  for (auto& worker : finished) {
    ::WaitForSingleObject(worker->thread, INFINITE);
    ::CloseHandle(worker->thread);
  }
  std::lock_guard<std::mutex> lock(mutex_);
  closing_ = false;
}

}  // namespace hd
