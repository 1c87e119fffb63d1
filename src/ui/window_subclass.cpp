#include "ui/window_subclass.h"

#include <commctrl.h>

#include <stdexcept>
#include <utility>

#include "ui/window_proc.h"

namespace vorlan::ui {

struct TWindowSubclass::TState : std::enable_shared_from_this<TState> {
  HWND Window = nullptr;
  UINT_PTR Id = 0;
  TMessageHandler Handler;
  bool Attached = false;
};

namespace {

// Ids of the framework's own layer lie below.
UINT_PTR NextSubclassId() {
  static UINT_PTR next = 0x100;
  return next++;
}

LRESULT CALLBACK SubclassProc(HWND window, UINT message, WPARAM wparam, LPARAM lparam, UINT_PTR /*id*/,
                              DWORD_PTR data) noexcept {
  // Kept alive while the message runs: the owner may drop the layer meanwhile.
  const std::shared_ptr<TWindowSubclass::TState> state =
      reinterpret_cast<TWindowSubclass::TState*>(data)->shared_from_this();
  TMessage m{message, wparam, lparam, 0};
  const auto previous = [window](TMessage& passed) {
    passed.Result = DefSubclassProc(window, passed.Msg, passed.WParam, passed.LParam);
  };
  try {
    if (state->Attached) {
      state->Handler(m, TPassOn(previous));
    } else {
      previous(m);
    }
  } catch (...) {
    ReportEscapedError();
  }
  // A layer must be gone before its window is.
  if (message == WM_NCDESTROY && state->Attached) {
    RemoveWindowSubclass(window, SubclassProc, state->Id);
    state->Attached = false;
  }
  return m.Result;
}

}  // namespace

TWindowSubclass::TWindowSubclass(HWND window, TMessageHandler handler) : state_(std::make_shared<TState>()) {
  state_->Window = window;
  state_->Id = NextSubclassId();
  state_->Handler = std::move(handler);
  if (!window || !SetWindowSubclass(window, SubclassProc, state_->Id, reinterpret_cast<DWORD_PTR>(state_.get()))) {
    throw std::runtime_error("Cannot subclass the window");
  }
  state_->Attached = true;
}

TWindowSubclass& TWindowSubclass::operator=(TWindowSubclass&& other) noexcept {
  if (this != &other) {
    Remove();
    state_ = std::move(other.state_);
  }
  return *this;
}

void TWindowSubclass::Remove() noexcept {
  if (!state_) return;
  if (state_->Attached) {
    RemoveWindowSubclass(state_->Window, SubclassProc, state_->Id);
    state_->Attached = false;
  }
  state_.reset();
}

bool TWindowSubclass::Attached() const noexcept { return state_ && state_->Attached; }

HWND TWindowSubclass::Window() const noexcept { return state_ ? state_->Window : nullptr; }

}  // namespace vorlan::ui
