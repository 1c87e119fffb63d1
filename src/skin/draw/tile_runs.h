#pragma once

#include <cstdint>

// Laying tiles along one axis, as textures and border sides do.
namespace vorlan::skin {

// From `begin`: whole pieces while pos < end − size, then, if pos < end, one
// piece cut to what is left. With wholeOnly: whole pieces while they fit.
// piece(pos, length) is called for each.
template <typename F>
void TileRuns(std::int32_t begin, std::int32_t end, std::int32_t size, bool wholeOnly, F&& piece) {
  if (size <= 0) return;
  std::int32_t pos = begin;
  if (wholeOnly) {
    for (; pos <= end - size; pos += size) piece(pos, size);
    return;
  }
  for (; pos < end - size; pos += size) piece(pos, size);
  if (pos < end) piece(pos, end - pos);
}

}  // namespace vorlan::skin
