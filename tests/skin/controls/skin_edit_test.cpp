#include <gtest/gtest.h>

#include <algorithm>
#include <climits>

#include "skin/controls/widgets/skin_edit.h"
#include "skin_test_controls.h"
#include "skin_window_fixture.h"

namespace vorlan::skin::test {
namespace {

// The red byte of a master pixel is 4 × its column.
int Red(std::uint32_t pixel) { return static_cast<int>(pixel >> 16 & 0xFF); }

class SkinEditTest : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_EQ(DefaultManager(), &skin.manager);
    // EDIT: white, two frames of a one-pixel border side by side at
    // columns 8..15 (normal) and 16..23 (hot) of the master picture.
    edit = skin.Section(u"EDIT", 0x00FFFFFF, 0, 2);
    skin.manager.InitConstantIndexes();
    const std::int32_t border = skin.Border(edit, paint::MakeRect(8, 0, 16, 4), 1);
    skin.manager.Skin.ma[static_cast<std::size_t>(border)].ImageCount = 2;
  }

  TSkinEdit& MakeEdit(ShownForm& shown, int x, int y, std::u16string text) {
    TSkinEdit& e = shown.form->Add<TSkinEdit>();
    e.SetBounds(x, y, 120, 21);
    e.SetParent(shown.form.get());
    e.SetFont(ui::TFont(u"Tahoma", -11, ui::clBlack));
    e.SetText(text);
    return e;
  }

  // The text area as the screen shows it now.
  static paint::TBitmap32 ClientOnScreen(TSkinEdit& e) {
    const RECT client = e.ClientRect();
    const platform::WindowDc screen(e.Handle());
    TBitmapDc copy(client.right, client.bottom, 0);
    BitBlt(copy.Dc(), 0, 0, client.right, client.bottom, screen.get(), 0, 0, SRCCOPY);
    GdiFlush();
    return copy.Bitmap.Clone();
  }

  // The box around the dark (text) pixels.
  static RECT TextBox(const paint::TBitmap32& picture) {
    RECT box{INT_MAX, INT_MAX, -1, -1};
    for (int y = 0; y < picture.Height(); ++y) {
      for (int x = 0; x < picture.Width(); ++x) {
        if ((picture.Pixel(x, y) >> 8 & 0xFF) > 0x80) continue;
        box = RECT{std::min<LONG>(box.left, x), std::min<LONG>(box.top, y), std::max<LONG>(box.right, x),
                   std::max<LONG>(box.bottom, y)};
      }
    }
    return box;
  }

  TestSkin skin;
  std::int32_t edit = -1;
};

TEST_F(SkinEditTest, FocusSwitchesToTheHotFrameAndThePlatformPaintsTheTextInTheSamePlace) {
  ShownForm shown(skin, 200, 100);
  TSkinEdit& e = MakeEdit(shown, 10, 20, u"306084");
  TSkinEdit& other = MakeEdit(shown, 10, 60, u"");
  shown.Show();
  ASSERT_EQ(e.SkinData().SkinIndex, edit) << "the EDIT section by default";
  other.SetFocus();
  UpdateWindow(shown.form->Handle());
  RedrawWindow(e.Handle(), nullptr, nullptr, RDW_INVALIDATE | RDW_FRAME | RDW_UPDATENOW);
  const paint::TBitmap32& cache = *e.SkinData().FCacheBmp;
  ASSERT_EQ(cache.Width(), 120);
  EXPECT_EQ(Red(cache.Pixel(0, 10)), 8 * 4) << "unfocused: the normal frame";
  const RECT skinText = TextBox(ClientOnScreen(e));
  ASSERT_GE(skinText.right, 0) << "the skin writes the text while unfocused";

  e.SetFocus();
  ASSERT_TRUE(e.Focused());
  EXPECT_TRUE(e.SkinData().FFocused);
  UpdateWindow(e.Handle());
  EXPECT_EQ(Red(cache.Pixel(0, 10)), 16 * 4) << "focused: the hot frame";
  EXPECT_EQ(Red(cache.Pixel(119, 10)), 23 * 4);
  HideCaret(e.Handle());
  SendMessageW(e.Handle(), EM_SETSEL, 0, 0);
  RedrawWindow(e.Handle(), nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_UPDATENOW);
  const RECT platformText = TextBox(ClientOnScreen(e));
  EXPECT_EQ(platformText.top, skinText.top) << "the same place focused and unfocused";
  EXPECT_EQ(platformText.left, skinText.left);
  EXPECT_EQ(platformText.right, skinText.right);

  other.SetFocus();
  EXPECT_FALSE(e.SkinData().FFocused);
  UpdateWindow(e.Handle());
  EXPECT_EQ(Red(cache.Pixel(0, 10)), 8 * 4) << "back to the normal frame";
}

// Reached with Tab, the edit box glows as under the mouse, so that the focus
// shows; Tab on takes the glow away.
TEST_F(SkinEditTest, TabbingIntoTheEditShowsItsGlowAndTabbingOnHidesIt) {
  skin.At(edit).GlowCount = 1;
  const std::int32_t mask = skin.Image(paint::MakeRect(0, 0, 24, 24), itGlow);
  TSkinMaskData& m = skin.manager.Skin.ma[static_cast<std::size_t>(mask)];
  m.PropertyName = u"GLOW0";
  m.ClassName = u"EDIT";
  m.SkinIndex = edit;
  m.WL = m.WT = m.WR = m.WB = 6;
  TSkinEffects effects = skin.manager.Effects();
  effects.AllowAnimation = false;
  skin.manager.SetEffects(effects);
  ShownForm shown(skin, 200, 100);
  TSkinEdit& e = MakeEdit(shown, 10, 20, u"306084");
  TSkinEdit& other = MakeEdit(shown, 10, 60, u"");
  shown.Show();
  other.SetFocus();
  ASSERT_LT(e.SkinData().GlowID, 0);

  ASSERT_TRUE(shown.form->DialogKey(other, VK_TAB));
  ASSERT_EQ(GetFocus(), e.Handle());
  EXPECT_GE(e.SkinData().GlowID, 0) << "the focused edit glows";
  ASSERT_TRUE(shown.form->DialogKey(e, VK_TAB));
  EXPECT_LT(e.SkinData().GlowID, 0) << "and stops when the focus leaves";
}

// Printed into a picture of its whole window (as the window effects do), the
// edit's text area lands inside its frame, with or without the frame.
TEST_F(SkinEditTest, PrintingPutsTheTextAreaInsideTheFrameWithOrWithoutIt) {
  ShownForm shown(skin, 200, 100);
  TSkinEdit& e = MakeEdit(shown, 10, 20, u"");
  TSkinEdit& other = MakeEdit(shown, 10, 60, u"");
  shown.Show();
  other.SetFocus();
  UpdateWindow(e.Handle());
  const int b = e.FrameWidth();
  ASSERT_GT(b, 0);
  constexpr paint::TColor kMarker = 0x00FF00FF;
  for (const LPARAM flags : {LPARAM{PRF_CLIENT}, LPARAM{PRF_CLIENT | PRF_NONCLIENT}}) {
    TBitmapDc print(120, 21, kMarker);
    SendMessageW(e.Handle(), WM_PRINT, reinterpret_cast<WPARAM>(print.Dc()), flags);
    GdiFlush();
    const paint::TBitmap32& cache = *e.SkinData().FCacheBmp;
    EXPECT_EQ(print.At(b + 3, b + 3), ColorAt(cache, b + 3, b + 3)) << "the text area at its place, flags " << flags;
    if (flags == PRF_CLIENT) {
      EXPECT_EQ(print.At(0, 0), kMarker) << "without the frame its place is left alone";
    } else {
      EXPECT_EQ(print.At(0, 10), ColorAt(cache, 0, 10)) << "with it, the frame";
    }
  }
}

TEST_F(SkinEditTest, UnfocusedTheTextAreaIsTheSkinsOwnPictureTextIncluded) {
  // A texture that the platform's plain painting cannot show.
  skin.Texture(edit, paint::MakeRect(0, 40, 16, 16));
  ShownForm shown(skin, 200, 100);
  TSkinEdit& e = MakeEdit(shown, 10, 20, u"306084");
  TSkinEdit& other = MakeEdit(shown, 10, 60, u"");
  shown.Show();
  other.SetFocus();
  RedrawWindow(e.Handle(), nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_FRAME | RDW_UPDATENOW);
  const paint::TBitmap32 screen = ClientOnScreen(e);
  ASSERT_GE(TextBox(screen).right, 0) << "the text shows";
  const paint::TBitmap32& cache = *e.SkinData().FCacheBmp;
  const int b = e.FrameWidth();
  int notTheSkins = 0;
  for (int y = 0; y < screen.Height(); ++y) {
    for (int x = 0; x < screen.Width(); ++x) {
      notTheSkins += (screen.Pixel(x, y) & 0x00FFFFFFu) != (cache.Pixel(x + b, y + b) & 0x00FFFFFFu);
    }
  }
  EXPECT_EQ(notTheSkins, 0);
}

TEST_F(SkinEditTest, PasswordEditShowsOneBlackCirclePerCharacter) {
  ShownForm shown(skin, 200, 100);
  TSkinEdit& secret = MakeEdit(shown, 10, 20, u"abc");
  secret.SetPasswordChar(kPasswordStar);
  TSkinEdit& circles = MakeEdit(shown, 10, 60, u"\u25CF\u25CF\u25CF");
  shown.Show();
  EXPECT_EQ(secret.DisplayText(), u"\u25CF\u25CF\u25CF");
  EXPECT_EQ(secret.Text(), u"abc") << "the text itself stays";
  const paint::TBitmap32 a = Print(secret), b = Print(circles);
  ASSERT_EQ(a.Width(), b.Width());
  int dark = 0;
  // The text areas (the frames stand over different parts of the form).
  for (int y = 2; y < a.Height() - 2; ++y) {
    for (int x = 2; x < a.Width() - 2; ++x) {
      ASSERT_EQ(a.Pixel(x, y), b.Pixel(x, y)) << x << "," << y;
      if ((a.Pixel(x, y) & 0xFF) < 0x40) ++dark;
    }
  }
  EXPECT_GT(dark, 10) << "the circles are drawn";
}

}  // namespace
}  // namespace vorlan::skin::test
