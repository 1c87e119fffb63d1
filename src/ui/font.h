#pragma once

#include <windows.h>

#include <string>

#include "platform/handle_win.h"
#include "ui/types.h"

namespace vorlan::ui {

// A font setting and the GDI font made from it on first use.
class TFont {
 public:
  TFont() = default;
  TFont(std::u16string name, int height, TColor color) : name_(std::move(name)), height_(height), color_(color) {}
  TFont(const TFont& other)
      : name_(other.name_), height_(other.height_), color_(other.color_), charset_(other.charset_) {}
  TFont& operator=(const TFont& other);

  const std::u16string& Name() const { return name_; }
  // Cell height in pixels; negative values give the character height, as
  // with LOGFONT.
  int Height() const { return height_; }
  TColor Color() const { return color_; }
  BYTE Charset() const { return charset_; }

  void SetName(std::u16string name);
  void SetHeight(int height);
  void SetColor(TColor color) { color_ = color; }
  void SetCharset(BYTE charset);

  HFONT Handle() const;

  // The height for a size in points at the screen's resolution.
  static int HeightForPoints(int points, int pixels_per_inch) { return -MulDiv(points, pixels_per_inch, 72); }

 private:
  std::u16string name_ = u"Tahoma";
  int height_ = -11;
  TColor color_ = clWindowText;
  BYTE charset_ = DEFAULT_CHARSET;
  mutable platform::UniqueFont handle_;
};

}  // namespace vorlan::ui
