#include <gtest/gtest.h>

#include "app/build_config.h"
#include "main_form_fixture.h"
#include "platform/error.h"
#include "platform/text.h"
#include "support/jpeg_maker.h"

namespace vorlan::app {
namespace {

using testing::MainFormFixture;

void Answer(MainFormFixture& f, std::vector<uint8_t> bytes) {
  f.stream_answer = [bytes](std::vector<uint8_t>& stream) { stream.insert(stream.end(), bytes.begin(), bytes.end()); };
}

paint::TSize ImageArea(MainFormFixture& f) {
  const RECT r = f.Form().SkinImage1->BoundsRect();
  return {r.right - r.left, r.bottom - r.top};
}

TEST(Banner, FetchesTheNaturePictureAndFitsItAtTheTopLeft) {
  MainFormFixture f;
  f.Form().Show();
  ASSERT_EQ(f.stream_urls.size(), 1u);
  EXPECT_EQ(f.stream_urls[0], u"http://" + platform::Utf8ToUtf16(build_config::kPictureHost) + u"/400/200/nature/");
  const paint::TSize area = ImageArea(f);
  // The image holds the picture as decoded and fits it when it paints.
  const paint::TRect banner = f.Form().SkinImage1->PictureRect();
  EXPECT_EQ(banner.Left, 0);
  EXPECT_EQ(banner.Top, 0);
  EXPECT_EQ(banner.Width(), area.Width) << "a wide picture takes the full width";
  EXPECT_EQ(banner.Height(), area.Width / 2) << "and keeps its proportions";
  EXPECT_LE(banner.Height(), area.Height);
  EXPECT_EQ(f.Form().SkinImage1->Picture().Width(), 400) << "held as decoded";
}

TEST(Banner, ImageFillsItsPanelInsideTheEdge) {
  MainFormFixture f;
  f.Form().Show();
  const RECT panel = f.Form().SkinPanel2->ClientRect();
  const RECT image = f.Form().SkinImage1->BoundsRect();
  EXPECT_EQ(image.left, 1);
  EXPECT_EQ(image.top, 1);
  EXPECT_EQ(image.right, panel.right - 1);
  EXPECT_EQ(image.bottom, panel.bottom - 1);
  const RECT lower = f.Form().SkinPanel1->BoundsRect();
  EXPECT_EQ(lower.bottom - lower.top, 107) << "the lower panel keeps its height at the bottom";
  EXPECT_EQ(f.Form().SkinPanel2->BoundsRect().bottom, lower.top);
}

TEST(Banner, GreyscalePictureIsShownInGrey) {
  MainFormFixture f;
  Answer(f, vorlan::testing::MakeJpeg(400, 200, 1, [](int x, int, int) { return x * 255 / 399; }));
  f.Form().Show();
  ASSERT_TRUE(f.boxes.boxes.empty());
  const paint::TBitmap32& banner = f.Form().SkinImage1->Picture();
  ASSERT_FALSE(banner.Empty());
  for (int y = 0; y < banner.Height(); y += 7) {
    for (int x = 0; x < banner.Width(); x += 5) {
      const uint32_t p = banner.Pixel(x, y);
      ASSERT_EQ(p & 0xFF, (p >> 8) & 0xFF) << x << "," << y;
      ASSERT_EQ(p & 0xFF, (p >> 16) & 0xFF) << x << "," << y;
    }
  }
  EXPECT_LT(banner.Pixel(2, 10) & 0xFF, banner.Pixel(banner.Width() - 3, 10) & 0xFF) << "the gradient survives";
}

struct SizeRow {
  int width, height;
  const char* why;
};

TEST(Banner, PicturesOfOtherSizesAreScaledProportionally) {
  const std::vector<SizeRow> rows = {
      {100, 100, "a small square grows to the area's height"},
      {600, 100, "a very wide picture is width-bound"},
      {50, 400, "a tall picture is height-bound"},
      {1, 30, "a one pixel wide picture still shows"},
  };
  for (const SizeRow& row : rows) {
    MainFormFixture f;
    Answer(f, testing::PlainJpeg(row.width, row.height, 0x808080));
    f.Form().Show();
    ASSERT_TRUE(f.boxes.boxes.empty()) << row.why;
    const paint::TSize area = ImageArea(f);
    const paint::TRect banner = f.Form().SkinImage1->PictureRect();
    // Proportions kept within a pixel, one side touching the area's edge.
    EXPECT_TRUE(banner.Width() == area.Width || banner.Height() == area.Height) << row.why;
    EXPECT_LE(banner.Width(), area.Width) << row.why;
    EXPECT_LE(banner.Height(), area.Height) << row.why;
    EXPECT_NEAR(double(banner.Width()) * row.height, double(banner.Height()) * row.width,
                double(std::max(row.width, row.height)))
        << row.why;
  }
}

struct BadBodyRow {
  std::vector<uint8_t> body;
  const char* why;
};

TEST(Banner, ABodyThatIsNoJpegGivesTheJpegErrorAndKeepsThePreviousBanner) {
  const std::string html = "<html><body><h1>Service unavailable</h1></body></html>";
  std::vector<uint8_t> truncated = testing::PlainJpeg(400, 200, 0x3366CC);
  truncated.resize(truncated.size() / 3);
  const std::vector<BadBodyRow> rows = {
      {std::vector<uint8_t>(html.begin(), html.end()), "an HTML page sent with status 200"},
      {{}, "an empty body"},
      {{0x89, 'P', 'N', 'G', '\r', '\n', 0x1A, '\n'}, "a PNG signature"},
      {truncated, "a truncated picture"},
  };
  for (const BadBodyRow& row : rows) {
    MainFormFixture f;
    f.Form().Show();  // a good banner first
    const paint::TSize good_size = f.Form().SkinImage1->Picture().Size();
    const uint32_t good_pixel = f.Form().SkinImage1->Picture().Pixel(3, 3);
    f.Form().Hide();
    Answer(f, row.body);
    f.Form().Show();
    ASSERT_EQ(f.boxes.boxes.size(), 1u) << row.why;
    const std::u16string& text = f.boxes.boxes[0].text;
    EXPECT_EQ(text.rfind(u"JPEG error #", 0), 0u) << row.why;
    EXPECT_EQ(text.back(), u'.') << row.why << ": the period rule";
    EXPECT_TRUE(f.Form().SkinImage1->Picture().Size() == good_size) << row.why;
    EXPECT_EQ(f.Form().SkinImage1->Picture().Pixel(3, 3), good_pixel) << row.why << ": no garbled banner";
    EXPECT_TRUE(IsWindowVisible(f.Window())) << row.why;
  }
}

TEST(Banner, AFailingFetchShowsTheErrorBoxBeforeTheWindowIsVisible) {
  MainFormFixture f;
  f.stream_answer = [](std::vector<uint8_t>&) { throw vorlan::Error(std::string("HTTP/1.1 302 Found")); };
  f.Form().Show();
  ASSERT_EQ(f.boxes.boxes.size(), 1u);
  EXPECT_EQ(f.boxes.boxes[0].text, u"HTTP/1.1 302 Found.");
  EXPECT_EQ(f.boxes.boxes[0].caption, u"VorlanTV клиент 1.0");
  EXPECT_FALSE(f.boxes.boxes[0].watched_window_visible) << "the box comes before the window";
  EXPECT_TRUE(IsWindowVisible(f.Window())) << "then the window is shown all the same";
  EXPECT_TRUE(f.Form().SkinImage1->Picture().Empty()) << "with the banner it had (empty at start)";
}

}  // namespace
}  // namespace vorlan::app
