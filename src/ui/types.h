#pragma once

#include <windows.h>

#include <cstdint>
#include <functional>
#include <string>
#include <string_view>

#include "paint/bitmap_gdi_win.h"
#include "paint/colors.h"
#include "platform/program_messages.h"

// Small shared vocabulary of the window framework.
namespace vorlan::ui {

class TObject;

// The program's UTF-16 text as the system's wide strings (same code units).
inline const wchar_t* Wide(const std::u16string& text) { return reinterpret_cast<const wchar_t*>(text.c_str()); }
inline std::u16string FromWide(const wchar_t* text, size_t length) {
  return std::u16string(reinterpret_cast<const char16_t*>(text), length);
}
inline std::u16string FromWide(const wchar_t* text) { return FromWide(text, wcslen(text)); }

// One window message on its way through a chain of window procedures.
struct TMessage {
  UINT Msg = 0;
  WPARAM WParam = 0;
  LPARAM LParam = 0;
  LRESULT Result = 0;
};

// Hands a message on to the next procedure of a chain. It refers to the
// caller's state and is valid only during the call it was given to.
class TPassOn {
 public:
  template <class F>
  explicit TPassOn(const F& next) noexcept
      : next_(&next), call_([](const void* f, TMessage& m) { (*static_cast<const F*>(f))(m); }) {}
  void operator()(TMessage& message) const { call_(next_, message); }

 private:
  const void* next_;
  void (*call_)(const void*, TMessage&);
};

// One link of a message chain: consumes the message (setting Result) or
// hands it on.
using TMessageHandler = std::function<void(TMessage& message, const TPassOn& pass_on)>;

using TNotifyEvent = std::function<void(TObject& sender)>;
using TCloseQueryEvent = std::function<void(TObject& sender, bool& can_close)>;

// Colours: the program's one colour type (0x00BBGGRR, negative = system
// colour), shown on GDI through paint::ToColorRef.
using paint::kSystemColorFlag;
using paint::TColor;
inline constexpr TColor clBtnFace = paint::SystemColorOf(COLOR_BTNFACE);
inline constexpr TColor clWindow = paint::SystemColorOf(COLOR_WINDOW);
inline constexpr TColor clWindowText = paint::SystemColorOf(COLOR_WINDOWTEXT);
inline constexpr TColor clBtnText = paint::SystemColorOf(COLOR_BTNTEXT);
inline constexpr TColor clGrayText = paint::SystemColorOf(COLOR_GRAYTEXT);
inline constexpr TColor clBlack = 0x000000;
inline constexpr TColor clWhite = 0xFFFFFF;

enum class TAlign { alNone, alTop, alBottom, alLeft, alRight, alClient };

// The framework's own messages (numbers in platform/program_messages.h).
using platform::CM_BASE;
using platform::CM_ENABLEDCHANGED;
using platform::CM_MOUSEENTER;
using platform::CM_MOUSELEAVE;
using platform::CM_QUERYBACKGROUND;
using platform::CM_SHOWINGCHANGED;
using platform::CM_VISIBLECHANGED;
using platform::CN_BASE;

// What CM_QUERYBACKGROUND carries. It is the background request of unskinned
// framework controls only: skinned controls ask their parent through the
// skin command (SM_ALPHACMD with scGetBackground and a TSkBgRequest) and never
// send this one. A skinned container that receives it paints its finished
// picture into the asker's context, so an unskinned control keeps working
// on a skinned parent without a second protocol growing on the skin's side.
struct TBackgroundQuery {
  HDC Dc = nullptr;  // the child's device context, origin at the child's top-left
  RECT Rect{};       // the part to paint, in the child's coordinates
  POINT Offset{};    // the child's top-left in the parent's client coordinates
};

}  // namespace vorlan::ui
