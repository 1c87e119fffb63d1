// vorlan_skinpack SKINDIR OUT.asz: packs the internal skin for embedding.
// Members go in directory order (options, bitmaps, PNG images); the glow
// picture is stored uncompressed, every other member deflated.
#include <cstdio>
#include <exception>
#include <fstream>
#include <string>

#include "platform/ascii.h"
#include "platform/text.h"
#include "skin/data/skin_package.h"
#include "skin/data/skin_package_writer.h"

namespace {
constexpr char16_t kStoredMember[] = u"GLOWEDIT.PNG";
}

int main(int argc, char** argv) {
  if (argc != 3) {
    std::fputs("usage: vorlan_skinpack SKINDIR OUT.asz\n", stderr);
    return 2;
  }
  try {
    using namespace vorlan::skin;
    auto members = ReadSkinDirectory(vorlan::platform::Utf8ToUtf16(argv[1]), PackMethod::Deflate);
    for (PackageMember& m : members) {
      if (vorlan::platform::AsciiUpperCopy(m.Name) == kStoredMember) m.Method = PackMethod::Store;
    }
    const auto bytes = WriteSkinPackage(members);
    std::ofstream out(argv[2], std::ios::binary | std::ios::trunc);
    out.write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
    if (!out) throw std::runtime_error(std::string("cannot write ") + argv[2]);
    return 0;
  } catch (const std::exception& e) {
    std::fprintf(stderr, "vorlan_skinpack: %s\n", e.what());
    return 1;
  }
}
