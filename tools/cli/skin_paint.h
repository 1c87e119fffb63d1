#pragma once

#include <cstdint>
#include <optional>
#include <span>
#include <string>

#include "paint/geometry.h"

// `skin paint`: one section of a skin in one state painted onto a canvas.
namespace vorlan::cli {

enum class ParentLook { None, Color, Image };

struct SkinPaintRequest {
  std::string Source;  // a package file, a skin directory or "--internal"
  std::string Section;
  std::int32_t State = 0;
  std::string Out;
  std::optional<paint::TSize> Size;
  std::optional<paint::TRect> Rect;
  ParentLook Parent = ParentLook::None;
  std::int32_t ParentColor = 0;  // 0x00BBGGRR
  std::string ParentImage;
  bool Alpha = false;
};

// SOURCE|--internal SECTION STATE OUT [--size W H] [--rect L T R B]
// [--parent-color RRGGBB | --parent-image FILE] [--alpha]; nothing for bad
// arguments.
std::optional<SkinPaintRequest> ParseSkinPaint(std::span<const std::string> args);

// Paints and writes OUT; raises vorlan::Error for an unreadable skin, an
// unknown section or a file that cannot be read or written.
void RunSkinPaint(const SkinPaintRequest& request);

}  // namespace vorlan::cli
