#pragma once

#include <cstdint>
#include <functional>
#include <string>
#include <vector>

#include "skin/data/skin_bitmap.h"
#include "skin/data/skin_tables.h"

// The skins stored inside the program.
namespace vorlan::skin {

struct TSkinStoredSkin {
  std::u16string Name;
  SkinBitmapPtr MasterBitmap;  // kept for the form resource; not used when loading
  TColor Shadow1Color = 0;
  std::int32_t Shadow1Offset = 0;
  std::int32_t Shadow1Blur = -1;
  std::int32_t Shadow1Transparency = 0;
  TColor BorderColor = 16711935;
  double Version = 0;
  std::u16string Author;
  std::u16string Description;
  std::vector<std::uint8_t> Data;  // the skin package
};

// The collection; every change is reported through OnChange.
class TSkinStoredSkins {
 public:
  std::function<void()> OnChange;

  std::size_t Count() const { return items_.size(); }
  bool Empty() const { return items_.empty(); }
  const TSkinStoredSkin& operator[](std::size_t index) const { return items_[index]; }
  const std::vector<TSkinStoredSkin>& Items() const { return items_; }

  void Add(TSkinStoredSkin skin) {
    items_.push_back(std::move(skin));
    Changed();
  }
  void Change(std::size_t index, const std::function<void(TSkinStoredSkin&)>& edit) {
    edit(items_.at(index));
    Changed();
  }
  void Clear() {
    items_.clear();
    Changed();
  }
  // Index of the first skin named exactly so; -1 for none.
  int IndexOf(std::u16string_view name) const {
    for (std::size_t i = 0; i < items_.size(); ++i) {
      if (items_[i].Name == name) return static_cast<int>(i);
    }
    return -1;
  }

 private:
  void Changed() {
    if (OnChange) OnChange();
  }
  std::vector<TSkinStoredSkin> items_;
};

}  // namespace vorlan::skin
