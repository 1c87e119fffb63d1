#include "skin/controls/effects/glow.h"

#include <gtest/gtest.h>

#include <functional>
#include <initializer_list>

#include "live_handles.h"
#include "platform/program_messages.h"
#include "skin/controls/core/control_seams.h"
#include "skin/controls/provider/window_system.h"
#include "skinned_test_controls.h"

namespace vorlan::skin::test {
namespace {

using Form = Skinned<TPopupForm>;
using Box = Skinned<ui::TWinControl>;

// The glow image's border widths and the section's margin.
constexpr std::int16_t kGlowL = 6, kGlowT = 5, kGlowR = 7, kGlowB = 8;
constexpr std::int32_t kMargin = 2;

class Glow : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_EQ(DefaultManager(), &skin.manager);
    skin.Section(u"FORM", 0x00406080);
    boxSection = skin.Section(u"BOX", 0x00102030);
    skin.At(boxSection).GlowCount = 1;
    skin.At(boxSection).GlowMargin = kMargin;
    skin.Section(u"PLAIN", 0x00102030);  // no glow image
    glowMask = skin.Image(paint::MakeRect(0, 0, 24, 24), itGlow);
    TSkinMaskData& m = skin.manager.Skin.ma[static_cast<std::size_t>(glowMask)];
    m.PropertyName = u"GLOW0";
    m.ClassName = u"BOX";
    m.SkinIndex = boxSection;
    m.WL = kGlowL;
    m.WT = kGlowT;
    m.WR = kGlowR;
    m.WB = kGlowB;

    form = ui::MakeOwned<Form>(u"FORM");
    form->SetBounds(120, 100, 200, 120);
    box = &form->Add<Box>(u"BOX");
    box->SetBounds(30, 40, 60, 24);
    box->SetParent(form.get());
    form->Data().Loaded();
    box->Data().Loaded();
    form->Show();
    RedrawWindow(form->Handle(), nullptr, nullptr, RDW_INVALIDATE | RDW_ALLCHILDREN | RDW_UPDATENOW);
  }
  void TearDown() override { DestroyAllGlows(); }

  TSkinCtrlSkinData& Data() { return box->Data(); }
  HWND GlowWindow() {
    const TSkGlowEffect* glow = GlowEffect(Data().GlowID);
    return glow != nullptr ? glow->Wnd.get() : nullptr;
  }
  // Ticks of the control's timer until it stops; how many it took.
  int TicksToEnd(int limit = 100) {
    int ticks = 0;
    while (AnimationRunning(Data()) && ticks < limit) {
      Data().AnimTimer->Tick();
      ++ticks;
    }
    return ticks;
  }

  TestSkin skin;
  std::int32_t boxSection = -1;
  std::int32_t glowMask = -1;
  ui::TOwned<Form> form;
  Box* box = nullptr;
};

TEST_F(Glow, WindowLiesAroundTheControlByTheImageBordersLessTheMargin) {
  UpdateGlow(Data(), true, false);
  ASSERT_GE(Data().GlowID, 0);
  const HWND glow = GlowWindow();
  ASSERT_NE(glow, nullptr);
  RECT control{}, r{};
  GetWindowRect(box->Handle(), &control);
  GetWindowRect(glow, &r);
  EXPECT_EQ(r.left, control.left + kMargin - kGlowL);
  EXPECT_EQ(r.top, control.top + kMargin - kGlowT);
  EXPECT_EQ(r.right - r.left, 60 + kGlowL + kGlowR - 2 * kMargin);
  EXPECT_EQ(r.bottom - r.top, 24 + kGlowT + kGlowB - 2 * kMargin);
  const TSkGlowEffect& effect = *GlowEffect(Data().GlowID);
  EXPECT_EQ(effect.AlphaBmp->Width(), r.right - r.left);
  EXPECT_EQ(effect.Alpha, 255) << "shown without animation: at full alpha";
  EXPECT_NE(effect.AlphaBmp->Pixel(0, 0), 0u) << "the glow image is painted over the picture";

  const LONG_PTR ex = GetWindowLongPtrW(glow, GWL_EXSTYLE);
  for (const LONG_PTR bit :
       std::initializer_list<LONG_PTR>{WS_EX_LAYERED, WS_EX_TRANSPARENT, WS_EX_TOOLWINDOW, WS_EX_NOACTIVATE}) {
    EXPECT_NE(ex & bit, 0) << std::hex << bit;
  }
  EXPECT_TRUE(IsWindowVisible(glow));
  EXPECT_EQ(SendMessageW(glow, WM_NCHITTEST, 0, MAKELPARAM(r.left + 1, r.top + 1)), HTTRANSPARENT);
  // Directly above the form, so that the form does not hide it.
  HWND below = GetWindow(glow, GW_HWNDNEXT);
  while (below != nullptr && below != form->Handle() && !IsWindowVisible(below)) below = GetWindow(below, GW_HWNDNEXT);
  EXPECT_EQ(below, form->Handle());
  EXPECT_NE(GetForegroundWindow(), glow) << "never activated";

  // Showing again while one is shown changes nothing.
  const std::int32_t id = Data().GlowID;
  UpdateGlow(Data(), true, false);
  EXPECT_EQ(Data().GlowID, id);
  EXPECT_EQ(LiveGlowCount(), 1u);
}

TEST_F(Glow, NoGlowWithoutImageCountPermissionOrWhileAnotherWindowHasTheCapture) {
  // Another window holds the mouse: nothing, and the control may try again.
  platform::UniqueWindow other(
      CreateWindowExW(WS_EX_TOOLWINDOW, L"STATIC", L"", WS_POPUP, 0, 0, 10, 10, nullptr, nullptr, nullptr, nullptr));
  SetCapture(other.get());
  UpdateGlow(Data(), true, false);
  EXPECT_EQ(Data().GlowID, -1);
  ReleaseCapture();
  // The control's own capture (a press) does not stop it.
  SetCapture(box->Handle());
  UpdateGlow(Data(), true, false);
  EXPECT_GE(Data().GlowID, 0);
  ReleaseCapture();
  UpdateGlow(Data(), false, false);
  EXPECT_EQ(Data().GlowID, -1);
  EXPECT_EQ(LiveGlowCount(), 0u);

  // Each row takes one thing away and puts it back afterwards.
  TSkinMaskData& mask = skin.manager.Skin.ma[static_cast<std::size_t>(glowMask)];
  TSkinGeneralData& section = skin.At(boxSection);
  const auto allowGlowing = [&](bool on) {
    TSkinEffects e = skin.manager.Effects();
    e.AllowGlowing = on;
    skin.manager.SetEffects(e);
  };
  struct Row {
    const char* why;
    std::function<void(bool)> without;
  } rows[] = {
      {"no GLOW0 image", [&](bool w) { mask.PropertyName = w ? u"GLOW1" : u"GLOW0"; }},
      {"glow count 0", [&](bool w) { section.GlowCount = w ? 0 : 1; }},
      {"glowing not allowed", [&](bool w) { allowGlowing(!w); }},
      {"hover switched off",
       [&](bool w) {
         TSkOptions o = skin.manager.Options();
         o.NoMouseHover = w;
         skin.manager.SetOptions(o);
       }},
  };
  for (const Row& r : rows) {
    r.without(true);
    UpdateGlow(Data(), true, false);
    EXPECT_EQ(Data().GlowID, -1) << r.why;
    EXPECT_EQ(LiveGlowCount(), 0u) << r.why;
    r.without(false);
    UpdateGlow(Data(), true, false);
    EXPECT_GE(Data().GlowID, 0) << r.why << ": back again";
    UpdateGlow(Data(), false, false);
  }
}

TEST_F(Glow, MouseFadesTheGlowInAndOutTickByTick) {
  box->Perform(platform::CM_MOUSEENTER);
  ASSERT_GE(Data().GlowID, 0);
  const std::int32_t id = Data().GlowID;
  ASSERT_TRUE(AnimationRunning(Data()));
  EXPECT_EQ(Data().AnimTimer->ThreadType, kGlowFade);
  EXPECT_EQ(GlowEffect(id)->Alpha, 26) << "the first step at once";
  EXPECT_EQ(TicksToEnd(), 10);
  EXPECT_EQ(GlowEffect(id)->Alpha, 255);

  SetCursorPos(0, 0);
  box->Perform(platform::CM_MOUSELEAVE);
  ASSERT_EQ(Data().GlowID, id) << "fading out, not gone";
  EXPECT_EQ(GlowEffect(id)->Alpha, 242) << "255 − 12.75, to even";
  // Back over it half-way: it fades in again instead of vanishing.
  for (int i = 0; i < 4; ++i) Data().AnimTimer->Tick();
  box->Perform(platform::CM_MOUSEENTER);
  EXPECT_EQ(TicksToEnd(), 2) << "63.75 left to full: 2.5 steps, to even 2";
  EXPECT_EQ(GlowEffect(id)->Alpha, 255);

  SetCursorPos(0, 0);
  box->Perform(platform::CM_MOUSELEAVE);
  EXPECT_EQ(TicksToEnd(), 20);
  EXPECT_EQ(Data().GlowID, -1);
  EXPECT_EQ(LiveGlowCount(), 0u);
  EXPECT_FALSE(Data().AnimTimer) << "the finished fade-out frees its timer";
}

TEST_F(Glow, AResizeHidesTheGlowUnlessItsFadeStillRuns) {
  box->Perform(platform::CM_MOUSEENTER);
  ASSERT_TRUE(AnimationRunning(Data()));
  box->SetBounds(30, 40, 70, 24);
  EXPECT_GE(Data().GlowID, 0) << "resized while the glow fades in: it stays";
  TicksToEnd();
  ASSERT_TRUE(Data().AnimTimer) << "the finished fade keeps its timer";
  box->SetBounds(30, 40, 80, 24);
  EXPECT_EQ(Data().GlowID, -1) << "resized after the fade: the glow goes";
  EXPECT_EQ(LiveGlowCount(), 0u);
}

TEST_F(Glow, SkinChangeRemovesEveryGlow) {
  const TSkinWindowSystemInstallation installed;
  UpdateGlow(Data(), true, false);
  ASSERT_EQ(LiveGlowCount(), 1u);
  InstalledWindowSystem()->RemoveAllGlows();
  EXPECT_EQ(LiveGlowCount(), 0u);
  EXPECT_EQ(Data().GlowID, -1) << "the control forgets the glow that went";
  UpdateGlow(Data(), true, false);
  EXPECT_GE(Data().GlowID, 0) << "and may show a new one";
}

TEST_F(Glow, HundredGlowCyclesLeaveNoHandlesBehind) {
  const auto cycle = [&] {
    box->Perform(platform::CM_MOUSEENTER);
    TicksToEnd();
    SetCursorPos(0, 0);
    box->Perform(platform::CM_MOUSELEAVE);
    TicksToEnd();
    UpdateGlow(Data(), true, false);
    UpdateGlow(Data(), false, false);
    PumpMessages();
  };
  cycle();
  const std::size_t gdi = LiveGdiObjects();
  const std::size_t user = LiveUserObjects();
  for (int i = 0; i < 100; ++i) cycle();
  EXPECT_EQ(LiveGdiObjects(), gdi);
  EXPECT_EQ(LiveUserObjects(), user);
  EXPECT_EQ(LiveGlowCount(), 0u);
}

}  // namespace
}  // namespace vorlan::skin::test
