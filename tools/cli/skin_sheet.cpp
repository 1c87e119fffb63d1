#include "cli/skin_sheet.h"

#include <algorithm>
#include <array>
#include <string_view>

#include "cli/json_writer.h"
#include "paint/block_copy.h"
#include "paint/cache_info.h"
#include "paint/fills.h"
#include "platform/ascii.h"
#include "skin/data/skin_package.h"
#include "skin/draw/image_entry.h"
#include "skin/draw/section.h"
#include "skin/draw/state_fill.h"

namespace vorlan::cli {
namespace {

constexpr std::int32_t kGap = 8;            // between cells and around the sheet
constexpr std::int32_t kSheetWidth = 1280;  // rows wrap here
constexpr std::int32_t kChecker = 8;        // checkerboard square
constexpr std::int32_t kMaxStatesShown = 16;
constexpr paint::TColor kBackground = 0x404040;
constexpr paint::TColor kCheckerLight = 0xFFFFFF, kCheckerDark = 0xCCCCCC;

constexpr paint::TSize kLargeSize{160, 96}, kSmallSize{24, 24}, kDefaultSize{96, 28};

// Section names (or their starts) by the size they are shown at.
constexpr std::array<std::u16string_view, 12> kLargeSections{u"FORM",        u"PANEL",    u"DIALOG",    u"GROUPBOX",
                                                             u"PAGECONTROL", u"TOOLBAR",  u"STATUSBAR", u"BARPANEL",
                                                             u"RIBBONPAGE",  u"MAINMENU", u"HINT",      u"GLOBALINFO"};
constexpr std::array<std::u16string_view, 10> kSmallSections{u"CHECKBOX", u"RADIOBUTTON", u"SCROLLBTN", u"THUMB",
                                                             u"SLIDER",   u"GRIP",        u"UPDOWNBTN", u"DIVIDER",
                                                             u"SPLITTER", u"MENULINE"};

template <std::size_t N>
bool StartsWithAny(std::u16string_view name, const std::array<std::u16string_view, N>& starts) {
  return std::any_of(starts.begin(), starts.end(), [&](std::u16string_view s) { return name.starts_with(s); });
}

paint::TBitmap32 Checkerboard(paint::TSize size) {
  paint::TBitmap32 bmp(size.Width, size.Height, paint::TRowOrder::TopDown);
  for (std::int32_t y = 0; y < size.Height; y += kChecker) {
    for (std::int32_t x = 0; x < size.Width; x += kChecker) {
      const bool light = (x / kChecker + y / kChecker) % 2 == 0;
      paint::FillRect32(bmp, paint::MakeRect(x, y, kChecker, kChecker), light ? kCheckerLight : kCheckerDark, 255);
    }
  }
  return bmp;
}

// One cell: the section over its own checkerboard, which is also the parent
// picture it shows through.
paint::TBitmap32 PaintCell(const skin::TLoadedSkin& skin, std::int32_t index, std::int32_t state, paint::TSize size) {
  const paint::TBitmap32 parent = Checkerboard(size);
  paint::TBitmap32 cell = parent.Clone();
  skin::PaintSection(skin, index, paint::MakeCacheInfo(&parent, 0, 0), state, cell.Bounds(), {0, 0}, cell);
  return cell;
}

}  // namespace

paint::TSize SheetCellSize(const skin::TLoadedSkin& skin, std::int32_t skinIndex) {
  const skin::TSkinGeneralData& section = skin.gd[static_cast<std::size_t>(skinIndex)];
  const std::u16string name = platform::AsciiUpperCopy(section.ClassName);
  paint::TSize size = StartsWithAny(name, kSmallSections)   ? kSmallSize
                      : StartsWithAny(name, kLargeSections) ? kLargeSize
                                                            : kDefaultSize;
  if (const skin::TImageEntry border = skin::SkinImage(skin, section.BorderIndex)) {
    size.Width = std::clamp(border.FrameWidth(), size.Width, kLargeSize.Width * 2);
    size.Height = std::clamp(border.FrameHeight(), size.Height, kLargeSize.Height * 2);
  }
  return size;
}

SkinSheet PaintSkinSheet(const skin::TLoadedSkin& skin) {
  // Lay the cells out first: each section's states side by side, sections
  // flowing left to right and wrapping into rows.
  SkinSheet sheet;
  std::int32_t x = kGap, y = kGap, row_height = 0, width = kGap;
  for (std::size_t i = 0; i < skin.gd.size(); ++i) {
    const auto index = static_cast<std::int32_t>(i);
    const paint::TSize size = SheetCellSize(skin, index);
    const std::int32_t states = std::clamp(skin.gd[i].States, 1, kMaxStatesShown);
    const std::int32_t group_width = states * (size.Width + kGap);
    if (x > kGap && x + group_width > kSheetWidth) {
      x = kGap;
      y += row_height + kGap;
      row_height = 0;
    }
    for (std::int32_t s = 0; s < states; ++s) {
      sheet.Cells.push_back({index, s, paint::MakeRect(x + s * (size.Width + kGap), y, size.Width, size.Height)});
    }
    x += group_width + kGap;  // a wider gap between sections than between states
    width = std::max(width, x);
    row_height = std::max(row_height, size.Height);
  }
  sheet.Picture = paint::TBitmap32(width, y + row_height + kGap, paint::TRowOrder::TopDown);
  paint::FillRect32(sheet.Picture, sheet.Picture.Bounds(), kBackground, 255);
  for (const SheetCell& c : sheet.Cells) {
    const paint::TBitmap32 cell = PaintCell(skin, c.SkinIndex, c.State, {c.Where.Width(), c.Where.Height()});
    paint::CopyBlock(sheet.Picture, {c.Where.Left, c.Where.Top}, cell, cell.Bounds());
  }
  return sheet;
}

std::string SkinSheetJson(const skin::TLoadedSkin& skin, const SkinSheet& sheet) {
  JsonWriter json;
  json.BeginObject();
  json.Key("width");
  json.Value(std::int64_t{sheet.Picture.Width()});
  json.Key("height");
  json.Value(std::int64_t{sheet.Picture.Height()});
  json.Key("cells");
  json.BeginArray();
  for (const SheetCell& c : sheet.Cells) {
    json.BeginObject();
    json.Key("section");
    json.Value(skin.gd[static_cast<std::size_t>(c.SkinIndex)].ClassName);
    json.Key("index");
    json.Value(std::int64_t{c.SkinIndex});
    json.Key("state");
    json.Value(std::int64_t{c.State});
    json.Key("x");
    json.Value(std::int64_t{c.Where.Left});
    json.Key("y");
    json.Value(std::int64_t{c.Where.Top});
    json.Key("width");
    json.Value(std::int64_t{c.Where.Width()});
    json.Key("height");
    json.Value(std::int64_t{c.Where.Height()});
    json.EndObject();
  }
  json.EndArray();
  json.EndObject();
  return json.Text() + "\n";
}

}  // namespace vorlan::cli
