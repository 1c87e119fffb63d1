#pragma once

#include <windows.h>

#include <cstdint>

#include "paint/bitmap32.h"
#include "skin/controls/core/control_to_bitmap.h"
#include "skinned_test_controls.h"

// A shown skinned form with a varied picture (every pixel different), for
// the skinned control classes to stand on.
namespace vorlan::skin::test {

using SkinForm = Skinned<TPopupForm>;

inline constexpr TColor kFormColor = 0x00205080;

// The 4.2 blend of a translucent layer `child` over `parent` at weight w:
// ((parent - child) * w + child * 256) >> 8 per channel, the shift rounding
// toward minus infinity.
inline std::uint32_t BlendPixel(std::uint32_t parent, std::uint32_t child, int w) {
  std::uint32_t out = 0xFF000000u;
  for (int shift = 0; shift < 24; shift += 8) {
    const int p = static_cast<int>(parent >> shift & 0xFF), c = static_cast<int>(child >> shift & 0xFF);
    const int v = ((p - c) * w + c * 256) >> 8;
    out |= static_cast<std::uint32_t>(v) << shift;
  }
  return out;
}

struct ShownForm {
  explicit ShownForm(TestSkin& skin, int width = 160, int height = 120) {
    const std::int32_t section = skin.Section(u"FORM", kFormColor);
    skin.Texture(section, paint::MakeRect(0, 0, 16, 16));
    form = ui::MakeOwned<SkinForm>(u"FORM");
    form->SetBounds(20, 20, width, height);
    form->BeginLoading();
  }
  // Ends loading (Loaded on every control) and shows the form.
  void Show() {
    form->EndLoading();
    form->Data().Loaded();
    form->Show();
    UpdateWindow(form->Handle());
  }
  // What the form's picture holds at a point of its client area.
  std::uint32_t FormPixel(int x, int y) {
    if (form->Data().BGChanged) SendMessageW(form->Handle(), SM_ALPHACMD, MakeSkinWParam(scPrepareCache), 0);
    return form->Cache().Pixel(x, y) | 0xFF000000u;
  }
  ui::TOwned<SkinForm> form;
};

// The control and its windowed children printed into a picture of its size.
inline paint::TBitmap32 Print(ui::TControl& control) {
  paint::TBitmap32 picture(control.Width(), control.Height());
  PaintControlToBitmap(picture, control, 0, nullptr, 0);
  GdiFlush();
  return picture;
}

}  // namespace vorlan::skin::test
