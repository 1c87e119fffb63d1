// Loading the internal skin's package (unpacking, options, masks and
// sections) beside its fair peer in the same run: zlib inflating the same
// members plus libpng decoding the PNG members to 32 bits (the work a load
// cannot avoid). zlib alone is printed too. Uses res/skin when it is there,
// else a synthetic skin of a similar size.
#include <benchmark/benchmark.h>
#include <png.h>
#include <zlib.h>

#include <cstdio>
#include <string>
#include <vector>

#include "common/ratio_reporter.h"
#include "skin/data/skin_errors.h"
#include "skin/data/skin_loader.h"
#include "skin/data/skin_package_writer.h"

namespace {

using vorlan::skin::PackageMember;
using vorlan::skin::PackMethod;

std::vector<std::uint8_t> Bmp24(std::int32_t width, std::int32_t height) {
  const std::int32_t row = (width * 3 + 3) / 4 * 4;
  std::vector<std::uint8_t> out(static_cast<std::size_t>(54 + row * height));
  const auto put32 = [&](std::size_t at, std::uint32_t v) {
    for (int i = 0; i < 4; ++i) out[at + static_cast<std::size_t>(i)] = static_cast<std::uint8_t>(v >> (8 * i));
  };
  out[0] = 'B';
  out[1] = 'M';
  put32(2, static_cast<std::uint32_t>(out.size()));
  put32(10, 54);
  put32(14, 40);
  put32(18, static_cast<std::uint32_t>(width));
  put32(22, static_cast<std::uint32_t>(height));
  out[26] = 1;
  out[28] = 24;
  for (std::size_t i = 54; i < out.size(); ++i) out[i] = static_cast<std::uint8_t>((i / 97) % 7 * 30);
  return out;
}

std::vector<PackageMember> SyntheticSkin() {
  std::string options = "[GLOBALINFO]\r\nVERSION=10.00\r\nMASTERBITMAP=MASTER COPY.BMP\r\n";
  for (int s = 0; s < 70; ++s) {
    options += "[SECTION" + std::to_string(s) +
               "]\r\nSTATES=3\r\nCOLOR=15269871\r\nHOTCOLOR=13689318\r\n"
               "GRADIENTDATA=15135209;14018521;48;0;0;14018521;14018521;50;0;0\r\n"
               "BORDERSMASK=^0000^0000^0009^0006^0001^0001^0001^0001^3^1^5^1\r\n"
               "GLYPH=@0019@0080@0070@0095@3@0\r\nBIG=!BTNHUGE.BMP!3!1!0!0031!0031!0031!0031!5\r\n";
  }
  return {{u"Options.dat", {options.begin(), options.end()}, PackMethod::Deflate},
          {u"BtnHuge.bmp", Bmp24(192, 128), PackMethod::Deflate},
          {u"Master copy.bmp", Bmp24(310, 500), PackMethod::Deflate},
          {u"Net.bmp", Bmp24(188, 830), PackMethod::Deflate}};
}

std::vector<std::uint8_t> MakePackage() {
  try {
    const auto members = vorlan::skin::ReadSkinDirectory(u"" VORLAN_SOURCE_DIR "/res/skin", PackMethod::Deflate);
    if (!members.empty()) return vorlan::skin::WriteSkinPackage(members);
  } catch (const vorlan::Error&) {
  }
  return vorlan::skin::WriteSkinPackage(SyntheticSkin());
}

const std::vector<std::uint8_t>& Package() {
  static const std::vector<std::uint8_t> package = MakePackage();
  return package;
}

struct RawMember {
  bool png;            // by its name's extension
  std::size_t offset;  // of the zlib stream
  std::size_t stream_size;
  std::size_t size;
};

// Where each member's zlib stream lies, found once with zlib itself.
std::vector<RawMember> Members() {
  const std::vector<std::uint8_t>& package = Package();
  std::vector<RawMember> members;
  const auto u32 = [&](std::size_t at) {
    return static_cast<std::uint32_t>(package[at]) | static_cast<std::uint32_t>(package[at + 1]) << 8 |
           static_cast<std::uint32_t>(package[at + 2]) << 16 | static_cast<std::uint32_t>(package[at + 3]) << 24;
  };
  std::size_t at = 8;
  for (std::uint32_t i = 0; i < u32(4); ++i) {
    const std::string name(reinterpret_cast<const char*>(package.data() + at + 4), u32(at));
    const bool png = name.size() > 4 && (name.ends_with(".png") || name.ends_with(".PNG"));
    at += 4 + name.size();
    const std::size_t size = u32(at);
    at += 4;
    z_stream z{};
    inflateInit(&z);
    std::vector<std::uint8_t> out(size + 1);
    z.next_in = const_cast<std::uint8_t*>(package.data() + at);
    z.avail_in = static_cast<uInt>(package.size() - at);
    z.next_out = out.data();
    z.avail_out = static_cast<uInt>(out.size());
    inflate(&z, Z_FINISH);
    members.push_back({png, at, z.total_in, size});
    at += z.total_in;
    inflateEnd(&z);
  }
  return members;
}

void BM_LoadSkinPackage(benchmark::State& state) {
  for (auto _ : state) {
    vorlan::skin::MemoryStream packed(Package());
    vorlan::skin::TSkinConvertor convertor;
    convertor.PackedData = &packed;
    vorlan::skin::LoadSkinPackage(convertor, nullptr);
    convertor.PackedData = nullptr;
    const auto options = vorlan::skin::TSkinOptions::FromBytes(convertor.Options->View());
    vorlan::skin::TLoadedSkin skin;
    vorlan::skin::TSkinLoadSource source;
    source.Options = &options;
    source.Package = &convertor;
    vorlan::skin::LoadAllMasks(skin, source);
    vorlan::skin::LoadAllGeneralData(skin, source);
    benchmark::DoNotOptimize(skin.ma.size());
  }
  state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations() * Package().size()));
}
BENCHMARK(BM_LoadSkinPackage)->Unit(benchmark::kMillisecond);

std::vector<std::uint8_t> Inflate(const RawMember& member) {
  const std::vector<std::uint8_t>& package = Package();
  std::vector<std::uint8_t> out(member.size);
  uLongf length = static_cast<uLongf>(out.size());
  uLong source_length = static_cast<uLong>(member.stream_size);
  uncompress2(out.data(), &length, package.data() + member.offset, &source_length);
  return out;
}

void DecodePng(const std::vector<std::uint8_t>& bytes, benchmark::State& state) {
  png_image image{};
  image.version = PNG_IMAGE_VERSION;
  if (!png_image_begin_read_from_memory(&image, bytes.data(), bytes.size())) {
    state.SkipWithError("libpng refused a PNG member");
    return;
  }
  image.format = PNG_FORMAT_BGRA;
  std::vector<std::uint8_t> pixels(PNG_IMAGE_SIZE(image));
  if (!png_image_finish_read(&image, nullptr, pixels.data(), 0, nullptr)) state.SkipWithError("libpng failed");
  benchmark::DoNotOptimize(pixels.data());
}

void BM_ZlibInflateMembers(benchmark::State& state) {
  const std::vector<RawMember> members = Members();
  for (auto _ : state) {
    for (const RawMember& member : members) benchmark::DoNotOptimize(Inflate(member).data());
  }
  state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations() * Package().size()));
}
BENCHMARK(BM_ZlibInflateMembers)->Unit(benchmark::kMillisecond);

void BM_ZlibAndLibpng(benchmark::State& state) {
  const std::vector<RawMember> members = Members();
  for (auto _ : state) {
    for (const RawMember& member : members) {
      const std::vector<std::uint8_t> bytes = Inflate(member);
      if (member.png) DecodePng(bytes, state);
      benchmark::DoNotOptimize(bytes.data());
    }
  }
}
BENCHMARK(BM_ZlibAndLibpng)->Unit(benchmark::kMillisecond);

}  // namespace

int main(int argc, char** argv) {
  benchmark::Initialize(&argc, argv);
  std::printf("package: %zu bytes\n", Package().size());
  bench::RatioReporter reporter(bench::RatioReporter::Clock::Wall);
  benchmark::RunSpecifiedBenchmarks(&reporter);
  reporter.PrintRatio("skin load (unpack + options + masks) / zlib inflate + libpng decode", "BM_LoadSkinPackage",
                      "BM_ZlibAndLibpng");
  reporter.PrintRatio("skin load (unpack + options + masks) / zlib inflate alone", "BM_LoadSkinPackage",
                      "BM_ZlibInflateMembers");
  benchmark::Shutdown();
  return 0;
}
