#include <windows.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>

#include "paint/bitmap_gdi_win.h"
#include "skin/controls/skin_provider_fixture.h"
#include "skin/data/skin_commands.h"
#include "skin/draw/image_entry.h"
#include "skin/draw/section.h"
#include "ui/application.h"
#include "ui/panel.h"

namespace vorlan::skin {
namespace {

using test::ColorRgb;
using test::ProviderFixture;
using test::PumpMessages;
using test::Rgb;

constexpr std::uint32_t kSentinel = 0x00123456u;

// A top-down 32-bit picture with a memory DC, filled with the sentinel.
struct DcPicture {
  explicit DcPicture(int w, int h) : bmp(w, h), dc(CreateCompatibleDC(nullptr)), select(dc.get(), bmp.NativeHandle()) {
    for (int y = 0; y < h; ++y) std::fill_n(bmp.Row(y), w, kSentinel);
  }
  std::uint32_t At(int x, int y) {
    GdiFlush();
    return bmp.Row(y)[x];
  }
  paint::TBitmap32 bmp;
  platform::UniqueMemoryDc dc;
  platform::SelectGuard select;
};

POINT ClientOriginInWindow(HWND window) {
  RECT outer{};
  GetWindowRect(window, &outer);
  POINT origin{0, 0};
  ClientToScreen(window, &origin);
  return POINT{origin.x - outer.left, origin.y - outer.top};
}

TEST(SkinProvider, FrameGeometryIsTheSystemsNonClientAreaOfTheMainWindowStyle) {
  ProviderFixture f;
  RECT outer{}, client{};
  GetWindowRect(f.Window(), &outer);
  GetClientRect(f.Window(), &client);
  // The constraints fix the outer size; the client is what the system's
  // frame leaves of it (266 × 242 with an 8-pixel frame and a 22-pixel caption).
  ASSERT_EQ(outer.right - outer.left, 282);
  ASSERT_EQ(outer.bottom - outer.top, 280);
  const TFrameGeometry g = f.Provider().Geometry();
  const POINT origin = ClientOriginInWindow(f.Window());
  EXPECT_EQ(g.OffsetX, origin.x) << "the client origin is where the system put it";
  EXPECT_EQ(g.OffsetY, origin.y);
  EXPECT_EQ(g.B, GetSystemMetrics(SM_CXFRAME) + GetSystemMetrics(SM_CXPADDEDBORDER));
  EXPECT_EQ(g.CH, GetSystemMetrics(SM_CYCAPTION));
  EXPECT_EQ(g.HeaderHeight, origin.y);
  EXPECT_EQ(g.B, 282 - client.right - origin.x) << "the frame is as wide on the right as the metrics say";
  EXPECT_EQ(g.B, 280 - client.bottom - origin.y) << "and as high at the bottom";
  EXPECT_EQ(f.Provider().SkinData().SkinIndex, f.Manager().GetSkinIndex(u"FORM"));
  EXPECT_FALSE(GetWindowLongPtrW(f.Window(), GWL_STYLE) & WS_SYSMENU)
      << "the system menu style goes, so the system draws no title buttons";
  EXPECT_EQ(f.Form().Color(), f.Manager().GetGlobalColor());

  // The title content of the skin's button and icon geometry.
  f.Provider().CalcItems();
  const RECT close = f.Provider().ButtonClose.Rect;
  EXPECT_EQ(close.right, g.W - 2 - std::max(4, g.B));
  EXPECT_EQ(close.right - close.left, 35) << "BICLOSEALONE has three frames of 35 pixels";
  EXPECT_EQ(close.top, 0);
  EXPECT_EQ(close.bottom, 23);
  EXPECT_EQ(f.Provider().FIconRect.left, g.B + 2);
  EXPECT_EQ(f.Provider().TitleBtnsWidth, 37);
}

TEST(SkinProvider, FramePaintsExactlyTheNonClientStripsFromTheCache) {
  ProviderFixture f;
  f.Form().Show();
  PumpMessages();
  ASSERT_NE(f.Cache(), nullptr);
  const paint::TBitmap32& cache = *f.Cache();
  ASSERT_EQ(cache.Width(), 282);
  ASSERT_EQ(cache.Height(), 280);
  DcPicture window(282, 280);
  f.Provider().PaintFrameStrips(window.dc.get());
  const TFrameGeometry g = f.Provider().Geometry();
  RECT area{};
  GetClientRect(f.Window(), &area);
  int frame = 0;
  for (int y = 0; y < 280; ++y)
    for (int x = 0; x < 282; ++x) {
      const bool client = x >= g.OffsetX && x < g.OffsetX + area.right && y >= g.OffsetY && y < g.OffsetY + area.bottom;
      if (client) {
        ASSERT_EQ(window.At(x, y), kSentinel) << "client pixel " << x << "," << y << " touched";
      } else {
        ASSERT_EQ(Rgb(window.At(x, y)), Rgb(cache.Row(y)[x])) << "frame pixel " << x << "," << y;
        ++frame;
      }
    }
  EXPECT_EQ(frame, 282 * 280 - area.right * area.bottom);
  EXPECT_TRUE(f.Passed(WM_NCPAINT).empty()) << "the system never drew its own frame";
}

TEST(SkinProvider, TheWindowHasTheSkinsShapeAsItsRegion) {
  struct Row {
    bool keyCorner;
    const char* why;
  };
  const Row rows[] = {
      {false, "no key-colour corner: the full rectangle, set all the same"},
      {true, "a key-colour corner pixel: cut out of the region"},
  };
  for (const Row& r : rows) {
    ProviderFixture f;
    if (r.keyCorner) {
      // The top-left corner pixel of the frame's border image in the key colour.
      TLoadedSkin& skin = f.Manager().Skin;
      const std::int32_t border = f.Provider().SkinData().BorderIndex;
      const TImageEntry image = SkinImage(skin, border);
      ASSERT_TRUE(image);
      TSkinMaskData& mask = skin.ma[static_cast<std::size_t>(border)];
      paint::TBitmap32& source = mask.Bmp ? *mask.Bmp : *skin.MasterBitmap;
      const paint::TRect frame = image.FrameRect(0);
      source.Row(frame.Top)[frame.Left] = paint::kKeyPixel;
    }
    f.Form().Show();
    PumpMessages();
    const TFrameGeometry g = f.Provider().Geometry();
    const platform::UniqueRegion region(CreateRectRgn(0, 0, 0, 0));
    ASSERT_NE(GetWindowRgn(f.Window(), region.get()), ERROR) << r.why << ": the window has a region";
    RECT box{};
    GetRgnBox(region.get(), &box);
    EXPECT_EQ(box.left, 0) << r.why;
    EXPECT_EQ(box.top, 0) << r.why;
    EXPECT_EQ(box.right, g.W) << r.why;
    EXPECT_EQ(box.bottom, g.H) << r.why;
    EXPECT_EQ(PtInRegion(region.get(), 0, 0) != FALSE, !r.keyCorner) << r.why;
    for (const POINT p : {POINT{1, 0}, POINT{0, 1}, POINT{g.W - 1, 0}, POINT{0, g.H - 1}, POINT{g.W - 1, g.H - 1}})
      EXPECT_TRUE(PtInRegion(region.get(), p.x, p.y)) << r.why << " at " << p.x << "," << p.y;
  }
}

// Counts pixels of one colour (0xRRGGBB) in a rectangle of the cache.
int CountColor(const paint::TBitmap32& bmp, RECT r, std::uint32_t rgb) {
  int n = 0;
  for (int y = r.top; y < r.bottom; ++y)
    for (int x = r.left; x < r.right; ++x) n += Rgb(bmp.Row(y)[x]) == rgb;
  return n;
}

TEST(SkinProvider, ActivationSwitchesTheTitleStateAndRebuildsThePicture) {
  ProviderFixture f;
  f.Form().Show();
  PumpMessages();
  const TSkinManager& m = f.Manager();
  const std::int32_t title = m.GetSkinIndex(u"FORMTITLE");
  const TFrameGeometry g = f.Provider().Geometry();
  const RECT captionBand{30, 0, 233, g.B + g.CH};
  // What the title section alone looks like in a state, in a column away
  // from icon, caption and button.
  const auto titleColumnMatches = [&](std::int32_t state) {
    paint::TBitmap32 alone(g.W, g.B + g.CH);
    PaintSection(m.Skin, title, paint::EmptyCacheInfo(), state, paint::TRect{0, 0, g.W, g.B + g.CH}, {}, alone);
    for (int y = 0; y < g.B + g.CH; ++y)
      if (Rgb(alone.Row(y)[228]) != Rgb(f.Cache()->Row(y)[228])) return false;
    return true;
  };
  struct Row {
    WPARAM active;
    std::int32_t state;
    paint::TColor caption;
    const char* why;
  };
  const Row rows[] = {
      {FALSE, 0, 13952216, "inactive: FORMTITLE state 0 and its font colour"},
      {TRUE, 1, 16777215, "active: state 1 and white text"},
      {FALSE, 0, 13952216, "and back again"},
  };
  for (const Row& r : rows) {
    const std::uint64_t builds = f.Provider().CacheBuilds();
    f.passed.clear();
    SendMessageW(f.Window(), WM_NCACTIVATE, r.active, 0);
    EXPECT_EQ(f.Provider().FormActive, r.active != FALSE) << r.why;
    EXPECT_EQ(f.Provider().CacheBuilds(), builds + 1) << r.why << ": FORM has two states, so the picture is rebuilt";
    ASSERT_NE(f.Cache(), nullptr);
    EXPECT_TRUE(titleColumnMatches(r.state)) << r.why;
    EXPECT_FALSE(titleColumnMatches(1 - r.state)) << r.why;
    EXPECT_GT(CountColor(*f.Cache(), captionBand, ColorRgb(r.caption)), 20) << r.why;
    EXPECT_EQ(CountColor(*f.Cache(), captionBand, ColorRgb(r.active ? 13952216 : 16777215)), 0) << r.why;
    const std::vector<ui::TMessage> passed = f.Passed(WM_NCACTIVATE);
    ASSERT_EQ(passed.size(), 1u) << r.why;
    EXPECT_EQ(passed[0].LParam, 0) << "passed on as it came: the cover hides the system's caption drawing";
  }
}

// What a window shows in its top strip, read back from the window itself.
paint::TBitmap32 TopStripOnScreen(HWND window, int width, int height) {
  DcPicture picture(width, height);
  const platform::WholeWindowDc dc(window);
  BitBlt(picture.dc.get(), 0, 0, width, height, dc.get(), 0, 0, SRCCOPY);
  GdiFlush();
  return picture.bmp.Clone();
}

TEST(SkinProvider, TheSystemDrawsItsCaptionUnderACoverOfTheSkinnedFrame) {
  ProviderFixture f;
  f.Form().Show();
  PumpMessages();
  const TFrameGeometry g = f.Provider().Geometry();
  RECT outer{}, client{};
  GetWindowRect(f.Window(), &outer);
  GetClientRect(f.Window(), &client);
  struct Seen {
    HWND cover = nullptr;
    bool overTheWindow = false;
    bool frameShaped = false;
  };
  Seen seen;
  UINT watched = 0;
  // While the message is passed on to the system's handling.
  f.onPassed = [&](const ui::TMessage& m) {
    if (m.Msg != watched) return;
    seen.cover = f.Provider().CaptForm.get();
    if (!seen.cover) return;
    RECT at{};
    GetWindowRect(seen.cover, &at);
    seen.overTheWindow = IsWindowVisible(seen.cover) && EqualRect(&at, &outer) && GetActiveWindow() != seen.cover;
    const platform::UniqueRegion shape(CreateRectRgn(0, 0, 0, 0));
    const platform::UniqueRegion frame(CreateRectRgn(0, 0, g.W, g.H));
    const platform::UniqueRegion inside(
        CreateRectRgn(g.OffsetX, g.OffsetY, g.OffsetX + client.right, g.OffsetY + client.bottom));
    CombineRgn(frame.get(), frame.get(), inside.get(), RGN_DIFF);
    seen.frameShaped = GetWindowRgn(seen.cover, shape.get()) != ERROR && EqualRgn(shape.get(), frame.get());
  };
  struct Row {
    UINT msg;
    WPARAM wparam;
    const wchar_t* text;
    const char* why;
  };
  const Row rows[] = {
      {WM_NCACTIVATE, FALSE, nullptr, "deactivation"},
      {WM_NCACTIVATE, TRUE, nullptr, "activation"},
      {WM_SETTEXT, 0, L"VorlanTV 2", "a new caption"},
  };
  for (const Row& r : rows) {
    seen = Seen{};
    watched = r.msg;
    f.passed.clear();
    SendMessageW(f.Window(), r.msg, r.wparam, reinterpret_cast<LPARAM>(r.text));
    ASSERT_NE(seen.cover, nullptr) << r.why << ": a cover while the system draws its caption";
    EXPECT_TRUE(seen.overTheWindow) << r.why << ": shown over the whole window, not activated";
    EXPECT_TRUE(seen.frameShaped) << r.why << ": shaped as the frame, the client area left free";
    EXPECT_FALSE(IsWindow(seen.cover)) << r.why << ": and gone after";
    EXPECT_EQ(f.Provider().CaptForm.get(), nullptr) << r.why;
    const std::vector<ui::TMessage> passed = f.Passed(r.msg);
    ASSERT_EQ(passed.size(), 1u) << r.why;
    EXPECT_EQ(passed[0].LParam, reinterpret_cast<LPARAM>(r.text)) << r.why << ": passed on as it came";
    // Afterwards the window shows the skin's frame, not the system's caption.
    const paint::TBitmap32 shown = TopStripOnScreen(f.Window(), g.W, g.B + g.CH);
    int differing = 0;
    for (int y = 0; y < g.B + g.CH; ++y)
      for (int x = 0; x < g.W; ++x) differing += Rgb(shown.Row(y)[x]) != Rgb(f.Cache()->Row(y)[x]);
    EXPECT_EQ(differing, 0) << r.why;
  }
}

TEST(SkinProvider, DisablingTheFormGivesTheFrameItsDisabledLookAndMayDarkenIt) {
  struct Row {
    std::int32_t blend;
    BYTE overlayAlpha;  // 0: no overlay
    const char* why;
  };
  const Row rows[] = {
      {255, 0, "DisabledBlendValue 255: no overlay"},
      {100, 155, "DisabledBlendValue 100: a black overlay of alpha 155"},
  };
  for (const Row& r : rows) {
    ProviderFixture f;
    f.Provider().DisabledBlendValue = r.blend;
    f.Form().Show();
    SetActiveWindow(f.Window());
    PumpMessages();
    SendMessageW(f.Window(), WM_NCACTIVATE, TRUE, 0);
    ASSERT_NE(f.Cache(), nullptr);
    const paint::TBitmap32 enabled = f.Cache()->Clone();
    const RECT close = f.Provider().ButtonClose.Rect;
    const auto differing = [&](const paint::TBitmap32& a, const paint::TBitmap32& b) {
      int n = 0;
      for (int y = close.top; y < close.bottom; ++y)
        for (int x = close.left; x < close.right; ++x) n += Rgb(a.Row(y)[x]) != Rgb(b.Row(y)[x]);
      return n;
    };
    RECT outer{};
    GetWindowRect(f.Window(), &outer);

    std::uint64_t builds = f.Provider().CacheBuilds();
    f.Form().SetEnabled(false);
    PumpMessages();
    EXPECT_GT(f.Provider().CacheBuilds(), builds) << r.why << ": the frame is built again";
    ASSERT_NE(f.Cache(), nullptr);
    EXPECT_GT(differing(enabled, *f.Cache()), 20) << r.why << ": the close button of a disabled form is faded";
    const HWND overlay = f.Provider().DisabledOverlay.get();
    if (r.overlayAlpha == 0) {
      EXPECT_EQ(overlay, nullptr) << r.why;
    } else {
      ASSERT_NE(overlay, nullptr) << r.why;
      EXPECT_TRUE(IsWindowVisible(overlay)) << r.why;
      RECT at{};
      GetWindowRect(overlay, &at);
      EXPECT_TRUE(EqualRect(&at, &outer)) << r.why << ": over the form's bounds";
      BYTE alpha = 0;
      DWORD flags = 0;
      ASSERT_TRUE(GetLayeredWindowAttributes(overlay, nullptr, &alpha, &flags)) << r.why;
      EXPECT_TRUE(flags & LWA_ALPHA) << r.why;
      EXPECT_EQ(alpha, r.overlayAlpha) << r.why;
      EXPECT_TRUE(GetWindowLongPtrW(overlay, GWL_EXSTYLE) & WS_EX_NOACTIVATE) << r.why;
    }

    builds = f.Provider().CacheBuilds();
    f.Form().SetEnabled(true);
    PumpMessages();
    EXPECT_GT(f.Provider().CacheBuilds(), builds) << r.why << ": enabled, built again";
    EXPECT_EQ(f.Provider().DisabledOverlay.get(), nullptr) << r.why;
    if (overlay) {
      EXPECT_FALSE(IsWindow(overlay)) << r.why << ": the overlay goes with the enabling";
    }
  }
}

TEST(SkinProvider, CaptionColoursAndEllipsis) {
  ProviderFixture f;
  TSkinProvider& p = f.Provider();
  const TFrameGeometry g = p.Geometry();
  const RECT band{0, 0, g.W, g.B + g.CH};
  f.Form().Show();
  PumpMessages();
  // A second text in its own colour: as it is when active, mixed half-way
  // with the title's font colour when not; none takes the title's colour.
  p.AddedTitle.Text = u"HHH";
  p.AddedTitle.Font = ui::TFont(u"Tahoma", -20, 0x0000FF);
  SendMessageW(f.Window(), WM_NCACTIVATE, TRUE, 0);
  EXPECT_GT(CountColor(*f.Cache(), band, ColorRgb(0x0000FF)), 20) << "active: the added title's own colour";
  SendMessageW(f.Window(), WM_NCACTIVATE, FALSE, 0);
  // Half-way to the title section's colour of the state (15269871), not to its font colour.
  const TSkinGeneralData& title = f.Manager().Skin.gd[static_cast<std::size_t>(f.Manager().GetSkinIndex(u"FORMTITLE"))];
  const paint::TColor mixed = paint::MixColors(0x0000FF, title.Props[0].Color, 0.5);
  EXPECT_EQ(CountColor(*f.Cache(), band, ColorRgb(0x0000FF)), 0);
  EXPECT_EQ(CountColor(*f.Cache(), band, ColorRgb(paint::MixColors(0x0000FF, 13952216, 0.5))), 0);
  EXPECT_GT(CountColor(*f.Cache(), band, ColorRgb(mixed)), 20) << "inactive: half-way to the title's colour";

  // A caption too long for the title ends with an ellipsis before the buttons.
  p.AddedTitle.Text.clear();
  SendMessageW(f.Window(), WM_NCACTIVATE, TRUE, 0);
  f.Form().SetCaption(u"VorlanTV клиент with a caption far too long for a window of this small width at all");
  PumpMessages();
  const int right = g.W - p.TitleBtnsWidth - 12;
  const std::uint32_t white = ColorRgb(16777215);
  EXPECT_GT(CountColor(*f.Cache(), RECT{right - 30, 0, right, band.bottom}, white), 5) << "text runs up to the end";
  EXPECT_EQ(CountColor(*f.Cache(), RECT{right, 0, p.ButtonClose.Rect.left, band.bottom}, white), 0)
      << "and not beyond " << right;
}

TEST(SkinProvider, TheCaptionGlowsWhereTheTitleStateHasAGlow) {
  ProviderFixture f;
  f.Form().Show();
  PumpMessages();
  const TFrameGeometry g = f.Provider().Geometry();
  SendMessageW(f.Window(), WM_NCACTIVATE, TRUE, 0);
  const paint::TBitmap32 plain = f.Cache()->Clone();
  TSkinGenState& active =
      f.Manager().Skin.gd[static_cast<std::size_t>(f.Manager().GetSkinIndex(u"FORMTITLE"))].Props[1];
  active.GlowSize = 4;
  active.GlowColor = 0x0000FF00;  // green
  SendMessageW(f.Window(), WM_NCACTIVATE, TRUE, 0);
  int greener = 0, beyond = 0;
  for (int y = 0; y < g.B + g.CH; ++y)
    for (int x = 0; x < g.W; ++x) {
      const int before = plain.Row(y)[x] >> 8 & 0xFF, after = f.Cache()->Row(y)[x] >> 8 & 0xFF;
      if (after < before + 30) continue;
      ++greener;
      if (x < 30 - 8 || x >= f.Provider().ButtonClose.Rect.left) ++beyond;
    }
  EXPECT_GT(greener, 40) << "a green halo around the caption";
  EXPECT_EQ(beyond, 0) << "only around the caption's text";
}

TEST(SkinProvider, ATitleGlyphIsDrawnWithItsOwnAlpha) {
  ProviderFixture f;
  // Left half opaque red, right half wholly transparent.
  auto glyph = std::make_shared<paint::TBitmap32>(16, 16);
  for (int y = 0; y < 16; ++y)
    for (int x = 0; x < 16; ++x) glyph->Row(y)[x] = x < 8 ? 0xFFFF0000u : 0x00FF0000u;
  f.Provider().TitleIcon.Glyph = glyph;
  f.Form().Show();
  PumpMessages();
  SendMessageW(f.Window(), WM_NCACTIVATE, TRUE, 0);
  const TFrameGeometry g = f.Provider().Geometry();
  const RECT icon = f.Provider().FIconRect;
  ASSERT_EQ(icon.right - icon.left, 16);
  paint::TBitmap32 title(g.W, g.B + g.CH);
  PaintSection(f.Manager().Skin, f.Manager().GetSkinIndex(u"FORMTITLE"), paint::EmptyCacheInfo(), 1,
               paint::TRect{0, 0, g.W, g.B + g.CH}, {}, title);
  // The blend's integer steps may leave an opaque pixel one short of its colour.
  const auto within1 = [](std::uint32_t a, std::uint32_t b) {
    for (int shift = 0; shift < 24; shift += 8)
      if (std::abs(static_cast<int>(a >> shift & 0xFF) - static_cast<int>(b >> shift & 0xFF)) > 1) return false;
    return true;
  };
  for (int y = icon.top; y < icon.bottom; ++y)
    for (int x = icon.left; x < icon.right; ++x) {
      const bool opaque = x - icon.left < 8;
      const std::uint32_t shown = Rgb(f.Cache()->Row(y)[x]);
      if (opaque) {
        ASSERT_TRUE(within1(shown, 0xFF0000u)) << "opaque red at " << x << "," << y << ": " << std::hex << shown;
      } else {
        ASSERT_EQ(shown, Rgb(title.Row(y)[x])) << "the title shows through at " << x << "," << y;
      }
    }
}

TEST(SkinProvider, ASizeGripShowsTheSkinsGripAndSizesFromTheCorner) {
  ProviderFixture f;
  f.Form().Show();
  PumpMessages();
  const TFrameGeometry g = f.Provider().Geometry();
  const TImageEntry grip = SkinImage(f.Manager().Skin, f.Manager().ConstData.GripRightBottom);
  ASSERT_TRUE(grip);
  const RECT area{g.W - g.B - grip.FrameWidth(), g.H - g.B - grip.FrameHeight(), g.W - g.B, g.H - g.B};
  RECT outer{};
  GetWindowRect(f.Window(), &outer);
  const LPARAM inGrip = MAKELPARAM(outer.left + area.right - 2, outer.top + area.bottom - 2);
  const LPARAM beside = MAKELPARAM(outer.left + area.left - 3, outer.top + area.bottom - 2);
  ASSERT_EQ(SendMessageW(f.Window(), WM_NCHITTEST, 0, inGrip), HTCLIENT) << "no grip by default";
  const paint::TBitmap32 without = f.Cache()->Clone();

  f.Provider().GripMode = TGripMode::gmRightBottom;
  f.Provider().SkinData().BGChanged = true;
  SendMessageW(f.Window(), SM_ALPHACMD, MakeSkinWParam(scPrepareCache), 0);
  int changed = 0, outside = 0;
  for (int y = 0; y < g.H; ++y)
    for (int x = 0; x < g.W; ++x) {
      if (f.Cache()->Row(y)[x] == without.Row(y)[x]) continue;
      ++changed;
      const POINT p{x, y};
      if (!PtInRect(&area, p)) ++outside;
    }
  EXPECT_GT(changed, 10) << "the grip image in the bottom-right corner of the client area";
  EXPECT_EQ(outside, 0);
  EXPECT_EQ(SendMessageW(f.Window(), WM_NCHITTEST, 0, inGrip), HTBOTTOMRIGHT);
  EXPECT_EQ(SendMessageW(f.Window(), WM_NCHITTEST, 0, beside), HTCLIENT);
}

TEST(SkinProvider, PassThroughWithoutSkinOrSection) {
  struct Row {
    bool active;
    std::u16string_view section;
    const char* why;
  };
  const Row rows[] = {
      {false, u"FORM", "the manager has no skin active"},
      {true, u"NOSUCHSECTION", "the skin has no such section"},
  };
  for (const Row& r : rows) {
    ProviderFixture f(r.active, r.section);
    f.Form().Show();
    PumpMessages();
    RedrawWindow(f.Window(), nullptr, nullptr, RDW_FRAME | RDW_INVALIDATE | RDW_ERASE | RDW_UPDATENOW);
    EXPECT_EQ(f.Provider().CacheBuilds(), 0u) << r.why;
    EXPECT_EQ(f.Cache(), nullptr) << r.why;
    EXPECT_FALSE(f.Passed(WM_NCPAINT).empty()) << r.why << ": the system draws the frame";
    EXPECT_TRUE(GetWindowLongPtrW(f.Window(), GWL_STYLE) & WS_SYSMENU) << r.why;
    for (const ui::TMessage& m : f.Passed(WM_NCACTIVATE)) EXPECT_NE(m.LParam, -1) << r.why;
  }
}

TEST(SkinProvider, RemovingTheSkinHandsTheWindowBackToTheSystem) {
  ProviderFixture f;
  f.Form().Show();
  PumpMessages();
  ASSERT_NE(f.Cache(), nullptr);
  f.Manager().SetActive(false);
  // What the manager's broadcast delivers to every form.
  SendMessageW(f.Window(), SM_ALPHACMD, MakeSkinWParam(scRemoveSkin), reinterpret_cast<LPARAM>(&f.Manager()));
  EXPECT_EQ(f.Cache(), nullptr);
  EXPECT_TRUE(GetWindowLongPtrW(f.Window(), GWL_STYLE) & WS_SYSMENU) << "the system menu comes back";
  EXPECT_EQ(f.Form().Color(), ui::clBtnFace);
  f.passed.clear();
  const std::uint64_t builds = f.Provider().CacheBuilds();
  RedrawWindow(f.Window(), nullptr, nullptr, RDW_FRAME | RDW_INVALIDATE | RDW_UPDATENOW);
  SendMessageW(f.Window(), WM_NCACTIVATE, FALSE, 0);
  EXPECT_FALSE(f.Passed(WM_NCPAINT).empty());
  EXPECT_EQ(f.Passed(WM_NCACTIVATE).at(0).LParam, 0);
  EXPECT_EQ(f.Provider().CacheBuilds(), builds);
}

TEST(SkinProvider, AnswersAControlsBackgroundRequestWithItsPictureAtTheClientOrigin) {
  ProviderFixture f;
  f.Form().Show();
  PumpMessages();
  const POINT origin = ClientOriginInWindow(f.Window());

  TSkBgRequest q;
  q.Offset = POINT{-5, -5};  // whatever the asker sent: the answer sets it
  ASSERT_EQ(SendMessageW(f.Window(), SM_ALPHACMD, MakeSkinWParam(scGetBackground), reinterpret_cast<LPARAM>(&q)), 0);
  EXPECT_EQ(q.BgType, btCache);
  EXPECT_EQ(q.Bmp, f.Cache());
  EXPECT_EQ(q.Offset.x, origin.x);
  EXPECT_EQ(q.Offset.y, origin.y);

  // Drawn for the asker: a child at client (20, 40) gets the picture behind it.
  DcPicture child(30, 10);
  TSkBgRequest draw;
  draw.PleaseDraw = 1;
  draw.DC = child.dc.get();
  draw.Offset = POINT{20, 40};
  draw.R = RECT{0, 0, 30, 10};
  SendMessageW(f.Window(), SM_ALPHACMD, MakeSkinWParam(scGetBackground), reinterpret_cast<LPARAM>(&draw));
  EXPECT_EQ(draw.BgType, btCache);
  for (int y = 0; y < 10; ++y)
    for (int x = 0; x < 30; ++x)
      ASSERT_EQ(Rgb(child.At(x, y)), Rgb(f.Cache()->Row(origin.y + 40 + y)[origin.x + 20 + x])) << x << "," << y;

  // The client background is the same part of the picture.
  RECT area{};
  GetClientRect(f.Window(), &area);
  DcPicture client(area.right, area.bottom);
  SendMessageW(f.Window(), WM_ERASEBKGND, reinterpret_cast<WPARAM>(client.dc.get()), 0);
  const int r = area.right - 1, b = area.bottom - 1;
  for (const POINT p : {POINT{0, 0}, POINT{r, 0}, POINT{0, b}, POINT{r, b}, POINT{130, 120}})
    EXPECT_EQ(Rgb(client.At(p.x, p.y)), Rgb(f.Cache()->Row(origin.y + p.y)[origin.x + p.x]));

  const LRESULT offset = SendMessageW(f.Window(), SM_ALPHACMD, MakeSkinWParam(static_cast<TSkinCommand>(61)), 0);
  EXPECT_EQ(LOWORD(offset), origin.x);
  EXPECT_EQ(HIWORD(offset), origin.y);
  EXPECT_EQ(SendMessageW(f.Window(), SM_ALPHACMD, MakeSkinWParam(scGetBgColor), 0), 14675939);
  EXPECT_EQ(SendMessageW(f.Window(), SM_ALPHACMD, MakeSkinWParam(scGetProvider), 0),
            reinterpret_cast<LRESULT>(&f.Provider()));
}

TEST(SkinProvider, HidingAndShowingRepaintsTheFrameOnceWithoutTheSystemsFrame) {
  ProviderFixture f;
  f.Form().Show();
  PumpMessages();
  for (int round = 0; round < 2; ++round) {
    f.Form().Hide();
    PumpMessages();
    EXPECT_EQ(f.Cache(), nullptr) << "hidden: the picture is given up";
    f.passed.clear();
    const std::uint64_t builds = f.Provider().CacheBuilds();
    f.Form().Show();
    PumpMessages();
    EXPECT_EQ(f.Provider().CacheBuilds(), builds + 1) << "round " << round;
    EXPECT_TRUE(f.Passed(WM_NCPAINT).empty()) << "the system drew no frame";
    ASSERT_NE(f.Cache(), nullptr);
  }
}

TEST(SkinProvider, TheCloseButtonClosesThroughTheCloseCommand) {
  ProviderFixture f;
  int queries = 0;
  f.Form().OnCloseQuery = [&](ui::TObject&, bool& can_close) {
    ++queries;
    can_close = false;
    f.Form().Hide();
  };
  f.Form().Show();
  PumpMessages();
  RECT outer{};
  GetWindowRect(f.Window(), &outer);
  const RECT close = f.Provider().ButtonClose.Rect;
  const LPARAM at = MAKELPARAM(outer.left + (close.left + close.right) / 2, outer.top + close.bottom / 2);
  ASSERT_EQ(SendMessageW(f.Window(), WM_NCHITTEST, 0, at), HTCLOSE);
  EXPECT_EQ(SendMessageW(f.Window(), WM_NCHITTEST, 0, MAKELPARAM(outer.left + 120, outer.top + 12)), HTCAPTION);
  SendMessageW(f.Window(), WM_NCLBUTTONUP, HTCLOSE, at);
  EXPECT_EQ(queries, 0) << "a release without a press closes nothing";
  SendMessageW(f.Window(), WM_NCLBUTTONDOWN, HTCLOSE, at);
  EXPECT_TRUE(f.Passed(WM_NCLBUTTONDOWN).empty()) << "no caption tracking by the system";
  SendMessageW(f.Window(), WM_NCLBUTTONUP, HTCLOSE, at);
  EXPECT_EQ(queries, 1);
  EXPECT_FALSE(IsWindowVisible(f.Window()));
}

TEST(SkinProvider, OnlyOnFormsAndOnlyOncePerForm) {
  ui::TOwned<ui::TPanel> panel = ui::MakeOwned<ui::TPanel>();
  try {
    TSkinProvider p(*panel);
    FAIL() << "a provider on a panel";
  } catch (const ESkinProviderAbort& e) {
    EXPECT_STREQ(e.what(), "TSkinProvider component may be used with forms only!");
  }
  ProviderFixture f;
  TSkinProvider& second = f.Form().Add<TSkinProvider>(f.Form());
  EXPECT_FALSE(second.Attached());
  EXPECT_TRUE(f.Provider().Attached());
}

}  // namespace
}  // namespace vorlan::skin
