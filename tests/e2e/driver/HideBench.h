// For the hide benchmark: the bench programs' windows, the bare programs and
// loops that the figures are measured against, and the clock.
#pragma once
#include <windows.h>
#include <functional>
#include <string>
#include <vector>
#include "Harness.h"

namespace e2e {

// Polls every millisecond or so, for the timings (for at most a minute:
// 400 windows minimise slowly on a loaded machine): often enough to see the
// moment, seldom enough to leave the processor to the programs measured.
bool WaitUntilSoon(const std::function<bool()>& condition);

// Whether the environment variable is "1".
bool EnvironmentSays(const char* name);

class Stopwatch {
public:
  Stopwatch();
  double Ms() const;

private:
  LARGE_INTEGER start_;
};

double Median(std::vector<double> values);
// " 1.2 3.4 ms"
std::string Listed(const std::vector<double>& values);

struct BenchSize {
  int windows, processes;
};

// The windows of size.processes programs, as many each, all visible; the
// programs are added to running.
std::vector<HWND> StartBenchApps(const std::string& dir, const BenchSize& size, std::vector<Process>& running);
void RestoreAll(const std::vector<HWND>& windows);

// Bare loops over the same windows, in the state the program finds them
// in: visible for hiding, hidden and minimised for showing.
struct BareLoops {
  double hideMs, allCallsMs, showMs;
};
BareLoops TimeBareLoops(const std::vector<HWND>& windows);

// The bare hotkey program started for the windows, pressed rounds times:
// the mode hotkey to the last window invisible, each time; none when it
// could not take the hotkey. The windows are left hidden.
std::vector<double> BareHotkeyRounds(const std::string& exe, const std::vector<HWND>& windows, int rounds);

}  // namespace e2e
