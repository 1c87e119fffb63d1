#include "ui/timer.h"

namespace vorlan::ui {
namespace {

constexpr UINT_PTR kTimerId = 1;

}  // namespace

TTimer::TTimer() : window_(std::make_unique<TMessageWindow>([this](TMessage& m) { return HandleMessage(m); })) {
  Update();
}

TTimer::~TTimer() {
  if (running_) KillTimer(window_->Handle(), kTimerId);
}

void TTimer::SetEnabled(bool enabled) {
  enabled_ = enabled;
  Update();
}

void TTimer::SetInterval(UINT milliseconds) {
  interval_ = milliseconds;
  Update();
}

void TTimer::Update() {
  if (running_) KillTimer(window_->Handle(), kTimerId);
  running_ = false;
  if (!enabled_ || interval_ == 0 || IsLoading()) return;
  running_ = SetTimer(window_->Handle(), kTimerId, interval_, nullptr) != 0;
}

bool TTimer::HandleMessage(TMessage& message) {
  if (message.Msg != WM_TIMER || message.WParam != kTimerId) return false;
  // A tick already queued when the timer was stopped is dropped.
  if (running_ && OnTimer) OnTimer(*this);
  return true;
}

}  // namespace vorlan::ui
