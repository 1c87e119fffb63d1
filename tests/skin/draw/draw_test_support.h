#pragma once

#include <gtest/gtest.h>

#include <cstdint>
#include <memory>
#include <string>

#include "paint/bitmap32.h"
#include "paint/geometry.h"
#include "skin/data/loaded_skin.h"

// Small hand-made skins and canvases for the painting tests.
namespace vorlan::skin::test {

// A word no painter produces by chance: canvases start with it so that every
// pixel a painter touched shows.
inline constexpr std::uint32_t kSentinel = 0x5A3C1E0Fu;

inline paint::TBitmap32 Canvas(std::int32_t w, std::int32_t h, std::uint32_t word = kSentinel) {
  paint::TBitmap32 bmp(w, h, paint::TRowOrder::TopDown);
  for (std::int32_t y = 0; y < h; ++y)
    for (std::int32_t x = 0; x < w; ++x) bmp.Row(y)[x] = word;
  return bmp;
}

// Every pixel outside r still holds `word`.
inline ::testing::AssertionResult UntouchedOutside(const paint::TBitmap32& bmp, const paint::TRect& r,
                                                   std::uint32_t word = kSentinel) {
  for (std::int32_t y = 0; y < bmp.Height(); ++y)
    for (std::int32_t x = 0; x < bmp.Width(); ++x) {
      const bool inside = x >= r.Left && x < r.Right && y >= r.Top && y < r.Bottom;
      if (!inside && bmp.Row(y)[x] != word)
        return ::testing::AssertionFailure() << "pixel (" << x << "," << y << ") outside the rectangle changed";
    }
  return ::testing::AssertionSuccess();
}

// Every pixel of r equals `word`.
inline ::testing::AssertionResult AllInside(const paint::TBitmap32& bmp, const paint::TRect& r, std::uint32_t word) {
  for (std::int32_t y = r.Top; y < r.Bottom; ++y)
    for (std::int32_t x = r.Left; x < r.Right; ++x)
      if (bmp.Row(y)[x] != word)
        return ::testing::AssertionFailure()
               << "pixel (" << x << "," << y << ") is " << std::hex << bmp.Row(y)[x] << ", not " << word;
  return ::testing::AssertionSuccess();
}

// A skin whose master bitmap is `master` wide and high, filled with `word`.
class SkinBuilder {
 public:
  SkinBuilder(std::int32_t w = 64, std::int32_t h = 64, std::uint32_t word = 0xFF000000u) {
    skin_.MasterBitmap = std::make_shared<paint::TBitmap32>(Canvas(w, h, word));
  }
  paint::TBitmap32& Master() { return *skin_.MasterBitmap; }
  void Put(std::int32_t x, std::int32_t y, std::uint32_t word) { Master().Row(y)[x] = word; }
  void Fill(const paint::TRect& r, std::uint32_t word) {
    for (std::int32_t y = r.Top; y < r.Bottom; ++y)
      for (std::int32_t x = r.Left; x < r.Right; ++x) Put(x, y, word);
  }

  // A section with one colour in every state; its skin index.
  std::int32_t Section(std::u16string name, TColor colour, std::int32_t states = 3) {
    TSkinGeneralData s;
    s.ClassName = std::move(name);
    s.States = states;
    for (TSkinGenState& p : s.Props) p.Color = colour;
    skin_.gd.push_back(s);
    return static_cast<std::int32_t>(skin_.gd.size() - 1);
  }
  TSkinGeneralData& At(std::int32_t index) { return skin_.gd[static_cast<std::size_t>(index)]; }

  // An image entry over r of the master bitmap; its mask index.
  std::int32_t Image(const paint::TRect& r, std::int16_t count = 1, std::int16_t maskType = 0,
                     std::int16_t drawMode = 0) {
    TSkinMaskData m;
    m.R = r;
    m.ImageCount = count;
    m.MaskType = maskType;
    m.DrawMode = drawMode;
    skin_.ma.push_back(m);
    return static_cast<std::int32_t>(skin_.ma.size() - 1);
  }
  TSkinMaskData& Mask(std::int32_t index) { return skin_.ma[static_cast<std::size_t>(index)]; }
  std::int32_t Border(const paint::TRect& r, std::int16_t count, std::int16_t maskType, std::int16_t drawMode,
                      std::int16_t wl, std::int16_t wt, std::int16_t wr, std::int16_t wb) {
    const std::int32_t i = Image(r, count, maskType, drawMode);
    Mask(i).WL = wl;
    Mask(i).WT = wt;
    Mask(i).WR = wr;
    Mask(i).WB = wb;
    return i;
  }

  const TLoadedSkin& Skin() const { return skin_; }
  TLoadedSkin& Edit() { return skin_; }

 private:
  TLoadedSkin skin_;
};

// Pixel words of colours 0x00BBGGRR with alpha 255.
constexpr std::uint32_t Opaque(TColor c) {
  const auto v = static_cast<std::uint32_t>(c);
  return 0xFF000000u | (v & 0xFF) << 16 | (v & 0xFF00) | (v >> 16 & 0xFF);
}

}  // namespace vorlan::skin::test
