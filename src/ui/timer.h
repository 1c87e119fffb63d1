#pragma once

#include <windows.h>

#include <memory>

#include "ui/component.h"
#include "ui/message_window.h"

namespace vorlan::ui {

// A message timer of the user-interface thread (SetTimer on a hidden window
// of its own): OnTimer runs from the message loop every Interval
// milliseconds. It runs while Enabled is on and Interval is above 0; changes
// made while the owner's layout is read take effect when it is loaded. The
// base of the skin's animation timers.
class TTimer : public TComponent {
 public:
  static constexpr UINT kDefaultInterval = 1000;

  TTimer();
  ~TTimer() override;
  std::u16string_view ClassName() const override { return u"TTimer"; }

  bool Enabled() const { return enabled_; }
  void SetEnabled(bool enabled);
  UINT Interval() const { return interval_; }
  // Starts the count afresh when the timer runs.
  void SetInterval(UINT milliseconds);
  // True while the system's timer is set.
  bool Running() const { return running_; }

  TNotifyEvent OnTimer;

 protected:
  void Loaded() override { Update(); }

 private:
  void Update();
  bool HandleMessage(TMessage& message);

  bool enabled_ = true;
  UINT interval_ = kDefaultInterval;
  bool running_ = false;
  std::unique_ptr<TMessageWindow> window_;
};

}  // namespace vorlan::ui
