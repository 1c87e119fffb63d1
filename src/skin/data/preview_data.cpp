#include "skin/data/preview_data.h"

#include <algorithm>

namespace vorlan::skin {
namespace {

template <std::size_t N>
void CopyField(std::span<const std::uint8_t> block, std::size_t offset, std::array<char, N>& field) {
  std::transform(block.begin() + static_cast<std::ptrdiff_t>(offset),
                 block.begin() + static_cast<std::ptrdiff_t>(offset + N), field.begin(),
                 [](std::uint8_t byte) { return static_cast<char>(byte); });
}

template <std::size_t N>
void StoreField(const std::array<char, N>& field, std::size_t offset, std::array<std::uint8_t, kPreviewDataSize>& out) {
  std::transform(field.begin(), field.end(), out.begin() + static_cast<std::ptrdiff_t>(offset),
                 [](char c) { return static_cast<std::uint8_t>(c); });
}

}  // namespace

std::optional<TSkPreviewData> ParsePreviewData(std::span<const std::uint8_t> block) {
  if (block.size() < kPreviewDataSize) return std::nullopt;
  const std::uint32_t magic = static_cast<std::uint32_t>(block[0]) | static_cast<std::uint32_t>(block[1]) << 8 |
                              static_cast<std::uint32_t>(block[2]) << 16 | static_cast<std::uint32_t>(block[3]) << 24;
  if (magic != kPreviewMagic) return std::nullopt;
  TSkPreviewData record;
  record.Magic = magic;
  CopyField(block, kPreviewNameOffset, record.SkinName);
  CopyField(block, kPreviewDirOffset, record.SkinDir);
  CopyField(block, kPreviewTextOffset, record.Data);
  return record;
}

std::array<std::uint8_t, kPreviewDataSize> PreviewDataBytes(const TSkPreviewData& record) {
  std::array<std::uint8_t, kPreviewDataSize> out{};
  for (std::size_t i = 0; i < 4; ++i) out[i] = static_cast<std::uint8_t>(record.Magic >> (8 * i));
  StoreField(record.SkinName, kPreviewNameOffset, out);
  StoreField(record.SkinDir, kPreviewDirOffset, out);
  StoreField(record.Data, kPreviewTextOffset, out);
  return out;
}

}  // namespace vorlan::skin
