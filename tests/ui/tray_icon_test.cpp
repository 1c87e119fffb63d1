#include "ui/tray_icon.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "ui/application.h"
#include "ui/message_box_recorder.h"

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
