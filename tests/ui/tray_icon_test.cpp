#include "ui/tray_icon.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "ui/application.h"
#include "ui/message_box_recorder.h"
#include "ui/popup_menu.h"

namespace vorlan::ui {
namespace {

struct Recorded {
  std::vector<DWORD> calls;
  std::vector<std::u16string> tips;
};

TTrayIcon::TNotify Recording(Recorded& recorded) {
  return [&recorded](DWORD message, NOTIFYICONDATAW& data) {
    recorded.calls.push_back(message);
    recorded.tips.push_back(FromWide(data.szTip));
    return true;
  };
}

TEST(TrayIcon, AddedWhenLoadedModifiedAndDeletedWhenDestroyed) {
  testing::MessageBoxRecorder recorder;
  Application().SetTitle(u"App title");
  Recorded recorded;
  {
    TComponent owner;
    owner.BeginLoading();
    TTrayIcon& icon = owner.Add<TTrayIcon>();
    icon.Notify = Recording(recorded);
    EXPECT_TRUE(recorded.calls.empty()) << "nothing happens while the layout is read";
    owner.EndLoading();
    EXPECT_TRUE(icon.Added());
    icon.SetHint(u"Other tip");
    icon.SetVisible(false);
    EXPECT_FALSE(icon.Added());
    icon.SetVisible(true);
  }
  EXPECT_EQ(recorded.calls, (std::vector<DWORD>{NIM_ADD, NIM_MODIFY, NIM_DELETE, NIM_ADD, NIM_DELETE}));
  EXPECT_EQ(recorded.tips[0], u"App title") << "an empty hint shows the application title";
  EXPECT_EQ(recorded.tips[1], u"Other tip");
}

TEST(TrayIcon, TipIsCutAt127Characters) {
  testing::MessageBoxRecorder recorder;
  Recorded recorded;
  TComponent owner;
  owner.BeginLoading();
  TTrayIcon& icon = owner.Add<TTrayIcon>();
  icon.Notify = Recording(recorded);
  icon.SetHint(std::u16string(126, u'a') + u"bcd");
  owner.EndLoading();
  ASSERT_EQ(recorded.tips.size(), 1u);
  EXPECT_EQ(recorded.tips[0], std::u16string(126, u'a') + u"b");
}

TEST(TrayIcon, DoubleClicksOfAnyButtonAndTheTaskBarComingBack) {
  testing::MessageBoxRecorder recorder;
  Recorded recorded;
  TComponent owner;
  TTrayIcon& icon = owner.Add<TTrayIcon>();
  icon.Notify = Recording(recorded);
  owner.EndLoading();
  int double_clicks = 0;
  icon.OnDblClick = [&double_clicks](TObject&) { ++double_clicks; };
  for (UINT mouse : {WM_LBUTTONDBLCLK, WM_RBUTTONDBLCLK, WM_MBUTTONDBLCLK, WM_LBUTTONDOWN, WM_LBUTTONUP, WM_MOUSEMOVE,
                     WM_RBUTTONDOWN}) {
    SendMessageW(icon.Handle(), TTrayIcon::kCallbackMessage, 1, mouse);
  }
  EXPECT_EQ(double_clicks, 3);
  SendMessageW(icon.Handle(), RegisterWindowMessageW(L"TaskbarCreated"), 0, 0);
  EXPECT_EQ(recorded.calls, (std::vector<DWORD>{NIM_ADD, NIM_ADD}));
  icon.SetVisible(false);
  SendMessageW(icon.Handle(), RegisterWindowMessageW(L"TaskbarCreated"), 0, 0);
  EXPECT_EQ(recorded.calls.back(), static_cast<DWORD>(NIM_DELETE)) << "a hidden icon is not brought back";
}

// What the right-click path had done by the time its menu was up.
struct MenuVisit {
  HWND icon_window = nullptr;
  HWND foreground = nullptr;
  bool menu_visible = false;
  bool menu_visible_at_pending_message = true;
};
MenuVisit* g_visit = nullptr;

// Runs inside the menu's own loop: looks around, then picks the second item
// with the keyboard.
void CALLBACK WhileTheMenuIsUp(HWND, UINT, UINT_PTR timer, DWORD) {
  KillTimer(nullptr, timer);
  g_visit->foreground = GetForegroundWindow();
  const HWND menu = FindWindowW(L"#32768", nullptr);
  g_visit->menu_visible = menu != nullptr && IsWindowVisible(menu);
  for (WPARAM key : {VK_DOWN, VK_DOWN, VK_RETURN}) PostMessageW(g_visit->icon_window, WM_KEYDOWN, key, 1);
}

TEST(TrayIcon, RightClickComesForwardRunsWhatIsPendingAndRunsTheChosenItem) {
  testing::MessageBoxRecorder recorder;
  TComponent owner;
  TTrayIcon& icon = owner.Add<TTrayIcon>();
  icon.Notify = [](DWORD, NOTIFYICONDATAW&) { return true; };
  TPopupMenu& menu = owner.Add<TPopupMenu>();
  std::vector<std::u16string> clicked;
  for (const char16_t* name : {u"Show", u"Exit"}) {
    menu.AddItem(name, name).OnClick = [&clicked, name](TObject&) { clicked.push_back(name); };
  }
  icon.SetPopupMenu(&menu);
  owner.EndLoading();

  MenuVisit visit;
  visit.icon_window = icon.Handle();
  g_visit = &visit;
  // Another window is in front when the user clicks the icon.
  HWND other = CreateWindowExW(0, L"STATIC", L"other", WS_OVERLAPPEDWINDOW | WS_VISIBLE, 0, 0, 100, 100, nullptr,
                               nullptr, GetModuleHandleW(nullptr), nullptr);
  SetForegroundWindow(other);
  ASSERT_EQ(GetForegroundWindow(), other);
  // A message already waiting: it must run before the menu opens.
  icon.OnDblClick = [&visit](TObject&) {
    const HWND menu_window = FindWindowW(L"#32768", nullptr);
    visit.menu_visible_at_pending_message = menu_window != nullptr && IsWindowVisible(menu_window);
  };
  PostMessageW(icon.Handle(), TTrayIcon::kCallbackMessage, 1, WM_LBUTTONDBLCLK);
  SetTimer(nullptr, 0, 300, WhileTheMenuIsUp);

  SendMessageW(icon.Handle(), TTrayIcon::kCallbackMessage, 1, WM_RBUTTONUP);
  g_visit = nullptr;
  DestroyWindow(other);

  EXPECT_TRUE(visit.menu_visible) << "the menu was tracked";
  EXPECT_EQ(visit.foreground, icon.Handle()) << "the icon's window came to the foreground first";
  EXPECT_FALSE(visit.menu_visible_at_pending_message) << "pending messages ran before the menu opened";
  EXPECT_EQ(clicked, std::vector<std::u16string>{u"Exit"}) << "the chosen item ran, and only it";
}

TEST(TrayIcon, AFailedAddIsNotTakenForAnIcon) {
  testing::MessageBoxRecorder recorder;
  TComponent owner;
  TTrayIcon& icon = owner.Add<TTrayIcon>();
  int calls = 0;
  icon.Notify = [&calls](DWORD, NOTIFYICONDATAW&) {
    ++calls;
    return false;
  };
  owner.EndLoading();
  EXPECT_FALSE(icon.Added());
  icon.SetHint(u"x");
  EXPECT_EQ(calls, 1) << "nothing to modify";
}

}  // namespace
}  // namespace vorlan::ui
