#pragma once

#include <windows.h>

#include <cstdint>
#include <memory>
#include <string_view>

#include "paint/bitmap32.h"
#include "platform/handle_win.h"

// The glow around a control under the mouse: a separate layered window with
// the section's glow image, transparent to the mouse, so that showing it or
// changing its alpha never repaints the controls under it.
namespace vorlan::skin {

class TSkinCommonData;
class TSkinManager;

struct TSkGlowEffect {
  std::int32_t Margin = 0;
  std::int32_t MaskIndex = -1;
  platform::UniqueWindow Wnd;
  std::unique_ptr<paint::TBitmap32> AlphaBmp;
  bool Destroyed = false;
  TSkinManager* SkinManager = nullptr;  // borrowed
  TSkinCommonData* SkinData = nullptr;  // borrowed: its GlowID names this effect
  std::uint8_t Alpha = 0;               // the constant alpha shown now
};

// Creates and shows a glow window around `screenRect` with the image named
// keyPrefix + "0" of the section; its id, or -1 when it cannot be shown
// (no skin data, no such image, another window holds the mouse capture).
std::int32_t ShowGlow(const RECT& screenRect, std::u16string_view sectionName, std::u16string_view keyPrefix,
                      TSkinCommonData* data, HWND controlWindow, std::uint8_t alpha, std::int32_t margin);
// Fades the glow out (animate) or destroys it at once, which also stops a
// running fade of its control; id becomes -1 when it is gone.
void HideGlow(std::int32_t& id, bool animate);
// Destroys the glow at once and nothing else: a fade frame that ends its
// own glow goes on.
void FreeGlow(std::int32_t& id);
// Shows the glow window again with another constant alpha.
void SetGlowAlpha(std::int32_t id, std::uint8_t alpha);
// Destroys every glow (a skin change, shutdown).
void DestroyAllGlows(bool freeWindows = true);

// The effect behind an id, or none.
const TSkGlowEffect* GlowEffect(std::int32_t id);
// Glows alive now.
std::size_t LiveGlowCount();

// The control's own glow, shown with the given alpha around its visible
// part, when the skin and the manager allow one; the new GlowID.
std::int32_t ShowControlGlow(TSkinCommonData& data, std::uint8_t alpha);

// The frame procedure that fades a glow in or out.
bool GlowFadeFrame(TSkinCommonData& data, std::int32_t iteration);

}  // namespace vorlan::skin
