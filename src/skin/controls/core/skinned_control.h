#pragma once

#include <cstdint>
#include <memory>
#include <utility>

#include "skin/controls/core/common_data.h"
#include "skin/controls/core/common_handlers.h"
#include "ui/message_chain.h"

// What every skinned control class shares: a framework control with its skin
// data (of class code `coc`), told when the control has been loaded, and, for
// classes that answer skin commands of their own, those commands hooked into
// the control's message chain ahead of the common handling.
namespace vorlan::skin {

template <class Base, class Data = TSkinCtrlSkinData>
class TSkinnedControl : public Base {
 public:
  Data& SkinData() { return *FCommonData; }
  const Data& SkinData() const { return *FCommonData; }

 protected:
  explicit TSkinnedControl(std::int32_t coc) : FCommonData(std::make_unique<Data>(this, true)) {
    FCommonData->COC = coc;
  }

  void HookOwnCommands(TSkinOwnCommands own) { link_ = HookSkinHandlers(*this, *FCommonData, std::move(own)); }

  void Loaded() override {
    Base::Loaded();
    FCommonData->Loaded();
  }

  std::unique_ptr<Data> FCommonData;

 private:
  ui::TChainLink link_;  // after the data: unlinked before it goes
};

}  // namespace vorlan::skin
