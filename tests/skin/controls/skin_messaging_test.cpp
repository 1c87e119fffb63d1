#include "skin/controls/base/skin_messaging.h"

#include <gtest/gtest.h>

#include "skin/controls/skin_test_controls.h"
#include "ui/form.h"
#include "ui/label.h"
#include "ui/panel.h"

namespace vorlan::skin {
namespace {

using test::TSkinnedGraphic;
using test::TSkinnedPanel;

TEST(SkinMessaging, CommandsReachWindowsAndWindowlessControlsButNotControlsWithoutWindowOrGoing) {
  ui::TForm form;
  TSkinnedPanel& panel = form.Add<TSkinnedPanel>();
  panel.SetParent(&form);
  TSkinnedGraphic& graphic = form.Add<TSkinnedGraphic>();
  graphic.SetParent(&panel);
  TSkinnedPanel& unplaced = form.Add<TSkinnedPanel>();  // no parent, no window

  EXPECT_EQ(SendSkinCommand(panel.Handle(), scIsSkinned), 1);
  EXPECT_EQ(SendSkinCommandTo(&graphic, scIsSkinned), 1) << "through its chain";
  EXPECT_EQ(SendSkinCommandTo(&unplaced, scIsSkinned), 0);
  EXPECT_TRUE(unplaced.Answers.Received.empty()) << "a windowed control without window is not asked";
  EXPECT_EQ(SendSkinCommandTo(nullptr, scIsSkinned), 0);
  EXPECT_EQ(SendSkinCommand(nullptr, scIsSkinned), 0);

  graphic.Answers.Skinned = false;
  EXPECT_FALSE(IsSkinCommandTrue(&graphic, scIsSkinned));
  panel.Answers.BgColor = 2;
  EXPECT_FALSE(IsSkinCommandTrue(panel.Handle(), scGetBgColor)) << "exactly 1, not any true value";
  panel.Answers.BgColor = 1;
  EXPECT_TRUE(IsSkinCommandTrue(panel.Handle(), scGetBgColor));

  panel.Answers.Received.clear();
  panel.Free();  // being destroyed from here on
  EXPECT_EQ(SendSkinCommandTo(&panel, scIsSkinned), 0);
  EXPECT_TRUE(panel.Answers.Received.empty());
}

TEST(SkinMessaging, ParentColorAsksSkinnedControlsAndTakesTheOthersColour) {
  ui::TForm form;
  TSkinnedPanel& skinned = form.Add<TSkinnedPanel>();
  skinned.SetParent(&form);
  skinned.SetColor(0x111111);
  skinned.Answers.BgColor = 0x00334455;
  TSkinnedGraphic& skinned_graphic = form.Add<TSkinnedGraphic>();
  skinned_graphic.SetParent(&skinned);
  skinned_graphic.Answers.BgColor = static_cast<LRESULT>(ui::clBtnFace);
  TSkinnedPanel& unskinned = form.Add<TSkinnedPanel>();
  unskinned.SetParent(&form);
  unskinned.SetColor(0x00ABCDEF);
  unskinned.Answers.Skinned = false;
  unskinned.Answers.BgColor = 0x00334455;  // not asked: it does not say it is skinned
  ui::TLabel& label = form.Add<ui::TLabel>();
  label.SetParent(&skinned);
  label.SetColor(ui::clWindow);

  EXPECT_EQ(ParentColor(&skinned), 0x00334455) << "a skinned container's colour answer";
  EXPECT_EQ(skinned.Answers.Received, (std::vector<UINT>{scIsSkinned, scGetBgColor}));
  EXPECT_EQ(ParentColor(&skinned_graphic), paint::ResolveColor(ui::clBtnFace)) << "answers are resolved";
  EXPECT_EQ(ParentColor(&unskinned), 0x00ABCDEF);
  EXPECT_EQ(ParentColor(&label), paint::ResolveColor(ui::clWindow));
  EXPECT_EQ(ParentColor(nullptr), paint::kKeyColor);

  EXPECT_EQ(WindowBgColor(skinned.Handle()), 0x00334455);
  EXPECT_EQ(WindowBgColor(nullptr), paint::kKeyColor);
}

}  // namespace
}  // namespace vorlan::skin
