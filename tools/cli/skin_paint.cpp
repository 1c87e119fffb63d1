#include "cli/skin_paint.h"

#include <cstring>

#include "cli/file_read.h"
#include "cli/numbers.h"
#include "cli/skin_source.h"
#include "paint/cache_info.h"
#include "paint/decoded_image.h"
#include "paint/fills.h"
#include "platform/error.h"
#include "platform/text.h"
#include "skin/draw/section.h"
#include "skin/draw/section_alpha.h"

namespace vorlan::cli {
namespace {

constexpr paint::TSize kDefaultCanvas{64, 32};

std::optional<std::int32_t> ParseHexColor(std::string_view text) {
  if (text.size() != 6) return std::nullopt;
  std::int32_t rgb = 0;
  for (const char c : text) {
    const int digit = c >= '0' && c <= '9'   ? c - '0'
                      : c >= 'a' && c <= 'f' ? c - 'a' + 10
                      : c >= 'A' && c <= 'F' ? c - 'A' + 10
                                             : -1;
    if (digit < 0) return std::nullopt;
    rgb = rgb << 4 | digit;
  }
  // RRGGBB as written; colours are 0x00BBGGRR.
  return (rgb >> 16 & 0xFF) | (rgb & 0xFF00) | (rgb & 0xFF) << 16;
}

// The numbers after an option, or nothing when they are missing or not numbers.
std::optional<std::vector<std::int32_t>> Numbers(std::span<const std::string> args, std::size_t& i, std::size_t count) {
  if (i + count >= args.size()) return std::nullopt;
  std::vector<std::int32_t> values;
  for (std::size_t k = 1; k <= count; ++k) {
    const auto value = ParseInt32(args[i + k]);
    if (!value) return std::nullopt;
    values.push_back(*value);
  }
  i += count;
  return values;
}

paint::TBitmap32 ReadPicture(const std::string& name) {
  const std::vector<std::uint8_t> bytes = ReadWholeFile(name);
  return paint::To32Bits(paint::DecodePicture(bytes, name));
}

}  // namespace

std::optional<SkinPaintRequest> ParseSkinPaint(std::span<const std::string> args) {
  if (args.size() < 4) return std::nullopt;
  SkinPaintRequest r;
  r.Source = args[0];
  r.Section = args[1];
  const auto state = ParseInt32(args[2]);
  if (!state || *state < 0) return std::nullopt;
  r.State = *state;
  r.Out = args[3];
  if (ImageFileKindOf(r.Out) == ImageFileKind::Unknown) return std::nullopt;
  for (std::size_t i = 4; i < args.size(); ++i) {
    const std::string& option = args[i];
    if (option == "--size" && !r.Size) {
      const auto v = Numbers(args, i, 2);
      if (!v || (*v)[0] <= 0 || (*v)[1] <= 0) return std::nullopt;
      r.Size = paint::TSize{(*v)[0], (*v)[1]};
    } else if (option == "--rect" && !r.Rect) {
      const auto v = Numbers(args, i, 4);
      if (!v) return std::nullopt;
      r.Rect = paint::TRect{(*v)[0], (*v)[1], (*v)[2], (*v)[3]};
    } else if (option == "--parent-color" && r.Parent == ParentLook::None && i + 1 < args.size()) {
      const auto colour = ParseHexColor(args[++i]);
      if (!colour) return std::nullopt;
      r.Parent = ParentLook::Color;
      r.ParentColor = *colour;
    } else if (option == "--parent-image" && r.Parent == ParentLook::None && i + 1 < args.size()) {
      r.Parent = ParentLook::Image;
      r.ParentImage = args[++i];
    } else if (option == "--alpha" && !r.Alpha) {
      r.Alpha = true;
    } else {
      return std::nullopt;
    }
  }
  // The parent picture gives the canvas its size.
  if (r.Size && r.Parent == ParentLook::Image) return std::nullopt;
  return r;
}

void RunSkinPaint(const SkinPaintRequest& request) {
  const SkinInfo info = LoadSkinSource(request.Source);
  const skin::TLoadedSkin& skin = info.Skin;
  const std::int32_t index = FindSectionAnyCase(skin, platform::Utf8ToUtf16(request.Section));
  if (index < 0) throw Error("Unknown section \"" + request.Section + "\".");

  paint::TBitmap32 canvas;
  paint::TBitmap32 parent;  // C's picture: a copy of the parent picture, never the canvas itself
  paint::TCacheInfo cache = paint::EmptyCacheInfo();
  if (request.Parent == ParentLook::Image) {
    parent = ReadPicture(request.ParentImage);
    canvas = parent.Clone();
    cache = paint::MakeCacheInfo(&parent, 0, 0);
  } else {
    const paint::TSize size = request.Size.value_or(kDefaultCanvas);
    canvas = paint::TBitmap32(size.Width, size.Height, paint::TRowOrder::TopDown);
    if (request.Parent == ParentLook::Color) {
      paint::FillRect32(canvas, canvas.Bounds(), request.ParentColor, 255);
      cache = paint::TCacheInfo{nullptr, 0, 0, request.ParentColor, paint::TRect{}, false};
    } else {
      paint::FillRect32(canvas, canvas.Bounds(), 0, 0);
    }
  }
  const paint::TRect r = request.Rect.value_or(canvas.Bounds());
  const paint::TPoint offset{r.Left, r.Top};
  if (request.Alpha) {
    skin::PaintSectionAlpha(skin, index, request.State, canvas, offset, r);
  } else {
    skin::PaintSection(skin, index, cache, request.State, r, offset, canvas);
  }
  WriteImageFile(request.Out, ImageFileKindOf(request.Out), canvas);
}

}  // namespace vorlan::cli
