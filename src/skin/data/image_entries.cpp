#include "skin/data/image_entries.h"

#include <algorithm>

#include "paint/colors.h"
#include "skin/data/skin_errors.h"
#include "skin/data/skin_loader.h"
#include "skin/data/skin_options.h"

namespace vorlan::skin {
namespace {

// The number at 1-based characters first..last of the value.
std::int32_t FixedNumber(std::u16string_view value, std::size_t first, std::size_t last) {
  const std::u16string_view text = first - 1 < value.size() ? value.substr(first - 1, last - first + 1) : u"";
  const std::optional<std::int32_t> number = ParseSkinInteger(text);
  if (!number) ThrowInvalidInteger(text);
  return *number;
}

std::int16_t Short(std::int32_t value) { return static_cast<std::int16_t>(value); }

TRect FixedRect(std::u16string_view value) {
  return {FixedNumber(value, 2, 5), FixedNumber(value, 7, 10), FixedNumber(value, 12, 15), FixedNumber(value, 17, 20)};
}

std::int32_t WordNumber(const std::vector<std::u16string_view>& words, std::size_t number) {
  if (words.size() < number) return 0;
  return ParseSkinInteger(words[number - 1]).value_or(0);
}

// A third of a frame and of a row: nothing to divide by gives false.
bool ThirdWidths(TSkinMaskData& mask) {
  const std::int32_t columns = mask.ImageCount * 3;
  const std::int32_t rows = mask.MaskType * 3 + 3;
  if (columns == 0 || rows == 0) return false;
  mask.WL = mask.WR = Short(mask.R.Width() / columns);
  mask.WT = mask.WB = Short(mask.R.Height() / rows);
  return true;
}

}  // namespace

EntryKind ClassifyEntry(std::u16string_view upper_value) {
  if (upper_value.empty()) return EntryKind::None;
  switch (upper_value.front()) {
    case u'!':
      return EntryKind::External;
    case u'@':
      return EntryKind::Glyph;
    case u'^':
      return EntryKind::Border;
    case u'~':
      return EntryKind::Texture;
    default:
      break;
  }
  const bool image =
      upper_value.find(u".JPG") != std::u16string_view::npos || upper_value.find(u".BMP") != std::u16string_view::npos;
  return image ? EntryKind::Plain : EntryKind::None;
}

std::vector<std::u16string_view> SplitWords(std::u16string_view text, char16_t delimiter) {
  std::vector<std::u16string_view> words;
  std::size_t start = 0;
  while (start < text.size()) {
    std::size_t end = text.find(delimiter, start);
    if (end == std::u16string_view::npos) end = text.size();
    if (end > start) words.push_back(text.substr(start, end - start));
    start = end + 1;
  }
  return words;
}

TSkinMaskData ParseGlyphEntry(std::u16string_view value) {
  TSkinMaskData mask;
  mask.R = FixedRect(value);
  mask.ImageCount = Short(FixedNumber(value, 22, 22));
  mask.MaskType = Short(FixedNumber(value, 24, 24));
  mask.ImgType = itGlyph;
  return mask;
}

std::optional<TSkinMaskData> ParseBorderEntry(std::u16string_view value) {
  TSkinMaskData mask;
  mask.R = FixedRect(value);
  mask.WL = Short(FixedNumber(value, 22, 25));
  mask.WT = Short(FixedNumber(value, 27, 30));
  mask.WR = Short(FixedNumber(value, 32, 35));
  mask.WB = Short(FixedNumber(value, 37, 40));
  mask.ImageCount = Short(FixedNumber(value, 42, 42));
  mask.MaskType = Short(FixedNumber(value, 44, 44));
  mask.DrawMode = Short(FixedNumber(value, 46, 46));
  mask.BorderWidth = Short(FixedNumber(value, 48, 48));
  mask.ImgType = itBorder;
  if (mask.WL + mask.WT + mask.WR + mask.WB == 0) {
    if (mask.BorderWidth != 0) {
      mask.WL = mask.WT = mask.WR = mask.WB = mask.BorderWidth;
    } else if (!ThirdWidths(mask)) {
      return std::nullopt;
    }
  }
  return mask;
}

TSkinMaskData ParseTextureEntry(std::u16string_view value, std::u16string* image_name) {
  TSkinMaskData mask;
  mask.R = FixedRect(value);
  mask.DrawMode = Short(FixedNumber(value, 22, 23));
  mask.MaskType = value.size() >= 25 ? Short(FixedNumber(value, 25, 25)) : 0;
  mask.ImageCount = 1;
  mask.ImgType = itTexture;
  if (image_name != nullptr) {
    image_name->clear();
    const std::vector<std::u16string_view> words = SplitWords(value, u'~');
    if (value.size() > 26 && words.size() >= 7) *image_name = std::u16string(words[6]);
  }
  return mask;
}

void ReadExternalWords(TSkinMaskData& mask, const std::vector<std::u16string_view>& words) {
  mask.ImageCount = Short(WordNumber(words, 2));
  mask.MaskType = Short(WordNumber(words, 3));
  mask.ImgType = static_cast<TSkImgType>(std::min(WordNumber(words, 4), static_cast<std::int32_t>(itPngGlyph)));
  mask.DrawMode = words.size() < 9 ? 0 : Short(WordNumber(words, 9));
}

bool CompleteExternalEntry(TSkinMaskData& mask, const std::vector<std::u16string_view>& words, std::int32_t width,
                           std::int32_t height) {
  if (mask.ImgType < itBorder) return false;
  mask.R = {0, 0, width, height};
  if (words.size() < 5) return ThirdWidths(mask);
  mask.WL = Short(WordNumber(words, 5));
  mask.WT = Short(WordNumber(words, 6));
  mask.WR = Short(WordNumber(words, 7));
  mask.WB = Short(WordNumber(words, 8));
  return true;
}

TSkinGradArray ParseGradientData(std::u16string_view text) {
  TSkinGradArray gradient;
  if (text == u"N/A") return gradient;
  const std::vector<std::u16string_view> words = SplitWords(text, u';');
  const auto number = [](std::u16string_view word) {
    const std::optional<std::int32_t> value = ParseSkinInteger(TrimSkinText(word));
    if (!value) ThrowInvalidInteger(word);
    return *value;
  };
  for (std::size_t i = 0; i + 5 <= words.size(); i += 5) {
    TSkinGradPie pie;
    pie.Color1 = paint::ResolveColor(number(words[i]));
    pie.Color2 = paint::ResolveColor(number(words[i + 1]));
    pie.Percent = static_cast<std::uint8_t>(std::clamp(number(words[i + 2]), 0, 100));
    pie.Mode1 = number(words[i + 3]);
    gradient.push_back(pie);
  }
  return gradient;
}

}  // namespace vorlan::skin
