// Start-up of the real program, as its user meets it: from the start of the
// process to its main window fully painted (frame, banner, panels, label,
// edit box, button), watched from outside, against a bare Win32 window of
// the same size started and watched the same way, in turns. Then the same
// start-up taken apart from inside, for the skin's own share.
//   bench_program_startup PROGRAM [RUNS]
// PROGRAM is VorlanTV.exe built for the local stand-in services, which must
// be running: the banner is fetched from them.
#include <windows.h>

#include <algorithm>
#include <cstdio>
#include <cwchar>
#include <map>
#include <string>
#include <vector>

#include "bare_window.h"
#include "startup_phases.h"
#include "window_watch.h"

namespace {

constexpr wchar_t kFormClass[] = L"VorlanForm";
constexpr double kRatioGoal = 1.15;
constexpr double kSkinShareGoalMs = 40;

double Median(std::vector<double> v) {
  std::sort(v.begin(), v.end());
  return v.empty() ? 0 : v[v.size() / 2];
}

std::wstring SelfPath() {
  wchar_t path[MAX_PATH] = {};
  GetModuleFileNameW(nullptr, path, MAX_PATH);
  return path;
}

std::wstring Quoted(const std::wstring& text) { return L"\"" + text + L"\""; }

// The bare window's program lies beside this one.
std::wstring BareWindowProgram() {
  const std::wstring self = SelfPath();
  return self.substr(0, self.find_last_of(L"\\/") + 1) + L"bench_bare_window.exe";
}

// Milliseconds from the process's start to its painted window; -1 when it
// did not paint.
double TimeStartUp(const std::wstring& command, const wchar_t* window_class) {
  bench::ChildProgram program(command);
  if (!program.Started()) return -1;
  const HWND window = bench::WaitUntilPainted(program, window_class);
  const double took = bench::MillisecondsSince(program.StartedAt());
  program.End(window);
  return window != nullptr ? took : -1;
}

// The phases of one start-up taken apart in a fresh process.
bench::TPhases TimePhases(const std::wstring& file) {
  DeleteFileW(file.c_str());
  bench::ChildProgram program(Quoted(SelfPath()) + L" phases " + Quoted(file));
  if (!program.Started()) return {};
  WaitForSingleObject(program.Process(), 60000);
  return bench::ReadPhases(file);
}

int CompareWithBareWindow(const std::wstring& program, int runs) {
  const std::wstring bare = Quoted(BareWindowProgram());
  // One warm-up of each, then the two in turns so that drift in the
  // machine's load falls on both alike.
  TimeStartUp(bare, bench::kBareWindowClass);
  TimeStartUp(program, kFormClass);
  std::vector<double> bare_times, program_times;
  for (int i = 0; i < runs; ++i) {
    const double b = TimeStartUp(bare, bench::kBareWindowClass);
    const double p = TimeStartUp(program, kFormClass);
    if (b < 0 || p < 0) {
      std::fprintf(stderr, "bench_program_startup: a run did not paint its window\n");
      return 1;
    }
    bare_times.push_back(b);
    program_times.push_back(p);
  }
  const double mb = Median(bare_times), mp = Median(program_times);
  std::printf("start-up to the painted main window, watched from outside, median of %d runs\n", runs);
  std::printf("  bare Win32 window, same size:  %7.1f ms\n", mb);
  std::printf("  VorlanTV (local services):     %7.1f ms\n", mp);
  std::printf("VorlanTV / bare: %.2f (goal: at most %.2f)\n", mp / mb, kRatioGoal);
  return 0;
}

int ShowPhases(int runs) {
  wchar_t directory[MAX_PATH] = {};
  GetTempPathW(MAX_PATH, directory);
  const std::wstring file = std::wstring(directory) + L"bench-startup-phases.txt";
  std::vector<std::string> order;
  std::map<std::string, std::vector<double>> times;
  TimePhases(file);  // warm-up
  for (int i = 0; i < runs; ++i) {
    const bench::TPhases phases = TimePhases(file);
    if (phases.empty()) {
      std::fprintf(stderr, "bench_program_startup: the start-up taken apart did not finish\n");
      return 1;
    }
    for (const auto& [name, ms] : phases) {
      if (!times.count(name)) order.push_back(name);
      times[name].push_back(ms);
    }
  }
  const auto median = [&](const std::string& name) { return Median(times[name]); };
  std::printf("the same start-up taken apart in-process, median of %d runs (ms)\n", runs);
  for (const std::string& name : order) std::printf("  %-22s %7.2f\n", name.c_str(), median(name));
  const double share =
      median("manager") + median("skin-load") + median("skin-apply") + median("showing") + median("first-paints");
  std::printf("skin's own share (manager, skin load and apply, showing, first paints): %.1f ms (goal: at most %.0f)\n",
              share, kSkinShareGoalMs);
  return 0;
}

}  // namespace

int wmain(int argc, wchar_t** argv) {
  if (argc >= 3 && std::wcscmp(argv[1], L"phases") == 0) return bench::RunStartUpPhases(argv[2]);
  if (argc < 2) {
    std::fprintf(stderr, "usage: bench_program_startup PROGRAM [RUNS]\n");
    return 2;
  }
  const int runs = argc >= 3 ? std::max(1, _wtoi(argv[2])) : 9;
  const int compared = CompareWithBareWindow(Quoted(argv[1]), runs);
  return ShowPhases(runs) | compared;
}
