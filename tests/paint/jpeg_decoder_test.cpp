#include "paint/jpeg_decoder.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

#include <jpeglib.h>
// After jpeglib.h: the message codes.
#include <jerror.h>

#include "paint/image_errors.h"
#include "support/jpeg_maker.h"

namespace vorlan::paint {
namespace {

using Bytes = std::vector<uint8_t>;

int Near(uint32_t word, int shift) { return int(word >> shift & 0xFF); }

TEST(DecodeJpeg, ColourGreyAndCmykPictures) {
  const Bytes rgb = testing::MakeJpeg(
      16, 8, 3, [](int, int, int k) { return k == 0   ? 200
                                             : k == 1 ? 100
                                                      : 50; }, 100);
  TBitmap32 colour = DecodeJpeg(rgb);
  ASSERT_EQ(colour.Size(), (TSize{16, 8}));
  EXPECT_NEAR(Near(colour.Pixel(5, 5), 16), 200, 3) << "red";
  EXPECT_NEAR(Near(colour.Pixel(5, 5), 8), 100, 3) << "green";
  EXPECT_NEAR(Near(colour.Pixel(5, 5), 0), 50, 3) << "blue";
  EXPECT_EQ(colour.Pixel(5, 5) >> 24, 255u);

  const Bytes grey = testing::MakeJpeg(
      9, 7, 1, [](int x, int, int) { return x * 20; }, 100, true);
  TBitmap32 g = DecodeJpeg(grey);
  ASSERT_EQ(g.Size(), (TSize{9, 7})) << "progressive pictures decode completely";
  const uint32_t p = g.Pixel(4, 3);
  EXPECT_EQ(Near(p, 0), Near(p, 8));
  EXPECT_EQ(Near(p, 8), Near(p, 16)) << "grey stays grey";
  EXPECT_NEAR(Near(p, 0), 80, 4);

  // Plain (not inverted) CMYK: cyan ink 255, no black: red 0, green and blue 255.
  const Bytes cmyk = testing::MakeJpeg(
      8, 8, 4, [](int, int, int k) { return k == 0 ? 255 : 0; }, 100);
  TJpegPicture picture = DecodeJpegPicture(cmyk);
  EXPECT_TRUE(picture.Cmyk);
  EXPECT_EQ(picture.Bitmap.Pixel(3, 3) >> 24, 255u);
}

TEST(DecodeJpeg, EveryFailureIsAJpegErrorWithTheDecodersCode) {
  const Bytes good = testing::MakeJpeg(
      16, 16, 3, [](int x, int y, int k) { return (x * 13 + y * 7 + k * 50) & 255; }, 100);
  const std::string html = "<html><body>Service unavailable</body></html>";
  Bytes png = {0x89, 'P', 'N', 'G', '\r', '\n', 0x1A, '\n', 0, 0, 0, 13};
  Bytes truncated(good.begin(), good.begin() + long(good.size() / 2));
  Bytes header_only(good.begin(), good.begin() + 2);
  struct Case {
    Bytes data;
    int code;
    const char* why;
  } cases[] = {
      {{}, JERR_INPUT_EMPTY, "empty body"},
      {Bytes(html.begin(), html.end()), JERR_NO_SOI, "an HTML page"},
      {png, JERR_NO_SOI, "a PNG"},
      {truncated, JWRN_JPEG_EOF, "cut in the middle"},
      {header_only, JWRN_JPEG_EOF, "only the start marker"},
  };
  for (const auto& c : cases) {
    try {
      DecodeJpeg(c.data);
      ADD_FAILURE() << c.why << ": decoded";
    } catch (const JpegError& e) {
      EXPECT_EQ(e.Code(), c.code) << c.why;
      EXPECT_EQ(std::string(e.what()), "JPEG error #" + std::to_string(c.code)) << c.why;
    }
  }
  EXPECT_EQ(DecodeJpeg(good).Size(), (TSize{16, 16})) << "the decoder is usable after failures";
}

}  // namespace
}  // namespace vorlan::paint
