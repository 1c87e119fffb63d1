// The skin's window-creation hook: which foreign windows it hands on.
#include "skin/controls/window_creation_hook.h"

#include <gtest/gtest.h>

#include <vector>

#include "desktop_test_support.h"

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

}  // namespace
}  // namespace vorlan::skin
