#pragma once

#include <windows.h>

#include <cstdint>
#include <functional>
#include <string>
#include <string_view>

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

// A window procedure as a replaceable value: a wrapper keeps the previous one
// and calls it for every message it does not consume.
using TWndMethod = std::function<void(TMessage&)>;

using TNotifyEvent = std::function<void(TObject& sender)>;
using TCloseQueryEvent = std::function<void(TObject& sender, bool& can_close)>;

// Colours: 0x00BBGGRR, or a system colour index with the high bit set.
using TColor = int32_t;
inline constexpr TColor kSystemColorFlag = static_cast<TColor>(0x80000000u);
inline constexpr TColor clBtnFace = kSystemColorFlag | COLOR_BTNFACE;
inline constexpr TColor clWindow = kSystemColorFlag | COLOR_WINDOW;
inline constexpr TColor clWindowText = kSystemColorFlag | COLOR_WINDOWTEXT;
inline constexpr TColor clBtnText = kSystemColorFlag | COLOR_BTNTEXT;
inline constexpr TColor clBlack = 0x000000;
inline constexpr TColor clWhite = 0xFFFFFF;

inline COLORREF ColorToRGB(TColor color) {
  return (color & kSystemColorFlag) ? GetSysColor(color & 0xFF) : static_cast<COLORREF>(color);
}

enum class TAlign { alNone, alTop, alBottom, alLeft, alRight, alClient };

// Messages the framework sends between its own windows (above WM_APP, below
// the range the skin engine uses).
inline constexpr UINT CM_BASE = WM_APP + 0x1000;
// A child asks its parent to paint the parent's background into the child's
// device context. LParam: TBackgroundQuery*. Result: non-zero when painted.
inline constexpr UINT CM_QUERYBACKGROUND = CM_BASE + 1;
// WM_COMMAND, WM_NOTIFY and WM_CTLCOLOR* reflected from a parent to the
// child control they concern: CN_BASE + the original message.
inline constexpr UINT CN_BASE = CM_BASE + 0x100;

struct TBackgroundQuery {
  HDC Dc = nullptr;  // the child's device context, origin at the child's top-left
  RECT Rect{};       // the part to paint, in the child's coordinates
  POINT Offset{};    // the child's top-left in the parent's client coordinates
};

}  // namespace vorlan::ui
