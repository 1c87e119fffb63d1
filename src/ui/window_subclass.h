#pragma once

#include <windows.h>

#include <memory>

#include "ui/types.h"

namespace vorlan::ui {

// A layer in front of a window's procedure (SetWindowSubclass, one id per
// layer), for any window of this thread: the framework's own, or one it did
// not create (a popup menu's window, a foreign control). The handler sees
// every message first and hands on what it does not consume. The layer goes
// when this object goes or when the window is destroyed, in any order with
// the window's other layers; move-only.
class TWindowSubclass {
 public:
  TWindowSubclass() noexcept = default;
  // Throws when the system refuses the subclass.
  TWindowSubclass(HWND window, TMessageHandler handler);
  TWindowSubclass(TWindowSubclass&& other) noexcept = default;
  TWindowSubclass& operator=(TWindowSubclass&& other) noexcept;
  TWindowSubclass(const TWindowSubclass&) = delete;
  TWindowSubclass& operator=(const TWindowSubclass&) = delete;
  ~TWindowSubclass() { Remove(); }

  // Takes the layer out now (nothing when it is already out).
  void Remove() noexcept;
  bool Attached() const noexcept;
  HWND Window() const noexcept;

  struct TState;

 private:
  std::shared_ptr<TState> state_;
};

}  // namespace vorlan::ui
