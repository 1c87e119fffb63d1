// The order in which a skin command reaches forms, controls and foreign
// windows, and the receivers it passes over.
#include <gtest/gtest.h>

#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "manager_test_support.h"
#include "skin/data/broadcast.h"
#include "skin/data/skin_manager.h"

namespace vorlan::skin {
namespace {

using Log = std::vector<std::string>;

// A control that logs how each command reached it ("send" or "call").
class FakeControl : public virtual ISkinControl {
 public:
  FakeControl(Log& log, std::string name, bool has_window = true, bool skinned = false)
      : log_(log), name_(std::move(name)), has_window_(has_window), skinned_(skinned) {}
  bool HasWindow() const override { return has_window_; }
  std::intptr_t Send(const TSkinMessage& m) override {
    if (CommandOf(m) == scIsSkinned) return skinned_ ? 1 : 0;
    log_.push_back("send " + name_ + Argument(m));
    return 0;
  }
  std::intptr_t Dispatch(const TSkinMessage& m) override {
    log_.push_back("call " + name_ + Argument(m));
    return 0;
  }
  std::vector<ISkinControl*> Children() override {
    std::vector<ISkinControl*> out;
    for (auto& c : children_) out.push_back(c.get());
    return out;
  }
  FakeControl& Add(std::string name, bool has_window = true, bool skinned = false) {
    children_.push_back(std::make_unique<FakeControl>(log_, std::move(name), has_window, skinned));
    return *children_.back();
  }

 private:
  std::string Argument(const TSkinMessage& m) const {
    if (CommandOf(m) != scSectionChanged) return "";
    std::string text;
    for (auto p = reinterpret_cast<const char16_t*>(m.LParam); *p; ++p) text += static_cast<char>(*p);
    return " " + text;
  }
  Log& log_;
  std::string name_;
  bool has_window_, skinned_;
  std::vector<std::unique_ptr<FakeControl>> children_;
};

class FakeForm final : public FakeControl, public ISkinForm {
 public:
  using FakeControl::FakeControl;
  bool IsMdiChild() const override { return mdi_child; }
  bool IsDestroying() const override { return destroying; }
  bool IsLoading() const override { return loading; }
  ISkinControl* MdiClient() override { return mdi_client.get(); }
  bool IsVisible() const override { return true; }
  bool mdi_child = false, destroying = false, loading = false;
  std::unique_ptr<FakeControl> mdi_client;
};

class FakeForeign final : public ISkinForeignWindow {
 public:
  FakeForeign(Log& log, std::string name, bool visible) : log_(log), name_(std::move(name)), visible_(visible) {}
  bool IsVisible() const override { return visible_; }
  std::intptr_t Send(const TSkinMessage&) override {
    log_.push_back("send " + name_);
    return 0;
  }
  void Redraw() override { log_.push_back("redraw " + name_); }

 private:
  Log& log_;
  std::string name_;
  bool visible_;
};

class FakeWindows final : public ISkinWindowSystem {
 public:
  std::vector<ISkinForm*> ApplicationForms() override { return app; }
  std::vector<ISkinForm*> ProviderForms() override { return providers; }
  std::vector<ISkinForeignWindow*> HookedWindows() override { return hooked; }
  void InstallHook() override { ++installs; }
  void UnInstallHook() override { ++uninstalls; }
  void SetSysColorSubstitution(bool on) override { log->push_back(on ? "syscolors on" : "syscolors off"); }
  Log* log = nullptr;
  std::vector<ISkinForm*> app, providers;
  std::vector<ISkinForeignWindow*> hooked;
  int installs = 0, uninstalls = 0;
};

class Broadcast : public ::testing::Test {
 protected:
  Broadcast()
      : main(log, "main"),
        about(log, "about"),
        child(log, "mdichild"),
        dying(log, "dying"),
        provided(log, "provided", true, true),
        popup(log, "popup", true),
        hidden(log, "hidden", false) {
    FakeControl& panel = main.Add("panel", true, false);  // plain window: not sent, children visited
    panel.Add("label", false);                            // windowless: direct call
    panel.Add("edit", true, true);                        // skinned window: sent
    main.Add("button", true, true).Add("inner", false);   // handles its own children
    main.Add("notyet", false);
    child.mdi_child = true;
    dying.destroying = true;
    main.mdi_client = std::make_unique<FakeControl>(log, "mdiclient");
    windows.app = {&main, &child, &about, &provided, &dying};
    windows.providers = {&provided, &dying};
    windows.hooked = {&popup, &hidden};
    windows.log = &log;
  }
  Log log;
  FakeForm main, about, child, dying, provided;
  FakeForeign popup, hidden;
  FakeWindows windows;
};

TEST_F(Broadcast, ReachesFormsControlsAndForeignWindowsInOrder) {
  BroadcastSkinMessage(windows, MakeSkinMessage(scRefreshSkin, 0));
  const Log expected = {
      "send about",  // application forms, last to first,
      "send main",     "call label", "send edit", "send button", "call notyet", "send mdiclient",  // skipping
      "send provided",  // skinned forms come through their providers; the destroyed one never
      "send popup",     // visible hooked windows only
  };
  EXPECT_EQ(log, expected);
}

TEST_F(Broadcast, ManagerAnnouncesApplyingRefreshingAndRemoving) {
  SetSkinWindowSystem(&windows);
  windows.app = {&about};
  windows.providers.clear();
  windows.hooked = {&popup};
  {
    testing::RecordingBox box;
    TSkinManager manager;
    manager.SetMessageBox(&box);
    manager.InternalSkins.Add(testing::StoredSkin(u"S", testing::OptionsPackage("[GLOBALINFO]\r\n")));
    manager.SetSkinName(u"S");
    manager.UpdateSkinSection(u"button");
    manager.SetActive(false);
    EXPECT_EQ(windows.installs, manager.IsDefault() ? 1 : 0);
  }
  SetSkinWindowSystem(nullptr);
  // prepare, stop animation, refresh (+ foreign redraw), section change,
  // remove; and remove once more as the manager goes, so that controls that
  // still hold it forget it.
  const Log expected = {"send about", "send popup",   "send about",        "send popup", "send about",
                        "send popup", "redraw popup", "send about BUTTON", "send popup", "send about",
                        "send popup", "send about",   "send popup"};
  EXPECT_EQ(log, expected);
}

TEST_F(Broadcast, EachOptionGroupSetterDoesWhatItsChangedOptionsAsk) {
  SetSkinWindowSystem(&windows);
  windows.app = {&about};
  windows.providers.clear();
  windows.hooked.clear();
  {
    TSkinManager manager;
    const Log frames = {"send about"};                 // scFrameChanged
    const Log repaint = {"send about", "send about"};  // scStopAnimation, scRefreshSkin
    const auto scrolls = [&](std::int32_t scroll, std::int32_t buttons) {
      return [&manager, scroll, buttons] { manager.SetScrollsOptions({scroll, buttons}); };
    };
    const auto effects = [&](bool outer, bool discoloured, bool glowing) {
      return [&manager, outer, discoloured, glowing] {
        TSkinEffects e = manager.Effects();
        e.AllowOuterEffects = outer;
        e.DiscoloredGlyphs = discoloured;
        e.AllowGlowing = glowing;
        manager.SetEffects(e);
      };
    };
    const auto sys_colors = [&](bool on) {
      return [&manager, on] {
        TSkOptions o = manager.Options();
        o.ChangeSysColors = on;
        manager.SetOptions(o);
      };
    };
    struct Row {
      std::function<void()> change;
      Log expected;
      const char* why;
    };
    const Row rows[] = {
        {scrolls(12, -1), frames, "a new scroll size changes the frames"},
        {scrolls(12, -1), {}, "the same options again change nothing"},
        {scrolls(12, 20), repaint, "a new buttons size repaints"},
        {effects(true, false, true), repaint, "outer effects repaint"},
        {effects(true, true, true), repaint, "discoloured glyphs repaint"},
        {effects(true, true, false), {}, "glowing is read when painting; nothing to send"},
        {sys_colors(true), {"syscolors on"}, "the default manager switches the substitution at once"},
        {sys_colors(true), {}, "an unchanged switch is not repeated"},
        {[&] { manager.BeginUpdate(); }, {}, "from here on between BeginUpdate and EndUpdate"},
        {effects(false, false, false), {}, "effects wait for EndUpdate"},
        {scrolls(13, 21), {"send about", "send about", "send about"}, "scroll sizes reach the windows even then"},
    };
    for (const Row& row : rows) {
      log.clear();
      row.change();
      EXPECT_EQ(log, row.expected) << row.why;
    }
    EXPECT_EQ(manager.ScrollsOptions().ScrollSize, 13);
    EXPECT_FALSE(manager.Effects().AllowOuterEffects) << "the group is stored whatever it sends";
    EXPECT_TRUE(manager.Options().ChangeSysColors);

    TSkinManager second;
    log.clear();
    sys_colors(false)();
    TSkOptions o = second.Options();
    o.ChangeSysColors = true;
    second.SetOptions(o);
    EXPECT_EQ(log, (Log{"syscolors off"})) << "only the default manager reaches the system colours";
  }
  SetSkinWindowSystem(nullptr);
}

TEST(SkinCommand, CommandTravelsInTheHighWord) {
  const TSkinMessage m = MakeSkinMessage(scSectionChanged, 42);
  EXPECT_EQ(m.Msg, 0xA100u);
  EXPECT_EQ(m.WParam, 13u << 16);
  EXPECT_EQ(CommandOf(m), scSectionChanged);
  EXPECT_EQ(m.LParam, 42);
}

}  // namespace
}  // namespace vorlan::skin
