#include "skin/data/skin_adjust.h"

#include <algorithm>
#include <functional>
#include <string_view>
#include <vector>

#include "paint/adjust.h"
#include "paint/bitmap32.h"
#include "paint/colors.h"
#include "skin/data/skin_images.h"

namespace vorlan::skin {

namespace {

using paint::TAdjustment;
using paint::TPixelAdjustment;

constexpr double kPremultipliedVersion = 7.45;
constexpr std::u16string_view kGlobalInfo = u"GLOBALINFO";

// The global colours that follow the skin's adjustments.
constexpr TSkPaletteColors kAdjustedPalette[] = {pcMainColor,
                                                 pcLabelText,
                                                 pcWebText,
                                                 pcEditText,
                                                 pcEditBG,
                                                 pcSelectionBG,
                                                 pcSelectionText,
                                                 pcSelectionBG_Focused,
                                                 pcSelectionText_Focused,
                                                 pcEditBG_Inverted,
                                                 pcEditText_Inverted,
                                                 pcEditBG_OddRow,
                                                 pcEditBG_EvenRow,
                                                 pcBorder};

TColor AdjustColor(TColor color, const TAdjustment& adjustment) {
  // Colour and pixel words differ only in the order of red and blue.
  const uint32_t word = paint::ColorToPixel(color);
  return static_cast<TColor>(paint::ColorToPixel(static_cast<TColor>(paint::ApplyAdjustment(word, adjustment))));
}

// Every distinct image of the skin other than the master bitmap.
std::vector<SkinBitmap*> ExternalImages(const TLoadedSkin& skin) {
  std::vector<SkinBitmap*> images;
  const auto add = [&](const SkinBitmapPtr& bmp) {
    if (bmp && std::find(images.begin(), images.end(), bmp.get()) == images.end()) images.push_back(bmp.get());
  };
  for (const TSkExtFileData& ext : skin.ExtArray) add(ext.Bmp);
  for (const TSkinMaskData& mask : skin.ma) add(mask.Bmp);
  return images;
}

void ForEachStateColor(TLoadedSkin& skin, bool gradientsOnlyWhenUsed, const std::function<TColor(TColor)>& change) {
  for (TSkinGeneralData& section : skin.gd) {
    for (TSkinGenState& state : section.Props) {
      if (!gradientsOnlyWhenUsed || state.GradientPercent > 0) {
        for (TSkinGradPie& piece : state.GradientArray) {
          piece.Color1 = change(piece.Color1);
          piece.Color2 = change(piece.Color2);
        }
      }
      for (TColor* color : {&state.Color, &state.GlowColor, &state.FontColor.Color, &state.FontColor.Left,
                            &state.FontColor.Top, &state.FontColor.Right, &state.FontColor.Bottom}) {
        if (*color != kColorNone) *color = change(*color);
      }
    }
  }
}

void AdjustSkinWideColors(TLoadedSkin& skin, const std::function<TColor(TColor)>& change) {
  skin.CommonSkinData.Shadow1Color = change(skin.CommonSkinData.Shadow1Color);
  for (TSkPaletteColors entry : kAdjustedPalette) skin.Palette[entry] = change(skin.Palette[entry]);
}

// Copies the rows and columns of `rect` from `from` into `to` (same sizes).
void RestoreRect(SkinBitmap& to, const SkinBitmap& from, TRect rect) {
  rect.Left = std::max(rect.Left, 0);
  rect.Top = std::max(rect.Top, 0);
  rect.Right = std::min(rect.Right, to.Width());
  rect.Bottom = std::min(rect.Bottom, to.Height());
  for (std::int32_t y = rect.Top; y < rect.Bottom; ++y) {
    std::copy(from.Row(y) + rect.Left, from.Row(y) + rect.Right, to.Row(y) + rect.Left);
  }
}

void RotateHueOfSkin(TLoadedSkin& skin, std::int32_t degrees) {
  const TAdjustment hue{TPixelAdjustment::Hue, degrees};
  // Title-button glyphs that keep their colours.
  std::vector<std::u16string_view> kept = {u"BICONCLOSE", u"BICLOSEALONE", u"SICONCLOSE"};
  if (skin.CommonSkinData.BIKeepHUE == 1) {
    kept.insert(kept.end(),
                {u"BICONMAX", u"BICONMIN", u"BICONNORM", u"BICONHELP", u"SICONMAX", u"SICONMIN", u"SICONNORM"});
  }
  std::vector<TRect> keptRects;
  std::vector<const SkinBitmap*> keptImages;
  if (skin.CommonSkinData.BIKeepHUE >= 1) {
    for (std::u16string_view name : kept) {
      const std::int32_t index = skin.GetMaskIndex(kGlobalInfo, name);
      if (index < 0) continue;
      const TSkinMaskData& mask = skin.ma[index];
      if (mask.Bmp) {
        keptImages.push_back(mask.Bmp.get());
        const std::int32_t glow = skin.GetMaskIndex(kGlobalInfo, std::u16string(name) + u"GLOW0");
        if (glow >= 0 && skin.ma[glow].Bmp) keptImages.push_back(skin.ma[glow].Bmp.get());
      } else {
        keptRects.push_back(mask.R);
      }
    }
  }
  if (skin.MasterBitmap && !skin.MasterBitmap->Empty()) {
    if (keptRects.empty()) {
      paint::AdjustBitmap(*skin.MasterBitmap, hue, paint::kKeyColor);
    } else {
      const paint::TBitmap32 original = skin.MasterBitmap->Clone();
      paint::AdjustBitmap(*skin.MasterBitmap, hue, paint::kKeyColor);
      for (const TRect& rect : keptRects) RestoreRect(*skin.MasterBitmap, original, rect);
    }
  }
  for (SkinBitmap* image : ExternalImages(skin)) {
    if (std::find(keptImages.begin(), keptImages.end(), image) == keptImages.end()) {
      paint::AdjustBitmap(*image, hue, paint::kKeyColor);
    }
  }
  const auto change = [&](TColor c) { return AdjustColor(c, hue); };
  ForEachStateColor(skin, true, change);
  AdjustSkinWideColors(skin, change);
}

void ChangeSaturationOfSkin(TLoadedSkin& skin, std::int32_t percent) {
  const TAdjustment saturation{TPixelAdjustment::Saturation, SaturationFactor(percent)};
  if (skin.MasterBitmap) paint::AdjustBitmap(*skin.MasterBitmap, saturation, paint::kKeyColor);
  for (SkinBitmap* image : ExternalImages(skin)) paint::AdjustBitmap(*image, saturation, paint::kKeyColor);
  const auto change = [&](TColor c) { return AdjustColor(c, saturation); };
  ForEachStateColor(skin, false, change);
  AdjustSkinWideColors(skin, change);
}

// The number of mask rows the skin's entries give an image (0 for none).
std::int16_t MaskTypeOfImage(const TLoadedSkin& skin, const SkinBitmap* image) {
  for (const TSkinMaskData& mask : skin.ma) {
    if (mask.Bmp.get() == image) return mask.MaskType;
  }
  return 0;
}

bool IsPngImage(const TLoadedSkin& skin, const SkinBitmap* image) {
  for (const TSkExtFileData& ext : skin.ExtArray) {
    if (ext.Bmp.get() == image) return ImageFormatOfName(ext.FileName) == SkinImageFormat::Png;
  }
  return false;
}

void ChangeBrightnessOfSkin(TLoadedSkin& skin, std::int32_t amount) {
  const TAdjustment brightness{TPixelAdjustment::Brightness, amount};
  if (skin.MasterBitmap && !skin.MasterBitmap->Empty()) {
    // Mask rows hold blending weights, not colours: they keep their pixels.
    const paint::TBitmap32 original = skin.MasterBitmap->Clone();
    paint::AdjustBitmap(*skin.MasterBitmap, brightness, paint::kKeyColor);
    for (const TSkinMaskData& mask : skin.ma) {
      if (mask.Bmp || mask.MaskType != 1) continue;
      RestoreRect(*skin.MasterBitmap, original,
                  {mask.R.Left, mask.R.Top + FrameHeight(mask), mask.R.Right, mask.R.Bottom});
    }
  }
  for (SkinBitmap* image : ExternalImages(skin)) {
    if (image->Empty()) continue;
    if (MaskTypeOfImage(skin, image) != 0) {
      const paint::TBitmap32 original = image->Clone();
      paint::AdjustBitmap(*image, brightness, paint::kKeyColor);
      RestoreRect(*image, original, {0, image->Height() / 2, image->Width(), image->Height()});
      continue;
    }
    paint::AdjustBitmap(*image, brightness, paint::kKeyColor);
    if (amount <= 0) continue;
    if (skin.CommonSkinData.Version < kPremultipliedVersion) {
      paint::ClearEmptyPixels(*image);
    } else if (IsPngImage(skin, image)) {
      // Loading left PNG images straight while the brightness was positive.
      paint::PremultiplyRect(*image, image->Bounds());
    }
  }
  ForEachStateColor(skin, false, [&](TColor c) { return AdjustColor(c, brightness); });
}

}  // namespace

std::int32_t SaturationFactor(std::int32_t percent) {
  return std::clamp(static_cast<std::int32_t>(static_cast<std::int64_t>(percent) * 255 / 100), -255, 255);
}

TColor RotateHue(TColor color, std::int32_t degrees) { return AdjustColor(color, {TPixelAdjustment::Hue, degrees}); }
TColor ChangeSaturation(TColor color, std::int32_t percent) {
  return AdjustColor(color, {TPixelAdjustment::Saturation, SaturationFactor(percent)});
}
TColor ChangeBrightness(TColor color, std::int32_t amount) {
  return AdjustColor(color, {TPixelAdjustment::Brightness, amount});
}

void AdjustSkinColors(TLoadedSkin& skin, const TSkinAdjustments& a) {
  if (a.HueOffset != 0) RotateHueOfSkin(skin, a.HueOffset);
  if (a.Saturation != 0) ChangeSaturationOfSkin(skin, a.Saturation);
  if (a.Brightness != 0) ChangeBrightnessOfSkin(skin, a.Brightness);
}

}  // namespace vorlan::skin
