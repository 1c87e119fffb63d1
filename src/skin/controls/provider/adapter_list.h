#pragma once

#include <windows.h>

#include <cstddef>
#include <memory>
#include <string_view>
#include <vector>

#include "skin/controls/adapters/adapter_base.h"
#include "ui/win_control.h"

// The adapters of one form: which of its controls get one, and the items
// that keep them.
namespace vorlan::skin {

class TSkinProvider;
class TSkinManager;
class ThirdPartyList;

// The adapter of a list kind for a window; none for the kinds that have no
// adapter here (their controls keep the platform's look).
std::unique_ptr<TSkMainWnd> CreateAdapter(int kind, HWND window, const TSkinParams& params, TSkinManager* manager);

struct TSkAdapterItem {
  ui::TWinControl* WinCtrl = nullptr;  // borrowed; never read once its adapter is destroyed
  std::unique_ptr<TSkMainWnd> ScrollWnd;
  // Creates the adapter of the control's class when its window exists and
  // is not skinned already.
  void DoHook(ui::TWinControl& control, const TSkinParams& params, const ThirdPartyList& lists, TSkinManager* manager);
};

class TSkCtrlAdapter {
 public:
  explicit TSkCtrlAdapter(TSkinProvider& provider) : Provider(provider) {}

  // Scans the owner's components and child controls (the form when none),
  // recursively, and adapts every supported one.
  void AddAllItems(ui::TWinControl* owner = nullptr);
  void AddNewItem(ui::TWinControl& control, std::u16string_view section);
  void RemoveItem(std::size_t index);
  void RemoveAllItems() { Items.clear(); }
  // Drops the items whose windows are gone.
  void CleanItems();
  // -1 when the control has no item.
  std::ptrdiff_t IndexOf(const ui::TWinControl& control) const;
  std::size_t Count() const { return Items.size(); }
  TSkAdapterItem& GetItem(std::size_t index) { return *Items[index]; }
  TSkinCommonData* GetCommonData(std::size_t index);
  bool IsControlSupported(ui::TComponent& component) const;

 private:
  void Scan(ui::TWinControl& owner);
  TSkinManager* Manager() const;
  const ThirdPartyList& Lists() const;

  TSkinProvider& Provider;
  std::vector<std::unique_ptr<TSkAdapterItem>> Items;
  bool bFlag = false;  // a scan is running
};

// The provider's part: its form's adapters and its form's own scroll-bar
// adapter made when missing, then a scan.
void UpdateFormAdapters(TSkinProvider& provider);

// Asks a form's provider to scan once the messages under way are done (a
// child window is being made).
void PostControlAdded(HWND form);

}  // namespace vorlan::skin
