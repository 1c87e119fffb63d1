#include "skin/controls/core/child_messaging.h"

#include <gtest/gtest.h>

#include "skin/controls/base/skin_flags.h"
#include "skin/controls/skin_test_controls.h"
#include "ui/form.h"
#include "ui/panel.h"

namespace vorlan::skin {
namespace {

using test::kProbe;
using test::TSkinnedGraphic;
using test::TSkinnedPanel;

bool Got(const test::TSkinAnswers& answers, UINT what) {
  return std::find(answers.Received.begin(), answers.Received.end(), what) != answers.Received.end();
}

struct Tree {
  ui::TForm form;
  ui::TPanel& container = form.Add<ui::TPanel>();
  TSkinnedGraphic& first = form.Add<TSkinnedGraphic>();
  TSkinnedPanel& skinned = form.Add<TSkinnedPanel>();
  TSkinnedGraphic& inside_skinned = form.Add<TSkinnedGraphic>();
  ui::TPanel& plain = form.Add<ui::TPanel>();
  TSkinnedGraphic& inside_plain = form.Add<TSkinnedGraphic>();
  TSkinnedGraphic& going = form.Add<TSkinnedGraphic>();
  TSkinnedGraphic& last = form.Add<TSkinnedGraphic>();

  Tree() {
    container.SetParent(&form);
    first.SetParent(&container);
    skinned.SetParent(&container);
    inside_skinned.SetParent(&skinned);
    plain.SetParent(&container);
    inside_plain.SetParent(&plain);
    going.SetParent(&container);
    last.SetParent(&container);
  }
};

TEST(ChildMessaging, ABroadcastReachesEachKindOfChildItsWayAndStopsAtTheFirstGoingChild) {
  Tree tree;
  ui::TMessage probe{kProbe, 0, 0, 0};
  tree.going.Free();  // being destroyed: the broadcast ends here

  BroadcastToChildControls(tree.container, probe);
  EXPECT_TRUE(Got(tree.first.Answers, kProbe));
  EXPECT_TRUE(Got(tree.skinned.Answers, kProbe)) << "sent to the skinned child's window";
  EXPECT_FALSE(Got(tree.inside_skinned.Answers, kProbe)) << "a skinned child passes it on itself";
  EXPECT_TRUE(Got(tree.inside_plain.Answers, kProbe)) << "an unskinned child's children get it from the broadcast";
  EXPECT_FALSE(Got(tree.going.Answers, kProbe));
  EXPECT_FALSE(Got(tree.last.Answers, kProbe)) << "children after a going one get nothing";

  tree.inside_plain.Answers.Received.clear();
  SetBroadcastSkipFilter([&tree](ui::TWinControl& child) { return &child == &tree.plain; });
  BroadcastToChildControls(tree.container, probe);
  SetBroadcastSkipFilter(nullptr);
  EXPECT_FALSE(Got(tree.inside_plain.Answers, kProbe)) << "the application's filter skipped that child";
  EXPECT_EQ(std::count(tree.first.Answers.Received.begin(), tree.first.Answers.Received.end(), kProbe), 2);
}

TEST(ChildMessaging, AWindowedChildWithoutWindowGetsTheBroadcastDirectly) {
  Tree tree;
  DestroyWindow(tree.skinned.Handle());
  ASSERT_FALSE(tree.skinned.HandleAllocated());
  tree.skinned.Answers.Skinned = false;  // not asked: there is no window to ask
  BroadcastToChildControls(tree.container, ui::TMessage{kProbe, 0, 0, 0});
  EXPECT_TRUE(Got(tree.skinned.Answers, kProbe));
  EXPECT_FALSE(Got(tree.inside_skinned.Answers, kProbe)) << "its children are its own business";
}

TEST(ChildMessaging, WindowBroadcastsReachDirectChildrenOnly) {
  Tree tree;
  BroadcastToChildWindows(tree.container.Handle(), ui::TMessage{kProbe, 0, 0, 0});
  EXPECT_TRUE(Got(tree.skinned.Answers, kProbe));
  EXPECT_FALSE(Got(tree.first.Answers, kProbe)) << "windowless controls have no window";

  ui::TForm form;
  ui::TPanel& outer = form.Add<ui::TPanel>();
  outer.SetParent(&form);
  TSkinnedPanel& grandchild = form.Add<TSkinnedPanel>();
  grandchild.SetParent(&outer);
  BroadcastToChildWindows(form.Handle(), ui::TMessage{kProbe, 0, 0, 0});
  EXPECT_FALSE(Got(grandchild.Answers, kProbe)) << "a grandchild is not a direct child";
}

TEST(ChildMessaging, RepaintChildrenSkipsGoingAndHiddenChildrenAndWaitsForAnimations) {
  Tree tree;
  tree.form.Show();  // only showing windowed children are repainted
  TSkinnedPanel& hidden = tree.form.Add<TSkinnedPanel>();
  hidden.SetParent(&tree.container);
  hidden.SetVisible(false);
  tree.going.Free();

  SetAnimationInProgress(true);
  RepaintChildren(tree.container);
  SetAnimationInProgress(false);
  EXPECT_FALSE(Got(tree.first.Answers, scUpdateDone)) << "nothing while an animation runs";

  RepaintChildren(tree.container);
  EXPECT_TRUE(Got(tree.first.Answers, scUpdateDone));
  EXPECT_TRUE(Got(tree.skinned.Answers, scUpdateDone));
  EXPECT_TRUE(Got(tree.last.Answers, scUpdateDone)) << "a going child is skipped, not the end";
  EXPECT_FALSE(Got(tree.going.Answers, scUpdateDone));
  EXPECT_FALSE(Got(hidden.Answers, scUpdateDone)) << "a windowed child that is not showing";
  EXPECT_FALSE(Got(tree.inside_skinned.Answers, scUpdateDone)) << "children only, not grandchildren";

  tree.skinned.Answers.Received.clear();
  DestroyWindow(tree.skinned.Handle());
  RepaintChildren(tree.container);
  EXPECT_TRUE(tree.skinned.Answers.Received.empty()) << "a windowed child without window";

  hidden.Answers.Received.clear();
  RepaintChildWindows(tree.container.Handle());
  EXPECT_TRUE(Got(hidden.Answers, scUpdateDone)) << "every child window, shown or not";
}

}  // namespace
}  // namespace vorlan::skin
