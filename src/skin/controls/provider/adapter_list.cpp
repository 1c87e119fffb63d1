#include "skin/controls/provider/adapter_list.h"

#include <algorithm>

#include "skin/controls/adapters/adapter_button.h"
#include "skin/controls/adapters/adapter_scroll.h"
#include "skin/controls/base/skin_messaging.h"
#include "skin/controls/core/control_seams.h"
#include "skin/controls/provider/skin_provider.h"
#include "skin/data/adapter_lists.h"
#include "skin/data/skin_manager.h"
#include "ui/form.h"

namespace vorlan::skin {

std::unique_ptr<TSkMainWnd> CreateAdapter(int kind, HWND window, const TSkinParams& params, TSkinManager* manager) {
  switch (kind) {
    case ThirdEdits:
      return MakeAdapter<TSkEditWnd>(window, params, manager);
    case ThirdButtons:
    case ThirdBitBtns:
      return MakeAdapter<TSkButtonWnd>(window, params, manager);
    case ThirdScrollControl:
    case ThirdNativePaint:
      // Windows that paint themselves: skinned bars only.
      return MakeAdapter<TSkScrollWnd>(window, params, manager);
    default:
      return nullptr;
  }
}

void TSkAdapterItem::DoHook(ui::TWinControl& control, const TSkinParams& params, const ThirdPartyList& lists,
                            TSkinManager* manager) {
  WinCtrl = &control;
  if (!control.HandleAllocated() || manager == nullptr || IsSkinCommandTrue(control.Handle(), scIsSkinned)) return;
  const int kind = FindAdapterKind(lists, control.ClassName());
  if (kind >= 0) ScrollWnd = CreateAdapter(kind, control.Handle(), params, manager);
}

TSkinManager* TSkCtrlAdapter::Manager() const { return Provider.SkinData().SkinManager(); }

const ThirdPartyList& TSkCtrlAdapter::Lists() const {
  return DecidingLists(&Provider.ThirdParty, Manager()->ThirdParty);
}

bool TSkCtrlAdapter::IsControlSupported(ui::TComponent& component) const {
  if (TagExcludesAdapter(component.Tag) || Manager() == nullptr) return false;
  auto* windowed = dynamic_cast<ui::TWinControl*>(&component);
  // Labels, speed buttons, forms and frames are not adapted here.
  if (windowed == nullptr || dynamic_cast<ui::TForm*>(&component) != nullptr) return false;
  if (!windowed->HandleAllocated() || IsSkinCommandTrue(windowed->Handle(), scIsSkinned)) return false;
  return FindAdapterKind(Lists(), component.ClassName()) >= 0;
}

void TSkCtrlAdapter::AddAllItems(ui::TWinControl* owner) {
  const TSkinManager* manager = Manager();
  if (!Provider.AllowSkin3rdParty || manager == nullptr || !manager->SkinningRules().Contains(srThirdParty) || bFlag) {
    return;
  }
  bFlag = true;
  try {
    CleanItems();
    Scan(owner != nullptr ? *owner : static_cast<ui::TWinControl&>(Provider.Form()));
  } catch (...) {
    bFlag = false;
    throw;
  }
  bFlag = false;
}

void TSkCtrlAdapter::Scan(ui::TWinControl& owner) {
  for (const auto& component : owner.Components()) {
    auto* windowed = dynamic_cast<ui::TWinControl*>(component.get());
    if (windowed != nullptr && IsControlSupported(*windowed)) AddNewItem(*windowed, {});
  }
  for (ui::TControl* child : owner.Controls()) {
    auto* windowed = dynamic_cast<ui::TWinControl*>(child);
    if (windowed == nullptr) continue;
    if (IsControlSupported(*windowed)) AddNewItem(*windowed, {});
    if (windowed->HandleAllocated() && windowed->Parent() != nullptr) Scan(*windowed);
  }
}

void TSkCtrlAdapter::AddNewItem(ui::TWinControl& control, std::u16string_view section) {
  if (!Provider.AllowSkin3rdParty || control.Parent() == nullptr || TagExcludesAdapter(control.Tag)) return;
  if (control.HandleAllocated() && IsSkinCommandTrue(control.Handle(), scIsSkinned)) return;
  TSkinParams params;
  params.SkinSection = std::u16string(section);
  params.Control = &control;
  const std::ptrdiff_t found = IndexOf(control);
  TSkAdapterItem* item = nullptr;
  if (found >= 0) {
    item = Items[static_cast<std::size_t>(found)].get();
    if (item->ScrollWnd && !item->ScrollWnd->Destroyed()) return;
    item->ScrollWnd.reset();
  } else {
    Items.push_back(std::make_unique<TSkAdapterItem>());
    item = Items.back().get();
  }
  item->DoHook(control, params, Lists(), Manager());
  if (!item->ScrollWnd) RemoveItem(found >= 0 ? static_cast<std::size_t>(found) : Items.size() - 1);
}

void TSkCtrlAdapter::RemoveItem(std::size_t index) {
  if (index < Items.size()) Items.erase(Items.begin() + static_cast<std::ptrdiff_t>(index));
}

void TSkCtrlAdapter::CleanItems() {
  std::erase_if(Items, [](const std::unique_ptr<TSkAdapterItem>& item) {
    return !item->ScrollWnd || item->ScrollWnd->Destroyed() || !IsWindow(item->ScrollWnd->CtrlHandle());
  });
}

std::ptrdiff_t TSkCtrlAdapter::IndexOf(const ui::TWinControl& control) const {
  for (std::size_t i = 0; i < Items.size(); ++i) {
    if (Items[i]->WinCtrl == &control) return static_cast<std::ptrdiff_t>(i);
  }
  return -1;
}

TSkinCommonData* TSkCtrlAdapter::GetCommonData(std::size_t index) {
  if (index >= Items.size() || !Items[index]->ScrollWnd) return nullptr;
  return &Items[index]->ScrollWnd->SkinData();
}

void UpdateFormAdapters(TSkinProvider& provider) {
  if (!provider.Adapter) provider.Adapter = std::make_unique<TSkCtrlAdapter>(provider);
  ui::TForm& form = provider.Form();
  if (!provider.ListSW && form.HandleAllocated()) {
    TSkinParams params;
    params.Control = &form;
    provider.ListSW =
        MakeAdapter<TSkScrollWnd>(form.Handle(), params, provider.SkinData().SkinManager(), &provider.SkinData());
  }
  provider.Adapter->AddAllItems();
}

void PostControlAdded(HWND form) {
  // A framework control gets its window object only once the window is
  // made, after this notification: the scan waits until then.
  if (form != nullptr) PostMessageW(form, SM_ALPHACMD, MakeSkinWParam(scControlAdded), 0);
}

void AttachStandardAdapters(HWND parent, HWND /*child*/) {
  const HWND root = parent != nullptr ? GetAncestor(parent, GA_ROOT) : nullptr;
  if (root != nullptr && IsSkinCommandTrue(root, scGetProvider)) PostControlAdded(root);
}

}  // namespace vorlan::skin
