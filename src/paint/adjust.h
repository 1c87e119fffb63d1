#pragma once

#include <cstdint>

#include "paint/bitmap32.h"
#include "paint/colors.h"
#include "paint/geometry.h"

// Colour adjustments of single pixel words (B, G, R changed, alpha kept)
// and the drivers that apply them to bitmaps.
namespace vorlan::paint {

// Each channel clamp(ch + d, 0, 255).
uint32_t AdjustBrightness(uint32_t p, int d);
// g = (R + G + B) div 3; each channel clamp(ch − a × (g − ch) div 255, 0, 255).
uint32_t AdjustSaturation(uint32_t p, int a);
// Hue rotated by deg degrees through hue/saturation/value; grey pixels stay.
uint32_t AdjustHue(uint32_t p, int deg);
// v = the largest channel; each channel = tone channel × v >> 8 (tone is a colour 0x00BBGGRR).
uint32_t ToneColor(uint32_t p, TColor tone);
// Every channel := (R + G + B) div 3.
uint32_t GreyColor(uint32_t p);
// A := 255.
constexpr uint32_t OpaqueColor(uint32_t p) { return p | 0xFF000000u; }

enum class TPixelAdjustment { Brightness, Saturation, Hue, Tone, Grey, Opaque };

struct TAdjustment {
  TPixelAdjustment Kind = TPixelAdjustment::Opaque;
  int32_t Value = 0;  // d, a, deg, or the tone colour
};

uint32_t ApplyAdjustment(uint32_t p, const TAdjustment& adjustment);

// Applies the adjustment to every pixel of bmp, or to every pixel whose word
// differs from ColorToPixel(except) when except is not kNoColor.
void AdjustBitmap(TBitmap32& bmp, const TAdjustment& adjustment, TColor except = kNoColor);

// Grey picture: every pixel, or every pixel but the key colour.
void GreyBitmap(TBitmap32& bmp, bool spareKey);

// Every pixel except the key colour: each of B, G, R becomes
// trunc(k × (ch − c) + c).
void TintBitmap(TBitmap32& bmp, TColor colour, double k);

// Premultiplication for per-pixel-alpha windows over rect: 0x00FFFFFF
// becomes 0, other pixels get B, G, R := ch × A >> 8.
void PremultiplyRect(TBitmap32& bmp, const TRect& rect);
// Only turns 0x00FFFFFF pixels into 0, over the whole bitmap.
void ClearEmptyPixels(TBitmap32& bmp);

}  // namespace vorlan::paint
