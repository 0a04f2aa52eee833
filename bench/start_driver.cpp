// start-driver: start-up time and memory of a program against a yardstick, under
// the Wine (or Windows) it runs in. The two programs start in turns, RUNS times
// each after one unmeasured start each; every start is timed from CreateProcess
// until a top-level window of the new process is visible, its working set is read
// one second later, and it is closed as a user closes it (it must end with 0).
//   start-driver RUNS PROGRAM.exe YARDSTICK.exe
#include <windows.h>

#include <psapi.h>
#include <shellapi.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

#include "bench/launch.h"

namespace {

constexpr double kStartUpAim = 1.3;    // at most this many times the yardstick's time
constexpr double kMemoryAimMb = 10.0;  // at most this much more working set
constexpr DWORD kSettleMs = 1000;      // when the working set is read

struct Sample {
  double startUpMs = 0;
  double workingSetMb = 0;
};

// One start of the exe; false with a message on stderr when it went wrong.
bool Measure(const std::wstring& exe, Sample* sample) {
  double start = bench::NowMs();
  bench::Launch launch(exe);
  if (!launch.started()) {
    std::fprintf(stderr, "start-driver: cannot start %s\n", bench::Utf8(exe).c_str());
    return false;
  }
  HWND window = launch.WaitForVisibleWindow();
  sample->startUpMs = bench::NowMs() - start;
  if (!window) {
    std::fprintf(stderr, "start-driver: %s showed no window\n", bench::Utf8(exe).c_str());
    return false;
  }
  Sleep(kSettleMs);
  PROCESS_MEMORY_COUNTERS counters = {};
  counters.cb = sizeof counters;
  if (!GetProcessMemoryInfo(launch.process(), &counters, sizeof counters) || counters.WorkingSetSize == 0) {
    std::fprintf(stderr, "start-driver: no working set for %s\n", bench::Utf8(exe).c_str());
    return false;
  }
  sample->workingSetMb = static_cast<double>(counters.WorkingSetSize) / (1024.0 * 1024.0);
  DWORD code = launch.Close(window);
  if (code != 0) {
    std::fprintf(stderr, "start-driver: %s ended with %lu instead of 0 after WM_CLOSE\n", bench::Utf8(exe).c_str(),
                 static_cast<unsigned long>(code));
    return false;
  }
  return true;
}

double Median(std::vector<double> values) {
  std::sort(values.begin(), values.end());
  size_t middle = values.size() / 2;
  return values.size() % 2 ? values[middle] : (values[middle - 1] + values[middle]) / 2;
}

struct Series {
  std::wstring exe;
  std::vector<double> startUpMs, workingSetMb;
};

double Fastest(const std::vector<double>& values) { return *std::min_element(values.begin(), values.end()); }

void Report(const Series& program, const Series& yardstick) {
  double programStart = Median(program.startUpMs), yardstickStart = Median(yardstick.startUpMs);
  double programMemory = Median(program.workingSetMb), yardstickMemory = Median(yardstick.workingSetMb);
  double ratio = programStart / yardstickStart, extra = programMemory - yardstickMemory;
  std::string a = bench::Utf8(bench::FileNameOf(program.exe)), b = bench::Utf8(bench::FileNameOf(yardstick.exe));
  std::printf("start-up to a visible window, median of %zu starts each:\n", program.startUpMs.size());
  std::printf("  %-18s %8.1f ms  (fastest %.1f ms)\n", a.c_str(), programStart, Fastest(program.startUpMs));
  std::printf("  %-18s %8.1f ms  (fastest %.1f ms)\n", b.c_str(), yardstickStart, Fastest(yardstick.startUpMs));
  std::printf("  ratio              %8.2fx     aim: at most %.2fx  %s\n", ratio, kStartUpAim,
              ratio <= kStartUpAim ? "met" : "NOT MET");
  // The fastest starts are the least disturbed by other work on the machine.
  std::printf("  ratio of fastest   %8.2fx\n", Fastest(program.startUpMs) / Fastest(yardstick.startUpMs));
  std::printf("working set %lu ms after the window showed, median:\n", static_cast<unsigned long>(kSettleMs));
  std::printf("  %-18s %8.1f MB\n", a.c_str(), programMemory);
  std::printf("  %-18s %8.1f MB\n", b.c_str(), yardstickMemory);
  std::printf("  difference         %+8.1f MB     aim: at most +%.0f MB  %s\n", extra, kMemoryAimMb,
              extra <= kMemoryAimMb ? "met" : "NOT MET");
}

}  // namespace

int main() {
  int count = 0;
  wchar_t** arguments = CommandLineToArgvW(GetCommandLineW(), &count);
  if (!arguments || count != 4 || _wtoi(arguments[1]) < 1) {
    std::fputs("usage: start-driver RUNS PROGRAM.exe YARDSTICK.exe\n", stderr);
    return 2;
  }
  int runs = _wtoi(arguments[1]);
  Series series[2] = {{arguments[2], {}, {}}, {arguments[3], {}, {}}};
  LocalFree(arguments);

  Sample sample;
  for (const Series& one : series) {
    if (!Measure(one.exe, &sample)) return 1;  // warm-up: the same warm Wine for both
  }
  for (int run = 0; run < runs; ++run) {
    // Alternating which goes first spreads any drift in the machine's load evenly.
    for (int turn = 0; turn < 2; ++turn) {
      Series& one = series[(run + turn) % 2];
      if (!Measure(one.exe, &sample)) return 1;
      one.startUpMs.push_back(sample.startUpMs);
      one.workingSetMb.push_back(sample.workingSetMb);
    }
  }
  Report(series[0], series[1]);
  return 0;
}
