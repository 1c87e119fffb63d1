#include <gtest/gtest.h>

#include <algorithm>

#include "skinned_test_controls.h"

namespace vorlan::skin::test {
namespace {

using Form = Skinned<TPopupForm>;
using Box = Skinned<ui::TWinControl>;

bool Saw(const std::vector<WPARAM>& commands, TSkinCommand command, WORD low) {
  return std::find(commands.begin(), commands.end(), MakeSkinWParam(command) | low) != commands.end();
}

TEST(Messages, SizeVisibilityAndStateQuestionsReachTheCacheAndTheChildren) {
  TestSkin skin;
  ASSERT_EQ(DefaultManager(), &skin.manager);
  const std::int32_t s = skin.Section(u"FORM", 0x00101010);
  skin.At(s).Props[0].GradientPercent = 50;
  skin.At(s).Props[0].GradientArray.push_back({0x00000000, 0x00FFFFFF, 100, 0, 0});
  skin.Section(u"BOX", 0x00202020);
  auto form = ui::MakeOwned<Form>(u"FORM");
  form->SetBounds(0, 0, 60, 40);
  Box& box = form->Add<Box>(u"BOX");
  box.SetBounds(2, 2, 20, 10);
  box.SetParent(form.get());
  form->Data().Loaded();
  box.Data().Loaded();
  EXPECT_EQ(form->Data().BGType, 2) << "a vertical gradient";

  // A gradient parent that changes size tells its children to repaint.
  SendMessageW(form->Handle(), SM_ALPHACMD, MakeSkinWParam(scPrepareCache), 0);
  ASSERT_FALSE(form->Data().BGChanged);
  form->SetBounds(0, 0, 70, 40);
  EXPECT_TRUE(form->Data().BGChanged);
  EXPECT_TRUE(Saw(box.Commands, scRepaintIfMoved, 1));

  // Skinned windows swallow the keyboard-cue notice.
  EXPECT_EQ(box.Perform(WM_UPDATEUISTATE, 0, 0), 0);

  // Command 36 with 1 recomputes and passes down; the undetermined bit goes.
  box.Commands.clear();
  EXPECT_EQ(box.Perform(SM_ALPHACMD, MakeSkinWParam(scGetCtrlState), 0) & kCtrlStateUndetermined, 0);
  form->Perform(SM_ALPHACMD, MakeSkinWParam(scGetCtrlState), 1);
  EXPECT_TRUE(Saw(box.Commands, scGetCtrlState, 0));

  // Command 10: a ready cache of the right size is ready; a resized control is not.
  SendMessageW(box.Handle(), SM_ALPHACMD, MakeSkinWParam(scPrepareCache), 0);
  EXPECT_EQ(box.Perform(SM_ALPHACMD, MakeSkinWParam(scIsNotReady)), 0);
  box.SetBounds(2, 2, 25, 10);
  EXPECT_EQ(box.Perform(SM_ALPHACMD, MakeSkinWParam(scIsNotReady)), 1);

  // Hiding under the memory-saving option empties the caches below.
  TSkOptions options = skin.manager.Options();
  options.OptimizingPriority = opMemory;
  skin.manager.SetOptions(options);
  SendMessageW(box.Handle(), SM_ALPHACMD, MakeSkinWParam(scPrepareCache), 0);
  ASSERT_FALSE(box.Cache().Empty());
  form->Perform(platform::CM_VISIBLECHANGED, 0);
  EXPECT_TRUE(box.Cache().Empty()) << "the child got command 33";
  EXPECT_TRUE(box.Data().BGChanged);
  form->Data().FUpdating = true;
  form->Perform(platform::CM_VISIBLECHANGED, 1);
  EXPECT_FALSE(form->Data().FUpdating);

  // A child is ready only when its parent is: an updating parent makes it wait.
  form->Data().FUpdating = true;
  EXPECT_TRUE(box.Data().Updating());
  form->Data().FUpdating = false;
  EXPECT_FALSE(box.Data().Updating());
}

}  // namespace
}  // namespace vorlan::skin::test
