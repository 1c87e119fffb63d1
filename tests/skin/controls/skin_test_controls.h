#pragma once

#include <windows.h>

#include <vector>

#include "paint/bitmap32.h"
#include "paint/fills.h"
#include "platform/handle_win.h"
#include "skin/controls/core/bg_request.h"
#include "skin/data/skin_commands.h"
#include "ui/control.h"
#include "ui/win_control.h"

// Stand-ins for skinned controls: they answer the skin commands a test needs
// through their own message handling and record what reached them.
namespace vorlan::skin::test {

// A message the recorders count.
inline constexpr UINT kProbe = WM_APP + 77;

inline void FillDc(HDC dc, const RECT& rect, paint::TColor color) {
  const platform::UniqueBrush brush(CreateSolidBrush(static_cast<COLORREF>(color)));
  FillRect(dc, &rect, brush.get());
}

// How a stand-in answers: which commands, and with what.
struct TSkinAnswers {
  bool Skinned = true;  // answers scIsSkinned with 1
  LRESULT BgColor = 0;  // answer to scGetBgColor (0: none)
  TBgType Background = btNoAnswer;
  const paint::TBitmap32* Cache = nullptr;  // given with a btCache answer
  paint::TColor Color = 0;                  // given with a btColor answer; also what it paints
  std::vector<UINT> Received;               // kProbe and skin commands (high word), in order
  std::vector<HDC> PrintDCs;                // scSetPrintDC arguments

  // True when consumed.
  bool Handle(ui::TMessage& message, int width, int height) {
    if (message.Msg == kProbe) {
      Received.push_back(kProbe);
      return true;
    }
    if (message.Msg == WM_PRINT || (message.Msg == WM_PAINT && message.WParam)) {
      FillDc(reinterpret_cast<HDC>(message.WParam), RECT{0, 0, width, height}, Color);
      return true;
    }
    if (message.Msg != SM_ALPHACMD) return false;
    const auto command = static_cast<TSkinCommand>(message.WParam >> 16);
    Received.push_back(command);
    switch (command) {
      case scIsSkinned:
        message.Result = Skinned ? 1 : 0;
        return Skinned;
      case scGetBgColor:
        message.Result = BgColor;
        return true;
      case scSetPrintDC:
        PrintDCs.push_back(reinterpret_cast<HDC>(message.LParam));
        return true;
      case scGetBackground: {
        auto& request = *reinterpret_cast<TSkBgRequest*>(message.LParam);
        request.BgType = Background;
        if (Background == btCache) {
          request.Bmp = Cache;
          request.Offset = POINT{};
        } else if (Background == btColor) {
          request.Color = Color;
        }
        return true;
      }
      default:
        return false;
    }
  }
};

// A windowed stand-in.
class TSkinnedPanel : public ui::TWinControl {
 public:
  TSkinAnswers Answers;

 protected:
  void WndProc(ui::TMessage& message) override {
    if (!Answers.Handle(message, Width(), Height())) ui::TWinControl::WndProc(message);
  }
};

// A windowless stand-in; paints its colour over its whole bounds.
class TSkinnedGraphic : public ui::TControl {
 public:
  TSkinAnswers Answers;

 protected:
  void WndProc(ui::TMessage& message) override {
    if (!Answers.Handle(message, Width(), Height())) ui::TControl::WndProc(message);
  }
};

// A pixel as a colour 0x00BBGGRR.
inline paint::TColor ColorAt(const paint::TBitmap32& bitmap, int x, int y) {
  GdiFlush();
  const uint32_t p = bitmap.Pixel(x, y);
  return static_cast<paint::TColor>((p & 0xFF) << 16 | (p & 0xFF00) | (p >> 16 & 0xFF));
}

// A 32-bit bitmap with a memory DC on it.
class TBitmapDc {
 public:
  TBitmapDc(int width, int height, paint::TColor fill)
      : Bitmap(width, height),
        dc_(CreateCompatibleDC(nullptr)),
        select_(dc_.get(), static_cast<HBITMAP>(Bitmap.NativeHandle())) {
    paint::FillRect32(Bitmap, Bitmap.Bounds(), fill, 255);
  }
  HDC Dc() const { return dc_.get(); }
  // The pixel as a colour 0x00BBGGRR.
  paint::TColor At(int x, int y) const { return ColorAt(Bitmap, x, y); }

  paint::TBitmap32 Bitmap;

 private:
  platform::UniqueMemoryDc dc_;
  platform::SelectGuard select_;
};

}  // namespace vorlan::skin::test
