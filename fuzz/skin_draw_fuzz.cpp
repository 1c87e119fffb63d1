// A skin loaded from any options text and any pictures, then its sections
// painted in any state into any rectangle, with every kind of parent look:
// nothing may crash, and nothing may change outside the rectangle.
//
// Input: [options length: 2 bytes][options][picture length: 2 bytes][picture]
// then groups of 8 bytes, one painting each: section, state, left, top,
// right, bottom (signed), parent kind, texture.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <memory>
#include <span>
#include <string>

#include "paint/bitmap32.h"
#include "paint/cache_info.h"
#include "platform/error.h"
#include "skin/data/skin_loader.h"
#include "skin/data/skin_package.h"
#include "skin/draw/section.h"
#include "skin/draw/section_alpha.h"

namespace {

using namespace vorlan;

constexpr std::int32_t kWidth = 48, kHeight = 40;
constexpr std::uint32_t kSentinel = 0x5A3C1E0Fu;

// The images every fuzzed options text can name, whatever it says.
constexpr char kPreamble[] = "[GLOBALINFO]\nMASTERBITMAP=M.BMP\n";

std::span<const std::uint8_t> Take(std::span<const std::uint8_t>& data) {
  if (data.size() < 2) return {};
  const std::size_t n = std::min<std::size_t>(data[0] | data[1] << 8, data.size() - 2);
  const auto piece = data.subspan(2, n);
  data = data.subspan(2 + n);
  return piece;
}

void AddMember(skin::TSkinConvertor& package, std::u16string name, std::span<const std::uint8_t> bytes) {
  skin::TSkImageItem item;
  item.IsBitmap = name.ends_with(u".BMP");
  item.FileName = std::move(name);
  item.FileStream = std::make_unique<skin::MemoryStream>(std::vector<std::uint8_t>(bytes.begin(), bytes.end()));
  package.Files.push_back(std::move(item));
}

void CheckOutside(const paint::TBitmap32& bmp, const paint::TRect& r) {
  for (std::int32_t y = 0; y < bmp.Height(); ++y)
    for (std::int32_t x = 0; x < bmp.Width(); ++x) {
      const bool inside = !r.IsEmpty() && x >= r.Left && x < r.Right && y >= r.Top && y < r.Bottom && r.Left >= 0 &&
                          r.Top >= 0 && r.Right <= bmp.Width() && r.Bottom <= bmp.Height();
      if (!inside && bmp.Row(y)[x] != kSentinel) std::abort();
    }
}

paint::TBitmap32 Canvas() {
  paint::TBitmap32 bmp(kWidth, kHeight);
  for (std::int32_t y = 0; y < kHeight; ++y)
    for (std::int32_t x = 0; x < kWidth; ++x) bmp.Row(y)[x] = kSentinel;
  return bmp;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* raw, std::size_t size) {
  std::span<const std::uint8_t> data(raw, size);
  const auto options_text = Take(data);
  const auto picture = Take(data);
  std::string text(kPreamble);
  text.append(options_text.begin(), options_text.end());
  const skin::TSkinOptions options =
      skin::TSkinOptions::FromBytes(std::span(reinterpret_cast<const std::uint8_t*>(text.data()), text.size()));
  skin::TSkinConvertor package;
  AddMember(package, u"M.BMP", picture);
  AddMember(package, u"E.PNG", picture);
  skin::TLoadedSkin skin;
  skin::TSkinLoadSource source;
  source.Options = &options;
  source.Package = &package;
  try {
    skin::LoadAllMasks(skin, source);
    skin::LoadAllGeneralData(skin, source);
    skin.InitMaskIndexes(skin.GetSkinIndex(u"GLOBALINFO"));
  } catch (const Error&) {
    return 0;
  }
  if (skin.gd.empty()) return 0;

  paint::TBitmap32 parent(kWidth, kHeight);
  for (; data.size() >= 8; data = data.subspan(8)) {
    const auto index = static_cast<std::int32_t>(data[0] % skin.gd.size());
    const std::int32_t state = data[1] % 8;
    const paint::TRect r{static_cast<std::int8_t>(data[2]), static_cast<std::int8_t>(data[3]),
                         static_cast<std::int8_t>(data[4]), static_cast<std::int8_t>(data[5])};
    const int kind = data[6] % 5;
    const std::int32_t texture = static_cast<std::int32_t>(data[7]) - 128;
    paint::TBitmap32 bmp = Canvas();
    paint::TCacheInfo c = paint::EmptyCacheInfo();
    if (kind == 1) c.FillColor = 0x123456;
    if (kind == 2) c = paint::MakeCacheInfo(&parent, data[7] % 16 - 8, data[6] % 16 - 8);
    if (kind == 3) {
      c.Bmp = &parent;
      c.X = c.Y = 0;
      c.FillColor = 0x654321;
      c.FillRect = {data[7] % 9, data[6] % 9, data[7] % 7, data[6] % 7};
    }
    if (kind == 4) {
      skin::PaintSectionAlpha(skin, index, state, bmp, {r.Left, r.Top}, r);
    } else {
      skin::PaintSection(skin, index, c, state, r, {r.Left, r.Top}, bmp, texture, texture);
    }
    CheckOutside(bmp, r);
  }
  return 0;
}
