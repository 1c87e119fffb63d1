#include "skin/controls/provider/window_animation.h"
#include "skin/controls/base/skin_messaging.h"

#include <algorithm>
#include <utility>

#include "paint/fills.h"
#include "paint/stretch.h"
#include "skin/controls/base/layered_window.h"
#include "skin/controls/base/skin_flags.h"
#include "skin/controls/provider/skin_provider.h"
#include "skin/data/skin_commands.h"
#include "ui/application.h"

namespace vorlan::skin {
namespace {

// The value a parked timer waits; it has no work to do.
constexpr UINT kParkedInterval = 0xFFFF;
// How long the composed desktop takes to show the form before the picture
// over it may go.
constexpr DWORD kCompositionSettle = 40;

TEffectObserver& Observer() {
  static TEffectObserver observer;
  return observer;
}

void Report(HWND window, bool hiding, std::int32_t step, std::uint8_t alpha, const paint::TBitmap32& picture) {
  if (Observer()) Observer()(TEffectUpdate{window, hiding, step, alpha, &picture});
}

std::unique_ptr<TSkHideTimer>& HideTimerHolder() {
  static std::unique_ptr<TSkHideTimer> timer;
  return timer;
}

LRESULT CALLBACK EffectWindowProc(HWND window, UINT msg, WPARAM wParam, LPARAM lParam) {
  if (msg == WM_MOUSEACTIVATE) return MA_NOACTIVATE;
  return DefWindowProcW(window, msg, wParam, lParam);
}

const wchar_t* EffectWindowClass() { return PictureWindowClass(L"VorlanEffectWindow", EffectWindowProc); }

// Waits on the calling thread until an effect step that began at `start` has
// had its interval.
void WaitStep(ULONGLONG start) {
  while (GetTickCount64() - start < kWindowFadeInterval) SwitchToThread();
}

// The frame a step shows: the snapshot itself, or (aero) the snapshot
// stretched into the step's rectangle of an otherwise empty frame.
void ComposeFrame(paint::TBitmap32& frame, const paint::TBitmap32& snapshot, const TWindowFadeFrame& step,
                  TSkAnimType type) {
  if (type == atFading) {
    if (step.DrawPicture) frame = snapshot.Clone();
    return;
  }
  if (frame.Size() != snapshot.Size()) frame = paint::TBitmap32(snapshot.Width(), snapshot.Height());
  paint::FillRect32(frame, frame.Bounds(), 0, 0);
  if (step.DrawPicture && !step.Picture.IsEmpty()) {
    paint::StretchNearest(frame, step.Picture, snapshot, snapshot.Bounds());
  }
}

TSkinProvider* ProviderOf(HWND window) {
  if (window == nullptr || !IsWindow(window)) return nullptr;
  return Send<scGetProvider>(window);
}

void NotifyAfterAnimation(TSkinProvider* provider) {
  if (provider != nullptr && provider->OnAfterAnimation) provider->OnAfterAnimation(*provider);
}

}  // namespace

platform::UniqueWindow CreateEffectWindow(const RECT& screenRect, HWND insertAfter) {
  const DWORD topmost = insertAfter == HWND_TOPMOST ? WS_EX_TOPMOST : 0;
  platform::UniqueWindow window(CreateWindowExW(WS_EX_LAYERED | WS_EX_TOOLWINDOW | WS_EX_NOACTIVATE | topmost,
                                                EffectWindowClass(), L"", WS_POPUP, screenRect.left, screenRect.top,
                                                screenRect.right - screenRect.left, screenRect.bottom - screenRect.top,
                                                nullptr, nullptr, GetModuleHandleW(nullptr), nullptr));
  if (window) {
    SetWindowPos(window.get(), insertAfter, screenRect.left, screenRect.top, screenRect.right - screenRect.left,
                 screenRect.bottom - screenRect.top, SWP_NOACTIVATE | SWP_NOREDRAW | SWP_NOCOPYBITS);
  }
  return window;
}

HWND DirectlyAbove(HWND window) {
  if (GetWindowLongPtrW(window, GWL_EXSTYLE) & WS_EX_TOPMOST) return HWND_TOPMOST;
  const HWND above = GetWindow(window, GW_HWNDPREV);
  return above != nullptr ? above : HWND_TOP;
}

TEffectObserver SetEffectObserver(TEffectObserver observer) { return std::exchange(Observer(), std::move(observer)); }

// ---- hiding ----

TSkHideTimer::TSkHideTimer() {
  FOnTimer = [this](ui::TObject&) { Step(); };
}

TSkHideTimer::~TSkHideTimer() { Finish(false); }

void TSkHideTimer::Step() {
  if (!Form || !SrcBmp || !DstBmp || Steps.Done()) {
    Finish(true);
    return;
  }
  const std::int32_t step = Steps.i;
  const TWindowFadeFrame frame = Steps.Next();
  ComposeFrame(*DstBmp, *SrcBmp, frame, Steps.AnimType);
  FBlend.SourceConstantAlpha = frame.Alpha;
  ShowLayeredPicture(Form.get(), *DstBmp, frame.Alpha);
  Report(Form.get(), true, step, frame.Alpha, *DstBmp);
  if (Steps.Done()) Finish(true);
}

void TSkHideTimer::Finish(bool notify) {
  SetEnabled(false);
  SetInterval(kParkedInterval);
  const bool played = static_cast<bool>(Form);
  Form.reset();
  SrcBmp.reset();
  DstBmp.reset();
  const HWND parent = std::exchange(ParentWnd, nullptr);
  if (notify && played && !EventCalled) {
    EventCalled = true;
    NotifyAfterAnimation(ProviderOf(parent));
  }
}

TSkHideTimer& HideTimer() {
  auto& timer = HideTimerHolder();
  if (!timer) timer = std::make_unique<TSkHideTimer>();
  return *timer;
}

void ReleaseHideTimer() { HideTimerHolder().reset(); }

bool HideAnimationRunning() { return HideTimerHolder() && HideTimerHolder()->Playing(); }

void FinishHideAnimation() {
  if (HideAnimationRunning()) HideTimer().Finish(true);
}

void StartHideAnimation(platform::UniqueWindow snapshotWindow, std::unique_ptr<paint::TBitmap32> snapshot,
                        std::uint32_t duration, HWND parent, TSkAnimType type, std::uint8_t startAlpha) {
  TSkHideTimer& timer = HideTimer();
  timer.Finish(false);
  const std::int32_t steps = WindowFadeSteps(duration);
  if (steps == 0 || !snapshotWindow || !snapshot || snapshot->Empty()) return;  // both go here

  timer.ParentWnd = parent;
  timer.SrcBmp = std::move(snapshot);
  timer.Form = std::move(snapshotWindow);
  timer.StartBlendValue = startAlpha;
  timer.EventCalled = false;
  timer.FBmpSize = SIZE{timer.SrcBmp->Width(), timer.SrcBmp->Height()};
  timer.FBmpTopLeft = POINT{0, 0};
  timer.FBlend = BLENDFUNCTION{AC_SRC_OVER, 0, startAlpha, AC_SRC_ALPHA};
  timer.SetInterval(kWindowFadeInterval);

  const HWND window = timer.Form.get();
  SetWindowLongPtrW(window, GWL_EXSTYLE, GetWindowLongPtrW(window, GWL_EXSTYLE) | WS_EX_LAYERED | WS_EX_NOACTIVATE);
  ShowLayeredPicture(window, *timer.SrcBmp, startAlpha);
  RECT r{};
  GetWindowRect(window, &r);
  SetWindowPos(window, HWND_TOPMOST, r.left, r.top, timer.FBmpSize.cx, timer.FBmpSize.cy,
               SWP_NOACTIVATE | SWP_NOREDRAW | SWP_NOCOPYBITS | SWP_SHOWWINDOW);
  timer.DstBmp = std::make_unique<paint::TBitmap32>(timer.FBmpSize.cx, timer.FBmpSize.cy);
  timer.Steps.Init(startAlpha, steps, timer.FBmpSize.cx, timer.FBmpSize.cy, type);

  if (ui::Application().Terminated()) {
    // No message loop will tick any more: every step now.
    while (timer.Playing()) {
      const ULONGLONG start = GetTickCount64();
      timer.Step();
      WaitStep(start);
    }
    return;
  }
  timer.Step();
  if (timer.Playing()) timer.SetEnabled(true);
}

// ---- showing ----

void AnimShowForm(TSkinProvider& provider, TSkAnimType type, std::uint32_t duration, std::uint8_t targetAlpha) {
  ui::TForm& form = provider.Form();
  if (!provider.SkinData().Skinned() || !form.HandleAllocated() || IsIconic(form.Handle())) return;
  const HWND formWindow = form.Handle();
  platform::UniqueWindow window;
  {
    const TFlagScope busy(flags_detail::AnimationFlag());
    const paint::TBitmap32 snapshot = provider.WholeWindowImage();
    RECT bounds{};
    GetWindowRect(formWindow, &bounds);
    if (!snapshot.Empty()) {
      window = CreateEffectWindow(bounds, DirectlyAbove(formWindow));
    }
    if (window) {
      TSkShowFadeSteps steps;
      steps.Init(targetAlpha, WindowFadeSteps(static_cast<std::uint16_t>(duration)), snapshot.Width(),
                 snapshot.Height(), type);
      paint::TBitmap32 frame;
      if (steps.StepCount > 0) {
        ShowLayeredPicture(window.get(), snapshot, 0);
        Report(window.get(), false, -1, 0, snapshot);
      }
      ShowWindow(window.get(), SW_SHOWNOACTIVATE);
      while (!steps.Done()) {
        const ULONGLONG start = GetTickCount64();
        const std::int32_t step = steps.StepCount > 0 ? steps.i : -1;
        const TWindowFadeFrame f = steps.Next();
        ComposeFrame(frame, snapshot, f, type);
        ShowLayeredPicture(window.get(), frame, f.Alpha);
        Report(window.get(), false, step, f.Alpha, frame);
        if (steps.StepCount > 0) WaitStep(start);
      }
      SetWindowPos(formWindow, window.get(), 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
    }
  }
  // The form takes the picture's place, painted in full at once. The effect
  // has ended first: controls skip their painting while one plays, and
  // nothing would paint them again.
  const LONG_PTR style = GetWindowLongPtrW(formWindow, GWL_STYLE);
  if (!(style & WS_VISIBLE)) SetWindowLongPtrW(formWindow, GWL_STYLE, style | WS_VISIBLE);
  RedrawWindow(formWindow, nullptr, nullptr,
               RDW_INVALIDATE | RDW_ERASE | RDW_ERASENOW | RDW_FRAME | RDW_ALLCHILDREN | RDW_UPDATENOW);
  if (window && CompositionEnabled()) Sleep(kCompositionSettle);
  window.reset();
  NotifyAfterAnimation(&provider);
}

}  // namespace vorlan::skin
