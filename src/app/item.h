#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace vorlan::app {

// One video of the catalogue: a film or serial in one translation.
struct TItem {
  std::u16string TitleRu;
  std::u16string TitleEn;
  std::u16string Translator;
  std::u16string Url;
  int32_t SeasonsCount = 0;
  int32_t EpisodesCount = 0;
};

// The video list of one lookup, in the order of the catalogue's answer; it
// owns its records.
using TVideoList = std::vector<TItem>;

}  // namespace vorlan::app
