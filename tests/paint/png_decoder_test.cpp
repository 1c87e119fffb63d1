#include <gtest/gtest.h>

#include <cstdlib>
#include <string>
#include <vector>

#include "paint/decoded_image.h"
#include "paint/image_errors.h"
#include "paint/pixel_math.h"
#include "paint/png_format.h"
#include "paint_test_util.h"
#include "png_builder.h"

namespace vorlan::paint {
namespace {

using testing::Bytes;
using testing::Compress;
using testing::Ihdr;
using testing::PngChunk;
using testing::PngFile;

// A sample pattern that reaches both ends of every depth.
int Sample(uint32_t x, uint32_t y, int c, int depth) {
  const int max = (1 << depth) - 1;
  const int v = int(x * 7 + y * 13 + uint32_t(c) * 5);
  return (v % 3 == 0) ? max : (v * 37) & max;
}

int ToByte(int v, int depth) {
  switch (depth) {
    case 1:
      return v * 255;
    case 2:
      return v * 85;
    case 4:
      return v * 17;
    case 16:
      return v * 255 / 65535;
    default:
      return v;
  }
}

TEST(DecodePng, EveryColourTypeAndDepthInterlacedOrNot) {
  const std::pair<int, int> formats[] = {{0, 1}, {0, 2}, {0, 4}, {0, 8}, {0, 16}, {2, 8}, {2, 16}, {3, 1},
                                         {3, 2}, {3, 4}, {3, 8}, {4, 8}, {4, 16}, {6, 8}, {6, 16}};
  Bytes palette;
  for (int i = 0; i < 256; ++i) palette.insert(palette.end(), {uint8_t(i), uint8_t(255 - i), uint8_t(i * 3)});
  for (auto [type, depth] : formats) {
    for (bool interlaced : {false, true}) {
      for (auto [w, h] : {std::pair<uint32_t, uint32_t>{13, 11}, {1, 1}, {3, 9}}) {
        const std::string what = "type " + std::to_string(type) + " depth " + std::to_string(depth) +
                                 (interlaced ? " interlaced " : " ") + std::to_string(w) + "x" + std::to_string(h);
        auto sample = [depth](uint32_t x, uint32_t y, int c) { return Sample(x, y, c, depth); };
        std::vector<Bytes> chunks = {PngChunk("IHDR", Ihdr(w, h, depth, type, 0, 0, interlaced))};
        if (type == 3) chunks.push_back(PngChunk("PLTE", Bytes(palette.begin(), palette.begin() + 3 * (1 << depth))));
        chunks.push_back(PngChunk("IDAT", Compress(testing::RawImageData(w, h, depth, type, interlaced, sample))));
        chunks.push_back(PngChunk("IEND", {}));
        TDecodedImage image = DecodePng(PngFile(chunks));
        ASSERT_EQ(image.Bitmap.Size(), (TSize{int32_t(w), int32_t(h)})) << what;
        EXPECT_EQ(image.SourceIs32Bit, type == 6) << what;
        for (uint32_t y = 0; y < h; ++y) {
          for (uint32_t x = 0; x < w; ++x) {
            uint32_t expected;
            auto ch = [&](int c) { return ToByte(sample(x, y, c), depth); };
            switch (type) {
              case 0:
              case 4:
                expected = px::Pack(ch(0), ch(0), ch(0), 255);
                break;
              case 2:
                expected = px::Pack(ch(2), ch(1), ch(0), 255);
                break;
              case 3: {
                const int i = sample(x, y, 0);
                expected =
                    px::Pack(palette[size_t(i) * 3 + 2], palette[size_t(i) * 3 + 1], palette[size_t(i) * 3], 255);
                break;
              }
              default:
                expected = px::Pack(ch(2), ch(1), ch(0), ch(3));
            }
            ASSERT_EQ(image.Bitmap.Pixel(int32_t(x), int32_t(y)), expected) << what << " at " << x << "," << y;
          }
        }
      }
    }
  }
}

Bytes Rgb2x2(const Bytes& idat_raw, const std::vector<Bytes>& extra = {}) {
  std::vector<Bytes> chunks = {PngChunk("IHDR", Ihdr(2, 2, 8, 2))};
  chunks.insert(chunks.end(), extra.begin(), extra.end());
  chunks.push_back(PngChunk("IDAT", Compress(idat_raw)));
  chunks.push_back(PngChunk("IEND", {}));
  return PngFile(chunks);
}

const Bytes kRaw2x2(14, 0);  // two rows: filter byte and 6 zero bytes each

TEST(DecodePng, AncillaryChunksAreSkipped) {
  EXPECT_EQ(DecodePng(Rgb2x2(kRaw2x2, {PngChunk("tEXt", {'a', 0, 'b'})})).Bitmap.Pixel(1, 1), 0xFF000000u);
}

TEST(DecodePng, BrokenFilesGiveTheirMessages) {
  const std::string invalid = kPngInvalidFormat;
  Bytes good = Rgb2x2(kRaw2x2);
  Bytes bad_crc = good;
  bad_crc[30] ^= 1;  // inside IHDR's CRC
  Bytes truncated(good.begin(), good.end() - 5);
  Bytes bad_adler = Compress(kRaw2x2);
  bad_adler.back() ^= 0xFF;
  Bytes bad_filter = kRaw2x2;
  bad_filter[7] = 5;
  Bytes more = kRaw2x2;
  more.push_back(0);
  Bytes less(kRaw2x2.begin(), kRaw2x2.end() - 1);
  Bytes not_png = good;
  not_png[1] = 'Q';
  auto with_idat = [](const Bytes& compressed) {
    return PngFile({PngChunk("IHDR", Ihdr(2, 2, 8, 2)), PngChunk("IDAT", compressed), PngChunk("IEND", {})});
  };
  struct Case {
    Bytes file;
    std::string message;
    const char* why;
  } cases[] = {
      {not_png, invalid, "bad signature"},
      {Bytes(good.begin(), good.begin() + 8), invalid, "signature only"},
      {PngFile({PngChunk("IHDR", Bytes(12, 0))}), invalid, "short header chunk"},
      {PngFile({PngChunk("IHDR", Ihdr(0, 2, 8, 2))}), invalid, "width 0"},
      {PngFile({PngChunk("IHDR", Ihdr(100000, 2, 8, 2))}), invalid, "width over the cap"},
      {PngFile({PngChunk("IHDR", Ihdr(2, 2, 8, 1))}), kPngInvalidColorFormat, "colour type 1"},
      {PngFile({PngChunk("IHDR", Ihdr(2, 2, 4, 2))}), kPngInvalidColorFormat, "RGB with 4 bits"},
      {PngFile({PngChunk("IHDR", Ihdr(2, 2, 16, 3))}), kPngInvalidColorFormat, "palette with 16 bits"},
      {PngFile({PngChunk("IHDR", Ihdr(2, 2, 8, 2, 1))}), kPngUnsupportedCompression, "compression method 1"},
      {PngFile({PngChunk("IHDR", Ihdr(2, 2, 8, 2, 0, 1))}), invalid, "filter method 1"},
      {PngFile({PngChunk("IHDR", Ihdr(2, 2, 8, 2, 0, 0, 2))}), invalid, "interlace method 2"},
      {Rgb2x2(kRaw2x2, {PngChunk("PLTE", Bytes(7, 0))}), kPngInvalidPalette, "palette length 7"},
      {PngFile({PngChunk("IHDR", Ihdr(2, 2, 8, 3)), PngChunk("IDAT", Compress(Bytes(6, 0))), PngChunk("IEND", {})}),
       kPngInvalidPalette, "indexed picture without a palette"},
      {Rgb2x2(kRaw2x2, {PngChunk("ABCD", {})}), kPngUnknownCriticalChunk, "unknown critical chunk"},
      {with_idat(Compress(more)), kPngExtraCompressedData, "one byte too many"},
      {with_idat(Compress(less)), invalid, "one byte short"},
      {with_idat(bad_adler), invalid, "Adler-32 mismatch"},
      {with_idat(Bytes{0x78, 0x9C, 0xFF}), invalid, "broken deflate data"},
      {with_idat(Compress(bad_filter)), invalid, "filter type 5"},
      {bad_crc, invalid, "CRC mismatch"},
      {truncated, invalid, "cut short"},
      {PngFile({PngChunk("IHDR", Ihdr(2, 2, 8, 2)), PngChunk("IEND", {})}), invalid, "no image data"},
      {PngFile({PngChunk("IHDR", Ihdr(2, 2, 8, 2)), PngChunk("IDAT", Compress(kRaw2x2))}), invalid, "no end chunk"},
  };
  for (const auto& c : cases) {
    try {
      DecodePng(c.file);
      ADD_FAILURE() << c.why << ": decoded";
    } catch (const ImageError& e) {
      EXPECT_EQ(e.what(), c.message) << c.why;
    }
  }
}

TEST(DecodePng, ImageDataMaySpanSeveralChunks) {
  const Bytes compressed = Compress(kRaw2x2);
  const Bytes first(compressed.begin(), compressed.begin() + 5), second(compressed.begin() + 5, compressed.end());
  const Bytes file = PngFile(
      {PngChunk("IHDR", Ihdr(2, 2, 8, 2)), PngChunk("IDAT", first), PngChunk("IDAT", second), PngChunk("IEND", {})});
  EXPECT_EQ(DecodePng(file).Bitmap.Size(), (TSize{2, 2}));
}

TEST(To32Bits, MagentaBecomesTransparentUnlessTheSourceHadAlpha) {
  const Bytes raw = {0, 255, 0, 255, 1, 2, 3};
  const Bytes rgb =
      PngFile({PngChunk("IHDR", Ihdr(2, 1, 8, 2)), PngChunk("IDAT", Compress(raw)), PngChunk("IEND", {})});
  const TBitmap32 bmp = To32Bits(DecodePng(rgb));
  EXPECT_EQ(bmp.Pixel(0, 0), kKeyPixel);
  EXPECT_EQ(bmp.Pixel(1, 0), 0xFF010203u);
  const Bytes raw_rgba = {0, 255, 0, 255, 200};
  const Bytes rgba =
      PngFile({PngChunk("IHDR", Ihdr(1, 1, 8, 6)), PngChunk("IDAT", Compress(raw_rgba)), PngChunk("IEND", {})});
  EXPECT_EQ(To32Bits(DecodePng(rgba)).Pixel(0, 0), 0xC8FF00FFu) << "PNG alpha kept";
}

// The predictor as the PNG standard writes it: nearest of a, b, c to
// a + b - c, ties going to a, then b.
int StandardPaeth(int a, int b, int c) {
  const int p = a + b - c;
  const int pa = std::abs(p - a), pb = std::abs(p - b), pc = std::abs(p - c);
  if (pa <= pb && pa <= pc) return a;
  return pb <= pc ? b : c;
}

TEST(PngFilters, PaethMatchesTheStandardForEveryTripleIncludingTies) {
  // One case per pair of one-byte-per-pixel rows of two pixels: the first row
  // (no filter) holds c, b; the second (Paeth) holds a - c, then 0, so that
  // its first pixel becomes a and its second Paeth(a, b, c).
  constexpr int kCasesPerPass = 1 << 16;
  std::vector<uint8_t> rows(size_t{kCasesPerPass} * 2 * 3);
  for (int a = 0; a < 256; ++a) {
    for (int b = 0; b < 256; ++b) {
      for (int c = 0; c < 256; ++c) {
        uint8_t* pair = &rows[(size_t(b) * 256 + size_t(c)) * 6];
        pair[0] = 0, pair[1] = uint8_t(c), pair[2] = uint8_t(b);
        pair[3] = 4, pair[4] = uint8_t(a - c), pair[5] = 0;
      }
    }
    ASSERT_TRUE(png::Unfilter(rows, 2, 2 * kCasesPerPass, 1));
    for (int b = 0; b < 256; ++b) {
      for (int c = 0; c < 256; ++c) {
        const uint8_t* pair = &rows[(size_t(b) * 256 + size_t(c)) * 6];
        if (pair[4] != a || pair[5] != StandardPaeth(a, b, c)) {
          FAIL() << "a=" << a << " b=" << b << " c=" << c << ": " << int(pair[4]) << ", " << int(pair[5]);
        }
      }
    }
  }
}

}  // namespace
}  // namespace vorlan::paint
