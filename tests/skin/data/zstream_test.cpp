#include <gtest/gtest.h>
#include <zlib.h>

#include "skin/data/skin_errors.h"
#include "skin/data/skin_package_writer.h"
#include "skin/data/skin_test_support.h"
#include "skin/data/zstream.h"

namespace vorlan::skin {
namespace {

std::string ReadAll(Stream& stream, std::size_t piece) {
  std::string out;
  std::vector<std::uint8_t> buffer(piece);
  while (const std::size_t got = stream.Read(buffer))
    out.append(buffer.begin(), buffer.begin() + static_cast<std::ptrdiff_t>(got));
  return out;
}

// Source bytes: a prefix, then two zlib streams back to back.
struct TwoStreams {
  std::string first = "first stream content, repeated repeated repeated";
  std::string second = "second";
  std::vector<std::uint8_t> bytes;
  std::int64_t first_start = 3;
  std::int64_t second_start = 0;
  TwoStreams() {
    bytes = {'x', 'y', 'z'};
    const auto a = ZlibStream(test::Bytes(first), PackMethod::Deflate);
    bytes.insert(bytes.end(), a.begin(), a.end());
    second_start = static_cast<std::int64_t>(bytes.size());
    const auto b = ZlibStream(test::Bytes(second), PackMethod::Store);
    bytes.insert(bytes.end(), b.begin(), b.end());
  }
};

TEST(TZDecompressionStream, StopsTheSourceRightAfterTheTrailer) {
  TwoStreams data;
  MemoryStream source(data.bytes);
  source.Seek(data.first_start);
  TZDecompressionStream inflater(source);
  EXPECT_EQ(ReadAll(inflater, 7), data.first);
  EXPECT_TRUE(inflater.AtStreamEnd());
  EXPECT_EQ(source.Position(), data.second_start);
  EXPECT_EQ(inflater.Position(), static_cast<std::int64_t>(data.first.size())) << "position counts bytes produced";
}

TEST(TZDecompressionStream, StreamsSharingOneSourceSeekItBack) {
  TwoStreams data;
  MemoryStream source(data.bytes);
  source.Seek(data.first_start);
  TZDecompressionStream first(source);
  source.Seek(data.second_start);
  TZDecompressionStream second(source);
  std::vector<std::uint8_t> piece(5);
  ASSERT_EQ(second.Read(piece), 5u);
  // The first stream must go back to where it was created, not read on from
  // where the second one left the source.
  EXPECT_EQ(ReadAll(first, 4), data.first);
  EXPECT_EQ(ReadAll(second, 4), "d");
}

TEST(TZDecompressionStream, SeekRules) {
  TwoStreams data;
  MemoryStream source(data.bytes);
  source.Seek(data.first_start);
  TZDecompressionStream inflater(source);
  EXPECT_EQ(inflater.Seek(6), 6) << "forward by reading";
  std::vector<std::uint8_t> piece(6);
  ASSERT_EQ(inflater.Read(piece), 6u);
  EXPECT_EQ(std::string(piece.begin(), piece.end()), data.first.substr(6, 6));
  EXPECT_EQ(inflater.Seek(0), 0) << "back to the start";
  EXPECT_EQ(ReadAll(inflater, 100), data.first) << "starts again where the stream began, not at the source's start";
  inflater.Seek(0);
  EXPECT_EQ(inflater.SeekToEnd(), static_cast<std::int64_t>(data.first.size()));
  try {
    inflater.Seek(3);
    FAIL() << "backward seek accepted";
  } catch (const EZDecompressionError& error) {
    EXPECT_STREQ(error.what(), "Invalid ZStream operation!");
  }
}

TEST(TZDecompressionStream, WritingIsInvalid) {
  MemoryStream source;
  TZDecompressionStream inflater(source);
  const std::uint8_t byte = 1;
  try {
    inflater.Write(std::span(&byte, 1));
    FAIL() << "write accepted";
  } catch (const EZDecompressionError& error) {
    EXPECT_STREQ(error.what(), "Invalid ZStream operation!");
  }
}

TEST(TZDecompressionStream, EmptySourceGivesNothing) {
  MemoryStream source;
  TZDecompressionStream inflater(source);
  std::vector<std::uint8_t> buffer(10);
  EXPECT_EQ(inflater.Read(buffer), 0u);
  EXPECT_FALSE(inflater.AtStreamEnd());
}

TEST(ZLibCodeText, EveryCodeHasItsText) {
  const std::pair<int, std::string_view> cases[] = {{Z_NEED_DICT, "need dictionary"},
                                                    {Z_STREAM_END, "stream end"},
                                                    {Z_OK, "ok"},
                                                    {Z_ERRNO, "file error"},
                                                    {Z_STREAM_ERROR, "stream error"},
                                                    {Z_DATA_ERROR, "data error"},
                                                    {Z_MEM_ERROR, "insufficient memory"},
                                                    {Z_BUF_ERROR, "buffer error"},
                                                    {Z_VERSION_ERROR, "incompatible version"}};
  for (const auto& [code, text] : cases) EXPECT_EQ(ZLibCodeText(code), text) << code;
}

}  // namespace
}  // namespace vorlan::skin
