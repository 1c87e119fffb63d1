// Captions in skin colours, drawn by GDI onto real DIB sections and compared
// with a model built from the glyph's own ink: every copy of the text is the
// ink moved by its offset, painted over the earlier ones in drawing order.
#include <windows.h>

#include <gtest/gtest.h>

#include <cstdint>
#include <string>
#include <vector>

#include "paint/adjust.h"
#include "paint/bitmap_gdi_win.h"
#include "paint/fills.h"
#include "paint/pixel_math.h"
#include "platform/handle_win.h"
#include "skin/controls/core/font_owner.h"
#include "skin/controls/text/skin_text.h"
#include "skin/controls/text/skin_text_alpha.h"
#include "skin/data/skin_commands.h"
#include "skin/data/skin_manager.h"
#include "ui/win_control.h"

namespace vorlan::skin {
namespace {

namespace px = paint::px;

constexpr int kW = 90, kH = 70;
constexpr UINT kCentred = DT_CENTER | DT_VCENTER | DT_SINGLELINE;
constexpr RECT kTextRect{10, 5, 80, 65};
constexpr TColor kPaper = 0x00806040;  // not white, so that a white highlight shows

platform::UniqueFont MakeFont(int height, DWORD quality, int weight = FW_BOLD) {
  return platform::UniqueFont(CreateFontW(-height, 0, 0, 0, weight, FALSE, FALSE, FALSE, DEFAULT_CHARSET,
                                          OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS, quality, DEFAULT_PITCH, L"Tahoma"));
}

paint::TBitmap32 Filled(TColor color, int w = kW, int h = kH) {
  paint::TBitmap32 bmp(w, h);
  paint::FillRect32(bmp, bmp.Bounds(), color, 255);
  return bmp;
}

std::uint32_t Rgb(std::uint32_t pixel) { return pixel & 0x00FFFFFFu; }
std::uint32_t PixelOf(TColor color) { return paint::ColorToPixel(paint::ResolveColor(color)) & 0x00FFFFFFu; }

// Where GDI puts ink for this text: black on white, one plain draw.
std::vector<paint::TPoint> InkOf(HFONT font, std::u16string_view text, RECT rect, UINT format, int w = kW, int h = kH) {
  const paint::TBitmap32 paper = Filled(0xFFFFFF, w, h);
  {
    const paint::TBitmapDC dc(paper);
    SelectObject(dc.get(), font);
    SetBkMode(dc.get(), TRANSPARENT);
    SetTextColor(dc.get(), RGB(0, 0, 0));
    DrawTextW(dc.get(), text, rect, format);
    paint::TBitmapDC::Flush();
  }
  std::vector<paint::TPoint> ink;
  for (int y = 0; y < h; ++y)
    for (int x = 0; x < w; ++x)
      if (Rgb(paper.Pixel(x, y)) != 0xFFFFFF) ink.push_back({x, y});
  return ink;
}

struct Copy {
  int DX, DY;
  TColor Color;
};

paint::TBitmap32 Model(TColor paper, const std::vector<paint::TPoint>& ink, const std::vector<Copy>& copies) {
  paint::TBitmap32 expected = Filled(paper);
  for (const Copy& copy : copies)
    for (const paint::TPoint& p : ink)
      expected.SetPixel(p.X + copy.DX, p.Y + copy.DY, 0xFF000000u | PixelOf(copy.Color));
  return expected;
}

::testing::AssertionResult SamePicture(const paint::TBitmap32& actual, const paint::TBitmap32& expected) {
  int wrong = 0;
  std::string first;
  for (int y = 0; y < actual.Height(); ++y)
    for (int x = 0; x < actual.Width(); ++x)
      if (Rgb(actual.Pixel(x, y)) != Rgb(expected.Pixel(x, y)) && wrong++ == 0) {
        char text[96];
        std::snprintf(text, sizeof text, "first at (%d,%d): %06X, expected %06X", x, y, Rgb(actual.Pixel(x, y)),
                      Rgb(expected.Pixel(x, y)));
        first = text;
      }
  if (wrong == 0) return ::testing::AssertionSuccess();
  return ::testing::AssertionFailure() << wrong << " pixels differ, " << first;
}

// A manager whose skin has the sections the tests name.
class TextSkin {
 public:
  TextSkin() {
    manager.Skin.gd.resize(4);
    manager.Skin.gd[0].ClassName = u"LABELS";
    for (int s = 0; s < 3; ++s) manager.Skin.gd[0].Props[s].FontColor = {0x202020 + s, -1, -1, -1, -1};
    manager.Skin.gd[1].ClassName = u"PANEL";
    manager.Skin.gd[1].Props[0].FontColor = {0x0000C0, -1, -1, -1, -1};
    manager.Skin.gd[2].ClassName = u"CHECKBOX";
    manager.Skin.gd[3].ClassName = u"WEBBUTTON";
    manager.ConstData.Sections[ssCheckBox] = 2;
    manager.ConstData.Sections[ssWebButton] = 3;
  }
  TSkinGenState& State(int index, int state) { return manager.Skin.gd[index].Props[state]; }
  TSkinManager manager;
};

TControlTextSkin SkinnedAs(TSkinManager& manager, std::int32_t index) {
  TControlTextSkin skin;
  skin.Manager = &manager;
  skin.SkinIndex = index;
  return skin;
}

// ---- WriteSkinText: outlines, states, adjustments, disabled looks ----

TEST(SkinTextTest, CaptionCopiesLieAtTheirSidesInDrawingOrder) {
  const auto font = MakeFont(40, NONANTIALIASED_QUALITY);
  const std::u16string text = u"Lk";
  const auto ink = InkOf(font.get(), text, kTextRect, kCentred);
  ASSERT_GT(ink.size(), 50u) << "the font drew no text";

  const TSkinFontColor all{0x202020, 0x0000FF, 0x00FF00, 0xFF0000, 0x00FFFF};
  const TSkinFontColor some{0x404040, 0x0080FF, -1, 0xFF8000, -1};
  const TSkinFontColor none{0x303030, -1, -1, -1, -1};
  const TColor fontColor = 0x00A0FF;
  const TColor highlight = kEmbossHighlight, shadow = kEmbossShadow;
  struct Row {
    const char* why;
    bool skinned, customFont, enabled;
    int state;  // its colours go into state min(state, 2); the others hold decoys
    TSkinFontColor colors;
    TColorAdjustment adjustment;
    std::vector<Copy> copies;
  };
  const std::vector<Row> rows = {
      {"left, top, right, bottom, then the text",
       true,
       false,
       true,
       0,
       all,
       {},
       {{-1, 0, 0x0000FF}, {0, -1, 0x00FF00}, {1, 0, 0xFF0000}, {0, 1, 0x00FFFF}, {0, 0, 0x202020}}},
      {"the hot state's colours; none for -1",
       true,
       false,
       true,
       1,
       some,
       {},
       {{-1, 0, 0x0080FF}, {1, 0, 0xFF8000}, {0, 0, 0x404040}}},
      {"states above 2 take state 2",
       true,
       false,
       true,
       7,
       some,
       {},
       {{-1, 0, 0x0080FF}, {1, 0, 0xFF8000}, {0, 0, 0x404040}}},
      {"no outline colours: the text alone", true, false, true, 2, none, {}, {{0, 0, 0x303030}}},
      {"disabled: the state's text colour without outlines", true, false, false, 1, all, {}, {{0, 0, 0x202020}}},
      {"every colour adjusted: saturation -100 gives each its grey",
       true,
       false,
       true,
       0,
       all,
       {kNoColorTone, 0, -100},
       {{-1, 0, 0x555555}, {0, -1, 0x555555}, {1, 0, 0x555555}, {0, 1, 0xAAAAAA}, {0, 0, 0x202020}}},
      {"custom font: the font's colour", true, true, true, 0, all, {}, {{0, 0, fontColor}}},
      {"unskinned: the font's colour", false, false, true, 1, all, {}, {{0, 0, fontColor}}},
      {"unskinned disabled: embossed", false, false, false, 0, all, {}, {{1, 1, highlight}, {0, 0, shadow}}},
      {"custom font disabled: embossed", true, true, false, 0, all, {}, {{1, 1, highlight}, {0, 0, shadow}}},
  };
  for (const Row& row : rows) {
    SCOPED_TRACE(row.why);
    TextSkin skin;
    for (int s = 0; s < 3; ++s) skin.State(0, s).FontColor = {0x0F0F0F * (s + 1), 0x7F7F7F, 0x7F7F7F, -1, -1};
    skin.State(0, std::min(row.state, 2)).FontColor = row.colors;
    TControlTextSkin data;
    data.Manager = row.skinned ? &skin.manager : nullptr;
    data.SkinIndex = row.skinned ? 0 : -1;
    data.CustomFont = row.customFont;
    data.Adjustment = row.adjustment;
    paint::TBitmap32 bmp = Filled(kPaper);
    {
      const paint::TBitmapDC dc(bmp);
      WriteSkinText({dc.get(), {font.get(), fontColor}}, text, row.enabled, row.state, data, kCentred, kTextRect);
      paint::TBitmapDC::Flush();
    }
    EXPECT_TRUE(SamePicture(bmp, Model(kPaper, ink, row.copies)));
  }
}

TEST(SkinTextTest, TextWithoutOutlinesIsDrawnOnceAndTheCanvasIsLeftAsItWas) {
  // Smoothed edges darken with every draw over them: one draw must match one
  // plain DrawText exactly.
  const auto font = MakeFont(30, ANTIALIASED_QUALITY, FW_NORMAL);
  TextSkin skin;
  skin.State(0, 0).FontColor = {0x000000, -1, -1, -1, -1};
  paint::TBitmap32 ours = Filled(0xFFFFFF), plain = Filled(0xFFFFFF);
  {
    const paint::TBitmapDC dc(ours);
    SetTextColor(dc.get(), RGB(1, 2, 3));
    const auto before = GetCurrentObject(dc.get(), OBJ_FONT);
    WriteSkinText({dc.get(), {font.get(), 0}}, u"So", true, 0, SkinnedAs(skin.manager, 0), kCentred, kTextRect);
    EXPECT_EQ(GetCurrentObject(dc.get(), OBJ_FONT), before);
    EXPECT_EQ(GetTextColor(dc.get()), RGB(1, 2, 3));
    EXPECT_EQ(GetBkMode(dc.get()), OPAQUE);
    const paint::TBitmapDC reference(plain);
    SelectObject(reference.get(), font.get());
    SetBkMode(reference.get(), TRANSPARENT);
    RECT r = kTextRect;
    DrawTextW(reference.get(), u"So", r, kCentred);
    paint::TBitmapDC::Flush();
  }
  int partial = 0;
  for (int y = 0; y < kH; ++y)
    for (int x = 0; x < kW; ++x) partial += Rgb(plain.Pixel(x, y)) != 0xFFFFFF && Rgb(plain.Pixel(x, y)) != 0;
  ASSERT_GT(partial, 0) << "the font must be smoothed for a second draw to show";
  EXPECT_TRUE(SamePicture(ours, plain));
}

// A windowless control that answers scGetFontOwner with a fixed section.
class FontOwnerAnswer {
 public:
  FontOwnerAnswer(ui::TControl& control, std::int32_t answer)
      : link_(control.WindowProc().Add([this, answer](ui::TMessage& m, const ui::TPassOn& pass_on) {
          if (m.Msg == SM_ALPHACMD && (m.WParam >> 16) == scGetFontOwner) {
            auto* query = reinterpret_cast<TFontOwnerQuery*>(m.LParam);
            Asked.push_back(query->R);
            query->SkinIndex = answer;
            m.Result = answer >= 0 ? 1 : 0;
            return;
          }
          pass_on(m);
        })) {}
  std::vector<RECT> Asked;

 private:
  ui::TChainLink link_;
};

TEST(SkinTextTest, TransparentConstantSectionsTakeTheirFontOwnersColourAndWebButtonsUnderlineWhenHot) {
  const auto font = MakeFont(30, NONANTIALIASED_QUALITY);
  const auto ink = InkOf(font.get(), u"ab", kTextRect, kCentred);
  TextSkin skin;
  skin.State(2, 0).FontColor = {0x00FF00, -1, -1, -1, -1};  // the check box's own colour
  ui::TWinControl parent;
  ui::TControl box;
  box.SetBounds(7, 9, 50, 20);
  auto draw = [&](std::int32_t index, int state) {
    paint::TBitmap32 bmp = Filled(kPaper);
    const paint::TBitmapDC dc(bmp);
    TControlTextSkin data = SkinnedAs(skin.manager, index);
    data.Control = &box;
    WriteSkinText({dc.get(), {font.get(), 0}}, u"ab", true, state, data, kCentred, kTextRect);
    paint::TBitmapDC::Flush();
    return bmp;
  };
  {
    FontOwnerAnswer answer(box, 1);
    EXPECT_TRUE(SamePicture(draw(2, 0), Model(kPaper, ink, {{0, 0, 0x00FF00}}))) << "no parent: not asked";
    EXPECT_TRUE(answer.Asked.empty());
    box.SetParent(&parent);
    EXPECT_TRUE(SamePicture(draw(2, 0), Model(kPaper, ink, {{0, 0, 0x0000C0}}))) << "the panel's colour";
    ASSERT_EQ(answer.Asked.size(), 1u);
    EXPECT_EQ(answer.Asked[0].left, 7);
    EXPECT_EQ(answer.Asked[0].top, 9);
    EXPECT_EQ(answer.Asked[0].right, 57);
    EXPECT_TRUE(SamePicture(draw(0, 0), Model(kPaper, ink, {{0, 0, 0x202020}}))) << "a section of its own";
    EXPECT_EQ(answer.Asked.size(), 1u);
  }
  {
    FontOwnerAnswer nobody(box, -1);
    EXPECT_TRUE(SamePicture(draw(2, 0), Model(kPaper, ink, {{0, 0, 0x00FF00}}))) << "no owner answers";
  }
  box.SetParent(nullptr);

  auto inked = [](const paint::TBitmap32& bmp) {
    int count = 0;
    for (int y = 0; y < bmp.Height(); ++y)
      for (int x = 0; x < bmp.Width(); ++x) count += Rgb(bmp.Pixel(x, y)) != PixelOf(kPaper);
    return count;
  };
  const int normal = inked(draw(3, 0));
  EXPECT_GT(inked(draw(3, 1)), normal + 10) << "hot web button: underlined";
  EXPECT_EQ(inked(draw(3, 2)), inked(draw(3, 1)));
  EXPECT_EQ(inked(draw(0, 1)), normal) << "other sections: no underline";
}

// ---- WriteSectionText ----

TEST(SkinTextTest, SectionTextUsesTheStateAsGivenAndMixesDisabledTextIntoTheBackground) {
  const auto font = MakeFont(40, NONANTIALIASED_QUALITY);
  const auto ink = InkOf(font.get(), u"Lk", kTextRect, kCentred);
  TextSkin skin;
  skin.State(1, 0).FontColor = {0x0A64C8, 0x00FF00, -1, -1, -1};
  skin.State(1, 0).Color = 0x503C28;
  skin.State(1, 1).FontColor = {0x111111, -1, -1, -1, 0xFF0000};
  struct Row {
    const char* why;
    bool enabled;
    TSkinManager* manager;
    std::int32_t index;
    int state;
    std::vector<Copy> copies;
  };
  const std::vector<Row> rows = {
      {"enabled, state 1: its outlines and colour", true, &skin.manager, 1, 1, {{0, 1, 0xFF0000}, {0, 0, 0x111111}}},
      // 40 % of (200, 100, 10) over 60 % of (40, 60, 80), truncated.
      {"disabled: 0.4 text over 0.6 background of state 0", false, &skin.manager, 1, 1, {{0, 0, 0x344C68}}},
      {"no section: the font's colour", true, &skin.manager, 9, 0, {{0, 0, 0x00A0FF}}},
      {"no manager: the default one", true, nullptr, 1, 0, {{-1, 0, 0x00FF00}, {0, 0, 0x0A64C8}}},
  };
  ASSERT_EQ(DefaultManager(), &skin.manager);
  for (const Row& row : rows) {
    SCOPED_TRACE(row.why);
    paint::TBitmap32 bmp = Filled(kPaper);
    {
      const paint::TBitmapDC dc(bmp);
      WriteSectionText({dc.get(), {font.get(), 0x00A0FF}}, u"Lk", row.enabled, row.manager, row.state, row.index,
                       kCentred, kTextRect);
      paint::TBitmapDC::Flush();
    }
    EXPECT_TRUE(SamePicture(bmp, Model(kPaper, ink, row.copies)));
  }
}

// ---- DrawTextGlow ----

TEST(SkinTextTest, GlowRendersItsMaskOnceAndReusesAMaskOfTheRightSize) {
  const auto font = MakeFont(20, ANTIALIASED_QUALITY);
  const paint::TRect rect{20, 15, 60, 45};
  const int size = 3;
  const int margin = size + 4;
  const paint::TSize maskSize{rect.Width() + 2 * margin, rect.Height() + 2 * margin};
  const paint::TPoint origin{rect.Left + 1 - margin, rect.Top + 1 - margin};

  TMask8 mask;
  paint::TBitmap32 bmp = Filled(0x000000);
  DrawTextGlow(bmp, font.get(), u"Hi", rect, mask, 0xFFFFFF, size, kGlowAllSides, kCentred);
  ASSERT_EQ(mask.Size(), maskSize) << "the text rectangle grown by size + 4";
  int darkest = 255;
  for (int y = 0; y < mask.Height(); ++y)
    for (int x = 0; x < mask.Width(); ++x) darkest = std::min<int>(darkest, mask.At(x, y));
  EXPECT_LT(darkest, 128) << "the text was rendered into the mask";
  EXPECT_EQ(Rgb(bmp.Pixel(origin.X - 1, origin.Y)), 0u) << "nothing left of the mask";
  EXPECT_GT(Rgb(bmp.Pixel(rect.Left + rect.Width() / 2, rect.Top + rect.Height() / 2)), 0u) << "glow at the text";

  // A mask of the right size is taken as it is: only its marked pixels glow.
  TMask8 marked(maskSize.Width, maskSize.Height);
  marked.Set(5, 7, 0);
  marked.Set(6, 7, 100);
  marked.Set(1, 1, 0);
  const std::uint32_t old = 0x40102030;
  paint::TBitmap32 target(kW, kH);
  for (int y = 0; y < kH; ++y)
    for (int x = 0; x < kW; ++x) target.SetPixel(x, y, old);
  const paint::TRect clip{origin.X + 2, origin.Y + 2, kW, kH};  // leaves out (1, 1)
  DrawTextGlow(target, font.get(), u"WWW", rect, marked, 0x0000FF, size, kGlowLeft, kCentred, clip);
  EXPECT_EQ(marked.Size(), maskSize);
  EXPECT_EQ(marked.At(5, 7), 0);
  EXPECT_EQ(marked.At(6, 7), 100);
  EXPECT_EQ(marked.At(10, 10), 255) << "not rendered again";
  // m = 0: A := 64 + (191 × 255 >> 8), R := 255 × 255 >> 8, G and B 0.
  EXPECT_EQ(target.Pixel(origin.X + 5, origin.Y + 7), 0xFEFE0000u);
  // m = 100, u = 155: A 64 + 115; R (155 × 255 + 100 × 16) >> 8; G 100 × 32 >> 8; B 100 × 48 >> 8.
  EXPECT_EQ(target.Pixel(origin.X + 6, origin.Y + 7), 0xB3A00C12u);
  EXPECT_EQ(target.Pixel(origin.X + 1, origin.Y + 1), old) << "outside the clip";
  int changed = 0;
  for (int y = 0; y < kH; ++y)
    for (int x = 0; x < kW; ++x) changed += target.Pixel(x, y) != old;
  EXPECT_EQ(changed, 2);

  // A mask of another size is rendered anew.
  TMask8 stale(maskSize.Width + 1, maskSize.Height);
  DrawTextGlow(target, font.get(), u"Hi", rect, stale, 0x0000FF, size, kGlowAllSides, kCentred);
  EXPECT_EQ(stale.Size(), maskSize);
  for (int y = 0; y < mask.Height(); ++y)
    for (int x = 0; x < mask.Width(); ++x) ASSERT_EQ(stale.At(x, y), mask.At(x, y)) << x << "," << y;
}

TEST(SkinTextTest, CaptionGlowGoesIntoTheCacheInsideTheTextRectangle) {
  const auto font = MakeFont(20, ANTIALIASED_QUALITY);
  TextSkin skin;
  skin.State(0, 1).GlowSize = 4;
  skin.State(0, 1).GlowColor = 0x0000FF;
  skin.State(0, 1).FontColor = {0xFFFFFF, -1, -1, -1, -1};
  paint::TBitmap32 cache = Filled(0x000000);
  TControlTextSkin data = SkinnedAs(skin.manager, 0);
  data.CacheBmp = &cache;
  const RECT rect{34, 24, 56, 46};  // tight: the halo would spill over
  auto redOutside = [&] {
    for (int y = 0; y < kH; ++y)
      for (int x = 0; x < kW; ++x) {
        const bool inside = x >= rect.left && x < rect.right && y >= rect.top && y < rect.bottom;
        if (!inside && Rgb(cache.Pixel(x, y)) != 0) return true;
      }
    return false;
  };
  auto reddest = [&] {
    int red = 0;
    for (int y = 0; y < kH; ++y)
      for (int x = 0; x < kW; ++x) red = std::max(red, px::Red(cache.Pixel(x, y)) - px::Blue(cache.Pixel(x, y)));
    return red;
  };
  {
    const paint::TBitmapDC dc(cache);
    WriteSkinText({dc.get(), {font.get(), 0}}, u"Hi", true, 0, data, kCentred, rect);
    paint::TBitmapDC::Flush();
    EXPECT_EQ(reddest(), 0) << "state 0 has no glow";
    WriteSkinText({dc.get(), {font.get(), 0}}, u"Hi", true, 1, data, kCentred, rect);
    paint::TBitmapDC::Flush();
  }
  EXPECT_GT(reddest(), 40) << "a red halo around the white text";
  EXPECT_FALSE(redOutside());
  int redOnEdge = 0;
  for (int x = rect.left; x < rect.right; ++x) redOnEdge += px::Red(cache.Pixel(x, rect.top)) > 0;
  EXPECT_GT(redOnEdge, 0) << "the halo reaches the rectangle's edge";
}

// ---- WriteTextAlpha / WriteSectionTextAlpha ----

// The merge a coverage pixel t asks for, written out per channel.
std::uint32_t Merged(std::uint32_t d, std::uint32_t t, bool keepAlpha, std::uint32_t c) {
  if (t == 0x00FFFFFF || t == 0xFFFFFFFF) return d;
  const int h = (px::Red(t) + px::Green(t) + px::Blue(t)) / 3;
  const int a = keepAlpha ? std::max(px::Alpha(d), 255 - h) : 255;
  std::uint32_t out = static_cast<std::uint32_t>(a) << 24;
  for (int shift : {0, 8, 16}) {
    const int ch = px::Channel(d, shift), cc = px::Channel(c, shift);
    const int v =
        keepAlpha ? (((ch - cc) * h + cc * 256) * a) >> 16 : ((ch - cc) * px::Channel(t, shift) + cc * 256) >> 8;
    out |= static_cast<std::uint32_t>(v) << shift;
  }
  return out;
}

TEST(SkinTextTest, TextAlphaMergesTheRenderedCoverageWithAndWithoutKeepingAlpha) {
  const auto font = MakeFont(30, ANTIALIASED_QUALITY);
  const std::uint32_t old = 0x80102030;
  const TColor color = 0x3264C8;           // R 200, G 100, B 50
  const paint::TRect rect{-6, 4, 50, 44};  // starts left of the picture
  const paint::TBitmap32 coverage = Filled(0xFFFFFF, rect.Width(), rect.Height());
  {
    const paint::TBitmapDC dc(coverage);
    SelectObject(dc.get(), font.get());
    SetBkMode(dc.get(), TRANSPARENT);
    RECT r{0, 0, rect.Width(), rect.Height()};
    DrawTextW(dc.get(), u"Wg", r, kCentred);
    paint::TBitmapDC::Flush();
  }
  for (bool keep : {true, false}) {
    SCOPED_TRACE(keep ? "keeping alpha" : "opaque");
    paint::TBitmap32 bmp(44, 40);
    for (int y = 0; y < 40; ++y)
      for (int x = 0; x < 44; ++x) bmp.SetPixel(x, y, old);
    WriteTextAlpha(bmp, font.get(), u"Wg", keep, color, kCentred, rect);
    int solid = 0, partial = 0, wrong = 0;
    for (int y = 0; y < 40; ++y)
      for (int x = 0; x < 44; ++x) {
        const std::uint32_t t = coverage.Pixel(x - rect.Left, y - rect.Top);
        const bool inside = y >= rect.Top && y < rect.Bottom;
        const std::uint32_t expected = inside ? Merged(old, t, keep, PixelOf(color)) : old;
        wrong += bmp.Pixel(x, y) != expected;
        if (inside && Rgb(t) == 0) {
          ++solid;
          // Solid ink: keeping alpha, (cc × 256) × 255 >> 16 under alpha 255; else the colour itself.
          EXPECT_EQ(bmp.Pixel(x, y), keep ? 0xFFC76331u : 0xFFC86432u);
        } else if (inside && Rgb(t) != 0xFFFFFF) {
          ++partial;
        }
      }
    EXPECT_EQ(wrong, 0);
    EXPECT_GT(solid, 0);
    EXPECT_GT(partial, 0) << "smoothed edges give partial coverage";
  }
}

TEST(SkinTextTest, SectionTextAlphaDrawsOutlinesKeepingAlphaThenTheMainColour) {
  const auto font = MakeFont(24, ANTIALIASED_QUALITY);
  TextSkin skin;
  skin.State(0, 2).FontColor = {0x0000FF, -1, 0x00FF00, -1, 0xFF0000};
  const paint::TRect rect{5, 5, 75, 60};
  auto fresh = [] {
    paint::TBitmap32 bmp(kW, kH);
    for (int y = 0; y < kH; ++y)
      for (int x = 0; x < kW; ++x) bmp.SetPixel(x, y, 0x00000000);
    return bmp;
  };
  for (bool outlines : {true, false}) {
    SCOPED_TRACE(outlines ? "with outlines" : "without");
    paint::TBitmap32 ours = fresh(), steps = fresh();
    WriteSectionTextAlpha(ours, {font.get(), 0}, u"Ab", outlines, &skin.manager, 2, 0, kCentred, rect);
    if (outlines) {
      WriteTextAlpha(steps, font.get(), u"Ab", true, 0x00FF00, kCentred, {5, 4, 75, 59});
      WriteTextAlpha(steps, font.get(), u"Ab", true, 0xFF0000, kCentred, {5, 6, 75, 61});
    }
    WriteTextAlpha(steps, font.get(), u"Ab", outlines, 0x0000FF, kCentred, rect);
    int opaque = 0;
    for (int y = 0; y < kH; ++y)
      for (int x = 0; x < kW; ++x) opaque += px::Alpha(ours.Pixel(x, y)) == 255;
    EXPECT_GT(opaque, 0);
    for (int y = 0; y < kH; ++y)
      for (int x = 0; x < kW; ++x) ASSERT_EQ(ours.Pixel(x, y), steps.Pixel(x, y)) << x << "," << y;
  }
  paint::TBitmap32 untouched = fresh();
  WriteSectionTextAlpha(untouched, {font.get(), 0}, u"", true, &skin.manager, 0, 0, kCentred, rect);
  WriteSectionTextAlpha(untouched, {font.get(), 0}, u"Ab", true, &skin.manager, 0, 0, kCentred, {5, 5, 5, 60});
  for (int y = 0; y < kH; ++y)
    for (int x = 0; x < kW; ++x) ASSERT_EQ(untouched.Pixel(x, y), 0u);
}

// ---- measuring and colours ----

TEST(SkinTextTest, MeasureTextWrapsInTheGivenWidthOrGivesTheOneLineExtent) {
  const auto font = MakeFont(16, ANTIALIASED_QUALITY, FW_NORMAL);
  const std::u16string text = u"one two three four";
  const SIZE line = MeasureText(font.get(), text, 0, 0, false);
  {
    const platform::WindowDc screen(nullptr);
    const platform::SelectGuard select(screen.get(), font.get());
    SIZE expected{};
    GetTextExtentPoint32W(screen.get(), L"one two three four", 18, &expected);
    EXPECT_EQ(line.cx, expected.cx);
    EXPECT_EQ(line.cy, expected.cy);
  }
  const SIZE wrapped = MeasureText(font.get(), text, DT_LEFT, line.cx / 2, true);
  EXPECT_LE(wrapped.cx, line.cx / 2);
  EXPECT_GE(wrapped.cy, 2 * line.cy) << "two lines or more";
  const SIZE wide = MeasureText(font.get(), text, DT_LEFT, line.cx + 50, true);
  EXPECT_EQ(wide.cy, line.cy);
  // The canvas form draws in the canvas's font and colour and leaves the DC as it was.
  paint::TBitmap32 bmp = Filled(0xFFFFFF);
  {
    const paint::TBitmapDC dc(bmp);
    const auto before = GetCurrentObject(dc.get(), OBJ_FONT);
    SetBkMode(dc.get(), TRANSPARENT);
    RECT r{0, 0, kW, kH};
    EXPECT_EQ(DrawTextW(TTextCanvas{dc.get(), {font.get(), 0x0000FF}}, u"one", r, DT_CALCRECT), line.cy);
    EXPECT_EQ(r.right, MeasureText(font.get(), u"one", 0, 0, false).cx);
    r = {0, 0, kW, kH};
    DrawTextW(TTextCanvas{dc.get(), {font.get(), 0x0000FF}}, u"one", r, DT_LEFT);
    EXPECT_EQ(GetCurrentObject(dc.get(), OBJ_FONT), before);
    EXPECT_EQ(GetTextColor(dc.get()), RGB(0, 0, 0));
    paint::TBitmapDC::Flush();
  }
  int red = 0;
  for (int y = 0; y < kH; ++y)
    for (int x = 0; x < kW; ++x) red += Rgb(bmp.Pixel(x, y)) == 0xFF0000;
  EXPECT_GT(red, 0);
  for (bool wrap : {false, true}) {
    const SIZE empty = MeasureText(font.get(), u"", 0, 100, wrap);
    EXPECT_EQ(empty.cx, 0);
    EXPECT_EQ(empty.cy, 0);
  }
}

TEST(SkinTextTest, SkinColoursAreTonedThenHueShiftedThenSaturated) {
  EXPECT_EQ(SaturationAmount(100), 255);
  EXPECT_EQ(SaturationAmount(150), 255) << "limited";
  EXPECT_EQ(SaturationAmount(-30), -76) << "-76.5 truncated toward zero";
  EXPECT_EQ(SaturationAmount(-1000), -255);
  EXPECT_EQ(SaturationAmount(1), 2);
  struct Row {
    const char* why;
    TColor color;
    TColorAdjustment adjustment;
    TColor expected;
  };
  const Row rows[] = {
      {"nothing to do", 0x123456, {}, 0x123456},
      {"a system colour is resolved",
       paint::SystemColorOf(COLOR_BTNFACE),
       {},
       static_cast<TColor>(GetSysColor(COLOR_BTNFACE))},
      {"tone: its channels scaled by the brightest channel", 0x000080, {0x4080FF, 0, 0}, 0x20407F},
      {"tone before saturation: the tone's grey", 0x0000FF, {0x0000FF, 0, -100}, 0x545454},
      {"hue 120 turns red into green", 0x0000FF, {kNoColorTone, 120, 0}, 0x00FF00},
      {"hue before saturation (the other order gives F94200)", 0x0064C8, {kNoColorTone, 200, 50}, 0xFF0C00},
      {"saturation 100 pushes away from grey", 0x606090, {kNoColorTone, 0, 100}, 0x5050B0},
  };
  for (const Row& row : rows) {
    SCOPED_TRACE(row.why);
    EXPECT_EQ(AdjustSkinColor(row.color, row.adjustment), row.expected);
  }
}

}  // namespace
}  // namespace vorlan::skin
