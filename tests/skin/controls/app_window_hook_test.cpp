// The default manager's watch over the application window.
#include "skin/controls/hooks/app_window_hook.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "desktop_test_support.h"
#include "ui/form.h"
#include "ui/panel.h"
#include "ui/window_subclass.h"

namespace vorlan::skin {
namespace {

using test::SkinnedProcess;

constexpr char kSkin[] = "[GLOBALINFO]\r\nVERSION=10.00\r\n[ANY]\r\n";

// Records the skin commands that reach it.
template <class Base>
class Recording : public Base {
 public:
  std::vector<std::pair<int, LPARAM>> commands;

 protected:
  void WndProc(ui::TMessage& message) override {
    if (message.Msg == SM_ALPHACMD) {
      const auto command = static_cast<int>(message.WParam >> 16);
      if (command == scIsSkinned) {
        message.Result = 1;
        return;
      }
      commands.emplace_back(command, message.LParam);
      return;
    }
    Base::WndProc(message);
  }
};

// What reaches the window's own handling behind the manager's watch.
struct BehindTheWatch {
  std::vector<UINT> seen;
  ui::TWindowSubclass layer{ui::Application().Handle(), [this](ui::TMessage& message, const ui::TPassOn& pass_on) {
                              seen.push_back(message.Msg);
                              if (message.Msg == WM_SYSCOMMAND) return;  // never really minimise
                              pass_on(message);
                            }};
};

TEST(AppWindowHook, InvalidateAllReachesEveryFormWithAWindowAsScInvalidate) {
  BehindTheWatch behind;
  SkinnedProcess process(kSkin);
  auto shown = ui::MakeOwned<Recording<ui::TForm>>();
  shown->SetBounds(100, 100, 200, 100);
  auto& child = shown->Add<Recording<ui::TPanel>>();
  child.SetParent(shown.get());
  shown->Show();
  auto hidden = ui::MakeOwned<Recording<ui::TForm>>();
  hidden->HandleNeeded();
  auto windowless = ui::MakeOwned<Recording<ui::TForm>>();
  test::PumpFor(30);
  shown->commands.clear();
  hidden->commands.clear();
  child.commands.clear();

  behind.seen.clear();
  SendMessageW(ui::Application().Handle(), SM_INVALIDATE_ALL, 0, 0);
  EXPECT_EQ(shown->commands, (std::vector<std::pair<int, LPARAM>>{{scInvalidate, 0}}));
  EXPECT_EQ(hidden->commands, (std::vector<std::pair<int, LPARAM>>{{scInvalidate, 0}})) << "a hidden form has a window";
  EXPECT_TRUE(windowless->commands.empty()) << "a form without a window";
  EXPECT_TRUE(child.commands.empty()) << "forms only, not their controls";
  EXPECT_EQ(std::count(behind.seen.begin(), behind.seen.end(), SM_INVALIDATE_ALL), 0) << "consumed";
}

TEST(AppWindowHook, SwallowsThemeChangesRecordsMinimiseAndRestoreAndGoesWithTheManager) {
  BehindTheWatch behind;
  {
    SkinnedProcess process(kSkin);
    const HWND application = ui::Application().Handle();
    SendMessageW(application, WM_THEMECHANGED, 0, 0);
    EXPECT_TRUE(behind.seen.empty()) << "a theme change is swallowed";

    SendMessageW(application, WM_SYSCOMMAND, SC_MINIMIZE, 0);
    EXPECT_EQ(process.manager.ShowState, TShowState::Minimize);
    SendMessageW(application, WM_SYSCOMMAND, SC_RESTORE | 2, 0);  // the low bits carry the system's own flags
    EXPECT_EQ(process.manager.ShowState, TShowState::Restore);
    EXPECT_EQ(behind.seen, (std::vector<UINT>{WM_SYSCOMMAND, WM_SYSCOMMAND})) << "then the window's own handling";

    behind.seen.clear();
    SendMessageW(application, WM_TASKBAR_SYSMENU, 0, 0);
    EXPECT_EQ(behind.seen, std::vector<UINT>{WM_TASKBAR_SYSMENU}) << "no skinned system menu yet: passed on";
    POINT shown_at{-1, -1};
    AppWindowHandlers().ShowMainFormSystemMenu = [&](POINT cursor) { shown_at = cursor; };
    SetCursorPos(33, 44);
    SendMessageW(application, WM_TASKBAR_SYSMENU, 0, 0);
    AppWindowHandlers().ShowMainFormSystemMenu = nullptr;
    EXPECT_EQ(shown_at.x, 33);
    EXPECT_EQ(shown_at.y, 44);
    EXPECT_EQ(behind.seen.size(), 1u) << "the skinned system menu answers it";
  }
  behind.seen.clear();
  SendMessageW(ui::Application().Handle(), WM_THEMECHANGED, 0, 0);
  EXPECT_EQ(behind.seen, std::vector<UINT>{WM_THEMECHANGED}) << "the watch goes with the default manager";
}

}  // namespace
}  // namespace vorlan::skin
