#pragma once

#include <windows.h>

#include <cstdint>

#include "paint/bitmap32.h"

// Shadow frames that controls with an outer effect draw around themselves
// onto their parent's picture. The parent asks each child in turn (skin
// command scPaintOuterEffect with the address of a TSkOuterRequest).
namespace vorlan::skin {

class TSkinCommonData;

struct TSkOuterRequest {
  paint::TBitmap32* Bmp = nullptr;  // the parent's picture (borrowed)
  POINT Offset{};                   // where the parent's client origin lies in Bmp
};

// Flag of DrawOuterEffect: the parent's picture already holds this control's
// frame; the pixels saved under it last time are put back first.
inline constexpr std::uint32_t kOuterRedraw = 0x100;

// Draws the control's frame into the request's picture when the control is
// skinned, its OuterEffects are visible and its section has an effect. The
// pixels under the frame are kept in FOuterCache.
void DrawOuterEffect(TSkinCommonData& data, TSkOuterRequest& request, std::uint32_t flags);

}  // namespace vorlan::skin
