// Entering and leaving HIDE mode on a busy desktop: 1,000 windows of 100
// processes and a book of 100 words lists of 10 words.
#include <benchmark/benchmark.h>
#include "app/Application.h"
#include "app/frmConfUnit.h"
#include "platform/sim/SimDesktop.h"
#include "words/TWordsListUnit.h"

namespace hd {

namespace {

constexpr int kProcesses = 100, kWindowsPerProcess = 10, kLists = 100, kWords = 10;

void FillDesktop(SimDesktop& desktop, TfrmConfigure& frm) {
  std::vector<std::string> hideFiles;
  for (int p = 0; p < kProcesses; ++p) {
    const std::string exe = "C:\\Program Files\\Vendor" + std::to_string(p) + "\\App" + std::to_string(p) + ".exe";
    const ProcessId process = desktop.AddProcess(exe);
    if (p % 10 == 0) hideFiles.push_back(exe);  // a tenth hidden by application
    for (int w = 0; w < kWindowsPerProcess; ++w) {
      // A tenth of the captions hold a listed word.
      const std::string topic = w == 3 ? "Poker night" : "Quarterly figures " + std::to_string(w);
      desktop.AddWindow(process, topic + " - App" + std::to_string(p));
    }
  }
  frm.lbHideFiles.SetItems(hideFiles);
  for (int l = 0; l < kLists; ++l) {
    TWordsList list;
    list.Caption = "List " + std::to_string(l);
    list.OneOfWords = l % 2 == 0;
    for (int w = 0; w < kWords; ++w) list.Words.push_back("Word" + std::to_string(l) + "x" + std::to_string(w));
    if (l == kLists - 2) list.Words.back() = "POKER";  // a "One of the words" list
    frm.Book->Add(list);
  }
}

void BM_EnterAndLeaveHideMode(benchmark::State& state) {
  SimDesktop desktop;
  Application app(desktop.platform);
  TfrmConfigure& frm = *app.frmConfigure;
  FillDesktop(desktop, frm);
  const std::uint64_t snapshotsBefore = desktop.processes.snapshots;
  std::size_t hidden = 0;
  for (auto _ : state) {
    frm.EnterHideMode();
    hidden = frm.HiddenWindowList.size();
    frm.LeaveHideMode();
  }
  const auto windows = static_cast<double>(kProcesses * kWindowsPerProcess);
  state.SetItemsProcessed(state.iterations() * static_cast<std::int64_t>(windows));
  state.counters["per_window"] =
      benchmark::Counter(static_cast<double>(state.iterations()) * windows,
                         benchmark::Counter::kIsRate | benchmark::Counter::kInvert);
  state.counters["hidden"] = static_cast<double>(hidden);
  state.counters["snapshots_per_cycle"] =
      static_cast<double>(desktop.processes.snapshots - snapshotsBefore) / static_cast<double>(state.iterations());
}
BENCHMARK(BM_EnterAndLeaveHideMode)->Unit(benchmark::kMillisecond);

}  // namespace

}  // namespace hd

BENCHMARK_MAIN();
