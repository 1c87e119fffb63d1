#include "skin/data/loaded_skin.h"

#include <algorithm>

namespace vorlan::skin {
namespace {

// Whether a walk up the parents stops at a parent named like the section it
// comes from (the lookups that know the section name do).
enum class ParentRule { FollowAny, NotTheSectionItself };

// Calls `find`(skin index, section name) for the section and then for each
// parent named by ParentClass until it answers an index >= 0. Ends with -1
// at an invalid index, an empty or missing parent, and, since parent chains
// may loop (A to B to A), after more steps than there are sections.
template <class Find>
std::int32_t SearchUpParents(const TLoadedSkin& skin, std::int32_t skin_index, std::u16string_view section,
                             ParentRule rule, Find find) {
  for (std::size_t steps_left = skin.gd.size() + 1; skin_index >= 0 && steps_left > 0; --steps_left) {
    if (const std::int32_t found = find(skin_index, section); found >= 0) return found;
    if (!skin.IsValidSkinIndex(skin_index)) return -1;
    const std::u16string& parent = skin.gd[static_cast<std::size_t>(skin_index)].ParentClass;
    if (parent.empty() || (rule == ParentRule::NotTheSectionItself && parent == section)) return -1;
    skin_index = skin.GetSkinIndex(parent);
    section = parent;
  }
  return -1;
}

// The first mask table entry that satisfies `matches`, or -1.
template <class Matches>
std::int32_t FirstMask(const std::vector<TSkinMaskData>& ma, Matches matches) {
  const auto found = std::find_if(ma.begin(), ma.end(), matches);
  return found == ma.end() ? -1 : static_cast<std::int32_t>(found - ma.begin());
}

}  // namespace

std::int32_t TLoadedSkin::GetSkinIndex(std::u16string_view skin_section) const {
  if (skin_section.empty()) return -1;
  for (std::size_t i = 0; i < gd.size(); ++i) {
    if (gd[i].ClassName == skin_section) return static_cast<std::int32_t>(i);
  }
  return -1;
}

std::int32_t TLoadedSkin::GetMaskIndex(std::u16string_view skin_section, std::u16string_view mask) const {
  return FirstMask(ma, [&](const TSkinMaskData& m) { return m.ClassName == skin_section && m.PropertyName == mask; });
}

std::int32_t TLoadedSkin::GetMaskIndex(std::int32_t skin_index, std::u16string_view mask) const {
  return SearchUpParents(*this, skin_index, {}, ParentRule::FollowAny, [&](std::int32_t index, std::u16string_view) {
    return FirstMask(ma, [&](const TSkinMaskData& m) { return m.SkinIndex == index && m.PropertyName == mask; });
  });
}

std::int32_t TLoadedSkin::GetMaskIndex(std::int32_t skin_index, std::u16string_view skin_section,
                                       std::u16string_view mask) const {
  return SearchUpParents(
      *this, skin_index, skin_section, ParentRule::NotTheSectionItself, [&](std::int32_t index, std::u16string_view) {
        return FirstMask(ma, [&](const TSkinMaskData& m) { return m.SkinIndex == index && m.PropertyName == mask; });
      });
}

std::int32_t TLoadedSkin::GetTextureIndex(std::int32_t skin_index, std::u16string_view skin_section,
                                          std::u16string_view prop_name) const {
  if (ma.empty() || skin_section.empty()) return -1;
  return SearchUpParents(*this, skin_index, skin_section, ParentRule::NotTheSectionItself,
                         [&](std::int32_t, std::u16string_view section) {
                           return FirstMask(ma, [&](const TSkinMaskData& m) {
                             return m.ImgType == itTexture && m.PropertyName == prop_name && m.ClassName == section;
                           });
                         });
}

std::int32_t TLoadedSkin::GetTextureIndex(std::int32_t skin_index, std::u16string_view prop_name) const {
  return SearchUpParents(*this, skin_index, {}, ParentRule::FollowAny, [&](std::int32_t index, std::u16string_view) {
    return FirstMask(ma, [&](const TSkinMaskData& m) {
      return m.ImgType == itTexture && m.SkinIndex == index && m.PropertyName == prop_name;
    });
  });
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
