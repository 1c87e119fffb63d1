#include <gtest/gtest.h>

#include "skin_button_fixture.h"
#include "skin_test_controls.h"

namespace vorlan::skin::test {
namespace {

class ButtonClick : public ButtonFixture {
 protected:
  TSkinButton& Make() {
    TSkinButton& b = MakeButton(120, 33, u"Search");
    b.OnClick = [this](ui::TObject&) { ++clicks; };
    Show();
    return b;
  }
  bool Pushed() const { return (SendMessageW(button->Handle(), BM_GETSTATE, 0, 0) & BST_PUSHED) != 0; }
  std::uint32_t Face() { return Picture().Pixel(3, 3) & 0x00FFFFFFu; }
  // What the last paint left in the cache, without painting again.
  std::uint32_t Shown() const {
    GdiFlush();
    return button->SkinData().FCacheBmp->Pixel(3, 3) & 0x00FFFFFFu;
  }
  int clicks = 0;
};

TEST_F(ButtonClick, EveryWayOfClickingCallsOnClickExactlyOnce) {
  TSkinButton& b = Make();
  ASSERT_TRUE(b.SkinData().Skinned()) << "the section comes from the manager's BUTTON index";

  MoveMouse(b, 10, 10);
  Press(10, 10);
  EXPECT_EQ(clicks, 0) << "nothing on the press";
  EXPECT_EQ(GetFocus(), b.Handle()) << "the press takes the focus";
  Release(10, 10);
  EXPECT_EQ(clicks, 1) << "left press and release";

  // A quick second press arrives as a double click; it is a press all the same.
  SendMessageW(b.Handle(), WM_LBUTTONDBLCLK, MK_LBUTTON, MAKELPARAM(10, 10));
  EXPECT_TRUE(Pushed());
  Release(10, 10);
  EXPECT_EQ(clicks, 2) << "double click";

  MoveMouse(*panel, 200, 90);
  ASSERT_FALSE(b.SkinData().FMouseAbove);
  SendMessageW(b.Handle(), WM_KEYDOWN, VK_SPACE, 0);
  EXPECT_EQ(b.CurrentState(), kButtonPressed) << "a key press shows pushed wherever the mouse is";
  EXPECT_EQ(clicks, 2);
  SendMessageW(b.Handle(), WM_KEYUP, VK_SPACE, 0);
  EXPECT_EQ(clicks, 3) << "Space";

  EXPECT_TRUE(form->DialogKey(b, VK_RETURN));
  EXPECT_EQ(clicks, 4) << "Enter while focused";
  EXPECT_FALSE(b.SkinData().FUpdating);

  // Neither hot nor pressed, a default button shows the default look.
  b.SetDefault(true);
  SetFocus(form->Handle());
  MoveMouse(*panel, 200, 90);
  EXPECT_EQ(b.CurrentState(), kButtonDefault);
  b.SetDefault(false);
  EXPECT_EQ(b.CurrentState(), kButtonNormal);
}

TEST_F(ButtonClick, APressThatLeavesTheButtonNeitherShowsPushedNorClicks) {
  TSkinButton& b = Make();
  MoveMouse(b, 10, 10);
  Press(10, 10);
  ASSERT_TRUE(Pushed());
  EXPECT_EQ(Face(), Opaque(kStateColor[2]) & 0x00FFFFFFu) << "pressed look";

  MoveMouse(b, 150, 10, MK_LBUTTON);  // held, outside to the right
  EXPECT_FALSE(Pushed());
  EXPECT_NE(b.CurrentState(), kButtonPressed);
  UpdateWindow(b.Handle());
  EXPECT_EQ(Shown(), Opaque(kStateColor[1]) & 0x00FFFFFFu) << "repainted: focused, so hot";

  MoveMouse(b, 12, 12, MK_LBUTTON);  // back inside: pushed again
  EXPECT_EQ(b.CurrentState(), kButtonPressed);
  UpdateWindow(b.Handle());
  EXPECT_EQ(Shown(), Opaque(kStateColor[2]) & 0x00FFFFFFu) << "repainted pressed";
  MoveMouse(b, 12, 50, MK_LBUTTON);  // below, and released there
  Release(12, 50);
  EXPECT_EQ(clicks, 0);
  EXPECT_FALSE(Pushed());

  // The next full click inside still counts once.
  MoveMouse(b, 10, 10);
  Press(10, 10);
  Release(10, 10);
  EXPECT_EQ(clicks, 1);
}

TEST_F(ButtonClick, WithoutItsSectionTheButtonDrawsAPlainPushButtonAndStillClicks) {
  skin.manager.ConstData.Sections[ssButton] = -1;
  TSkinButton& b = Make();
  ASSERT_FALSE(b.SkinData().Skinned());
  const TBitmapDc shot(b.Width(), b.Height(), 0x00123456);
  SendMessageW(b.Handle(), WM_PRINTCLIENT, reinterpret_cast<WPARAM>(shot.Dc()), PRF_CLIENT);
  EXPECT_EQ(shot.At(b.Width() / 2, 2), paint::ResolveColor(ui::clBtnFace)) << "the system's button face";
  EXPECT_NE(shot.At(b.Width() - 1, b.Height() - 1), paint::ResolveColor(ui::clBtnFace)) << "its frame";

  int entered = 0;
  b.OnMouseEnter = [&](ui::TObject&) { ++entered; };
  MoveMouse(b, 10, 10);
  EXPECT_EQ(entered, 1);
  Press(10, 10);
  Release(10, 10);
  EXPECT_EQ(clicks, 1);
}

}  // namespace
}  // namespace vorlan::skin::test
