#include "skin/controls/core/bg_request.h"

#include <gtest/gtest.h>

#include <functional>

#include "skin/controls/base/skin_messaging.h"
#include "skin/controls/skin_test_controls.h"
#include "skin/data/skin_manager.h"
#include "ui/form.h"
#include "ui/panel.h"

namespace vorlan::skin {
namespace {

using test::TBitmapDc;
using test::TSkinnedPanel;

constexpr paint::TColor kRed = 0x0000FF, kBlue = 0xFF0000, kGreen = 0x00FF00, kGrey = 0x808080;

// An unskinned framework container with a red square at (10, 10)-(20, 20).
class TPatternPanel : public ui::TWinControl {
 protected:
  void Paint(HDC dc) override { test::FillDc(dc, RECT{10, 10, 20, 20}, kRed); }
};

TEST(BgRequest, AnAnsweringParentDecidesAndAReusedRequestLosesItsOldPicture) {
  ui::TForm form;
  TSkinnedPanel& parent = form.Add<TSkinnedPanel>();
  parent.SetParent(&form);
  paint::TBitmap32 cache(4, 4);
  parent.Answers.Background = btCache;
  parent.Answers.Cache = &cache;

  TSkBgRequest request;
  RequestParentBackground(request, parent, false);
  EXPECT_EQ(request.BgType, btCache);
  EXPECT_EQ(request.Bmp, &cache);
  EXPECT_EQ(parent.Answers.Received, std::vector<UINT>{scGetBackground}) << "asked once, through the window";

  parent.Answers.Background = btForbidden;
  request.FillR = RECT{1, 2, 3, 4};
  RequestParentBackground(request, parent.Handle(), true);
  EXPECT_EQ(request.BgType, btForbidden);
  EXPECT_EQ(request.PleaseDraw, 1);
  EXPECT_EQ(request.Bmp, nullptr) << "the picture of the first answer is not the second's";
  EXPECT_TRUE(IsRectEmpty(&request.FillR));
}

TEST(BgRequest, WithoutAnswerAndPleaseDrawTheParentPaintsItselfAtTheAskersOriginClipped) {
  ui::TForm form;
  TPatternPanel& parent = form.Add<TPatternPanel>();
  parent.SetParent(&form);
  parent.SetBounds(0, 0, 40, 40);
  parent.SetColor(kBlue);
  TSkinnedPanel& window_parent = form.Add<TSkinnedPanel>();  // answers nothing but paints itself
  window_parent.SetParent(&form);
  window_parent.SetBounds(0, 0, 40, 40);
  window_parent.Answers.Skinned = false;
  window_parent.Answers.Color = kGreen;

  for (const bool by_handle : {false, true}) {
    SCOPED_TRACE(by_handle ? "asked through the window handle" : "asked as a control");
    TBitmapDc target(30, 30, kGrey);
    TSkBgRequest request;
    request.DC = target.Dc();
    request.Offset = POINT{5, 5};  // the asker's place in the parent
    request.R = RECT{0, 0, 10, 10};
    if (by_handle) {
      RequestParentBackground(request, parent.Handle(), true);
    } else {
      RequestParentBackground(request, parent, true);
    }
    EXPECT_EQ(request.BgType, btNoAnswer) << "drawing is not an answer";
    EXPECT_EQ(target.At(5, 5), kRed) << "parent (10, 10) lands on the asker's (5, 5)";
    EXPECT_EQ(target.At(4, 4), kBlue) << "the parent's background, just outside its square";
    EXPECT_EQ(target.At(9, 9), kRed);
    EXPECT_EQ(target.At(10, 10), kGrey) << "clipped to the asker's area";
    EXPECT_EQ(target.At(12, 5), kGrey);
    POINT origin{};
    GetViewportOrgEx(target.Dc(), &origin);
    EXPECT_EQ(origin.x, 0) << "the DC's state is given back";
  }

  TBitmapDc target(30, 30, kGrey);
  TSkBgRequest request;
  request.DC = target.Dc();
  request.R = RECT{0, 0, 30, 30};
  request.Offset = POINT{0, 0};
  RequestParentBackground(request, window_parent, true);
  EXPECT_EQ(target.At(3, 3), kGreen) << "a parent that paints on WM_PAINT with a DC";
}

TEST(BgRequest, WithoutAnswerTheParentsColourComesFromItsColourQuestionThenItsColour) {
  ASSERT_EQ(DefaultManager(), nullptr) << "these cases are for a process without skin manager";
  ui::TForm form;
  TSkinnedPanel& skinned = form.Add<TSkinnedPanel>();
  skinned.SetParent(&form);
  skinned.Answers.BgColor = 0x123456;
  ui::TPanel& plain = form.Add<ui::TPanel>();
  plain.SetParent(&form);
  plain.SetColor(ui::clBtnFace);
  ui::TPanel& windowless_parent_colour = form.Add<ui::TPanel>();  // no window yet: asked through its chain
  windowless_parent_colour.SetColor(0x00ABCDEF);
  const platform::UniqueWindow bare(
      CreateWindowExW(0, L"STATIC", L"", WS_POPUP, 0, 0, 10, 10, nullptr, nullptr, GetModuleHandleW(nullptr), nullptr));
  ASSERT_TRUE(bare);

  struct Row {
    const char* why;
    std::function<void(TSkBgRequest&)> ask;
    paint::TColor expected;
  } rows[] = {
      {"a control's answer to the colour question",
       [&](TSkBgRequest& q) { RequestParentBackground(q, skinned, false); }, 0x123456},
      {"the same control reached by its window",
       [&](TSkBgRequest& q) { RequestParentBackground(q, skinned.Handle(), false); }, 0x123456},
      {"no answer: the control's colour, resolved", [&](TSkBgRequest& q) { RequestParentBackground(q, plain, false); },
       paint::ResolveColor(ui::clBtnFace)},
      {"no window: its colour all the same",
       [&](TSkBgRequest& q) { RequestParentBackground(q, windowless_parent_colour, false); }, 0x00ABCDEF},
      {"a bare window without manager: the button face",
       [&](TSkBgRequest& q) { RequestParentBackground(q, bare.get(), false); }, kBtnFaceColor},
  };
  for (const Row& row : rows) {
    TSkBgRequest request;
    request.BgType = btForbidden;  // left over from an earlier question
    row.ask(request);
    EXPECT_EQ(request.BgType, btColor) << row.why;
    EXPECT_EQ(request.Color, row.expected) << row.why;
  }
}

TEST(BgRequest, ConversionToCacheInfoByAnswer) {
  paint::TBitmap32 picture(8, 8);
  TSkBgRequest cached;
  cached.BgType = btCache;
  cached.Bmp = &picture;
  cached.Offset = POINT{3, -2};
  const paint::TCacheInfo a = BgRequestToCacheInfo(cached);
  EXPECT_TRUE(a.Ready);
  EXPECT_EQ(a.Bmp, &picture);
  EXPECT_EQ(a.X, 3);
  EXPECT_EQ(a.Y, -2);
  EXPECT_EQ(a.FillColor, paint::kKeyColor);

  TSkBgRequest colour;
  colour.BgType = btColor;
  colour.Bmp = &picture;
  colour.Color = kBtnFaceColor;
  colour.Offset = POINT{1, 2};
  colour.FillR = RECT{2, 3, 4, 5};
  const paint::TCacheInfo b = BgRequestToCacheInfo(colour);
  EXPECT_FALSE(b.Ready) << "only the border strips of the picture may be read";
  EXPECT_EQ(b.Bmp, &picture);
  EXPECT_EQ(b.X, 1);
  EXPECT_EQ(b.Y, 2);
  EXPECT_EQ(b.FillColor, paint::ResolveColor(kBtnFaceColor)) << "system colours resolved";
  EXPECT_EQ(b.FillRect, (paint::TRect{2, 3, 4, 5}));

  TSkBgRequest forbidden;
  forbidden.BgType = btForbidden;
  forbidden.Color = 0;
  const paint::TCacheInfo c = BgRequestToCacheInfo(forbidden);
  EXPECT_FALSE(c.Ready);
  EXPECT_EQ(c.FillColor, paint::kKeyColor) << "a refusing parent's look is unknown, not black";
}

}  // namespace
}  // namespace vorlan::skin
