#include <gtest/gtest.h>

#include "golden_picture.h"
#include "main_form_fixture.h"
#include "platform/handle_win.h"
#include "skin/controls/base/window_queries.h"
#include "skin/controls/core/bg_request.h"
#include "skin/controls/core/control_to_bitmap.h"
#include "skin/draw/section.h"
#include "support/jpeg_maker.h"

namespace vorlan::app {
namespace {

using testing::MainFormFixture;

// A banner with detail in both directions, so that a misplaced or
// wrongly scaled picture shows.
void AnswerPatternBanner(MainFormFixture& f) {
  const std::vector<uint8_t> jpeg = vorlan::testing::MakeRgbJpeg(400, 200, [](int x, int y) {
    return static_cast<uint32_t>((x * 255 / 399) << 16 | (y * 255 / 199) << 8 | ((x / 40 + y / 40) % 2) * 0xC0);
  });
  f.stream_answer = [jpeg](std::vector<uint8_t>& stream) { stream.insert(stream.end(), jpeg.begin(), jpeg.end()); };
}

void ShowAndPaint(MainFormFixture& f) {
  f.Form().Show();
  RedrawWindow(f.Window(), nullptr, nullptr, RDW_INVALIDATE | RDW_FRAME | RDW_ALLCHILDREN | RDW_UPDATENOW);
}

// ((parent - child) * 128 + child * 256) >> 8 per channel: a 50 % layer.
uint32_t HalfOver(uint32_t parent, uint32_t child) {
  uint32_t out = 0xFF000000u;
  for (int shift = 0; shift < 24; shift += 8) {
    const int p = static_cast<int>(parent >> shift & 0xFF), c = static_cast<int>(child >> shift & 0xFF);
    out |= static_cast<uint32_t>(((p - c) * 128 + c * 256) >> 8) << shift;
  }
  return out;
}

// The PANEL section painted opaque: the gradient alone.
paint::TBitmap32 PanelGradient(skin::TSkinManager& manager, int width, int height) {
  const std::int32_t index = manager.GetSkinIndex(u"PANEL");
  skin::TSkinGeneralData& section = manager.Skin.gd[static_cast<std::size_t>(index)];
  const std::int32_t kept = section.Props[0].Transparency;
  section.Props[0].Transparency = 0;
  paint::TBitmap32 gradient(width, height);
  skin::PaintSection(manager.Skin, index, paint::EmptyCacheInfo(), 0, gradient.Bounds(), {0, 0}, gradient);
  section.Props[0].Transparency = kept;
  return gradient;
}

void ExpectHalfBlend(MainFormFixture& f, const char* when) {
  skin::TSkinPanel& panel = *f.Form().SkinPanel1;
  skin::TSkBgRequest form;
  skin::RequestParentBackground(form, f.Form(), false);
  ASSERT_EQ(form.BgType, skin::btCache) << when << ": the form hands its picture down";
  const paint::TBitmap32 gradient = PanelGradient(*f.Form().SkinManager1, panel.Width(), panel.Height());
  paint::TBitmap32 picture(panel.Width(), panel.Height());
  skin::PaintControlToBitmap(picture, panel, 0, nullptr, 0);
  GdiFlush();
  // Inside the one-pixel border, away from the children.
  const paint::TPoint points[] = {{4, 4}, {200, 8}, {150, 27}, {262, 55}, {3, 100}, {130, 98}};
  for (const paint::TPoint& p : points) {
    const uint32_t under = form.Bmp->Pixel(form.Offset.x + panel.Left() + p.X, form.Offset.y + panel.Top() + p.Y);
    EXPECT_EQ(picture.Pixel(p.X, p.Y) | 0xFF000000u, HalfOver(under, gradient.Pixel(p.X, p.Y)))
        << when << " at " << p.X << "," << p.Y;
  }
  EXPECT_NE(gradient.Pixel(100, 4), gradient.Pixel(100, 60)) << "the gradient runs downwards";
}

TEST(SkinnedWindow, LowerPanelIsHalfItsGradientOverTheFormsPictureBeforeAndAfterAMove) {
  MainFormFixture f;
  ShowAndPaint(f);
  ExpectHalfBlend(f, "as shown");
  SetWindowPos(f.Window(), nullptr, 137, 91, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
  RedrawWindow(f.Window(), nullptr, nullptr, RDW_INVALIDATE | RDW_FRAME | RDW_ALLCHILDREN | RDW_UPDATENOW);
  ExpectHalfBlend(f, "after the window moved");
}

// The client area as the controls paint it, into a bitmap.
paint::TBitmap32 ClientPicture(MainFormFixture& f) {
  const RECT client = skin::ClientRectInWindow(f.Window());
  paint::TBitmap32 picture(client.right - client.left, client.bottom - client.top);
  skin::PaintControlToBitmap(picture, f.Form(), -client.left, nullptr, -client.top);
  GdiFlush();
  return picture;
}

// Where text is drawn (font rendering may differ between systems) and the
// button, whose own tests cover it.
std::vector<paint::TRect> TextMasks(TMainForm& form) {
  const auto inClient = [](const ui::TControl& c) {
    RECT r = c.BoundsRect();
    for (const ui::TControl* p = c.Parent(); p && p->Parent(); p = p->Parent()) OffsetRect(&r, p->Left(), p->Top());
    return paint::FromRECT(r);
  };
  paint::TRect edit = inClient(*form.SkinEdit1);
  edit = {edit.Left + 2, edit.Top + 2, edit.Right - 2, edit.Bottom - 2};
  return {inClient(*form.SkinLabel1), edit, inClient(*form.SkinButton1)};
}

TEST(SkinnedWindow, ClientAreaMatchesItsGoldenPicture) {
  MainFormFixture f;
  AnswerPatternBanner(f);
  ShowAndPaint(f);
  f.Form().SkinEdit1->SetText(u"306084");
  RedrawWindow(f.Window(), nullptr, nullptr, RDW_INVALIDATE | RDW_FRAME | RDW_ALLCHILDREN | RDW_UPDATENOW);
  const paint::TBitmap32 picture = ClientPicture(f);
  const RECT client = f.Form().ClientRect();
  ASSERT_EQ(picture.Width(), client.right) << "the client area the frame leaves";
  ASSERT_EQ(picture.Height(), client.bottom);
  const std::string path = testing::GoldenPath("main_window_client.bmp");
  if (testing::MakingGolden()) {
    testing::WriteBmp(path, picture);
    GTEST_SKIP() << "golden picture written: " << path;
  }
  const paint::TBitmap32 golden = testing::ReadBmp(path);
  ASSERT_FALSE(golden.Empty()) << "no golden picture at " << path << " (scripts/make-golden makes it)";
  const testing::TGoldenComparison result = testing::CompareWithGolden(picture, golden, TextMasks(f.Form()));
  if (result.Differences > 0) {
    testing::WriteBmp(path + ".diff.bmp", result.Picture);
    testing::WriteBmp(path + ".actual.bmp", picture);
  }
  EXPECT_EQ(result.Differences, 0) << "first at " << result.First.X << "," << result.First.Y
                                   << "; difference picture: " << path << ".diff.bmp";
  EXPECT_EQ(golden.Width(), picture.Width());
  EXPECT_EQ(golden.Height(), picture.Height());
}

// Controls skip their painting while a show effect plays; the form's full
// repaint at its end must reach them.
TEST(SkinnedWindow, TheEditBoxIsPaintedWhenTheWindowIsFirstShown) {
  MainFormFixture f;
  f.Form().Show();
  MSG msg;
  while (PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) DispatchMessageW(&msg);
  // What the window shows in the middle of the (empty) edit box.
  const HWND edit = f.Form().SkinEdit1->Handle();
  RECT client{};
  GetClientRect(edit, &client);
  const platform::WindowDc dc(edit);
  EXPECT_EQ(GetPixel(dc.get(), client.right / 2, client.bottom / 2) & 0xFFFFFFu, 0xFFFFFFu);
}

}  // namespace
}  // namespace vorlan::app
