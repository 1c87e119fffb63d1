#include "skin/controls/skin_provider_data.h"

#include "platform/ascii.h"

namespace vorlan::skin {

void TProviderSkinData::SetSkinSection(std::u16string_view value) {
  std::u16string upper = platform::AsciiUpperCopy(value);
  if (upper == FSkinSection) return;
  FSkinSection = std::move(upper);
  UpdateIndexes();
}

TSkinManager* TProviderSkinData::SkinManager() const { return FSkinManager ? FSkinManager : DefaultManager(); }

void TProviderSkinData::UpdateIndexes() {
  BGChanged = true;
  const TSkinManager* manager = SkinManager();
  SkinIndex = manager && manager->Active() ? manager->GetSkinIndex(FSkinSection) : -1;
  BorderIndex = SkinIndex >= 0 ? manager->Skin.gd[static_cast<std::size_t>(SkinIndex)].BorderIndex : -1;
}

bool TProviderSkinData::Skinned(bool checkSkinActive) const {
  const TSkinManager* manager = SkinManager();
  if (!manager || form_.IsDestroying() || !manager->IsValidSkinIndex(SkinIndex)) return false;
  return !checkSkinActive || (manager->Active() && manager->Skin.CommonSkinData.Active);
}

const TSkinGeneralData* TProviderSkinData::Section() const {
  const TSkinManager* manager = SkinManager();
  if (!manager || !manager->IsValidSkinIndex(SkinIndex)) return nullptr;
  return &manager->Skin.gd[static_cast<std::size_t>(SkinIndex)];
}

paint::TColor TProviderSkinData::BgColor(std::int32_t state) const {
  const TSkinGeneralData* section = Section();
  if (!section) return form_.Color();
  const TSkinGenState& props = section->Props[state > 0 && section->States > 1 ? 1 : 0];
  if (FCustomColor || props.Transparency == 0) return FCustomColor ? form_.Color() : props.Color;
  // A top-level form has no parent to show through: its own colour stands in.
  if (props.Transparency >= 100) return form_.Color();
  return paint::MixColors(props.Color, paint::ResolveColor(form_.Color()), props.Transparency / 100.0);
}

}  // namespace vorlan::skin
