#include <gtest/gtest.h>

#include "live_handles.h"
#include "skinned_test_controls.h"
#include "ui/edit.h"
#include "ui/label.h"
#include "ui/panel.h"

namespace vorlan::skin::test {
namespace {

using Form = Skinned<TPopupForm>;
using Panel = Skinned<ui::TPanel>;
using Box = Skinned<ui::TWinControl>;
using Edit = Skinned<ui::TEdit>;
using Label = Skinned<ui::TLabel>;

// A skinned tree, shown and painted (caches, copies to the screen, a
// background drawn into a context), then freed.
void BuildPaintAndFree(TestSkin& skin) {
  auto form = ui::MakeOwned<Form>(u"FORM");
  form->SetBounds(50, 50, 160, 120);
  Panel& panel = form->Add<Panel>(u"GLASS", kClassPanel);
  panel.SetBounds(10, 10, 120, 80);
  panel.SetParent(form.get());
  Box& box = form->Add<Box>(u"BOX");
  box.SetBounds(4, 4, 40, 20);
  box.SetParent(&panel);
  Edit& edit = form->Add<Edit>(u"EDIT", kClassEdit);
  edit.SetBounds(4, 30, 60, 20);
  edit.SetParent(&panel);
  Label& label = form->Add<Label>(u"BOX");
  label.SetBounds(70, 4, 30, 12);
  label.SetParent(&panel);
  for (TSkinCommonData* data :
       {static_cast<TSkinCommonData*>(&form->Data()), static_cast<TSkinCommonData*>(&panel.Data()),
        static_cast<TSkinCommonData*>(&box.Data()), static_cast<TSkinCommonData*>(&edit.Data()),
        static_cast<TSkinCommonData*>(&label.Data())}) {
    data->Loaded();
  }
  form->Show();
  UpdateWindow(form->Handle());
  RedrawWindow(form->Handle(), nullptr, nullptr, RDW_INVALIDATE | RDW_ALLCHILDREN | RDW_UPDATENOW);
  edit.SetFocus();
  box.Perform(platform::CM_MOUSEENTER);
  SetCursorPos(0, 0);
  box.Perform(platform::CM_MOUSELEAVE);
  ApplyColorAdjustments(*box.Data().FCacheBmp, box.Data(), 0);
  const platform::WindowDc dc(box.Handle());
  TSkBgRequest request;
  request.DC = dc.get();
  request.R = RECT{0, 0, 40, 20};
  RequestParentBackground(request, panel, true);
  PaintSectionToDC(box.Data().SkinIndex, paint::EmptyCacheInfo(), &skin.manager, dc.get(), {0, 0}, {0, 0, 40, 20}, 1);
  skin.manager.SetOptions([&] {
    TSkOptions options = skin.manager.Options();
    options.OptimizingPriority = options.OptimizingPriority == opMemory ? opSpeed : opMemory;
    return options;
  }());
  panel.SetVisible(false);
  panel.Perform(platform::CM_VISIBLECHANGED, 0);
  PumpMessages();
}

TEST(Handles, CreatingAndFreeingSkinnedTreesLeavesNoHandlesBehind) {
  TestSkin skin;
  ASSERT_EQ(DefaultManager(), &skin.manager);
  const std::int32_t form = skin.Section(u"FORM", 0x00406080);
  skin.Texture(form, paint::MakeRect(0, 0, 16, 16));
  skin.Section(u"GLASS", 0, 100);
  const std::int32_t box = skin.Section(u"BOX", 0x00102030, 30);
  skin.Border(box, paint::MakeRect(16, 0, 12, 12), 3);
  skin.At(box).Props[1].Color = 0x00A0B0C0;
  const std::int32_t edit = skin.Section(u"EDIT", 0x00FFFFFF, 0, 2);
  skin.At(edit).Props[1].Color = 0x00F0F0F0;

  BuildPaintAndFree(skin);  // first uses make the system's own objects once
  const std::size_t gdi = LiveGdiObjects();
  const std::size_t user = LiveUserObjects();
  ASSERT_GT(gdi, 0u);
  for (int round = 0; round < 100; ++round) BuildPaintAndFree(skin);
  EXPECT_EQ(LiveGdiObjects(), gdi);
  EXPECT_EQ(LiveUserObjects(), user);
}

}  // namespace
}  // namespace vorlan::skin::test
