#include "skin/data/loaded_skin.h"

namespace vorlan::skin {
namespace {

// Parent chains may loop (A to B to A). A search that has taken more steps
// than there are sections has come back to a section it has seen, and ends
// as "not found".
class VisitedSections {
 public:
  explicit VisitedSections(std::size_t section_count) : steps_left_(section_count + 1) {}
  bool Enter(std::int32_t) { return steps_left_-- > 0; }

 private:
  std::size_t steps_left_;
};

}  // namespace

std::int32_t TLoadedSkin::GetSkinIndex(std::u16string_view skin_section) const {
  if (skin_section.empty()) return -1;
  for (std::size_t i = 0; i < gd.size(); ++i) {
    if (gd[i].ClassName == skin_section) return static_cast<std::int32_t>(i);
  }
  return -1;
}

std::int32_t TLoadedSkin::GetMaskIndex(std::u16string_view skin_section, std::u16string_view mask) const {
  for (std::size_t i = 0; i < ma.size(); ++i) {
    if (ma[i].ClassName == skin_section && ma[i].PropertyName == mask) return static_cast<std::int32_t>(i);
  }
  return -1;
}

std::int32_t TLoadedSkin::GetMaskIndex(std::int32_t skin_index, std::u16string_view mask) const {
  VisitedSections visited(gd.size());
  while (skin_index >= 0 && visited.Enter(skin_index)) {
    for (std::size_t i = 0; i < ma.size(); ++i) {
      if (ma[i].SkinIndex == skin_index && ma[i].PropertyName == mask) return static_cast<std::int32_t>(i);
    }
    if (!IsValidSkinIndex(skin_index) || gd[static_cast<std::size_t>(skin_index)].ParentClass.empty()) return -1;
    skin_index = GetSkinIndex(gd[static_cast<std::size_t>(skin_index)].ParentClass);
  }
  return -1;
}

std::int32_t TLoadedSkin::GetMaskIndex(std::int32_t skin_index, std::u16string_view skin_section,
                                       std::u16string_view mask) const {
  VisitedSections visited(gd.size());
  std::u16string section(skin_section);
  while (skin_index >= 0 && visited.Enter(skin_index)) {
    for (std::size_t i = 0; i < ma.size(); ++i) {
      if (ma[i].SkinIndex == skin_index && ma[i].PropertyName == mask) return static_cast<std::int32_t>(i);
    }
    if (!IsValidSkinIndex(skin_index)) return -1;
    const std::u16string& parent = gd[static_cast<std::size_t>(skin_index)].ParentClass;
    if (parent.empty() || parent == section) return -1;
    skin_index = GetSkinIndex(parent);
    section = parent;
  }
  return -1;
}

std::int32_t TLoadedSkin::GetTextureIndex(std::int32_t skin_index, std::u16string_view skin_section,
                                          std::u16string_view prop_name) const {
  VisitedSections visited(gd.size());
  std::u16string section(skin_section);
  while (skin_index >= 0 && !ma.empty() && !section.empty() && visited.Enter(skin_index)) {
    for (std::size_t i = 0; i < ma.size(); ++i) {
      if (ma[i].ImgType == itTexture && ma[i].PropertyName == prop_name && ma[i].ClassName == section) {
        return static_cast<std::int32_t>(i);
      }
    }
    if (!IsValidSkinIndex(skin_index)) return -1;
    const std::u16string& parent = gd[static_cast<std::size_t>(skin_index)].ParentClass;
    if (parent.empty() || parent == section) return -1;
    skin_index = GetSkinIndex(parent);
    section = parent;
  }
  return -1;
}

std::int32_t TLoadedSkin::GetTextureIndex(std::int32_t skin_index, std::u16string_view prop_name) const {
  VisitedSections visited(gd.size());
  while (skin_index >= 0 && visited.Enter(skin_index)) {
    for (std::size_t i = 0; i < ma.size(); ++i) {
      if (ma[i].ImgType == itTexture && ma[i].SkinIndex == skin_index && ma[i].PropertyName == prop_name) {
        return static_cast<std::int32_t>(i);
      }
    }
    if (!IsValidSkinIndex(skin_index) || gd[static_cast<std::size_t>(skin_index)].ParentClass.empty()) return -1;
    skin_index = GetSkinIndex(gd[static_cast<std::size_t>(skin_index)].ParentClass);
  }
  return -1;
}

bool TLoadedSkin::IsValidSkinIndex(std::int32_t skin_index) const {
  return skin_index >= 0 && static_cast<std::size_t>(skin_index) < gd.size();
}

bool TLoadedSkin::IsValidImgIndex(std::int32_t image_index) const {
  return image_index >= 0 && static_cast<std::size_t>(image_index) < ma.size();
}

void TLoadedSkin::InitMaskIndexes(std::int32_t index_global_info) {
  for (std::size_t s = 0; s < gd.size(); ++s) {
    const auto index = static_cast<std::int32_t>(s);
    if (index == index_global_info) continue;
    TSkinGeneralData& section = gd[s];
    section.BorderIndex = GetMaskIndex(index, u"BORDERSMASK");
    section.OuterMask = GetMaskIndex(index, u"OUTERMASK");
    section.ImgTL = GetMaskIndex(index, u"IMGTOPLEFT");
    section.ImgTR = GetMaskIndex(index, u"IMGTOPRIGHT");
    section.ImgBL = GetMaskIndex(index, u"IMGBTMLEFT");
    section.ImgBR = GetMaskIndex(index, u"IMGBTMRIGHT");
    section.Props[0].TextureIndex = GetTextureIndex(index, section.ClassName, u"PATTERN");
    section.Props[1].TextureIndex =
        section.States > 1 ? GetTextureIndex(index, section.ClassName, u"HOTPATTERN") : section.Props[0].TextureIndex;
    section.Props[2].TextureIndex = section.States > 2 && section.UseState2
                                        ? GetTextureIndex(index, section.ClassName, u"PATTERN2")
                                        : section.Props[1].TextureIndex;
    if (section.BorderIndex < 0) {
      section.ScrollBorderOffset = -2;
    } else {
      const TSkinMaskData& border = ma[static_cast<std::size_t>(section.BorderIndex)];
      const bool thin = border.WL == 1 && border.WT == 1 && border.WR == 1 && border.WB == 1;
      const bool edit = section.ClassName == u"EDIT" || section.ClassName == u"ALPHAEDIT";
      section.ScrollBorderOffset = edit && thin ? -1 : 0;
    }
  }
}

std::int32_t TLoadedSkin::MakeNewItem(std::int32_t skin_index, std::u16string_view property_name,
                                      std::u16string_view class_name, TSkImgType img_type, const TRect& r,
                                      std::int32_t count, std::int32_t draw_mode, std::int32_t mask_type) {
  TSkinMaskData mask;
  mask.SkinIndex = skin_index;
  mask.PropertyName = property_name;
  mask.ClassName = class_name;
  mask.ImgType = img_type;
  mask.R = r;
  mask.ImageCount = static_cast<std::int16_t>(count);
  mask.DrawMode = static_cast<std::int16_t>(draw_mode);
  mask.MaskType = static_cast<std::int16_t>(mask_type);
  ma.push_back(std::move(mask));
  return static_cast<std::int32_t>(ma.size() - 1);
}

void TLoadedSkin::FreeMasks() {
  ma.clear();
  ExtArray.clear();
  MasterBitmap.reset();
}

void TLoadedSkin::Clear() {
  FreeMasks();
  gd.clear();
  oe = {};
  CommonSkinData = TSkinData{};
  Palette = {};
}

}  // namespace vorlan::skin
