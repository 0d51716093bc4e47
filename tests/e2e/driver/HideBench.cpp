// The bench programs' windows, the bare programs and loops that the hide
// figures are measured against, and the clock.
#include "HideBench.h"
#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <cstdlib>

namespace e2e {

bool WaitUntilSoon(const std::function<bool()>& condition) {
  const DWORD start = ::GetTickCount();
  while (!condition()) {
    if (::GetTickCount() - start > 60000) return false;
    ::Sleep(1);
  }
  return true;
}

bool EnvironmentSays(const char* name) {
  const char* value = std::getenv(name);
  return value && *value == '1';
}

Stopwatch::Stopwatch() { ::QueryPerformanceCounter(&start_); }

double Stopwatch::Ms() const {
  LARGE_INTEGER now, frequency;
  ::QueryPerformanceCounter(&now);
  ::QueryPerformanceFrequency(&frequency);
  return 1000.0 * static_cast<double>(now.QuadPart - start_.QuadPart) / static_cast<double>(frequency.QuadPart);
}

double Median(std::vector<double> values) {
  std::sort(values.begin(), values.end());
  const std::size_t half = values.size() / 2;
  return values.size() % 2 ? values[half] : (values[half - 1] + values[half]) / 2;
}

std::string Listed(const std::vector<double>& values) {
  std::string text;
  for (double value : values) {
    char figure[32];
    std::snprintf(figure, sizeof figure, " %.1f", value);
    text += figure;
  }
  return text + " ms";
}

std::vector<HWND> StartBenchApps(const std::string& dir, const BenchSize& size, std::vector<Process>& running) {
  const int each = size.windows / size.processes;
  std::vector<HWND> windows;
  for (int i = 0; i < size.processes; ++i) {
    // Appended, not "Bench app" + std::to_string(i): GCC 12 for i686 warns
    // falsely that inserting the literal in front overlaps (-Wrestrict).
    const std::string caption = std::string("Bench app").append(std::to_string(i));
    running.emplace_back(CopySelfTo(dir + "Bench" + std::to_string(i) + ".exe"),
                         "--app \"" + caption + "\" --count " + std::to_string(each));
    std::vector<HWND> own(static_cast<std::size_t>(each));
    WaitUntil([&] {
      for (int n = 0; n < each; ++n)
        own[n] = FindWindowOfProcess(running.back().Id(), caption + " " + std::to_string(n + 1));
      return std::count(own.begin(), own.end(), nullptr) == 0;
    }, 20000);
    windows.insert(windows.end(), own.begin(), own.end());
  }
  windows.erase(std::remove(windows.begin(), windows.end(), nullptr), windows.end());
  return windows;
}

void RestoreAll(const std::vector<HWND>& windows) {
  for (HWND w : windows) ::ShowWindow(w, SW_RESTORE);
}

BareLoops TimeBareLoops(const std::vector<HWND>& windows) {
  auto timed = [&](auto&& call) {
    const Stopwatch watch;
    for (HWND w : windows) call(w);
    return watch.Ms();
  };
  BareLoops bare{};
  RestoreAll(windows);
  bare.hideMs = timed([](HWND w) { ::ShowWindow(w, SW_HIDE); });
  RestoreAll(windows);
  bare.allCallsMs = timed([](HWND w) {
    ::ShowWindow(w, SW_HIDE);
    ::CloseWindow(w);
    ::ShowWindow(w, SW_HIDE);
  });
  bare.showMs = timed([](HWND w) { ::ShowWindow(w, SW_SHOW); });
  RestoreAll(windows);
  return bare;
}

std::vector<double> BareHotkeyRounds(const std::string& exe, const std::vector<HWND>& windows, int rounds) {
  std::string handles;
  for (HWND w : windows) {
    char handle[24];
    std::snprintf(handle, sizeof handle, "%llx ",
                  static_cast<unsigned long long>(reinterpret_cast<std::uintptr_t>(w)));
    handles += handle;
  }
  Process bare(exe, handles);
  HWND window = nullptr;
  const bool ready = WaitUntil([&] {
    DWORD_PTR ignored = 0;
    window = FindWindowOfProcess(bare.Id(), "Bare hotkey program");
    return window && ::SendMessageTimeoutA(window, WM_NULL, 0, 0, SMTO_NORMAL, 5000, &ignored);
  }, 20000);
  std::vector<double> times;
  for (int round = 0; ready && round < rounds; ++round) {
    RestoreAll(windows);
    PressModeHotkey();
    const Stopwatch watch;
    if (!WaitUntilSoon([&] { return std::none_of(windows.begin(), windows.end(), ::IsWindowVisible); })) break;
    times.push_back(watch.Ms());
  }
  if (window) ::PostMessageA(window, WM_CLOSE, 0, 0);
  bare.WaitForExit(5000);
  return times;
}

}  // namespace e2e
