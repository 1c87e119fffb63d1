#pragma once

#include <windows.h>

#include <functional>

#include "ui/window_proc.h"

namespace vorlan::ui {

// A hidden top-level window that only receives messages (it also gets the
// broadcasts that message-only windows miss, such as "TaskbarCreated").
class TMessageWindow final : public TWindowTarget {
 public:
  // The handler returns true when it consumed the message (and set Result).
  using THandler = std::function<bool(TMessage&)>;

  explicit TMessageWindow(THandler handler, const wchar_t* title = L"");
  ~TMessageWindow() override;

  void Dispatch(TMessage& message) override;

 private:
  THandler handler_;
};

}  // namespace vorlan::ui
