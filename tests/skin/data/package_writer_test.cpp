#include <gtest/gtest.h>
#include <zlib.h>

#include <filesystem>
#include <fstream>

#include "platform/error.h"
#include "skin/data/skin_package.h"
#include "skin/data/skin_package_writer.h"
#include "skin/data/skin_test_support.h"

namespace vorlan::skin {
namespace {

std::vector<std::uint8_t> Inflate(const std::vector<std::uint8_t>& stream, std::size_t size) {
  std::vector<std::uint8_t> out(size + 1);
  uLongf length = static_cast<uLongf>(out.size());
  EXPECT_EQ(uncompress(out.data(), &length, stream.data(), static_cast<uLong>(stream.size())), Z_OK);
  out.resize(length);
  return out;
}

TEST(SkinPackageWriter, ZlibStreamsInflateToTheirContent) {
  for (const std::size_t size :
       {std::size_t{0}, std::size_t{1}, std::size_t{65535}, std::size_t{65536}, std::size_t{200000}}) {
    std::vector<std::uint8_t> content(size);
    for (std::size_t i = 0; i < size; ++i) content[i] = static_cast<std::uint8_t>(i % 251);
    for (const PackMethod method : {PackMethod::Deflate, PackMethod::Store}) {
      EXPECT_EQ(Inflate(ZlibStream(content, method), size), content) << size;
    }
  }
}

TEST(SkinPackageWriter, StoredMembersAreStoredBlocks) {
  const std::vector<std::uint8_t> content(3171, 0x5A);
  const std::vector<std::uint8_t> stream = ZlibStream(content, PackMethod::Store);
  EXPECT_EQ(stream.size(), 3171u + 2 + 5 + 4) << "one stored block";
  EXPECT_EQ(stream[2], 1) << "final block, type stored";
  EXPECT_LT(ZlibStream(content, PackMethod::Deflate).size(), stream.size());
}

TEST(SkinPackageWriter, LayoutIsByteExact) {
  const std::vector<std::uint8_t> package =
      WriteSkinPackage(std::vector{test::Member(u"Options.dat", "ab", PackMethod::Store)});
  const std::vector<std::uint8_t> expected = {
      'A', 'S', 'z', 'f', 1, 0, 0, 0,    11,   0, 0, 0, 'O',  'p',  't', 'i', 'o',  'n',  's',  '.',
      'd', 'a', 't', 2,   0, 0, 0, 0x78, 0x01, 1, 2, 0, 0xFD, 0xFF, 'a', 'b', 0x01, 0x26, 0x00, 0xC4};
  EXPECT_EQ(package, expected);
}

TEST(SkinPackageWriter, DirectoryOrderPutsOptionsThenImagesByKind) {
  test::TempDir dir;
  for (const char16_t* name : {u"GlowEdit.png", u"Net.bmp", u"ExtBorder.png", u"Options.dat", u"Master copy.bmp",
                               u"BtnHuge.bmp", u"photo.jpg", u"readme.txt"}) {
    dir.Write(name, test::Bytes("x"));
  }
  const std::vector<PackageMember> members = ReadSkinDirectory(dir.SkinPath(), PackMethod::Deflate);
  std::vector<std::u16string> names;
  for (const PackageMember& member : members) names.push_back(member.Name);
  const std::vector<std::u16string> expected = {u"Options.dat", u"BtnHuge.bmp",   u"Master copy.bmp", u"Net.bmp",
                                                u"photo.jpg",   u"ExtBorder.png", u"GlowEdit.png",    u"readme.txt"};
  EXPECT_EQ(names, expected);
}

TEST(SkinPackageWriter, PackThenUnpackGivesTheSameFiles) {
  test::TempDir source;
  test::TempDir target;
  source.Write(u"Options.dat", test::Bytes("[GLOBALINFO]\r\n"));
  source.Write(u"Master copy.bmp", std::vector<std::uint8_t>(5000, 7));
  source.Write(u"empty.png", {});
  PackSkinDirectory(source.SkinPath(), target.File(u"skin.asz"), PackMethod::Store);
  UnpackSkinPackage(target.File(u"skin.asz"), target.File(u"out"));
  for (const char16_t* name : {u"Options.dat", u"Master copy.bmp", u"empty.png"}) {
    std::ifstream a(source.Path() / std::filesystem::path(std::u16string(name)), std::ios::binary);
    std::ifstream b(target.Path() / "out" / std::filesystem::path(std::u16string(name)), std::ios::binary);
    ASSERT_TRUE(b) << "missing after unpacking";
    const std::string bytes_a((std::istreambuf_iterator<char>(a)), {});
    const std::string bytes_b((std::istreambuf_iterator<char>(b)), {});
    EXPECT_EQ(bytes_a, bytes_b);
  }
}

TEST(SkinPackageWriter, UnpackRefusesNamesThatLeaveTheDirectory) {
  test::TempDir dir;
  for (const char16_t* name : {u"..\\evil.bmp", u"../evil.bmp", u"c:evil.bmp", u"..", u"sub/x.png"}) {
    dir.Write(u"bad.asz", WriteSkinPackage(std::vector{test::Member(name, "x")}));
    EXPECT_THROW(UnpackSkinPackage(dir.File(u"bad.asz"), dir.File(u"out")), Error);
    EXPECT_FALSE(std::filesystem::exists(dir.Path() / "evil.bmp"));
  }
}

TEST(SkinPackageWriter, UnpackOfOtherDataShowsTheFormatMessage) {
  test::TempDir dir;
  dir.Write(u"bad.asz", test::Bytes("PK\3\4 not a skin"));
  try {
    UnpackSkinPackage(dir.File(u"bad.asz"), dir.File(u"out"));
    FAIL() << "accepted";
  } catch (const Error& error) {
    EXPECT_STREQ(error.what(), "Loaded data is not a packed VeltrixSkin file");
  }
}

}  // namespace
}  // namespace vorlan::skin
