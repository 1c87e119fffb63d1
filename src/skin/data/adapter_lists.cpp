#include "skin/data/adapter_lists.h"

#include <algorithm>
#include <array>

namespace vorlan::skin {
namespace {

bool Blank(std::u16string_view name) {
  return std::all_of(name.begin(), name.end(), [](char16_t c) { return c == u' ' || c == u'\t'; });
}

bool AnyNamed(const ThirdPartyList& lists) {
  for (const auto& list : lists.ThirdLists) {
    if (std::any_of(list.begin(), list.end(), [](const std::u16string& name) { return !Blank(name); })) return true;
  }
  return false;
}

constexpr std::array<std::u16string_view, kThirdPartyCount> kAdapterClasses{
    u"TSkEditWnd",
    u"TSkButtonWnd",
    u"TSkBitBtnWnd",
    u"TSkCheckBoxWnd",
    u"TSkComboBoxWnd",
    u"TSkGridWnd",
    u"TSkGroupBoxWnd",
    u"TSkListViewWnd",
    u"TSkPanelWnd",
    u"TSkTreeViewWnd",
    u"TSkWWComboBoxWnd",
    u"TSkGridEhWnd",
    u"TSkVirtualTreeViewWnd",
    u"TSkPageControlWnd",
    u"TSkTabControlWnd",
    u"TSkToolBarStdWnd",
    u"TSkStatusBarWnd",
    u"",
    u"TSkScrollBoxWnd",
    u"TSkSpinWnd",
    u"TSkSBWnd",
    u"TSkStaticTextWnd",
    u"TSkNativePaint",
};

}  // namespace

int FindAdapterKind(const ThirdPartyList& lists, std::u16string_view className) {
  if (Blank(className)) return -1;
  for (int kind = 0; kind < kThirdPartyCount; ++kind) {
    if (lists.Contains(kind, className)) return kind;
  }
  return -1;
}

const ThirdPartyList& DecidingLists(const ThirdPartyList* providerLists, const ThirdPartyList& managerLists) {
  return providerLists != nullptr && AnyNamed(*providerLists) ? *providerLists : managerLists;
}

std::u16string_view AdapterClassOfKind(int kind) {
  if (kind < 0 || kind >= kThirdPartyCount) return {};
  return kAdapterClasses[static_cast<std::size_t>(kind)];
}

}  // namespace vorlan::skin
