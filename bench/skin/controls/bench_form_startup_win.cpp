// Time from process start to a window fully painted (the first WM_PAINT of
// its client finished and its frame painted):
//   bench_form_startup [RUNS]   runs both kinds RUNS times (default 7), in
//                               turns, and prints the medians and the ratio
//   bench_form_startup skinned  one skinned window (manager, internal skin,
//                               form with its provider), then exits
//   bench_form_startup bare     one plain Win32 window of the same size
//                               with the system's frame, then exits
// A child's exit code is the time in microseconds from its process's creation
// to the painted window, so that neither side counts its tear-down.
#include <windows.h>

#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <cwchar>
#include <memory>
#include <string>
#include <vector>

#include "skin/controls/provider/skin_provider.h"
#include "skin/data/skin_manager.h"
#include "skin/internal/internal_skin.h"
#include "ui/form.h"

namespace {

constexpr int kWidth = 282, kHeight = 280;
constexpr DWORD kTimeoutMs = 30000;
constexpr DWORD kFailed = 0xFFFFFFFFu;

std::uint64_t Ticks(const FILETIME& t) { return (std::uint64_t{t.dwHighDateTime} << 32) | t.dwLowDateTime; }

// Microseconds since this process was created, as the exit code.
DWORD SinceProcessStart(bool painted) {
  if (!painted) return kFailed;
  FILETIME created{}, exited{}, kernel{}, user{}, now{};
  GetProcessTimes(GetCurrentProcess(), &created, &exited, &kernel, &user);
  GetSystemTimeAsFileTime(&now);
  return static_cast<DWORD>((Ticks(now) - Ticks(created)) / 10);
}

bool g_client_painted = false;
bool g_frame_painted = false;

// Pumps until both paints happened; false on timeout.
bool PumpUntilPainted() {
  const DWORD start = GetTickCount();
  MSG msg;
  while (!(g_client_painted && g_frame_painted)) {
    if (GetTickCount() - start > kTimeoutMs) return false;
    if (PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) {
      TranslateMessage(&msg);
      DispatchMessageW(&msg);
    } else {
      MsgWaitForMultipleObjects(0, nullptr, FALSE, 10, QS_ALLINPUT);
    }
  }
  return true;
}

LRESULT CALLBACK BareProc(HWND window, UINT message, WPARAM wparam, LPARAM lparam) {
  switch (message) {
    case WM_NCPAINT: {
      const LRESULT result = DefWindowProcW(window, message, wparam, lparam);
      g_frame_painted = true;
      return result;
    }
    case WM_PAINT: {
      PAINTSTRUCT ps;
      BeginPaint(window, &ps);
      FillRect(ps.hdc, &ps.rcPaint, GetSysColorBrush(COLOR_BTNFACE));
      EndPaint(window, &ps);
      g_client_painted = true;
      return 0;
    }
    default:
      return DefWindowProcW(window, message, wparam, lparam);
  }
}

int RunBare() {
  WNDCLASSW wc{};
  wc.lpfnWndProc = BareProc;
  wc.hInstance = GetModuleHandleW(nullptr);
  wc.lpszClassName = L"BenchBare";
  wc.hCursor = LoadCursorW(nullptr, IDC_ARROW);
  RegisterClassW(&wc);
  HWND window = CreateWindowExW(WS_EX_APPWINDOW, wc.lpszClassName, L"VorlanTV",
                                WS_OVERLAPPED | WS_CAPTION | WS_THICKFRAME | WS_SYSMENU, 100, 100, kWidth, kHeight,
                                nullptr, nullptr, wc.hInstance, nullptr);
  ShowWindow(window, SW_SHOW);
  UpdateWindow(window);
  return static_cast<int>(SinceProcessStart(PumpUntilPainted()));
}

int RunSkinned() {
  using namespace vorlan;
  skin::TSkinManager manager;
  manager.BeginLoading();
  manager.InternalSkins.Add(skin::MakeInternalSkin());
  manager.SetSkinName(skin::kInternalSkinName);
  manager.Loaded();
  ui::TOwned<ui::TForm> form = ui::MakeOwned<ui::TForm>();
  form->BeginLoading();
  form->SetCaption(u"VorlanTV клиент");
  form->SetBorderIcons(false, false);
  form->SetConstraints({kWidth, kHeight, kWidth, kHeight});
  form->SetClientSize(266, 242);
  form->HandleNeeded();
  skin::TSkinProvider& provider = form->Add<skin::TSkinProvider>(*form);
  // Watches the paints from behind the provider: the client's WM_PAINT ends
  // in the provider, the frame is painted when the picture exists.
  ui::TChainLink watch = form->WindowProc().Add([&](ui::TMessage& m, const ui::TPassOn& pass_on) {
    pass_on(m);
    if (m.Msg == WM_PAINT) g_client_painted = true;
    if (m.Msg == WM_NCPAINT && provider.CacheBuilds() > 0) g_frame_painted = true;
  });
  form->EndLoading();
  form->Show();
  UpdateWindow(form->Handle());
  const bool painted = PumpUntilPainted();
  watch.Unlink();
  return static_cast<int>(SinceProcessStart(painted));
}

// Milliseconds from the start of a copy of this program in `mode` to its
// painted window.
double TimeChild(const std::wstring& self, const wchar_t* mode) {
  std::wstring command = L"\"" + self + L"\" " + mode;
  STARTUPINFOW si{};
  si.cb = sizeof(si);
  PROCESS_INFORMATION pi{};
  if (!CreateProcessW(nullptr, command.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &si, &pi)) return -1;
  WaitForSingleObject(pi.hProcess, INFINITE);
  DWORD code = kFailed;
  GetExitCodeProcess(pi.hProcess, &code);
  vorlan::platform::UniqueKernelHandle process(pi.hProcess), thread(pi.hThread);
  if (code == kFailed) return -1;
  return code / 1000.0;
}

double Median(std::vector<double> v) {
  std::sort(v.begin(), v.end());
  return v.empty() ? 0 : v[v.size() / 2];
}

}  // namespace

int wmain(int argc, wchar_t** argv) {
  if (argc >= 2 && std::wcscmp(argv[1], L"bare") == 0) return RunBare();
  if (argc >= 2 && std::wcscmp(argv[1], L"skinned") == 0) return RunSkinned();
  const int runs = argc >= 2 ? std::max(1, _wtoi(argv[1])) : 7;
  wchar_t path[MAX_PATH] = {};
  GetModuleFileNameW(nullptr, path, MAX_PATH);
  std::vector<double> bare, skinned;
  // One warm-up of each, then the two kinds in turns so that drift in the
  // machine's load falls on both alike.
  TimeChild(path, L"bare");
  TimeChild(path, L"skinned");
  for (int i = 0; i < runs; ++i) {
    const double b = TimeChild(path, L"bare"), s = TimeChild(path, L"skinned");
    if (b < 0 || s < 0) {
      std::fprintf(stderr, "bench_form_startup: a run did not paint its window\n");
      return 1;
    }
    bare.push_back(b);
    skinned.push_back(s);
  }
  const double mb = Median(bare), ms = Median(skinned);
  std::printf("start-up to painted window, median of %d runs\n", runs);
  std::printf("  bare window, system frame: %8.1f ms\n", mb);
  std::printf("  skinned window:            %8.1f ms\n", ms);
  std::printf("skinned / bare: %.2f (goal: at most 2.00)\n", ms / mb);
  return 0;
}
