#pragma once

#include <windows.h>

#include <cstdint>
#include <string_view>

#include "skin/controls/adapters/adapter_base.h"

namespace vorlan::skin {

inline constexpr std::u16string_view kButtonSection = u"BUTTON";

// A push button of the framework's (or the platform's) class, painted from
// the BUTTON section: normal, hot (mouse over or focused) and pressed, with
// its caption in the section's text colours.
class TSkButtonWnd : public TSkMainWnd {
 public:
  using TSkMainWnd::TSkMainWnd;

 protected:
  std::u16string_view DefaultSection() const override { return kButtonSection; }
  void skWndProc(ui::TMessage& message) override;
  bool PrepareCache() override;
  std::int32_t PaintState() const override;

 private:
  void PaintTo(HDC dc);
  // The platform draws a button at once on these; the skin's picture then
  // goes over it again.
  static bool RedrawsItself(UINT msg);

  std::int32_t FPaintedState = -1;
};

}  // namespace vorlan::skin
