#include <gtest/gtest.h>

#include <vector>

#include "skin/controls/hooks/import_redirect.h"
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
  // Runs a fade of the button to its end.
  void PlayOut() {
    TSkinCommonData& d = button->SkinData();
    for (int tick = 0; tick < 50 && AnimationRunning(d); ++tick) d.AnimTimer->Tick();
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

TEST_F(ButtonClick, SpaceWhileAFadeRunsShowsThePressedLookAtOnce) {
  GiveTheButtonAGlow();
  TSkinButton& b = Make();
  SetFocus(b.Handle());
  MoveMouse(b, 10, 10);
  MoveMouse(*panel, 200, 90);  // off again at once: the fade back runs
  ASSERT_TRUE(AnimationRunning(b.SkinData()));
  ASSERT_EQ(LiveGlowCount(), 1u);
  SendMessageW(b.Handle(), WM_KEYDOWN, VK_SPACE, 0);
  EXPECT_FALSE(AnimationRunning(b.SkinData())) << "the key press cuts the fade";
  EXPECT_EQ(OnScreen(3, 3), Look(kButtonPressed)) << "and shows the pressed look itself";
  EXPECT_EQ(LiveGlowCount(), 0u) << "without the glow";
  SendMessageW(b.Handle(), WM_KEYUP, VK_SPACE, 0);
  EXPECT_EQ(clicks, 1);
}

// What the button shows while the program waits after a release: every
// Sleep of the process goes through here while a probe lives.
struct PauseProbe {
  explicit PauseProbe(HWND button) : redirect(SystemFunction(L"kernel32.dll", "Sleep"), AnyFunction(&Probe)) {
    watched = button;
    original = redirect.Original();
    seen.clear();
  }
  static void WINAPI Probe(DWORD ms) {
    const platform::WindowDc dc(watched);
    seen.push_back({ms, GetPixel(dc.get(), 3, 3)});
    TypedFunction<void(WINAPI*)(DWORD)>(original)(ms);
  }
  struct Pause {
    DWORD Ms;
    COLORREF Shown;
  };
  static inline std::vector<Pause> seen;
  static inline HWND watched = nullptr;
  static inline TAnyFunction original = nullptr;
  TImportRedirect redirect;
};

TEST_F(ButtonClick, AReleaseKeepsThePressedLookOnTheScreenForThirtyMilliseconds) {
  struct Row {
    const char* why;
    bool pressFadeEnded;
  } rows[] = {{"released while the fade to pressed still runs", false}, {"released after that fade", true}};
  for (const Row& r : rows) {
    TSkinButton& b = Make();
    MoveMouse(b, 10, 10);
    PlayOut();
    Press(10, 10);
    ASSERT_TRUE(AnimationRunning(b.SkinData())) << r.why;
    if (r.pressFadeEnded) PlayOut();
    {
      const PauseProbe probe(b.Handle());
      Release(10, 10);
    }
    ASSERT_EQ(PauseProbe::seen.size(), 1u) << r.why << ": one pause";
    EXPECT_EQ(PauseProbe::seen[0].Ms, 30u) << r.why;
    EXPECT_EQ(PauseProbe::seen[0].Shown, Look(kButtonPressed)) << r.why << ": the pressed look during the pause";
    EXPECT_TRUE(AnimationRunning(b.SkinData())) << r.why << ": then the fade back to hot";
    clicks = 0;
  }
}

TEST_F(ButtonClick, OnlyAReleaseOverTheButtonFadesItBackToHotWithItsGlow) {
  GiveTheButtonAGlow();
  struct Row {
    const char* why;
    int releaseY;
    bool over;
  } rows[] = {{"released over the button", 10, true}, {"moved off while held, released below it", 60, false}};
  for (const Row& r : rows) {
    TSkinButton& b = Make();
    RealMouseTo(10, 10);
    RealMouse(MOUSEEVENTF_LEFTDOWN);
    ASSERT_TRUE(Pushed()) << r.why;
    RealMouseTo(10, r.releaseY);
    if (!r.over) {
      // The system tells of the leave a moment later.
      for (int i = 0; i < 50 && b.SkinData().FMouseAbove; ++i) Settle();
      ASSERT_FALSE(b.SkinData().FMouseAbove) << r.why;
      PlayOut();
    }
    RealMouse(MOUSEEVENTF_LEFTUP);
    PlayOut();
    EXPECT_EQ(clicks, r.over ? 1 : 0) << r.why;
    EXPECT_EQ(b.SkinData().FMouseAbove, r.over) << r.why;
    EXPECT_EQ(LiveGlowCount(), r.over ? 1u : 0u) << r.why << ": the hot look's glow";
    clicks = 0;
  }

  // Released outside while the fade back runs: the release cuts that fade,
  // which was to take the glow away.
  TSkinButton& b = Make();
  MoveMouse(b, 10, 10);
  PlayOut();
  Press(10, 10);
  MoveMouse(b, 10, 60, MK_LBUTTON);
  SendMessageW(b.Handle(), WM_MOUSELEAVE, 0, 0);  // the system's word, the button still holding the mouse
  ASSERT_TRUE(AnimationRunning(b.SkinData()));
  ASSERT_EQ(LiveGlowCount(), 1u);
  Release(10, 60);
  EXPECT_EQ(LiveGlowCount(), 0u) << "no glow around a button the mouse has left";
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
