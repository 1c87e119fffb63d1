#include <gtest/gtest.h>
#include <zlib.h>

#include <algorithm>
#include <array>
#include <span>

#include "skin/data/skin_errors.h"
#include "skin/data/skin_package.h"
#include "skin/data/skin_package_writer.h"
#include "skin/data/skin_test_support.h"

namespace vorlan::skin {
namespace {

using test::Member;
using test::ReadPackage;
using test::ReadResult;

std::string Content(const MemoryStream& stream) { return {stream.Bytes().begin(), stream.Bytes().end()}; }

void AppendUInt32(std::vector<std::uint8_t>& out, std::uint32_t value) {
  for (int shift = 0; shift < 32; shift += 8) out.push_back(static_cast<std::uint8_t>(value >> shift));
}

// A package of raw records: each a name, a declared size and stream bytes.
struct RawMember {
  std::string name;
  std::uint32_t size;
  std::vector<std::uint8_t> stream;
};
std::vector<std::uint8_t> RawPackage(std::uint32_t count, const std::vector<RawMember>& members) {
  std::vector<std::uint8_t> out = {'A', 'S', 'z', 'f'};
  AppendUInt32(out, count);
  for (const RawMember& member : members) {
    AppendUInt32(out, static_cast<std::uint32_t>(member.name.size()));
    out.insert(out.end(), member.name.begin(), member.name.end());
    AppendUInt32(out, member.size);
    out.insert(out.end(), member.stream.begin(), member.stream.end());
  }
  return out;
}

std::vector<std::uint8_t> Zlib(std::string_view text, PackMethod method = PackMethod::Deflate) {
  return ZlibStream(test::Bytes(text), method);
}

TEST(SkinPackageReader, ReadsMembersInOrderAndSeparatesTheOptions) {
  const std::vector<PackageMember> members = {
      Member(u"BtnHuge.bmp", "button"), Member(u"Options.dat", "[GLOBALINFO]\r\nVERSION=10.00"),
      Member(u"ExtBorder.png", "png bytes", PackMethod::Store), Member(u"Master copy.bmp", "master")};
  const std::vector<std::uint8_t> package = WriteSkinPackage(members);
  ReadResult result;
  ReadPackage(package, result);
  ASSERT_TRUE(result.Loaded);
  EXPECT_TRUE(result.Shown.empty());
  EXPECT_EQ(result.Convertor.ImageCount, 3);
  ASSERT_NE(result.Convertor.Options, nullptr);
  EXPECT_EQ(Content(*result.Convertor.Options), "[GLOBALINFO]\r\nVERSION=10.00");
  ASSERT_EQ(result.Convertor.Files.size(), 3u);
  EXPECT_EQ(result.Convertor.Files[0].FileName, u"BtnHuge.bmp");
  EXPECT_EQ(result.Convertor.Files[1].FileName, u"ExtBorder.png");
  EXPECT_EQ(Content(*result.Convertor.Files[1].FileStream), "png bytes");
  EXPECT_EQ(result.Convertor.Files[2].FileName, u"Master copy.bmp");
  EXPECT_EQ(result.EndPosition, static_cast<std::int64_t>(package.size())) << "reading ends at the last trailer";
}

TEST(SkinPackageReader, BitmapFlagFollowsTheExtension) {
  struct Case {
    std::u16string name;
    bool is_bitmap;
  };
  const Case cases[] = {{u"a.bmp", true},      {u"A.BMP", true},  {u"b.Bmp", true},
                        {u"c.png", false},     {u"d.jpg", false}, {u"noextension", false},
                        {u"e.bmp.png", false}, {u"bmp", false},   {u"f.bmpx", false}};
  std::vector<PackageMember> members;
  for (const Case& c : cases) members.push_back(Member(c.name, "x"));
  ReadResult result;
  ReadPackage(WriteSkinPackage(members), result);
  ASSERT_EQ(result.Convertor.Files.size(), std::size(cases));
  for (std::size_t i = 0; i < std::size(cases); ++i) {
    EXPECT_EQ(result.Convertor.Files[i].IsBitmap, cases[i].is_bitmap)
        << std::string(cases[i].name.begin(), cases[i].name.end());
  }
}

TEST(SkinPackageReader, OptionsMemberInAnyCaseAndTheLastOneWins) {
  ReadResult result;
  ReadPackage(WriteSkinPackage(std::vector{Member(u"OPTIONS.DAT", "first"), Member(u"x.bmp", "x"),
                                           Member(u"options.Dat", "second")}),
              result);
  ASSERT_NE(result.Convertor.Options, nullptr);
  EXPECT_EQ(Content(*result.Convertor.Options), "second");
  EXPECT_EQ(result.Convertor.Files.size(), 1u);
  EXPECT_EQ(result.Convertor.ImageCount, 2) << "the count includes both options members";
}

TEST(SkinPackageReader, NotAPackageShowsTheMessageAndFillsNothing) {
  const std::vector<std::vector<std::uint8_t>> inputs = {
      {}, {'A', 'S', 'z'}, {'A', 'S', 'Z', 'f', 1, 0, 0, 0}, {'P', 'K', 3, 4, 0, 0, 0, 0, 0, 0}};
  for (const auto& input : inputs) {
    ReadResult result;
    ReadPackage(input, result);
    EXPECT_FALSE(result.Loaded);
    EXPECT_EQ(result.Shown, u"Loaded data is not a packed VeltrixSkin file");
    EXPECT_EQ(result.Convertor.Options, nullptr);
    EXPECT_TRUE(result.Convertor.Files.empty());
    EXPECT_EQ(result.Convertor.ImageCount, 0);
  }
}

TEST(SkinPackageReader, BrokenPackagesRaiseTheirErrors) {
  const std::vector<std::uint8_t> good = WriteSkinPackage(std::vector{Member(u"Options.dat", std::string(300, 'k'))});
  std::vector<std::uint8_t> corrupt = RawPackage(1, {{"a.bmp", 5, Zlib("hello")}});
  corrupt[8 + 4 + 5 + 4 + 2] = 0xFF;  // first deflate byte: an invalid block type
  // zlib header 0x78 0xBB: FDICT set, a preset dictionary is asked for.
  std::vector<std::uint8_t> dictionary_stream = {0x78, 0xBB, 0, 0, 0, 1, 0x03, 0x00};
  struct Case {
    std::string why;
    std::vector<std::uint8_t> package;
    std::string message;
  };
  const Case cases[] = {
      {"cut inside the member", std::vector<std::uint8_t>(good.begin(), good.end() - 6), "Stream read error"},
      {"cut inside the trailer", std::vector<std::uint8_t>(good.begin(), good.end() - 2), "Stream read error"},
      {"more members declared than present", RawPackage(3, {{"a.bmp", 5, Zlib("hello")}}), "Stream read error"},
      {"name longer than the package", {'A', 'S', 'z', 'f', 1, 0, 0, 0, 0xE8, 3, 0, 0, 'a', 'b'}, "Stream read error"},
      {"corrupt deflate data", corrupt, "data error"},
      {"member longer than declared", RawPackage(1, {{"a.bmp", 3, Zlib("hello")}}), "data error"},
      {"member shorter than declared", RawPackage(1, {{"a.bmp", 9, Zlib("hello")}}), "Stream read error"},
      {"preset dictionary", RawPackage(1, {{"a.bmp", 0, dictionary_stream}}), "data error"},
      {"not zlib at all", RawPackage(1, {{"a.bmp", 4, test::Bytes("plain text bytes")}}), "data error"},
  };
  for (const Case& c : cases) {
    ReadResult result;
    try {
      ReadPackage(c.package, result);
      ADD_FAILURE() << c.why << ": no error";
    } catch (const Error& error) {
      EXPECT_EQ(std::string(error.what()), c.message) << c.why;
    }
  }
}

// A package source that remembers the largest read asked of it.
class WatchedStream final : public Stream {
 public:
  explicit WatchedStream(std::vector<std::uint8_t> bytes) : inner_(std::move(bytes)) {}
  std::size_t Read(std::span<std::uint8_t> buffer) override {
    largest_read = std::max(largest_read, buffer.size());
    return inner_.Read(buffer);
  }
  void Write(std::span<const std::uint8_t> bytes) override { inner_.Write(bytes); }
  std::int64_t Position() const override { return inner_.Position(); }
  std::int64_t Seek(std::int64_t position) override { return inner_.Seek(position); }
  std::int64_t Size() const override { return inner_.Size(); }
  std::size_t largest_read = 0;

 private:
  MemoryStream inner_;
};

TEST(SkinPackageReader, AHugeNameLengthFailsBeforeAnythingIsAskedForIt) {
  // 64 MiB declared for the name of a package of 14 bytes.
  WatchedStream packed({'A', 'S', 'z', 'f', 1, 0, 0, 0, 0, 0, 0, 4, 'a', 'b'});
  TSkinConvertor convertor;
  convertor.PackedData = &packed;
  EXPECT_THROW(LoadSkinPackage(convertor, nullptr), EReadError);
  convertor.PackedData = nullptr;
  EXPECT_LE(packed.largest_read, 16u) << "only the header was read; no buffer was made for the name";
}

TEST(SkinPackageReader, DecompressionErrorKeepsZlibCode) {
  std::vector<std::uint8_t> package = RawPackage(1, {{"a.bmp", 5, Zlib("hello")}});
  package[8 + 4 + 5 + 4 + 2] = 0xFF;
  ReadResult result;
  try {
    ReadPackage(package, result);
    FAIL() << "no error";
  } catch (const EZDecompressionError& error) {
    EXPECT_EQ(error.ErrorCode(), Z_DATA_ERROR);
  }
}

TEST(SkinPackageReader, MembersReadBeforeAnErrorStay) {
  std::vector<std::uint8_t> package =
      WriteSkinPackage(std::vector{Member(u"a.bmp", "first"), Member(u"b.bmp", "second")});
  package.resize(package.size() - 3);
  ReadResult result;
  EXPECT_THROW(ReadPackage(package, result), EReadError);
  ASSERT_EQ(result.Convertor.Files.size(), 1u);
  EXPECT_EQ(Content(*result.Convertor.Files[0].FileStream), "first");
}

TEST(SkinPackageReader, EmptyMembersReadAsEmpty) {
  for (const PackMethod method : {PackMethod::Deflate, PackMethod::Store}) {
    const std::vector<std::uint8_t> package = WriteSkinPackage(std::vector{
        Member(u"empty.bmp", "", method), Member(u"Options.dat", "", method), Member(u"after.png", "tail", method)});
    ReadResult result;
    ReadPackage(package, result);
    ASSERT_TRUE(result.Loaded);
    ASSERT_EQ(result.Convertor.Files.size(), 2u);
    EXPECT_EQ(result.Convertor.Files[0].FileStream->Size(), 0);
    ASSERT_NE(result.Convertor.Options, nullptr);
    EXPECT_EQ(result.Convertor.Options->Size(), 0);
    EXPECT_EQ(Content(*result.Convertor.Files[1].FileStream), "tail");
    EXPECT_EQ(result.EndPosition, static_cast<std::int64_t>(package.size()));
  }
}

// The member's data ends exactly where an input chunk of 131072 bytes ends
// (and a little before and after): the next record must still be found
// right after the trailer.
TEST(SkinPackageReader, NextRecordFollowsTheTrailerAtChunkEdges) {
  // Stored blocks: 2 header bytes, 5 per block, the data, 4 trailer bytes.
  constexpr std::size_t kChunk = 131072;
  for (const std::size_t data_end : {kChunk - 5, kChunk - 4, kChunk - 1, kChunk, kChunk + 1, kChunk + 3}) {
    const std::size_t size = data_end - 2 - 10;  // two stored blocks
    std::string content(size, '\0');
    for (std::size_t i = 0; i < size; ++i) content[i] = static_cast<char>(i * 7 + 3);
    const std::vector<std::uint8_t> package =
        WriteSkinPackage(std::vector{Member(u"big.bmp", content, PackMethod::Store), Member(u"next.png", "next")});
    ReadResult result;
    ReadPackage(package, result);
    ASSERT_EQ(result.Convertor.Files.size(), 2u) << data_end;
    EXPECT_EQ(Content(*result.Convertor.Files[0].FileStream), content) << data_end;
    EXPECT_EQ(Content(*result.Convertor.Files[1].FileStream), "next") << data_end;
  }
}

TEST(SkinPackageReader, LargeDeflatedMembersSpanManyChunks) {
  std::string content;
  std::uint32_t state = 12345;
  for (int i = 0; i < 600000; ++i) {
    state = state * 1103515245 + 12345;
    content.push_back(static_cast<char>('a' + (state >> 24) % 6));
  }
  const std::vector<std::uint8_t> package =
      WriteSkinPackage(std::vector{Member(u"one.bmp", content), Member(u"two.bmp", content.substr(0, 70000))});
  ReadResult result;
  ReadPackage(package, result);
  ASSERT_EQ(result.Convertor.Files.size(), 2u);
  EXPECT_EQ(Content(*result.Convertor.Files[0].FileStream), content);
  EXPECT_EQ(Content(*result.Convertor.Files[1].FileStream), content.substr(0, 70000));
}

TEST(SkinPackageReader, FindFileComparesUpperCasedNames) {
  ReadResult result;
  ReadPackage(WriteSkinPackage(std::vector{Member(u"Net.bmp", "1"), Member(u"NET.BMP", "2")}), result);
  const TSkImageItem* found = result.Convertor.FindFile(u"NET.BMP");
  ASSERT_NE(found, nullptr);
  EXPECT_EQ(Content(*found->FileStream), "1") << "the first equal entry wins";
  EXPECT_EQ(result.Convertor.FindFile(u"Net.bmp"), nullptr) << "callers pass upper-cased names";
}

TEST(SkinPackageReader, PackageFileLoadsIntoTheSlot) {
  test::TempDir dir;
  dir.Write(u"skin.asz", WriteSkinPackage(std::vector{Member(u"Options.dat", "opt"), Member(u"a.png", "png")}));
  std::unique_ptr<TSkinConvertor> slot;
  LoadSkinPackageFile(dir.File(u"missing.asz"), slot, nullptr);
  EXPECT_EQ(slot, nullptr) << "a missing file does nothing";
  LoadSkinPackageFile(dir.File(u"skin.asz"), slot, nullptr);
  ASSERT_NE(slot, nullptr);
  EXPECT_EQ(slot->PackedData, nullptr);
  ASSERT_EQ(slot->Files.size(), 1u);
  LoadSkinPackageFile(dir.File(u"skin.asz"), slot, nullptr);
  EXPECT_EQ(slot->Files.size(), 1u) << "the slot is cleared before loading again";
}

}  // namespace
}  // namespace vorlan::skin
