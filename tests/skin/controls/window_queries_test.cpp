#include "skin/controls/base/window_queries.h"

#include <gtest/gtest.h>

#include "skin/controls/skin_test_controls.h"
#include "ui/form.h"
#include "ui/label.h"
#include "ui/panel.h"

namespace vorlan::skin {
namespace {

TEST(WindowQueries, MoveAfterSiblingPutsTheControlRightBehindItsSibling) {
  struct Row {
    const char* why;
    int control, sibling;
    std::vector<int> expected;
  } rows[] = {
      {"forwards", 0, 2, {1, 2, 0, 3}},
      {"backwards", 3, 0, {0, 3, 1, 2}},
      {"already there", 1, 0, {0, 1, 2, 3}},
      {"to the end", 2, 3, {0, 1, 3, 2}},
      {"after itself: nothing", 1, 1, {0, 1, 2, 3}},
  };
  for (const Row& row : rows) {
    ui::TForm form;
    ui::TPanel& parent = form.Add<ui::TPanel>();
    parent.SetParent(&form);
    std::vector<ui::TControl*> children;
    for (int i = 0; i < 4; ++i) {
      ui::TControl* child = i == 1 ? static_cast<ui::TControl*>(&form.Add<ui::TPanel>()) : &form.Add<ui::TLabel>();
      child->SetParent(&parent);
      children.push_back(child);
    }
    MoveAfterSibling(*children[row.control], *children[row.sibling]);
    std::vector<int> order;
    for (const ui::TControl* c : parent.Controls()) {
      order.push_back(static_cast<int>(std::find(children.begin(), children.end(), c) - children.begin()));
    }
    EXPECT_EQ(order, row.expected) << row.why;
  }

  ui::TForm form;
  ui::TPanel& a = form.Add<ui::TPanel>();
  ui::TPanel& b = form.Add<ui::TPanel>();
  a.SetParent(&form);
  b.SetParent(&a);
  ui::TLabel& label = form.Add<ui::TLabel>();
  label.SetParent(&form);
  MoveAfterSibling(label, b);  // not a sibling
  EXPECT_EQ(form.Controls(), (std::vector<ui::TControl*>{&a, &label}));
}

TEST(WindowQueries, SizesAlignmentsAndWindows) {
  ui::TForm form;
  form.SetClientSize(200, 150);
  const auto add = [&form](auto& control, ui::TAlign align, int size) -> decltype(auto) {
    control.SetParent(&form);
    control.SetBounds(0, 0, size, size);
    control.SetAlign(align);
    return control;
  };
  add(form.Add<ui::TPanel>(), ui::TAlign::alTop, 10);
  add(form.Add<ui::TPanel>(), ui::TAlign::alTop, 20);
  add(form.Add<ui::TLabel>(), ui::TAlign::alTop, 7);
  add(form.Add<ui::TPanel>(), ui::TAlign::alLeft, 30);
  add(form.Add<ui::TPanel>(), ui::TAlign::alTop, 40).SetVisible(false);
  EXPECT_EQ(SumAlignedSizes(form, ui::TAlign::alTop, false), 30) << "windowed, visible, top: heights";
  EXPECT_EQ(SumAlignedSizes(form, ui::TAlign::alTop, true), 37) << "with the windowless label";
  EXPECT_EQ(SumAlignedSizes(form, ui::TAlign::alLeft, true), 30) << "widths for left alignment";
  EXPECT_EQ(SumAlignedSizes(form, ui::TAlign::alBottom, true), 0);
  EXPECT_EQ(SumAlignedSizes(form, ui::TAlign::alClient, true), 0);

  ui::TPanel& inner = form.Add<ui::TPanel>();
  ui::TPanel& innermost = form.Add<ui::TPanel>();
  inner.SetParent(&form);
  innermost.SetParent(&inner);
  EXPECT_EQ(TopLevelWindow(innermost.Handle()), form.Handle());
  EXPECT_EQ(TopLevelWindow(form.Handle()), form.Handle());
  EXPECT_EQ(TopLevelWindow(nullptr), nullptr);

  RECT client = ClientRectInWindow(form.Handle());
  RECT window{};
  GetWindowRect(form.Handle(), &window);
  POINT origin{};
  ClientToScreen(form.Handle(), &origin);
  EXPECT_EQ(client.left, origin.x - window.left) << "the frame pushes the client area in";
  EXPECT_GT(client.top, client.left) << "the caption is above it";
  EXPECT_EQ(client.right - client.left, 200);
  EXPECT_EQ(client.bottom - client.top, 150);

  EXPECT_EQ(WindowClassName(inner.Handle()), u"VorlanPanel");
  const std::wstring long_name(200, L'W');
  WNDCLASSW wc{};
  wc.lpfnWndProc = DefWindowProcW;
  wc.hInstance = GetModuleHandleW(nullptr);
  wc.lpszClassName = long_name.c_str();
  ASSERT_NE(RegisterClassW(&wc), 0);
  const platform::UniqueWindow long_named(
      CreateWindowExW(0, wc.lpszClassName, L"", WS_POPUP, 0, 0, 1, 1, nullptr, nullptr, wc.hInstance, nullptr));
  ASSERT_TRUE(long_named);
  EXPECT_EQ(WindowClassName(long_named.get()), std::u16string(128, u'W')) << "at most 128 characters";
  EXPECT_EQ(WindowClassName(nullptr), u"");
}

TEST(WindowQueries, CursorInClientFollowsTheCursorForWindowedAndWindowlessControls) {
  ui::TForm form;
  form.SetBounds(100, 100, 300, 200);
  ui::TPanel& panel = form.Add<ui::TPanel>();
  panel.SetParent(&form);
  panel.SetBounds(10, 10, 50, 40);
  ui::TLabel& label = form.Add<ui::TLabel>();
  label.SetParent(&panel);
  label.SetAutoSize(false);
  label.SetBounds(20, 5, 10, 10);
  form.Show();

  const auto cursor_at = [](HWND window, int x, int y) {
    POINT p{x, y};
    ClientToScreen(window, &p);
    SetCursorPos(p.x, p.y);
  };
  cursor_at(panel.Handle(), 25, 8);
  EXPECT_TRUE(CursorInClient(panel));
  EXPECT_TRUE(CursorInClient(label)) << "inside the label's bounds";
  cursor_at(panel.Handle(), 19, 8);
  EXPECT_TRUE(CursorInClient(panel));
  EXPECT_FALSE(CursorInClient(label)) << "left of the label";
  cursor_at(panel.Handle(), 50, 8);
  EXPECT_FALSE(CursorInClient(panel)) << "the right edge is outside";
}

}  // namespace
}  // namespace vorlan::skin
