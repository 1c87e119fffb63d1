#pragma once

#include <memory>

// The image type of the skin tables: the painting engine's 32-bit bitmap.
namespace vorlan::paint {
class TBitmap32;
}

namespace vorlan::skin {
using SkinBitmap = paint::TBitmap32;
using SkinBitmapPtr = std::shared_ptr<SkinBitmap>;
}  // namespace vorlan::skin
