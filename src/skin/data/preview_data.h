#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <optional>
#include <span>
#include <string_view>

// The skin preview record a skin editor in another process sends with
// WM_COPYDATA: a magic number, the skin's name and directory and its whole
// options text, each text 8-bit ANSI in a fixed field. The block comes from
// outside: it is copied only when it holds a whole record, and no text is
// read past its field.
namespace vorlan::skin {

inline constexpr std::uint32_t kPreviewMagic = 0xA400;
// The WParam that marks a WM_COPYDATA as a skin preview.
inline constexpr std::uintptr_t kPreviewWParam = 7;

inline constexpr std::size_t kPreviewNameSize = 128;
inline constexpr std::size_t kPreviewDirSize = 512;
inline constexpr std::size_t kPreviewTextSize = 30001;
inline constexpr std::size_t kPreviewNameOffset = 4;
inline constexpr std::size_t kPreviewDirOffset = kPreviewNameOffset + kPreviewNameSize;
inline constexpr std::size_t kPreviewTextOffset = kPreviewDirOffset + kPreviewDirSize;
inline constexpr std::size_t kPreviewDataSize = kPreviewTextOffset + kPreviewTextSize;
static_assert(kPreviewDataSize == 30645);

struct TSkPreviewData {
  std::uint32_t Magic = 0;
  std::array<char, kPreviewNameSize> SkinName{};
  std::array<char, kPreviewDirSize> SkinDir{};
  std::array<char, kPreviewTextSize> Data{};
};

// The record at the start of `block`: nothing when the block is shorter than
// a record or its magic is not kPreviewMagic; bytes after the record are
// not part of it.
std::optional<TSkPreviewData> ParsePreviewData(std::span<const std::uint8_t> block);

// A field's text: up to its first zero, or the whole field when it has none.
template <std::size_t N>
std::string_view FieldText(const std::array<char, N>& field) {
  const std::string_view whole(field.data(), N);
  return whole.substr(0, whole.find('\0'));
}

// The record's bytes as sent (for tests and tools that make previews).
std::array<std::uint8_t, kPreviewDataSize> PreviewDataBytes(const TSkPreviewData& record);

}  // namespace vorlan::skin
