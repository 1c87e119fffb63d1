#include "skin/controls/effects/button_fade.h"

#include <algorithm>

#include "paint/bitmap_gdi_win.h"
#include "skin/controls/base/layered_window.h"

namespace vorlan::skin {
namespace {

constexpr wchar_t kFadeClass[] = L"VorlanTitleButtonFade";

const wchar_t* FadeClass() { return PictureWindowClass(kFadeClass, DefWindowProcW); }

}  // namespace

TSkSBAnimation::TSkSBAnimation(TSource source) : source_(std::move(source)) {
  timer_.SetEnabled(false);
  timer_.SetInterval(kTickInterval);
  timer_.OnTimer = [this](ui::TObject&) { OnAnimTimer(); };
}

TSkSBAnimation::~TSkSBAnimation() { timer_.SetEnabled(false); }

void TSkSBAnimation::ChangeState(std::int32_t state, std::int32_t steps) {
  steps = std::max(1, steps);
  if (first_use_) {
    // Nothing is shown yet, so there is nothing to fade out.
    if (state == 0) return;
    first_use_ = false;
    MaxIterations = state == 2 ? 1 : steps;
    StartAnimation(state, state != 0);
    return;
  }
  if (state == 0 && steps <= 1) {
    // No fade: the normal look in the frame picture shows at once.
    timer_.SetEnabled(false);
    CurrentState = -1;
    FreeForm();
    return;
  }
  MaxIterations = state == 2 ? 1 : steps;
  Up = state != 0;
  if (Up) CurrentState = state;
  top_shown_ = false;
  CurrentLevel = std::max(1, steps);
  if (state == 2) {
    // The pressed frame shows at once.
    FreeForm();
    MakeForm();
    UpdateForm(255);
    top_shown_ = true;
  } else if (Up && !window_) {
    // Made now, with the change, so that no tick of the fade creates a window.
    MakeForm();
  }
  timer_.SetEnabled(true);
}

void TSkSBAnimation::StartAnimation(std::int32_t state, bool up) {
  if (state == CurrentState) return;
  CurrentState = state;
  Up = up;
  top_shown_ = false;
  if (state != 0) {
    if (state == 2) FreeForm();
    MakeForm();
    CurrentLevel = 1;
    UpdateForm(std::min(Step(), 255));
    CurrentLevel = 2;
  } else {
    CurrentLevel = std::max(0, MaxIterations - 1);
    UpdateForm(std::min(Step(), 255));
  }
  timer_.SetEnabled(MaxIterations > 1);
}

void TSkSBAnimation::OnAnimTimer() {
  if (Up) {
    if (CurrentLevel < MaxIterations) {
      UpdateForm(std::min(Step() * CurrentLevel, 255));
      ++CurrentLevel;
      return;
    }
    CheckMouseLeave();
    // The mouse left: the form's reset has started the fade-out.
    if (!Up) return;
    if (!top_shown_) {
      top_shown_ = true;
      UpdateForm(255);
      // A later fade-out starts again from the full number of steps.
      MaxIterations = -1;
    }
    return;
  }
  if (CurrentLevel > 0) {
    UpdateForm(std::min(Step() * CurrentLevel, 255));
    --CurrentLevel;
    return;
  }
  CurrentState = -1;
  timer_.SetEnabled(false);
  FreeForm();
}

void TSkSBAnimation::CheckMouseLeave() {
  if (!source_.CursorOutside || !source_.CursorOutside()) return;
  timer_.SetEnabled(false);
  if (source_.FormHandle) SendMessageW(source_.FormHandle, WM_MOUSELEAVE, 0, 0);
}

void TSkSBAnimation::MakeForm() {
  image_ = source_.MakeImg ? source_.MakeImg(std::max(0, CurrentState)) : paint::TBitmap32();
  if (window_ || image_.Empty() || !FadeClass()) return;
  const RECT bounds = source_.GetFormBounds ? source_.GetFormBounds() : RECT{};
  const bool topmost = source_.FormHandle && (GetWindowLongPtrW(source_.FormHandle, GWL_EXSTYLE) & WS_EX_TOPMOST);
  // Owned by the form, so that it stays directly above it.
  window_.reset(CreateWindowExW(
      WS_EX_LAYERED | WS_EX_TRANSPARENT | WS_EX_NOACTIVATE | WS_EX_TOOLWINDOW | (topmost ? WS_EX_TOPMOST : 0),
      FadeClass(), L"", WS_POPUP, bounds.left, bounds.top, image_.Width(), image_.Height(), source_.FormHandle, nullptr,
      GetModuleHandleW(nullptr), nullptr));
}

void TSkSBAnimation::UpdateForm(std::int32_t alpha) {
  shown_alpha_ = alpha;
  if (!window_) MakeForm();
  if (!window_ || image_.Empty()) return;
  const RECT bounds = source_.GetFormBounds ? source_.GetFormBounds() : RECT{};
  ShowLayeredPicture(window_.get(), image_, POINT{bounds.left, bounds.top}, static_cast<std::uint8_t>(alpha));
  if (!IsWindowVisible(window_.get())) ShowWindow(window_.get(), SW_SHOWNOACTIVATE);
}

void TSkSBAnimation::FreeForm() {
  window_.reset();
  image_ = paint::TBitmap32();
}

}  // namespace vorlan::skin
