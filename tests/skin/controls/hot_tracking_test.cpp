#include "skin/controls/core/hot_tracking.h"

#include <gtest/gtest.h>

#include <string>
#include <type_traits>
#include <vector>

#include "skin/controls/provider/window_system.h"
#include "skin/data/skin_manager.h"
#include "ui/application.h"
#include "ui/form.h"
#include "ui/label.h"
#include "ui/panel.h"

namespace vorlan::skin {
namespace {

std::vector<std::string>* g_log = nullptr;

// Logs the skin commands it receives as "tag command lparam-kind".
template <class Base>
class Recording : public Base {
 public:
  std::string tag;
  std::intptr_t expected_lparam = 0;
  bool answers_skinned = false;

 protected:
  void WndProc(ui::TMessage& message) override {
    if (message.Msg == SM_ALPHACMD) {
      const auto command = static_cast<int>(message.WParam >> 16);
      if (command == scIsSkinned) {
        message.Result = answers_skinned ? 1 : 0;
        return;
      }
      if (g_log) {
        const std::intptr_t self_window = reinterpret_cast<std::intptr_t>(message_window());
        const std::intptr_t self = reinterpret_cast<std::intptr_t>(this);
        const char* lparam = message.LParam == 0                                       ? "0"
                             : message.LParam == expected_lparam                       ? "manager"
                             : message.LParam == self || message.LParam == self_window ? "self"
                                                                                       : "other";
        g_log->push_back(tag + " " + std::to_string(command) + " " + lparam);
      }
      return;
    }
    Base::WndProc(message);
  }

 private:
  HWND message_window() const {
    if constexpr (std::is_base_of_v<ui::TWinControl, Base>) return this->Handle();
    return nullptr;
  }
};

void Pump(int milliseconds) {
  const DWORD end = GetTickCount() + milliseconds;
  while (GetTickCount() < end) {
    ui::Application().ProcessMessages();
    Sleep(10);
  }
}

struct HotTrackingTest : ::testing::Test {
  std::vector<std::string> log;
  TSkinManager manager;
  ui::TOwned<Recording<ui::TForm>> form = ui::MakeOwned<Recording<ui::TForm>>();
  Recording<ui::TPanel>* left = nullptr;
  Recording<ui::TPanel>* right = nullptr;
  Recording<ui::TLabel>* label = nullptr;

  template <class T>
  T& Child(const char* tag, int x) {
    T& child = form->Add<T>();
    child.tag = tag;
    child.expected_lparam = reinterpret_cast<std::intptr_t>(&manager);
    child.SetParent(form.get());
    child.SetBounds(x, 10, 80, 80);
    return child;
  }

  void SetUp() override {
    form->tag = "form";
    form->expected_lparam = reinterpret_cast<std::intptr_t>(&manager);
    form->SetBounds(200, 200, 400, 200);
    left = &Child<Recording<ui::TPanel>>("left", 10);
    right = &Child<Recording<ui::TPanel>>("right", 100);
    left->answers_skinned = right->answers_skinned = true;  // windowed controls hear only when skinned
    label = &Child<Recording<ui::TLabel>>("label", 200);
    form->Show();
    Pump(50);
    g_log = &log;
  }
  void TearDown() override {
    g_log = nullptr;
    SetActiveControl(&manager, nullptr);
    SetActiveGraphControl(&manager, nullptr);
  }
};

TEST_F(HotTrackingTest, TheWindowLeftAndTheWindowEnteredAreToldOnce) {
  SetActiveControl(&manager, left->Handle());
  SetActiveControl(&manager, left->Handle());
  SetActiveControl(&manager, right->Handle());
  SetActiveGraphControl(&manager, label);
  SetActiveGraphControl(&manager, nullptr);  // a label has no skin data: nothing keeps it hot
  EXPECT_EQ(log, (std::vector<std::string>{"left 29 manager", "left 30 manager", "right 29 manager", "label 29 manager",
                                           "label 37 0", "label 30 manager"}))
      << "the windowless control is asked for its skin data before it is let go";
  EXPECT_EQ(ActiveControl(&manager), right->Handle());
  EXPECT_EQ(ActiveGraphControl(&manager), nullptr);
}

TEST_F(HotTrackingTest, TheTimerForgetsAWindowTheMouseHasLeft) {
  RECT bounds{};
  GetWindowRect(left->Handle(), &bounds);
  SetCursorPos(bounds.left + 5, bounds.top + 5);
  SetActiveControl(&manager, left->Handle());
  SetActiveGraphControl(&manager, label);
  log.clear();
  TimerCheckHot(&manager);
  EXPECT_TRUE(log.empty()) << "the mouse is still over the window";
  ASSERT_TRUE(HotCheckRunning(&manager));

  SetCursorPos(bounds.right + 150, bounds.bottom + 150);
  Pump(300);  // the 100-ms timer of the user-interface thread, not a direct call
  EXPECT_EQ(log, (std::vector<std::string>{"left 30 self", "label 30 self"}))
      << "the timer names the control itself, not the manager";
  EXPECT_EQ(ActiveControl(&manager), nullptr);
  EXPECT_FALSE(HotCheckRunning(&manager)) << "nothing left to watch";
}

TEST_F(HotTrackingTest, AWindowlessControlThatGoesAwayLeavesTheRecord) {
  SetActiveGraphControl(&manager, label);
  ForgetHotControl(*label);
  EXPECT_EQ(ActiveGraphControl(&manager), nullptr);
}

TEST_F(HotTrackingTest, TheManagersBroadcastsReachTheFormsOfTheProcess) {
  const TSkinWindowSystemInstallation installation;
  manager.RepaintForms(false);  // scStopAnimation, then scRefreshSkin, to every form and control
  EXPECT_EQ(log, (std::vector<std::string>{"form 16 manager", "left 16 manager", "right 16 manager", "label 16 manager",
                                           "form 3 manager", "left 3 manager", "right 3 manager", "label 3 manager"}));

  // A form that handles skin commands itself is reached through its provider.
  form->answers_skinned = true;
  log.clear();
  manager.RepaintForms(false);
  EXPECT_TRUE(log.empty()) << "skipped in the first pass, and no provider registered it";
  InstalledWindowSystem()->RegisterProviderForm(*form);
  manager.RepaintForms(false);
  EXPECT_EQ(log.size(), 8u);
  InstalledWindowSystem()->UnregisterProviderForm(*form);
}

}  // namespace
}  // namespace vorlan::skin
