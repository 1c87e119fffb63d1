#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "skin/data/skin_tables.h"

// The syntaxes of image entries in skin options ("@" glyphs, "^" borders,
// "~" textures, "!" external images, plain file names). Values are
// upper-cased before they get here. Fixed-position numbers that are not
// numbers raise EConvertError.
namespace vorlan::skin {

enum class EntryKind { None, Glyph, Border, Texture, External, Plain };

EntryKind ClassifyEntry(std::u16string_view upper_value);

// The words between the delimiters; empty words are skipped.
std::vector<std::u16string_view> SplitWords(std::u16string_view text, char16_t delimiter);

// "@" entry: rectangle, frame count and mask type of a master-bitmap glyph.
TSkinMaskData ParseGlyphEntry(std::u16string_view value);

// "^" entry with its widths completed; nothing when the widths would have
// to be computed from a frame count (or row count) of zero.
std::optional<TSkinMaskData> ParseBorderEntry(std::u16string_view value);

// "~" entry; `image_name` gets the seventh word when the value names an image.
TSkinMaskData ParseTextureEntry(std::u16string_view value, std::u16string* image_name);

// The widths of an "!" or plain entry over an image of `width` x `height`:
// from words 5..8, or a third of a frame and of a row. False when the
// entry is invalid (a frame or row count of zero to divide by, or a
// negative kind).
bool CompleteExternalEntry(TSkinMaskData& mask, const std::vector<std::u16string_view>& words, std::int32_t width,
                           std::int32_t height);

// Fills the fields of an "!" entry that its words give (words 2..4 and 9).
void ReadExternalWords(TSkinMaskData& mask, const std::vector<std::u16string_view>& words);

// GRADIENTDATA: groups of five numbers; "N/A" is empty.
TSkinGradArray ParseGradientData(std::u16string_view text);

}  // namespace vorlan::skin
