#pragma once

#include <array>
#include <cstdint>
#include <string_view>
#include <vector>

#include "skin/data/skin_bitmap.h"
#include "skin/data/skin_tables.h"

// Every table of one loaded skin, and the lookups by name and index.
// Indexes are positions in the tables; -1 means none.
namespace vorlan::skin {

class TLoadedSkin {
 public:
  std::vector<TSkinGeneralData> gd;  // sections, by skin index
  std::vector<TSkinMaskData> ma;     // image entries, by mask index
  std::array<TSkOutEffData, 2> oe;   // kOuterEffectLight, kOuterEffectShadow
  std::vector<TSkExtFileData> ExtArray;
  SkinBitmapPtr MasterBitmap;
  TSkinData CommonSkinData;
  TSkPalette Palette{};

  // The first section named exactly so; -1 for an empty name or none.
  std::int32_t GetSkinIndex(std::u16string_view skin_section) const;
  // The first entry of that section and key; no parent fallback.
  std::int32_t GetMaskIndex(std::u16string_view skin_section, std::u16string_view mask) const;
  // The first entry of that skin index and key, else the parent's.
  std::int32_t GetMaskIndex(std::int32_t skin_index, std::u16string_view mask) const;
  // As above; the parent is followed only when it is named, differs from
  // `skin_section` and exists.
  std::int32_t GetMaskIndex(std::int32_t skin_index, std::u16string_view skin_section, std::u16string_view mask) const;
  // The first texture entry of that section and key, else the parent's.
  std::int32_t GetTextureIndex(std::int32_t skin_index, std::u16string_view skin_section,
                               std::u16string_view prop_name) const;
  std::int32_t GetTextureIndex(std::int32_t skin_index, std::u16string_view prop_name) const;

  bool IsValidSkinIndex(std::int32_t skin_index) const;
  bool IsValidImgIndex(std::int32_t image_index) const;

  // Border, outer, corner and texture indexes of every section but the one
  // at `index_global_info`.
  void InitMaskIndexes(std::int32_t index_global_info);

  // Appends an entry with these values (others 0 or none); its mask index.
  std::int32_t MakeNewItem(std::int32_t skin_index, std::u16string_view property_name, std::u16string_view class_name,
                           TSkImgType img_type, const TRect& r, std::int32_t count, std::int32_t draw_mode,
                           std::int32_t mask_type);

  // Frees the masks, the external images and the master bitmap.
  void FreeMasks();
  // Empties every table and resets the skin-wide values.
  void Clear();
};

}  // namespace vorlan::skin
