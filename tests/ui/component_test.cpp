#include "ui/component.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace vorlan::ui {
namespace {

std::vector<std::string> events;

class Probe : public TComponent {
 public:
  explicit Probe(std::string tag) : tag_(std::move(tag)) {}
  ~Probe() override { events.push_back("free " + tag_); }
  int setting = 0;

 protected:
  void Loaded() override { events.push_back("loaded " + tag_ + " " + std::to_string(setting)); }

 private:
  std::string tag_;
};

TEST(Component, OwnerFreesItsComponentsLastCreatedFirst) {
  events.clear();
  {
    Probe owner("owner");
    Probe& a = owner.Add<Probe>("a");
    a.Add<Probe>("a.child");
    owner.Add<Probe>("b");
  }
  EXPECT_EQ(events, (std::vector<std::string>{"free owner", "free b", "free a", "free a.child"}));
}

TEST(Component, LoadedSeesTheLayoutsSettings) {
  events.clear();
  Probe owner("owner");
  owner.BeginLoading();
  Probe& a = owner.Add<Probe>("a");
  EXPECT_TRUE(a.IsLoading()) << "components made while the owner loads are loading too";
  a.setting = 5;
  Probe& b = owner.Add<Probe>("b");
  b.setting = 7;
  owner.setting = 1;
  EXPECT_TRUE(events.empty()) << "nothing is loaded before the layout is complete";
  owner.EndLoading();
  EXPECT_FALSE(a.IsLoading());
  EXPECT_EQ(events, (std::vector<std::string>{"loaded a 5", "loaded b 7", "loaded owner 1"}));
}

TEST(Component, FindsComponentsByName) {
  Probe owner("owner");
  owner.Add<Probe>("x").SetName(u"Memo1");
  Probe& button = owner.Add<Probe>("y");
  button.SetName(u"SkinButton1");
  EXPECT_EQ(owner.FindComponent(u"SkinButton1"), &button);
  EXPECT_EQ(owner.FindComponent(u"skinbutton1"), nullptr);
  EXPECT_EQ(button.Owner(), &owner);
}

}  // namespace
}  // namespace vorlan::ui
