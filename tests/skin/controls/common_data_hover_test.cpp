#include <gtest/gtest.h>

#include "skin/data/class_codes.h"
#include "skinned_test_controls.h"
#include "ui/edit.h"
#include "ui/panel.h"

namespace vorlan::skin::test {
namespace {

using Form = Skinned<TPopupForm>;
using Box = Skinned<ui::TWinControl>;
using Edit = Skinned<ui::TEdit>;

constexpr TColor kNormal = 0x00101010;
constexpr TColor kHot = 0x00E0E0E0;

class HoverSwitch {
 public:
  explicit HoverSwitch(bool on) : was_(GlobalHoverSwitch()) { SetGlobalHoverSwitch(on); }
  ~HoverSwitch() { SetGlobalHoverSwitch(was_); }

 private:
  bool was_;
};

class Hover : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_EQ(DefaultManager(), &skin.manager);
    const std::int32_t s = skin.Section(u"CTRL", kNormal, 0, 2);
    skin.At(s).Props[1].Color = kHot;
    skin.Section(u"FORM", 0x00808080);
    form = ui::MakeOwned<Form>(u"FORM");
    form->SetBounds(300, 200, 200, 100);
    form->Data().Loaded();
  }
  template <class T>
  T& Child(std::int32_t coc, int left = 10) {
    T& control = form->Add<T>(u"CTRL", coc);
    control.SetBounds(left, 10, 60, 24);
    control.SetParent(form.get());
    control.Data().Loaded();
    return control;
  }
  TestSkin skin;
  ui::TOwned<Form> form;
};

TEST_F(Hover, ShouldBeHotFollowsFocusMouseClassAndTheGlobalSwitch) {
  struct Row {
    std::int32_t coc;
    bool focusedFlag, mouseAbove, noMouseHover, hoverSwitch, enabled;
    bool expected;
    const char* why;
  };
  const Row rows[] = {
      {0, false, false, false, false, true, false, "nothing makes it hot"},
      {0, true, false, false, false, true, true, "the focus flag"},
      {0, true, false, false, false, false, false, "a disabled control never"},
      {0, false, true, false, false, true, true, "the mouse over an ordinary class"},
      {0, false, true, true, false, true, false, "the manager's NoMouseHover"},
      {kClassPanel, false, true, false, false, true, false, "panels are no-hover"},
      {19, false, true, false, true, true, false, "no-hover even with the switch"},
      {kClassEdit, false, true, false, false, true, false, "an edit needs the switch for the mouse"},
      {kClassEdit, false, true, false, true, true, true, "an edit with the switch"},
      {85, false, true, false, false, true, false, "hot-only-with-flag without state colours"},
      {kClassEdit, true, false, false, false, true, true, "an edit by focus, switch off"},
      {kClassButton, false, true, false, false, true, true, "a button by the mouse"},
  };
  for (const Row& row : rows) {
    SCOPED_TRACE(row.why);
    Box& box = Child<Box>(row.coc);
    HoverSwitch hover(row.hoverSwitch);
    TSkOptions options = skin.manager.Options();
    options.NoMouseHover = row.noMouseHover;
    skin.manager.SetOptions(options);
    box.Data().FFocused = row.focusedFlag;
    box.Data().FMouseAbove = row.mouseAbove;
    box.SetEnabled(row.enabled);
    EXPECT_EQ(ShouldBeHot(box.Data()), row.expected);
    box.SetParent(nullptr);
  }
  EXPECT_FALSE(GlobalHoverSwitch()) << "off unless someone turns it on";
}

TEST_F(Hover, TheWindowWithTheInputFocusIsHotExceptAPanel) {
  form->Show();
  Box& box = Child<Box>(0);
  Box& panel = Child<Box>(kClassPanel, 100);
  box.SetFocus();
  ASSERT_EQ(GetFocus(), box.Handle());
  box.Data().FFocused = false;  // the window's focus alone
  EXPECT_TRUE(ShouldBeHot(box.Data()));
  panel.SetFocus();
  ASSERT_EQ(GetFocus(), panel.Handle());
  panel.Data().FFocused = false;
  EXPECT_FALSE(ShouldBeHot(panel.Data()));
}

TEST_F(Hover, TheMouseMakesAnEditHotOnlyWithTheSwitchAndLeavingNeedsTheCursorOutside) {
  form->Show();
  Edit& edit = Child<Edit>(kClassEdit);
  ASSERT_EQ(edit.Color(), kNormal);
  RECT onScreen{};
  GetWindowRect(edit.Handle(), &onScreen);
  const POINT inside{onScreen.left + 5, onScreen.top + 5};

  {
    HoverSwitch off(false);
    edit.Perform(platform::CM_MOUSEENTER);
    EXPECT_TRUE(edit.Data().FMouseAbove);
    EXPECT_EQ(edit.Color(), kNormal) << "no hot look by the mouse alone";
    SetCursorPos(5, 5);
    edit.Perform(platform::CM_MOUSELEAVE);
    EXPECT_FALSE(edit.Data().FMouseAbove);
  }
  {
    HoverSwitch on(true);
    edit.Perform(platform::CM_MOUSEENTER);
    EXPECT_EQ(edit.Color(), kHot);
    ASSERT_TRUE(SetCursorPos(inside.x, inside.y));
    edit.Perform(platform::CM_MOUSELEAVE);
    EXPECT_TRUE(edit.Data().FMouseAbove) << "a leave notice with the cursor still inside is ignored";
    EXPECT_EQ(edit.Color(), kHot);
    SetCursorPos(5, 5);
    edit.Perform(platform::CM_MOUSELEAVE);
    EXPECT_FALSE(edit.Data().FMouseAbove);
    EXPECT_EQ(edit.Color(), kNormal);
  }

  // The focus gives the hot look whatever the switch, and keeps it when the mouse leaves.
  edit.SetFocus();
  ASSERT_EQ(GetFocus(), edit.Handle());
  EXPECT_TRUE(edit.Data().FFocused);
  EXPECT_EQ(edit.Color(), kHot);
  edit.Perform(platform::CM_MOUSEENTER);
  SetCursorPos(5, 5);
  edit.Perform(platform::CM_MOUSELEAVE);
  EXPECT_EQ(edit.Color(), kHot) << "still focused";
  SetFocus(form->Handle());
  EXPECT_FALSE(edit.Data().FFocused);
  EXPECT_EQ(edit.Color(), kNormal);

  // A custom colour is never touched.
  edit.Data().SetCustomColor(true);
  edit.SetColor(0x00000007);
  edit.SetFocus();
  EXPECT_EQ(edit.Color(), 0x00000007);
}

}  // namespace
}  // namespace vorlan::skin::test
