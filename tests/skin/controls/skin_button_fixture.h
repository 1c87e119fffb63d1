#pragma once

#include <gtest/gtest.h>

#include <array>
#include <cstdint>

#include "live_handles.h"
#include "paint/bitmap_gdi_win.h"
#include "skin/controls/effects/glow.h"
#include "skin/controls/widgets/skin_button.h"
#include "skin/data/class_codes.h"
#include "skinned_test_controls.h"

// A skinned form with a textured panel (every pixel different) and a
// skinned button on it, the button's section resolved the way the real skin
// does it: through the manager's constant index of BUTTON.
namespace vorlan::skin::test {

using ButtonForm = Skinned<TPopupForm>;
using ButtonPanel = Skinned<ui::TWinControl>;

inline constexpr TColor kFormColor = 0x00402010;
inline constexpr std::array<TColor, 3> kStateColor{0x00E8FFEF, 0x00D0E0F0, 0x00205080};  // normal, hot, pressed
inline constexpr std::array<TColor, 3> kFontColor{0x00000000, 0x00FFFFFF, 0x000000FF};

class ButtonFixture : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_EQ(DefaultManager(), &skin.manager);
    skin.Section(u"FORM", kFormColor);
    const std::int32_t panelSection = skin.Section(u"PANEL", 0x00808080);
    skin.Texture(panelSection, paint::MakeRect(0, 0, 16, 16));
    buttonSection = skin.Section(u"BUTTON", kStateColor[0]);
    for (std::size_t s = 0; s < 3; ++s) {
      skin.At(buttonSection).Props[s].Color = kStateColor[s];
      skin.At(buttonSection).Props[s].FontColor.Color = kFontColor[s];
    }
    skin.manager.ConstData.Sections[ssButton] = buttonSection;
  }

  // The tree, with the button at (9, 20) of the panel, which lies at (0, 40).
  TSkinButton& MakeButton(int width, int height, std::u16string caption) {
    form = ui::MakeOwned<ButtonForm>(u"FORM");
    form->SetBounds(200, 150, 220, 140);
    panel = &form->Add<ButtonPanel>(u"PANEL", kClassPanel);
    panel->SetBounds(0, 40, 220, 100);
    panel->SetParent(form.get());
    button = &form->Add<TSkinButton>();
    button->SetBounds(9, 20, width, height);
    button->SetCaption(std::move(caption));
    button->SetParent(panel);
    form->Data().Loaded();
    panel->Data().Loaded();
    return *button;
  }

  void Show() {
    form->Show();
    UpdateWindow(form->Handle());
  }

  // A GLOW0 image for the button's section.
  void GiveTheButtonAGlow() {
    skin.At(buttonSection).GlowCount = 1;
    const std::int32_t mask = skin.Image(paint::MakeRect(0, 0, 12, 12), itGlow);
    TSkinMaskData& m = skin.manager.Skin.ma[static_cast<std::size_t>(mask)];
    m.PropertyName = u"GLOW0";
    m.SkinIndex = buttonSection;
    m.WL = m.WT = m.WR = m.WB = 4;
  }

  // The button's picture as it is painted now.
  const paint::TBitmap32& Picture() {
    EXPECT_TRUE(button->PrepareCache());
    GdiFlush();
    return *button->SkinData().FCacheBmp;
  }

  // The mouse moves over a window at a point of its client area.
  static void MoveMouse(const ui::TWinControl& over, int x, int y, WPARAM keys = 0) {
    SendMessageW(over.Handle(), WM_MOUSEMOVE, keys, MAKELPARAM(x, y));
  }
  void Press(int x, int y) const { SendMessageW(button->Handle(), WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(x, y)); }
  void Release(int x, int y) const { SendMessageW(button->Handle(), WM_LBUTTONUP, 0, MAKELPARAM(x, y)); }

  // What the screen shows at a point of the button.
  COLORREF OnScreen(int x, int y) const {
    const platform::WindowDc dc(button->Handle());
    return GetPixel(dc.get(), x, y);
  }
  static COLORREF Look(std::size_t state) { return paint::ToColorRef(kStateColor[state]); }

  // Real mouse input through the system's queue, at a point of the button
  // (the form is put above everything first, where the input finds it).
  void RealMouseTo(int x, int y) const {
    SetWindowPos(form->Handle(), HWND_TOPMOST, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
    POINT p{x, y};
    ClientToScreen(button->Handle(), &p);
    SetCursorPos(p.x, p.y);
    RealMouse(MOUSEEVENTF_MOVE);  // a move of nothing where the cursor now is
  }
  static void RealMouse(DWORD flags) {
    INPUT in{};
    in.type = INPUT_MOUSE;
    in.mi.dwFlags = flags;
    SendInput(1, &in, sizeof(in));
    Settle();
  }
  // The messages of a moment: the input's, the system's answers to it.
  static void Settle() {
    for (int i = 0; i < 5; ++i) {
      PumpMessages();
      Sleep(10);
    }
  }
  void TearDown() override {
    // A failed step must not leave the button held for the tests after.
    if (GetAsyncKeyState(VK_LBUTTON) & 0x8000) RealMouse(MOUSEEVENTF_LEFTUP);
    DestroyAllGlows();
  }

  TestSkin skin;
  std::int32_t buttonSection = -1;
  ui::TOwned<ButtonForm> form;
  ButtonPanel* panel = nullptr;
  TSkinButton* button = nullptr;
};

}  // namespace vorlan::skin::test
