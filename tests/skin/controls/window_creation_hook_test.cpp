// The skin's window-creation hook: which foreign windows it hands on.
#include "skin/controls/hooks/window_creation_hook.h"
#include "skin/controls/base/window_queries.h"

#include <gtest/gtest.h>

#include <vector>

#include "desktop_test_support.h"
#include "skin/controls/menus/menu_window.h"

namespace vorlan::skin {
namespace {

using test::SkinnedProcess;

constexpr char kSkin[] = "[GLOBALINFO]\r\nVERSION=10.00\r\n[ANY]\r\n";

// An empty dialog template (class "#32770"), DWORD-aligned.
struct alignas(4) EmptyDialog {
  DLGTEMPLATE header{WS_POPUP | WS_CAPTION, 0, 0, 10, 10, 100, 60};
  WORD menu = 0, window_class = 0, title = 0;
};

INT_PTR CALLBACK EmptyDialogProc(HWND, UINT, WPARAM, LPARAM) { return 0; }

platform::UniqueWindow MakeDialog(HWND owner) {
  static const EmptyDialog dialog;
  return platform::UniqueWindow(
      CreateDialogIndirectParamW(GetModuleHandleW(nullptr), &dialog.header, owner, EmptyDialogProc, 0));
}

struct Offers {
  std::vector<HWND> menus, dialogs;
  Offers() {
    SetMenuWindowHandler([this](HWND window) { menus.push_back(window); });
    SetDialogHandler([this](HWND window, TSkinCreationHook&) { dialogs.push_back(window); });
  }
  ~Offers() {
    SetMenuWindowHandler(nullptr);
    SetDialogHandler(nullptr);
  }
};

TEST(WindowCreationHook, MenuWindowsWhileSkinnedPopupsAndUnownedDialogsWhileStdDialogsAreSkinned) {
  Offers offers;
  SkinnedProcess process(kSkin);
  ASSERT_NE(InstalledWindowSystem()->CreationHook(), nullptr) << "installed with the skin";

  const platform::UniqueWindow menu(CreateWindowExW(0, kPopupMenuClass, L"", WS_POPUP, 0, 0, 10, 10, nullptr, nullptr,
                                                    GetModuleHandleW(nullptr), nullptr));
  ASSERT_TRUE(menu);
  EXPECT_EQ(offers.menus, std::vector<HWND>{menu.get()});
  EXPECT_TRUE(offers.dialogs.empty());

  process.manager.SetSkinnedPopups(false);
  const platform::UniqueWindow unskinned_menu(CreateWindowExW(0, kPopupMenuClass, L"", WS_POPUP, 0, 0, 10, 10, nullptr,
                                                              nullptr, GetModuleHandleW(nullptr), nullptr));
  EXPECT_EQ(offers.menus.size(), 1u) << "pop-up menus not skinned";

  const platform::UniqueWindow free_dialog = MakeDialog(nullptr);
  ASSERT_TRUE(free_dialog);
  ASSERT_FALSE(offers.dialogs.empty());
  EXPECT_EQ(offers.dialogs.front(), free_dialog.get()) << "offered while being created";
  offers.dialogs.clear();
  SetActiveWindow(nullptr);
  SetActiveWindow(free_dialog.get());
  ShowWindow(free_dialog.get(), SW_SHOW);
  test::PumpFor(30);
  EXPECT_NE(std::find(offers.dialogs.begin(), offers.dialogs.end(), free_dialog.get()), offers.dialogs.end())
      << "offered again when activated";

  offers.dialogs.clear();
  const platform::UniqueWindow owned_dialog = MakeDialog(free_dialog.get());
  ShowWindow(owned_dialog.get(), SW_SHOW);
  test::PumpFor(30);
  EXPECT_TRUE(offers.dialogs.empty()) << "an owned dialog, such as the error box, keeps the platform's look";

  TSkinningRules rules = process.manager.SkinningRules();
  rules.Exclude(srStdDialogs);
  process.manager.SetSkinningRules(rules);
  const platform::UniqueWindow not_wanted = MakeDialog(nullptr);
  EXPECT_TRUE(offers.dialogs.empty()) << "standard dialogs not skinned";

  process.manager.SetActive(false);
  EXPECT_EQ(InstalledWindowSystem()->CreationHook(), nullptr) << "removed with the skin";
  const platform::UniqueWindow late_menu(CreateWindowExW(0, kPopupMenuClass, L"", WS_POPUP, 0, 0, 10, 10, nullptr,
                                                         nullptr, GetModuleHandleW(nullptr), nullptr));
  EXPECT_EQ(offers.menus.size(), 1u);
}

platform::UniqueWindow MakeMenuWindow() {
  return platform::UniqueWindow(CreateWindowExW(0, kPopupMenuClass, L"", WS_POPUP, 0, 0, 10, 10, nullptr, nullptr,
                                                GetModuleHandleW(nullptr), nullptr));
}

LRESULT SkinCommand(HWND window, TSkinCommand command, LPARAM lparam = 0) {
  return SendMessageW(window, SM_ALPHACMD, MakeSkinWParam(command), lparam);
}

// The painter's question before it draws a frame: must the region be set?
bool RegionWanted(HWND window) {
  BOOL wanted = FALSE;
  EXPECT_EQ(SkinCommand(window, scSetUpdating, reinterpret_cast<LPARAM>(&wanted)), 0) << "0: draw the frame";
  return wanted != FALSE;
}

TEST(WindowCreationHook, MenuWindowAdaptersLiveWithTheirWindowsAndGoWithTheHook) {
  SkinnedProcess process(kSkin);
  TSkinCreationHook* hook = InstalledWindowSystem()->CreationHook();
  ASSERT_NE(hook, nullptr);
  platform::UniqueWindow first = MakeMenuWindow();
  platform::UniqueWindow second = MakeMenuWindow();
  ASSERT_TRUE(first && second);
  EXPECT_EQ(hook->MenuWindowCount(), 2u);
  EXPECT_EQ(SkinCommand(first.get(), scIsSkinned), 1);
  ASSERT_NE(TSkMnuWnd::Find(second.get()), nullptr);
  EXPECT_EQ(TSkMnuWnd::Find(second.get())->SkinSection(), u"MAINMENU");

  first.reset();
  EXPECT_EQ(hook->MenuWindowCount(), 1u) << "released when its window is destroyed";
  EXPECT_EQ(hook->HookedWindows().size(), 1u);

  EXPECT_TRUE(RegionWanted(second.get())) << "the first frame sets the region";
  EXPECT_FALSE(RegionWanted(second.get())) << "then it stays";
  SkinCommand(second.get(), scMenuRegionChanged);
  EXPECT_FALSE(RegionWanted(second.get())) << "a hidden window's region has not changed";
  ShowWindow(second.get(), SW_SHOWNOACTIVATE);
  SkinCommand(second.get(), scMenuRegionChanged);
  // Setting the region repaints the window: asked before every frame, it is
  // set again only for a window whose size is not the one it was made for.
  EXPECT_FALSE(RegionWanted(second.get())) << "a shown window of the same size keeps its region";
  RECT r{};
  GetWindowRect(second.get(), &r);
  SetWindowPos(second.get(), nullptr, 0, 0, r.right - r.left + 10, r.bottom - r.top,
               SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
  SkinCommand(second.get(), scMenuRegionChanged);
  EXPECT_TRUE(RegionWanted(second.get())) << "a shown window of another size takes its region anew";
  EXPECT_FALSE(RegionWanted(second.get()));

  process.manager.SetActive(false);
  EXPECT_EQ(TSkMnuWnd::Find(second.get()), nullptr) << "the adapters go with the hook";
  EXPECT_NE(SkinCommand(second.get(), scIsSkinned), 1) << "the window is the system's again";
}

}  // namespace
}  // namespace vorlan::skin
