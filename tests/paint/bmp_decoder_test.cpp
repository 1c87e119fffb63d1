#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "paint/decoded_image.h"
#include "paint/image_errors.h"
#include "paint/pixel_math.h"
#include "paint_test_util.h"

namespace vorlan::paint {
namespace {

using Bytes = std::vector<uint8_t>;

void Put(Bytes& b, uint32_t v, int n) {
  for (int i = 0; i < n; ++i) b.push_back(uint8_t(v >> (8 * i)));
}

// Colour of pixel (x, y) in the test pictures, as a pixel word with alpha 255.
uint32_t Colour(int x, int y) { return px::Pack(x * 40 + 3, y * 50 + 5, (x + y) * 20 + 7, 255); }

struct BmpSpec {
  int header_size;  // 12 or 40 (or later)
  int bpp;
  int width, height;  // negative height: top-down
  uint32_t compression = 0;
};

// Palette entry i for indexed pictures.
uint32_t PaletteColour(int i) { return px::Pack(i, 255 - i, (i * 7) & 255, 255); }
int IndexAt(int x, int y, int bpp) { return (x * 3 + y * 5) % (1 << bpp); }

Bytes BuildBmp(const BmpSpec& s) {
  const int rows = std::abs(s.height);
  const int row_bytes = (s.width * s.bpp + 31) / 32 * 4;
  const int palette_entries = s.bpp <= 8 ? 1 << s.bpp : 0;
  const int entry = s.header_size == 12 ? 3 : 4;
  const int masks = s.compression == 3 && s.header_size == 40 ? 12 : 0;
  const int offset = 14 + s.header_size + masks + palette_entries * entry;
  Bytes b = {'B', 'M'};
  Put(b, uint32_t(offset + row_bytes * rows), 4);
  Put(b, 0, 4);
  Put(b, uint32_t(offset), 4);
  Put(b, uint32_t(s.header_size), 4);
  if (s.header_size == 12) {
    Put(b, uint32_t(s.width), 2), Put(b, uint32_t(rows), 2), Put(b, 1, 2), Put(b, uint32_t(s.bpp), 2);
  } else {
    Put(b, uint32_t(s.width), 4), Put(b, uint32_t(s.height), 4), Put(b, 1, 2), Put(b, uint32_t(s.bpp), 2);
    Put(b, s.compression, 4), Put(b, uint32_t(row_bytes * rows), 4);
    for (int i = 0; i < 4; ++i) Put(b, 0, 4);
    // Masks of BI_BITFIELDS (R, G, B), in the header's tail or after it.
    if (s.compression == 3) Put(b, 0x00FF0000, 4), Put(b, 0x0000FF00, 4), Put(b, 0x000000FF, 4);
    while (b.size() < size_t(14 + s.header_size)) b.push_back(0);
  }
  for (int i = 0; i < palette_entries; ++i) {
    const uint32_t c = PaletteColour(i);
    b.insert(b.end(), {uint8_t(c), uint8_t(c >> 8), uint8_t(c >> 16)});
    if (entry == 4) b.push_back(0);
  }
  for (int r = 0; r < rows; ++r) {
    const int y = s.height < 0 ? r : rows - 1 - r;
    Bytes row(size_t(row_bytes), 0);
    for (int x = 0; x < s.width; ++x) {
      const uint32_t c = Colour(x, y);
      if (s.bpp == 24 || s.bpp == 32) {
        const int n = s.bpp / 8;
        for (int k = 0; k < 3; ++k) row[size_t(x * n + k)] = uint8_t(c >> (8 * k));
        if (n == 4) row[size_t(x * 4 + 3)] = uint8_t(x * 60);
      } else {
        const int per_byte = 8 / s.bpp;
        row[size_t(x / per_byte)] |= uint8_t(IndexAt(x, y, s.bpp) << (8 - s.bpp * (x % per_byte + 1)));
      }
    }
    b.insert(b.end(), row.begin(), row.end());
  }
  return b;
}

TEST(DecodeBmp, EveryDepthAndHeaderBothRowOrders) {
  const BmpSpec specs[] = {{12, 1, 9, 3},  {12, 4, 5, 3},   {12, 8, 3, 2},      {12, 24, 3, 2},
                           {40, 1, 17, 2}, {40, 4, 7, -3},  {40, 8, 5, 4},      {40, 24, 3, -2},
                           {40, 32, 3, 2}, {124, 24, 2, 3}, {40, 32, 4, -2, 3}, {108, 32, 2, 2, 3}};
  for (const BmpSpec& s : specs) {
    const std::string what = "header " + std::to_string(s.header_size) + " bpp " + std::to_string(s.bpp) + " h " +
                             std::to_string(s.height) + " compression " + std::to_string(s.compression);
    TDecodedImage image = DecodeBmp(BuildBmp(s));
    ASSERT_EQ(image.Bitmap.Size(), (TSize{s.width, std::abs(s.height)})) << what;
    EXPECT_EQ(image.SourceIs32Bit, s.bpp == 32) << what;
    for (int y = 0; y < std::abs(s.height); ++y) {
      for (int x = 0; x < s.width; ++x) {
        uint32_t expected = s.bpp <= 8 ? PaletteColour(IndexAt(x, y, s.bpp)) : Colour(x, y);
        if (s.bpp == 32 && s.compression == 0) expected = px::WithAlpha(expected, x * 60);
        ASSERT_EQ(image.Bitmap.Pixel(x, y), expected) << what << " at " << x << "," << y;
      }
    }
  }
}

TEST(DecodeBmp, BrokenFilesAreRejected) {
  Bytes good = BuildBmp({40, 24, 3, 2});
  Bytes bad_magic = good;
  bad_magic[0] = 'X';
  Bytes short_data(good.begin(), good.end() - 1);
  Bytes rle = BuildBmp({40, 8, 4, 4, 1});
  Bytes depth16 = BuildBmp({40, 24, 3, 2});
  depth16[28] = 16;
  Bytes zero_width = good;
  zero_width[18] = 0;
  Bytes huge = good;
  huge[21] = 0x7F;
  Bytes bad_header_size = good;
  bad_header_size[14] = 20;
  Bytes offset_past_end = good;
  offset_past_end[10] = 0xFF;
  offset_past_end[11] = 0xFF;
  const std::pair<Bytes, const char*> cases[] = {
      {bad_magic, "no BM"},           {short_data, "pixel data cut short"},
      {rle, "RLE compression"},       {depth16, "16 bits"},
      {zero_width, "width 0"},        {huge, "width over the cap"},
      {bad_header_size, "header 20"}, {offset_past_end, "data offset past the end"},
      {Bytes{'B', 'M'}, "tiny"},
  };
  for (const auto& [file, why] : cases) {
    try {
      DecodeBmp(file);
      ADD_FAILURE() << why << ": decoded";
    } catch (const ImageError& e) {
      EXPECT_STREQ(e.what(), kBmpInvalid) << why;
    }
  }
}

TEST(DecodePicture, RecognisesContentBeforeTheName) {
  const Bytes bmp = BuildBmp({40, 24, 2, 2});
  EXPECT_EQ(DecodePicture(bmp, "picture.png").Bitmap.Size(), (TSize{2, 2})) << "BM wins over the extension";
  try {
    DecodePicture(Bytes{1, 2, 3}, "x.png");
    ADD_FAILURE();
  } catch (const ImageError& e) {
    EXPECT_STREQ(e.what(), kPngInvalidFormat) << "unknown content: the extension picks the decoder";
  }
  try {
    DecodePicture(Bytes{1, 2, 3}, "x.gif");
    ADD_FAILURE();
  } catch (const ImageError& e) {
    EXPECT_STREQ(e.what(), "Unknown picture file extension (.gif)");
  }
}

TEST(To32Bits, BmpPicturesFollowTheAlphaRule) {
  Bytes bmp = BuildBmp({40, 24, 2, 1});
  // Make pixel (1, 0) magenta.
  const size_t at = 54 + 3;
  bmp[at] = 0xFF, bmp[at + 1] = 0x00, bmp[at + 2] = 0xFF;
  const TBitmap32 out = To32Bits(DecodeBmp(bmp));
  EXPECT_EQ(out.Pixel(0, 0), Colour(0, 0));
  EXPECT_EQ(out.Pixel(1, 0), kKeyPixel);
  const TBitmap32 keep = To32Bits(DecodeBmp(BuildBmp({40, 32, 3, 1})));
  EXPECT_EQ(keep.Pixel(2, 0) >> 24, 120u) << "a 32-bit picture keeps its fourth byte";
}

}  // namespace
}  // namespace vorlan::paint
